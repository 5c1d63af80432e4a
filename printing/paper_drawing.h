// Whether the screens are being drawn for paper. Printing records a screen inside one
// DrawingForPaper; the style and the controls then leave out what belongs to the moment
// (focus rings, hover, the default look of the focused button).
#pragma once

namespace rula {

// While one exists, the screens are being drawn for paper.
class DrawingForPaper {
public:
    DrawingForPaper();
    ~DrawingForPaper();
    DrawingForPaper(const DrawingForPaper&) = delete;
    DrawingForPaper& operator=(const DrawingForPaper&) = delete;

    static bool active();
};

} // namespace rula

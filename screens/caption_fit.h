// Room for captions longer than the English ones. The screens are laid out by hand, in
// twips, for their English captions; a translated caption may need more room. One rule,
// applied to a whole window once it is built (and again when the language changes),
// gives it that room:
//
//  1. A caption that fits its control changes nothing. A control that wraps its caption
//     (a word-wrapped label, an option button, a check box) takes more lines where it is
//     tall enough for them.
//  2. Otherwise the control grows into the free room beside it, away from the side its
//     caption is aligned to (a right-aligned label to the left, a centred one and a
//     button to both sides), up to a gap before the next control or the window's edge.
//     A caption that wraps takes as much of that width as it needs, then grows down
//     into the free room below for more lines.
//  3. What the room beside or below does not give is made by opening a strip across the
//     control's parent through the control's edge: everything beyond the strip moves
//     over by its width, frames, text boxes, rules and wrapped labels that the strip
//     crosses stretch across it, and the window grows by it. Inside a frame, the frame
//     then grows in its own parent by the same rule.
//
// A read-only text box over which controls are placed (the introduction) needs its text
// above them: they move down by a strip, and the box and the window grow.
//
// Controls keep their relative order and nothing comes to overlap; when every caption
// fits, nothing moves, so the English screens keep their designed geometry exactly.
#pragma once

#include <QRect>

class QPushButton;
class QWidget;

namespace rula {

// Applies the rule to a window laid out by hand. The first call keeps the designed
// geometry of the window and its controls; every later one starts again from it.
void FitCaptions(QWidget& window);

// The width a panel laid out by Qt's layouts takes where it is designed `designed` wide:
// wider where its controls' captions need it.
int WidthForCaptions(const QWidget& panel, int designed);

// Where a push button's style draws its caption: the rule and the fit test measure the
// same room.
QRect PushButtonContents(const QPushButton& button);

} // namespace rula

// The look every screen shares on top of the desktop's style: a focus ring that shows
// whenever a control has the keyboard focus (not only once Tab has been pressed), in the
// control's own text colour so that it reads on light and dark styles alike; empty
// option circles and check boxes outlined so that they stand out from the window; and,
// while a screen is drawn for paper, nothing of the moment: no focus, no hover.
#pragma once

#include "printing/paper_drawing.h"

#include <QProxyStyle>

namespace rula {

class ScreenStyle final : public QProxyStyle {
    Q_OBJECT
public:
    // Wraps `base`, and owns it.
    explicit ScreenStyle(QStyle* base);

    // Makes it the application's style, wrapping the one in use; does nothing when it
    // already is.
    static void Install();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

// The colour a focus ring or an outline is drawn in on `background`: the text colour
// that the palette pairs with it.
QColor FocusColour(const QPalette& palette, QPalette::ColorRole background = QPalette::Window);

// Draws the focus ring inside `area`, two pixels wide.
void DrawFocusRing(QPainter& painter, const QRectF& area, const QColor& colour);

} // namespace rula

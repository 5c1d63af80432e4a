#include "screens/screen_style.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>

namespace rula {
namespace {

constexpr QStyle::State kOfTheMoment = QStyle::State_HasFocus | QStyle::State_MouseOver;

// Draws with the option as it is drawn: for paper without focus, hover or the default
// look that a dialog gives the focused button for the moment.
template <class Draw> void AsDrawn(const QStyleOption* option, Draw draw) {
    if (!DrawingForPaper::active())
        return draw(option);
    if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) {
        QStyleOptionButton copy = *button;
        copy.state &= ~kOfTheMoment;
        copy.features &= ~QStyleOptionButton::DefaultButton;
        return draw(&copy);
    }
    if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option)) {
        QStyleOptionFrame copy = *frame;
        copy.state &= ~kOfTheMoment;
        return draw(&copy);
    }
    draw(option);
}

// Between the window and its text colour: an outline that stands out from the window
// without the weight of text.
QColor OutlineColour(const QPalette& palette) {
    const QColor window = palette.color(QPalette::Window);
    const QColor text = palette.color(QPalette::WindowText);
    const auto mix = [](int a, int b) { return (a * 3 + b * 7) / 10; };
    return QColor(mix(window.red(), text.red()), mix(window.green(), text.green()),
                  mix(window.blue(), text.blue()));
}

} // namespace

ScreenStyle::ScreenStyle(QStyle* base)
    : QProxyStyle(base) {}

void ScreenStyle::Install() {
    QStyle* inUse = QApplication::style();
    if (qobject_cast<ScreenStyle*>(inUse))
        return;
    // The style in use becomes the wrapped one; the application gives up its ownership
    // of it, so it is neither created twice nor deleted.
    QApplication::setStyle(new ScreenStyle(inUse));
}

void ScreenStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    if (element == PE_FrameFocusRect) {
        if (!DrawingForPaper::active())
            DrawFocusRing(*painter, option->rect, FocusColour(option->palette));
        return;
    }
    AsDrawn(option, [&](const QStyleOption* drawn) {
        QProxyStyle::drawPrimitive(element, drawn, painter, widget);
        if (element == PE_IndicatorRadioButton || element == PE_IndicatorCheckBox) {
            // The style's own outline can be barely darker than a dark window.
            painter->save();
            painter->setRenderHint(QPainter::Antialiasing);
            painter->setBrush(Qt::NoBrush);
            painter->setPen(QPen(OutlineColour(drawn->palette), 1.2));
            const QRectF edge = QRectF(drawn->rect).adjusted(1, 1, -1, -1);
            if (element == PE_IndicatorRadioButton)
                painter->drawEllipse(edge.center(), edge.width() / 2, edge.height() / 2);
            else
                painter->drawRect(edge);
            painter->restore();
        } else if (element == PE_FrameLineEdit && (drawn->state & State_HasFocus)) {
            DrawFocusRing(*painter, drawn->rect, FocusColour(drawn->palette, QPalette::Base));
        }
    });
}

void ScreenStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    AsDrawn(option, [&](const QStyleOption* drawn) {
        QProxyStyle::drawControl(element, drawn, painter, widget);
        if (!(drawn->state & State_HasFocus) || DrawingForPaper::active())
            return;
        if (element == CE_PushButton) {
            DrawFocusRing(*painter, QRectF(drawn->rect).adjusted(3, 3, -3, -3),
                          FocusColour(drawn->palette, QPalette::Button));
        }
    });
}

QColor FocusColour(const QPalette& palette, QPalette::ColorRole background) {
    switch (background) {
    case QPalette::Button:
        return palette.color(QPalette::ButtonText);
    case QPalette::Base:
        return palette.color(QPalette::Text);
    default:
        return palette.color(QPalette::WindowText);
    }
}

void DrawFocusRing(QPainter& painter, const QRectF& area, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(area.adjusted(1, 1, -1, -1));
    painter.restore();
}

} // namespace rula

#include "screens/screen_style.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

#include <type_traits>

namespace rula {
namespace {

int paperDepth = 0;

constexpr QStyle::State kOfTheMoment = QStyle::State_HasFocus | QStyle::State_MouseOver;

// The option as it is drawn: for paper without focus, hover or default look.
template <class Option> Option ForDrawing(const QStyleOption* option) {
    Option copy;
    if (const auto* typed = qstyleoption_cast<const Option*>(option))
        copy = *typed;
    else
        static_cast<QStyleOption&>(copy) = *option;
    if (DrawingForPaper::active()) {
        copy.state &= ~kOfTheMoment;
        // A dialog makes the focused button its default one for the moment.
        if constexpr (std::is_same_v<Option, QStyleOptionButton>)
            copy.features &= ~QStyleOptionButton::DefaultButton;
    }
    return copy;
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

ScreenStyle::ScreenStyle(const QString& baseStyle)
    : QProxyStyle(QStyleFactory::create(baseStyle)) {}

void ScreenStyle::Install() {
    if (qobject_cast<ScreenStyle*>(QApplication::style()))
        return;
    QApplication::setStyle(new ScreenStyle(QApplication::style()->name()));
}

void ScreenStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    switch (element) {
    case PE_FrameFocusRect:
        if (!DrawingForPaper::active())
            DrawFocusRing(*painter, option->rect, FocusColour(option->palette));
        return;
    case PE_IndicatorRadioButton:
    case PE_IndicatorCheckBox: {
        const QStyleOptionButton box = ForDrawing<QStyleOptionButton>(option);
        QProxyStyle::drawPrimitive(element, &box, painter, widget);
        // The style's own outline can be barely darker than a dark window.
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(OutlineColour(box.palette), 1.2));
        const QRectF edge = QRectF(box.rect).adjusted(1, 1, -1, -1);
        if (element == PE_IndicatorRadioButton)
            painter->drawEllipse(edge.center(), edge.width() / 2, edge.height() / 2);
        else
            painter->drawRect(edge);
        painter->restore();
        return;
    }
    case PE_FrameLineEdit:
    case PE_PanelLineEdit: {
        const QStyleOptionFrame frame = ForDrawing<QStyleOptionFrame>(option);
        QProxyStyle::drawPrimitive(element, &frame, painter, widget);
        if (element == PE_FrameLineEdit && (frame.state & State_HasFocus))
            DrawFocusRing(*painter, frame.rect, FocusColour(frame.palette, QPalette::Base));
        return;
    }
    case PE_PanelButtonCommand:
    case PE_FrameButtonBevel: {
        const QStyleOptionButton button = ForDrawing<QStyleOptionButton>(option);
        QProxyStyle::drawPrimitive(element, &button, painter, widget);
        return;
    }
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void ScreenStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    switch (element) {
    case CE_PushButton:
    case CE_PushButtonBevel:
    case CE_PushButtonLabel: {
        const QStyleOptionButton button = ForDrawing<QStyleOptionButton>(option);
        QProxyStyle::drawControl(element, &button, painter, widget);
        if (element == CE_PushButton && (button.state & State_HasFocus))
            DrawFocusRing(*painter, QRectF(button.rect).adjusted(3, 3, -3, -3),
                          FocusColour(button.palette, QPalette::Button));
        return;
    }
    case CE_RadioButton:
    case CE_CheckBox: {
        const QStyleOptionButton button = ForDrawing<QStyleOptionButton>(option);
        QProxyStyle::drawControl(element, &button, painter, widget);
        return;
    }
    case CE_ShapedFrame: {
        QProxyStyle::drawControl(element, option, painter, widget);
        // A text box shows its focus on its frame, the one part its page leaves uncovered;
        // where the box reaches past its window, the ring stops at the window's edge.
        if (!(option->state & State_HasFocus) || DrawingForPaper::active() ||
            !qobject_cast<const QAbstractScrollArea*>(widget))
            return;
        QRectF ring = option->rect;
        if (const QWidget* parent = widget->parentWidget())
            ring &= QRectF(parent->rect().translated(-widget->pos()));
        DrawFocusRing(*painter, ring, FocusColour(option->palette));
        return;
    }
    default:
        QProxyStyle::drawControl(element, option, painter, widget);
    }
}

DrawingForPaper::DrawingForPaper() {
    ++paperDepth;
}

DrawingForPaper::~DrawingForPaper() {
    --paperDepth;
}

bool DrawingForPaper::active() {
    return paperDepth > 0;
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

#include "screens/controls.h"

#include "screens/drawing_module.h"
#include "screens/screen_style.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <qdrawutil.h>

namespace rula {
namespace {

const QColor kPaper = Qt::white;
const QColor kInk = Qt::black;
// Room between a control and the focus ring round it.
constexpr int kRingMargin = 3;
// The frame round a drawing: how far it reaches out of the picture box, and how thick it
// is when the drawing is the one chosen.
constexpr int kMarkReach = 4;
constexpr int kMarkThickness = 4;

// A drawing on its white paper, filling `area`.
void PaintDrawing(QPainter& painter, const char* resource, const QRectF& area) {
    painter.fillRect(area, kPaper);
    PaintSvg(painter, QString::fromLatin1(resource), area);
}

// Each drawing is rendered once per device pixel ratio and then reused; the logo was
// drawn when the program was built.
QPixmap RenderedDrawing(const char* resource, QSize pixels, qreal ratio) {
    const QString key = QStringLiteral("%1@%2").arg(QLatin1String(resource)).arg(ratio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    const QImage drawn = PreDrawn(QString::fromLatin1(resource), pixels * ratio);
    if (!drawn.isNull()) {
        pixmap = QPixmap::fromImage(drawn);
    } else {
        pixmap = QPixmap(pixels * ratio);
        QPainter painter(&pixmap);
        PaintDrawing(painter, resource, pixmap.rect());
    }
    pixmap.setDevicePixelRatio(ratio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

// The indicator at the left, vertically centred, and the caption word-wrapped beside it.
void PaintWrapped(QAbstractButton* button, const QStyleOptionButton& option,
                  QStyle::PrimitiveElement indicator, QStyle::PixelMetric indicatorWidth,
                  QStyle::PixelMetric indicatorHeight, QStyle::PixelMetric spacing) {
    QStylePainter painter(button);
    const QStyle* style = button->style();
    const int w = style->pixelMetric(indicatorWidth, &option, button);
    const int h = style->pixelMetric(indicatorHeight, &option, button);
    QStyleOptionButton box = option;
    // Without a caption the indicator stands a little in, so that its focus ring fits.
    const bool captioned = !button->text().isEmpty();
    const int indent = captioned ? 0 : kRingMargin;
    box.rect = QRect(indent, (button->height() - h) / 2, w, h);
    painter.drawPrimitive(indicator, box);

    const QRect textArea =
        button->rect().adjusted(w + style->pixelMetric(spacing, &option, button), 0, 0, 0);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    painter.setPen(option.palette.color(QPalette::WindowText));
    painter.drawText(textArea, flags, button->text());
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.initFrom(button);
        const QRect around =
            captioned ? painter.boundingRect(textArea, flags, button->text()) : box.rect;
        focus.rect =
            around.adjusted(-kRingMargin, -kRingMargin, kRingMargin, kRingMargin) & button->rect();
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace

QRect DrawingMarkArea(const QRect& picture) {
    return picture.adjusted(-kMarkReach, -kMarkReach, kMarkReach, kMarkReach);
}

void PaintDrawingMark(QPainter& painter, const QRect& picture, const QPalette& palette, bool chosen,
                      bool focused) {
    const QRect area = DrawingMarkArea(picture);
    if (chosen) {
        const QRegion frame =
            QRegion(area) - QRegion(area.adjusted(kMarkThickness, kMarkThickness, -kMarkThickness,
                                                  -kMarkThickness));
        for (const QRect& part : frame)
            painter.fillRect(part, palette.color(QPalette::Highlight));
    }
    if (focused && !DrawingForPaper::active())
        DrawFocusRing(painter, area, FocusColour(palette));
}

void SetColours(QWidget* control, const QColor& background, const QColor& text) {
    // Only these two roles are the control's own; the rest it takes from its window.
    QPalette palette;
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

void OptionButton::paintEvent(QPaintEvent*) {
    QStyleOptionButton option;
    initStyleOption(&option);
    PaintWrapped(this, option, QStyle::PE_IndicatorRadioButton, QStyle::PM_ExclusiveIndicatorWidth,
                 QStyle::PM_ExclusiveIndicatorHeight, QStyle::PM_RadioButtonLabelSpacing);
}

void CheckBox::paintEvent(QPaintEvent*) {
    QStyleOptionButton option;
    initStyleOption(&option);
    PaintWrapped(this, option, QStyle::PE_IndicatorCheckBox, QStyle::PM_IndicatorWidth,
                 QStyle::PM_IndicatorHeight, QStyle::PM_CheckBoxLabelSpacing);
}

void TextBox::paintEvent(QPaintEvent* event) {
    QPlainTextEdit::paintEvent(event);
    if (!hasFocus() || DrawingForPaper::active())
        return;
    QWidget* page = viewport();
    QPainter painter(page);
    const QRect inWindow(page->mapFrom(window(), QPoint()), window()->size());
    DrawFocusRing(painter, page->rect() & inWindow, FocusColour(palette(), QPalette::Base));
}

void TextBox::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    viewport()->update();
}

void TextBox::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    viewport()->update();
}

void Frame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const bool captioned = !title().isEmpty();
    const int top = captioned ? metrics.height() / 2 : 0;
    qDrawShadeRect(&painter, rect().adjusted(0, top, 0, 0), palette(), true, 1, 0);
    if (captioned) {
        const QRect caption(6, 0, metrics.horizontalAdvance(title()) + 6, metrics.height());
        painter.fillRect(caption, palette().window());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(caption, Qt::AlignCenter, title());
    }
}

PictureBox::PictureBox(const Drawing& drawing, QWidget* parent)
    : QFrame(parent)
    , resource_(drawing.resource)
    , pixels_(drawing.pixels) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    SetColours(this, kPaper, kInk);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(tr(drawing.name));
    setAccessibleDescription(tr(drawing.description));
    setToolTip(tr(drawing.description));
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    if (painter.paintEngine()->type() == QPaintEngine::Raster) {
        painter.drawPixmap(inside.topLeft(),
                           RenderedDrawing(resource_, pixels_, devicePixelRatioF()));
        return;
    }
    // Recorded for the printer: the drawing stays vectors, sharp at any resolution.
    PaintDrawing(painter, resource_, QRectF(inside.topLeft(), QSizeF(pixels_)));
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}

} // namespace rula

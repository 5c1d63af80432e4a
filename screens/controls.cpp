#include "screens/controls.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace rula {
namespace {

// Each drawing is rendered once per device pixel ratio and then reused.
QPixmap RenderedDrawing(const char* resource, QSize pixels, qreal ratio) {
    const QString key = QStringLiteral("%1@%2").arg(QLatin1String(resource)).arg(ratio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap = QPixmap(pixels * ratio);
    pixmap.fill(Qt::white);
    QSvgRenderer renderer(QString::fromLatin1(resource));
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

} // namespace

PictureBox::PictureBox(const Drawing& drawing, QWidget* parent)
    : QFrame(parent)
    , resource_(drawing.resource)
    , pixels_(drawing.pixels) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
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
    painter.drawPixmap(inside.topLeft(), RenderedDrawing(resource_, pixels_, devicePixelRatioF()));
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

#include "photo/photo_view.h"

#include "photo/photo_file.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace rula {
namespace {

constexpr double kMaxZoomOverFullResolution = 8; // view pixels per photo pixel, at most
constexpr double kZoomStep = 1.25;
constexpr double kHitRadius = 10;    // view pixels around a point that pick it
constexpr double kDragThreshold = 4; // view pixels a press moves before it drags
constexpr double kPanStep = 40;
constexpr double kBigStep = 10; // Shift with an arrow key: view pixels per press
constexpr int kDetailDelayMs = 120;
// Zoomed in, the view pans to keep the cross this far inside its edges.
constexpr double kCrossMargin = 24;
// Shown this much finer than decoded, the view asks for more detail.
constexpr double kFinerThanDecoded = 1.05;
// The most a full-resolution part may hold: 24 MiB at four bytes a pixel.
constexpr qint64 kMaxDetailPixels = 6 * 1024 * 1024;
const QColor kBackground(64, 64, 64);

} // namespace

PhotoView::PhotoView(PhotoMeasurement& measurement, QWidget* parent)
    : QWidget(parent)
    , measurement_(measurement) {
    setObjectName(QStringLiteral("PhotoView"));
    setAccessibleName(tr("Photo"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
    detailTimer_.setSingleShot(true);
    detailTimer_.setInterval(kDetailDelayMs);
    connect(&detailTimer_, &QTimer::timeout, this, &PhotoView::decodeDetail);
}

void PhotoView::setPhoto(PhotoFile* file, QImage fitted) {
    opening_.clear();
    unsetCursor();
    file_ = file;
    base_ = std::move(fitted);
    photoSize_ = file->uprightSize();
    detail_ = {};
    detailRegion_ = {};
    zoom_ = 1;
    pan_ = {};
    selected_.reset();
    dragging_.reset();
    dragAt_.reset();
    plumbing_ = false;
    plumbStart_.reset();
    cross_.reset();
    viewMoved();
    describe();
}

void PhotoView::startOpening(const QString& words, const QString& described) {
    opening_ = words;
    openingDescribed_ = described;
    setCursor(Qt::BusyCursor);
    // Whatever was under way on the photo before stops there.
    detailTimer_.stop();
    dragging_.reset();
    dragAt_.reset();
    pressAt_.reset();
    plumbing_ = false;
    plumbStart_.reset();
    cacheValid_ = false;
    update();
    describe();
}

void PhotoView::endOpening() {
    if (!opening())
        return;
    opening_.clear();
    unsetCursor();
    viewMoved();
    describe();
}

double PhotoView::fitScale() const {
    if (photoSize_.isEmpty())
        return 1;
    return std::min(width() / double(photoSize_.width()), height() / double(photoSize_.height()));
}

QPointF PhotoView::origin() const {
    const double s = scale();
    return QPointF((width() - photoSize_.width() * s) / 2,
                   (height() - photoSize_.height() * s) / 2) +
           pan_;
}

QTransform PhotoView::photoToView() const {
    const double s = scale();
    const QPointF o = origin();
    return QTransform(s, 0, 0, s, o.x(), o.y());
}

PhotoPoint PhotoView::toPhoto(QPointF viewPoint) const {
    const QPointF p = photoToView().inverted().map(viewPoint);
    return {p.x(), p.y()};
}

PhotoPoint PhotoView::onPhoto(PhotoPoint p) const {
    return {std::clamp(p.x, 0.0, double(photoSize_.width())),
            std::clamp(p.y, 0.0, double(photoSize_.height()))};
}

void PhotoView::zoomBy(double factor, QPointF about) {
    if (!hasPhoto())
        return;
    const double maxZoom = kMaxZoomOverFullResolution / fitScale();
    const double zoom = std::clamp(zoom_ * factor, 1.0, std::max(1.0, maxZoom));
    if (zoom == zoom_)
        return;
    // The photo's point under `about` stays there.
    const PhotoPoint under = toPhoto(about);
    zoom_ = zoom;
    const QPointF now = photoToView().map(QPointF(under.x, under.y));
    pan_ += about - now;
    keepInView();
    viewMoved();
}

void PhotoView::fitWhole() {
    zoom_ = 1;
    pan_ = {};
    viewMoved();
}

void PhotoView::panBy(QPointF delta) {
    pan_ += delta;
    keepInView();
    viewMoved();
}

// Along each side, a photo larger than the view keeps the view covered; a smaller one
// stays centred.
void PhotoView::keepInView() {
    const double s = scale();
    const auto limit = [](double pan, double photo, double view) {
        const double slack = std::max(0.0, (photo - view) / 2);
        return std::clamp(pan, -slack, slack);
    };
    pan_ = {limit(pan_.x(), photoSize_.width() * s, width()),
            limit(pan_.y(), photoSize_.height() * s, height())};
}

void PhotoView::viewMoved() {
    cacheValid_ = false;
    overlayDrawn_ = MeasurementBounds(shown(), photoToView());
    update();
    if (!hasPhoto())
        return;
    const double decoded = base_.width() / double(photoSize_.width());
    const double shown = scale() * devicePixelRatioF();
    if (base_.width() < photoSize_.width() && shown > decoded * kFinerThanDecoded) {
        // Zoomed in, a part at full resolution; fitted whole in a view grown larger than
        // the photo was decoded for, the whole photo decoded again to fit.
        if (zoom_ == 1 || !detailRegion_.contains(visiblePhoto().toAlignedRect()))
            detailTimer_.start();
    } else {
        detailTimer_.stop();
        detail_ = {};
        detailRegion_ = {};
    }
}

QRectF PhotoView::visiblePhoto() const {
    return photoToView()
        .inverted()
        .mapRect(QRectF(rect()))
        .intersected(QRectF(QPointF(0, 0), QSizeF(photoSize_)));
}

bool PhotoView::showsDetail() const {
    return !detail_.isNull() && detailRegion_.contains(visiblePhoto().toAlignedRect());
}

void PhotoView::decodeDetail() {
    if (!hasPhoto())
        return;
    if (zoom_ == 1) {
        auto fitted = file_->decodeToFit((QSizeF(size()) * devicePixelRatioF()).toSize());
        if (auto* image = std::get_if<QImage>(&fitted); image && !image->isNull()) {
            base_ = std::move(*image);
            cacheValid_ = false;
            update();
        }
        return;
    }
    // A margin round the visible part, so that a small pan needs no new decode. A part too
    // large to hold at full resolution is left to the photo as decoded to fit: seen that
    // large, it is shown at nearly the resolution it was decoded at.
    const QRect photo(QPoint(0, 0), photoSize_);
    const QRectF visible = visiblePhoto();
    QRect region = visible
                       .adjusted(-visible.width() / 4, -visible.height() / 4, visible.width() / 4,
                                 visible.height() / 4)
                       .toAlignedRect()
                       .intersected(photo);
    const auto area = [](QRect r) { return qint64(r.width()) * r.height(); };
    if (area(region) > kMaxDetailPixels)
        region = visible.toAlignedRect().intersected(photo);
    if (area(region) > kMaxDetailPixels)
        return;
    auto decoded = file_->decodeRegion(region);
    if (auto* image = std::get_if<QImage>(&decoded); image && !image->isNull()) {
        detail_ = std::move(*image);
        detailRegion_ = region;
        cacheValid_ = false;
        update();
    }
}

void PhotoView::drawPhoto() {
    const qreal ratio = devicePixelRatioF();
    cache_ = QPixmap((QSizeF(size()) * ratio).toSize());
    cache_.setDevicePixelRatio(ratio);
    cache_.fill(kBackground);
    if (hasPhoto()) {
        QPainter painter(&cache_);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QTransform toView = photoToView();
        const QRectF visible = visiblePhoto();
        // Only the visible part of each image is scaled.
        const double k = base_.width() / double(photoSize_.width());
        painter.drawImage(toView.mapRect(visible), base_,
                          QRectF(visible.topLeft() * k, visible.size() * k));
        if (!detail_.isNull()) {
            const QRectF part = visible.intersected(QRectF(detailRegion_));
            painter.drawImage(toView.mapRect(part), detail_,
                              part.translated(-QPointF(detailRegion_.topLeft())));
        }
    }
    cacheValid_ = true;
}

MeasurementShown PhotoView::shown() const {
    MeasurementShown shown{
        measurement_.points(), measurement_.facing(), measurement_.plumb(), plumbStart_, selected_,
        std::nullopt};
    if (dragging_ && dragAt_)
        shown.points[static_cast<std::size_t>(*dragging_)] = *dragAt_;
    if (crossWanted() && hasFocus()) {
        shown.cross = MeasurementShown::Cross{
            crossAt(),
            plumbing_ ? tr("plumb line")
                      : QCoreApplication::translate("rula::PhotoWindow",
                                                    LandmarkName(*measurement_.wantedPoint()))};
    }
    return shown;
}

bool PhotoView::crossWanted() const {
    return hasPhoto() && (plumbing_ || (measurement_.wantedPoint() && !selected_));
}

PhotoPoint PhotoView::crossAt() const {
    return onPhoto(cross_ ? *cross_ : toPhoto(QRectF(rect()).center()));
}

// One view pixel a press, ten with Shift, as a selected point moves.
void PhotoView::moveCross(QPointF step) {
    const PhotoPoint from = crossAt();
    cross_ = onPhoto({from.x + step.x() / scale(), from.y + step.y() / scale()});
    const QPointF at = photoToView().map(QPointF(cross_->x, cross_->y));
    const QRectF inside =
        QRectF(rect()).adjusted(kCrossMargin, kCrossMargin, -kCrossMargin, -kCrossMargin);
    const QPointF into(std::clamp(at.x(), inside.left(), inside.right()) - at.x(),
                       std::clamp(at.y(), inside.top(), inside.bottom()) - at.y());
    if (!into.isNull() && zoom_ > 1)
        panBy(into);
    measurementChanged();
}

// Through the points placed, in the order they are asked for, and round through none
// selected (where the cross takes the arrow keys again while a point is wanted).
void PhotoView::selectAlong(int direction) {
    const int count = int(kLandmarkCount) + 1; // the last place is "none selected"
    int at = selected_ ? int(*selected_) : int(kLandmarkCount);
    for (int tries = 0; tries < count; ++tries) {
        at = (at + direction + count) % count;
        if (at == int(kLandmarkCount)) {
            select(std::nullopt);
            return;
        }
        if (measurement_.points()[static_cast<std::size_t>(at)]) {
            select(static_cast<Landmark>(at));
            return;
        }
    }
}

// What a screen reader says the view asks for, and how to do it from the keyboard.
void PhotoView::describe() {
    QString text;
    const auto wanted = measurement_.wantedPoint();
    const auto name = [](Landmark which) {
        return QCoreApplication::translate("rula::PhotoWindow", LandmarkName(which));
    };
    if (opening()) {
        text = openingDescribed_;
    } else if (!hasPhoto()) {
        text = tr("No photo is open.");
    } else if (plumbing_) {
        text = plumbStart_ ? tr("Asks for the other end of the plumb line: move the cross with "
                                "the arrow keys, Shift for larger steps, and press Enter.")
                           : tr("Asks for one end of something vertical for the plumb line: "
                                "move the cross with the arrow keys, Shift for larger steps, "
                                "and press Enter. Esc gives up.");
    } else if (selected_) {
        text = wanted ? tr("The %1 is selected: the arrow keys move it, Shift for larger steps. N "
                           "and P select the next and previous point, Esc goes back to placing "
                           "the %2.")
                            .arg(name(*selected_), name(*wanted))
                      : tr("The %1 is selected: the arrow keys move it, Shift for larger steps. N "
                           "and P select the next and previous point.")
                            .arg(name(*selected_));
    } else if (wanted) {
        text = tr("Asks for the %1: move the cross with the arrow keys, Shift for larger steps, "
                  "and press Enter to place it. N and P select a point placed.")
                   .arg(name(*wanted));
    } else if (measurement_.step() == PhotoMeasurement::Step::Facing) {
        text = tr("Asks which way the worker faces first.");
    } else {
        text = tr("All six points are placed. N and P select a point to move with the arrow "
                  "keys.");
    }
    if (text != accessibleDescription())
        setAccessibleDescription(text);
}

void PhotoView::measurementChanged() {
    // An undone placing takes its point's selection with it.
    if (selected_ && !measurement_.points()[static_cast<std::size_t>(*selected_)])
        selected_.reset();
    const QRectF now = MeasurementBounds(shown(), photoToView());
    update(overlayDrawn_.united(now).toAlignedRect());
    overlayDrawn_ = now;
    describe();
    if (selected_ != selectionTold_) {
        selectionTold_ = selected_;
        emit selectionChanged();
    }
}

void PhotoView::select(std::optional<Landmark> which) {
    selected_ = which;
    measurementChanged();
}

void PhotoView::startPlumbLine() {
    if (!hasPhoto())
        return;
    plumbing_ = true;
    plumbStart_.reset();
    measurementChanged();
    emit changed();
}

void PhotoView::paintEvent(QPaintEvent* event) {
    if (!cacheValid_ || cache_.deviceIndependentSize().toSize() != size())
        drawPhoto();
    QPainter painter(this);
    const QRect dirty = event->rect();
    const qreal ratio = cache_.devicePixelRatio();
    painter.drawPixmap(dirty, cache_,
                       QRect((QPointF(dirty.topLeft()) * ratio).toPoint(),
                             (QSizeF(dirty.size()) * ratio).toSize()));
    if (hasPhoto()) {
        PaintMeasurement(painter, shown(), photoToView());
    } else {
        painter.setPen(QColor(220, 220, 220));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
                         opening() ? opening_ : tr("Open a photo, or drop one here."));
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void PhotoView::resizeEvent(QResizeEvent*) {
    keepInView();
    viewMoved();
}

std::optional<Landmark> PhotoView::pointAt(QPointF viewPoint) const {
    const QTransform toView = photoToView();
    std::optional<Landmark> nearest;
    double best = kHitRadius;
    for (std::size_t i = 0; i < kLandmarkCount; ++i)
        if (const auto& p = measurement_.points()[i]) {
            const QPointF d = toView.map(QPointF(p->x, p->y)) - viewPoint;
            if (const double distance = std::hypot(d.x(), d.y()); distance <= best) {
                best = distance;
                nearest = static_cast<Landmark>(i);
            }
        }
    return nearest;
}

void PhotoView::mousePressEvent(QMouseEvent* event) {
    if (!hasPhoto() || pressAt_)
        return;
    pressAt_ = event->position();
    lastMouse_ = event->position();
    pressButton_ = event->button();
    moved_ = false;
    if (pressButton_ == Qt::LeftButton && !plumbing_) {
        dragging_ = pointAt(event->position());
        if (dragging_) {
            selected_ = dragging_;
            measurementChanged();
        }
    }
}

void PhotoView::mouseMoveEvent(QMouseEvent* event) {
    if (!pressAt_)
        return;
    const QPointF delta = event->position() - *pressAt_;
    if (!moved_ && std::hypot(delta.x(), delta.y()) < kDragThreshold)
        return;
    moved_ = true;
    if (dragging_) {
        dragAt_ = toPhoto(event->position());
        measurementChanged();
    } else if (pressButton_ == Qt::MiddleButton || pressButton_ == Qt::LeftButton) {
        panBy(event->position() - lastMouse_);
    }
    lastMouse_ = event->position();
}

void PhotoView::mouseReleaseEvent(QMouseEvent* event) {
    if (!pressAt_ || event->button() != pressButton_)
        return;
    pressAt_.reset();
    const auto dragged = std::exchange(dragging_, std::nullopt);
    const auto to = std::exchange(dragAt_, std::nullopt);
    if (pressButton_ != Qt::LeftButton)
        return;
    if (dragged) {
        if (moved_ && to) {
            measurement_.move(*dragged, *to);
            measurementChanged();
            emit changed();
        }
        return;
    }
    if (moved_)
        return;
    const PhotoPoint at = toPhoto(event->position());
    if (at.x < 0 || at.y < 0 || at.x > photoSize_.width() || at.y > photoSize_.height())
        return;
    cross_ = at;
    if (plumbing_) {
        placePlumbEnd(at);
        return;
    }
    if (const auto wanted = measurement_.wantedPoint()) {
        measurement_.placeNext(at);
        selected_ = wanted;
        measurementChanged();
        emit changed();
    } else if (selected_) {
        select(std::nullopt);
    }
}

void PhotoView::placePlumbEnd(PhotoPoint at) {
    if (!plumbStart_) {
        plumbStart_ = at;
    } else {
        const PhotoPoint first = *std::exchange(plumbStart_, std::nullopt);
        plumbing_ = false;
        if (first != at)
            measurement_.setPlumb(first.y <= at.y ? PlumbLine{first, at} : PlumbLine{at, first});
    }
    measurementChanged();
    emit changed();
}

void PhotoView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    measurementChanged();
}

void PhotoView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    measurementChanged();
}

void PhotoView::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    if (steps != 0)
        zoomBy(std::pow(kZoomStep, steps), event->position());
    event->accept();
}

void PhotoView::keyPressEvent(QKeyEvent* event) {
    if (opening()) { // the window's Esc gives up the opening
        QWidget::keyPressEvent(event);
        return;
    }
    // Keyboard zoom keeps the cross where it is, as the wheel keeps the pointer.
    const QPointF centre = crossWanted() ? photoToView().map(QPointF(crossAt().x, crossAt().y))
                                         : QRectF(rect()).center();
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool plain = !(event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier));
    QPointF step;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoomBy(kZoomStep, centre);
        return;
    case Qt::Key_Minus:
        zoomBy(1 / kZoomStep, centre);
        return;
    case Qt::Key_0:
        fitWhole();
        return;
    case Qt::Key_Escape:
        if (plumbing_) {
            plumbing_ = false;
            plumbStart_.reset();
            measurementChanged();
            emit changed();
        } else if (selected_) {
            select(std::nullopt);
        } else {
            event->ignore();
        }
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!plain || !crossWanted()) {
            QWidget::keyPressEvent(event);
            return;
        }
        cross_ = crossAt();
        if (plumbing_) {
            placePlumbEnd(*cross_);
        } else {
            measurement_.placeNext(*cross_);
            measurementChanged();
            emit changed();
        }
        return;
    case Qt::Key_N:
    case Qt::Key_P:
        if (!plain || !hasPhoto()) {
            QWidget::keyPressEvent(event);
            return;
        }
        selectAlong(event->key() == Qt::Key_N ? 1 : -1);
        return;
    case Qt::Key_Left:
        step = {-1, 0};
        break;
    case Qt::Key_Right:
        step = {1, 0};
        break;
    case Qt::Key_Up:
        step = {0, -1};
        break;
    case Qt::Key_Down:
        step = {0, 1};
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (!hasPhoto())
        return;
    if (crossWanted()) {
        moveCross(step * (shift ? kBigStep : 1));
    } else if (selected_ && measurement_.points()[static_cast<std::size_t>(*selected_)]) {
        // One view pixel a press, ten with Shift: finer on the photo the closer it is seen.
        const PhotoPoint from = *measurement_.points()[static_cast<std::size_t>(*selected_)];
        const double by = (shift ? kBigStep : 1) / scale();
        measurement_.move(*selected_, {from.x + step.x() * by, from.y + step.y() * by});
        measurementChanged();
        emit changed();
    } else {
        panBy(-step * kPanStep);
    }
}

} // namespace rula

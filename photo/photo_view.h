// The photo as the Photo window shows it, with the measurement drawn over it. The photo
// opens fitted whole and centred; the wheel and the keys +, - and 0 zoom, a middle-button
// drag, a left drag off the points or the arrow keys (with no point selected) pan. Zoomed
// in beyond the resolution it was decoded at, the view has the visible part decoded at
// full resolution. Clicks place the point the record asks for next, or the plumb line's
// two ends; points are dragged, or selected and moved with the arrow keys (Shift: larger
// steps). From the keyboard, while a point or a plumb line's end is wanted and no point is
// selected, a cross of the view's own stands for the pointer: the arrow keys move it (the
// view following it when zoomed in), Enter or Space places there, and N and P select the
// next and previous point placed. The view changes the record only through its own
// operations, and tells the window after each change. While the window has another photo
// decoding, the view says so instead of showing the photo, and takes nothing on it.
//
// For speed, the photo is drawn once per zoom and pan into a cached pixmap of the view's
// size; moving a point repaints only where the drawing over the photo was and now is.
#pragma once

#include "angles/photo_measurement.h"
#include "photo/measurement_drawing.h"

#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <optional>

namespace rula {

class PhotoFile;

class PhotoView final : public QWidget {
    Q_OBJECT
public:
    // The photo's size upright, in its own pixels; empty without a photo.
    QSize photoSize() const { return photoSize_; }
    PhotoView(PhotoMeasurement& measurement, QWidget* parent = nullptr);

    // A newly opened photo, decoded to fit: shown whole, centred, nothing selected.
    void setPhoto(PhotoFile* file, QImage fitted);
    // While another photo decodes: `words` in place of the photo, `described` for a screen
    // reader, and a busy cursor over the view, which takes no clicks or keys on the photo
    // until `endOpening`; then the new photo comes with setPhoto, or the one before shows
    // again as it was.
    void startOpening(const QString& words, const QString& described);
    void endOpening();
    bool opening() const { return !opening_.isEmpty(); }
    // A photo on view to work on: not while another one decodes.
    bool hasPhoto() const { return file_ != nullptr && !opening(); }
    const QImage& fitted() const { return base_; }

    // The photo's pixels to the view's, as drawn now.
    QTransform photoToView() const;
    // How far the view is zoomed in: 1 is fitted whole.
    double zoom() const { return zoom_; }
    void zoomBy(double factor, QPointF about);
    void fitWhole();
    // Whether the part on view is drawn from a full-resolution decode.
    bool showsDetail() const;

    // The next two clicks draw the plumb line; Esc gives up.
    void startPlumbLine();
    bool drawingPlumb() const { return plumbing_; }
    std::optional<Landmark> selected() const { return selected_; }
    void select(std::optional<Landmark> which);

    // Redraws the measurement after the record has changed.
    void measurementChanged();
    // What is drawn over the photo now, the point being dragged included.
    MeasurementShown shown() const;

signals:
    // After every change the view made to the record, or to the plumb line being drawn.
    void changed();
    // When another point, or none, is selected.
    void selectionChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    double fitScale() const;
    double scale() const { return fitScale() * zoom_; }
    QPointF origin() const;
    void panBy(QPointF delta);
    void keepInView();
    void viewMoved();
    void drawPhoto();
    QRectF visiblePhoto() const;
    void decodeDetail();
    std::optional<Landmark> pointAt(QPointF viewPoint) const;
    PhotoPoint toPhoto(QPointF viewPoint) const;
    PhotoPoint onPhoto(PhotoPoint p) const;
    void placePlumbEnd(PhotoPoint at);
    // Whether the arrow keys and Enter work the cross now, and where it is.
    bool crossWanted() const;
    PhotoPoint crossAt() const;
    void moveCross(QPointF step);
    void selectAlong(int direction);
    void describe();

    PhotoMeasurement& measurement_;
    PhotoFile* file_ = nullptr;
    QString opening_; // what the view says while a photo decodes
    QString openingDescribed_;
    QImage base_;
    QImage detail_;
    QRect detailRegion_; // in the photo's full-resolution pixels
    QSize photoSize_;
    double zoom_ = 1;
    QPointF pan_; // the view's pixels the photo is moved by from centred
    QPixmap cache_;
    bool cacheValid_ = false;
    QTimer detailTimer_;
    QRectF overlayDrawn_;

    std::optional<Landmark> selected_;
    std::optional<Landmark> selectionTold_;
    std::optional<Landmark> dragging_;
    std::optional<PhotoPoint> dragAt_;
    bool plumbing_ = false;
    std::optional<PhotoPoint> plumbStart_;
    // The cross, once moved or once a point is placed; until then the view's centre.
    std::optional<PhotoPoint> cross_;
    // A press: where, with which button, and whether the mouse has moved enough to drag.
    std::optional<QPointF> pressAt_;
    Qt::MouseButton pressButton_ = Qt::NoButton;
    QPointF lastMouse_;
    bool moved_ = false;
};

} // namespace rula

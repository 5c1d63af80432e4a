// Draws a photo's measurement over the photo, on the screen and on paper alike: the
// plumb line, the segments between the points, each angle as an arc from its reference
// line with its value, the points with their names, and the cross that places a point
// from the keyboard. The painter's coordinates are
// the target's (the view's pixels, the page's); `toTarget` maps the photo's pixels there.
#pragma once

#include "angles/body_angles.h"

#include <QRectF>
#include <QString>
#include <QTransform>

#include <optional>
#include <vector>

class QPainter;

namespace rula {

struct MeasurementShown {
    Landmarks points;
    std::optional<Facing> facing;
    std::optional<PlumbLine> plumb;
    // A plumb line being drawn: its first point, placed.
    std::optional<PhotoPoint> plumbStart;
    std::optional<Landmark> selected;
    // Where Enter places what the label names ("hip", "plumb line").
    struct Cross {
        PhotoPoint at;
        QString label;
    };
    std::optional<Cross> cross;
};

// Names and values are kept inside `bounds` where they fit there (the painter's window
// when empty), and no value is drawn over a name, a point or another value where there is
// room for it beside its arc.
void PaintMeasurement(QPainter& painter, const MeasurementShown& shown, const QTransform& toTarget,
                      const QRectF& bounds = {});

// A point's name or an angle's value as PaintMeasurement places it: the box its text takes
// with its halo, in the target's coordinates.
struct MeasurementLabel {
    QString text;
    QRectF box;
    bool name; // a point's name; otherwise an angle's value
};
std::vector<MeasurementLabel> MeasurementLabels(const MeasurementShown& shown,
                                                const QTransform& toTarget, const QRectF& bounds);

// Where PaintMeasurement draws, in the target's coordinates; empty when nothing is placed.
QRectF MeasurementBounds(const MeasurementShown& shown, const QTransform& toTarget);

// The point's name as it is drawn beside it, and asked for: "hip".
const char* LandmarkName(Landmark which);

} // namespace rula

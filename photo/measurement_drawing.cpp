#include "photo/measurement_drawing.h"

#include "photo/angle_words.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace rula {
namespace {

constexpr double kArcRadius = 34;
constexpr double kMinArcRadius = 14;
constexpr double kNarrowArcDegrees = 40;
constexpr double kPointRadius = 5;
constexpr double kSelectedRadius = 9;
// How far beyond the points anything is drawn: arcs, their values and the names.
constexpr double kReach = 90;

const QColor kHalo(0, 0, 0, 255);
const QColor kSegment(255, 212, 0);
const QColor kArc(0, 229, 255);
const QColor kPlumb(255, 64, 160);
const QColor kPoint(235, 40, 40);
// The keyboard's cross: its arms reach this far from the centre, clear of it by the gap.
constexpr double kCrossArm = 16;
constexpr double kCrossGap = 4;

QFont LabelFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(14);
    font.setBold(true);
    return font;
}

std::optional<QPointF> At(const MeasurementShown& shown, Landmark which,
                          const QTransform& toTarget) {
    const auto& point = shown.points[static_cast<std::size_t>(which)];
    if (!point)
        return std::nullopt;
    return toTarget.map(QPointF(point->x, point->y));
}

// Qt's angle of a direction on the target: degrees counter-clockwise from 3 o'clock, as
// seen, with y growing downwards.
double QtAngle(QPointF direction) {
    return std::atan2(-direction.y(), direction.x()) * 180 / std::numbers::pi;
}

QPointF Unit(QPointF v) {
    const double length = std::hypot(v.x(), v.y());
    return length > 0 ? v / length : QPointF(0, -1);
}

// A line drawn bright over a dark halo, so that it shows on any photo.
void HaloLine(QPainter& painter, QPointF from, QPointF to, const QColor& colour,
              Qt::PenStyle style = Qt::SolidLine) {
    painter.setPen(QPen(kHalo, 4, style, Qt::RoundCap));
    painter.drawLine(from, to);
    painter.setPen(QPen(colour, 2, style, Qt::RoundCap));
    painter.drawLine(from, to);
}

void HaloText(QPainter& painter, QPointF baseline, const QString& text, const QColor& colour) {
    QPainterPath path;
    path.addText(baseline, LabelFont(), text);
    painter.setPen(QPen(kHalo, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(path);
    painter.setBrush(Qt::NoBrush);
}

// An angle at `centre` from the reference direction to the segment's, with its value. The
// arc is smaller on a short segment; a narrow angle has its value outside, on the side of
// the reference line, so that it stays clear of both lines.
void Arc(QPainter& painter, QPointF centre, QPointF reference, QPointF segment,
         const QString& value) {
    const double radius =
        std::clamp(std::hypot(segment.x(), segment.y()) * 0.6, kMinArcRadius, kArcRadius);
    const QPointF ref = Unit(reference);
    HaloLine(painter, centre, centre + ref * radius * 1.5, kArc, Qt::DashLine);
    const double start = QtAngle(ref);
    double span = QtAngle(segment) - start;
    while (span > 180)
        span -= 360;
    while (span <= -180)
        span += 360;
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath arc;
    arc.arcMoveTo(box, start);
    arc.arcTo(box, start, span);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kHalo, 4));
    painter.drawPath(arc);
    painter.setPen(QPen(kArc, 2));
    painter.drawPath(arc);
    const bool narrow = std::abs(span) < kNarrowArcDegrees;
    const double at =
        narrow ? start - (span < 0 ? -1 : 1) * kNarrowArcDegrees / 2 : start + span / 2;
    const double rad = at * std::numbers::pi / 180;
    const QPointF along(std::cos(rad), -std::sin(rad));
    const QFontMetricsF metrics(LabelFont());
    const QPointF middle = centre + along * (radius + 6 + metrics.horizontalAdvance(value) / 2);
    HaloText(painter,
             middle + QPointF(-metrics.horizontalAdvance(value) / 2, metrics.ascent() / 2 - 1),
             value, kArc);
}

// Where a point's name goes: away from the segments that meet there.
QPointF NameOffset(const MeasurementShown& shown, Landmark which, const QTransform& toTarget) {
    using L = Landmark;
    static constexpr std::array<std::array<int, 3>, kLandmarkCount> kNeighbours = {{
        {int(L::Shoulder), -1, -1},
        {int(L::Hip), int(L::Ear), int(L::Elbow)},
        {int(L::Shoulder), -1, -1},
        {int(L::Shoulder), int(L::Wrist), -1},
        {int(L::Elbow), int(L::Knuckle), -1},
        {int(L::Wrist), -1, -1},
    }};
    const QPointF here = *At(shown, which, toTarget);
    QPointF sum;
    for (int n : kNeighbours[static_cast<std::size_t>(which)])
        if (n >= 0)
            if (const auto there = At(shown, static_cast<Landmark>(n), toTarget))
                sum += Unit(*there - here);
    if (std::hypot(sum.x(), sum.y()) < 0.2)
        return QPointF(0.7, -0.7);
    return -Unit(sum);
}

} // namespace

const char* LandmarkName(Landmark which) {
    static constexpr std::array<const char*, kLandmarkCount> kNames = {
        QT_TRANSLATE_NOOP("rula::PhotoWindow", "hip"),
        QT_TRANSLATE_NOOP("rula::PhotoWindow", "shoulder"),
        QT_TRANSLATE_NOOP("rula::PhotoWindow", "ear"),
        QT_TRANSLATE_NOOP("rula::PhotoWindow", "elbow"),
        QT_TRANSLATE_NOOP("rula::PhotoWindow", "wrist"),
        QT_TRANSLATE_NOOP("rula::PhotoWindow", "knuckle"),
    };
    return kNames[static_cast<std::size_t>(which)];
}

void PaintMeasurement(QPainter& painter, const MeasurementShown& shown,
                      const QTransform& toTarget) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const auto at = [&](Landmark which) { return At(shown, which, toTarget); };
    const auto map = [&](PhotoPoint p) { return toTarget.map(QPointF(p.x, p.y)); };

    if (shown.plumb)
        HaloLine(painter, map(shown.plumb->top), map(shown.plumb->bottom), kPlumb, Qt::DashLine);
    if (shown.plumbStart) {
        painter.setPen(QPen(kPlumb, 2));
        painter.drawEllipse(map(*shown.plumbStart), kPointRadius, kPointRadius);
    }

    const auto hip = at(Landmark::Hip), shoulder = at(Landmark::Shoulder), ear = at(Landmark::Ear),
               elbow = at(Landmark::Elbow), wrist = at(Landmark::Wrist),
               knuckle = at(Landmark::Knuckle);
    const std::array<std::pair<std::optional<QPointF>, std::optional<QPointF>>, 5> segments = {
        {{hip, shoulder}, {shoulder, ear}, {shoulder, elbow}, {elbow, wrist}, {wrist, knuckle}}};
    for (const auto& [from, to] : segments)
        if (from && to)
            HaloLine(painter, *from, *to, kSegment);

    if (shown.facing) {
        const BodyAngles angles = MeasureBodyAngles(shown.points, *shown.facing, shown.plumb);
        // The vertical as seen: the plumb line's, upwards, or the photo's own.
        const QPointF up = shown.plumb ? map(shown.plumb->top) - map(shown.plumb->bottom)
                                       : map({0, -1}) - map({0, 0});
        if (angles.trunk)
            Arc(painter, *hip, up, *shoulder - *hip,
                ArcValue(PostureSegment::Trunk, *angles.trunk));
        if (angles.neck)
            Arc(painter, *shoulder, *shoulder - *hip, *ear - *shoulder,
                ArcValue(PostureSegment::Neck, *angles.neck));
        if (angles.upperArm)
            Arc(painter, *shoulder, *hip - *shoulder, *elbow - *shoulder,
                ArcValue(PostureSegment::UpperArm, *angles.upperArm));
        if (angles.lowerArm)
            Arc(painter, *elbow, *elbow - *shoulder, *wrist - *elbow,
                ArcValue(PostureSegment::LowerArm, *angles.lowerArm));
        if (angles.wrist)
            Arc(painter, *wrist, *wrist - *elbow, *knuckle - *wrist,
                ArcValue(PostureSegment::Wrist, *angles.wrist));
    }

    for (std::size_t i = 0; i < kLandmarkCount; ++i) {
        const auto which = static_cast<Landmark>(i);
        const auto point = at(which);
        if (!point)
            continue;
        if (shown.selected == which) {
            painter.setPen(QPen(kHalo, 4));
            painter.drawEllipse(*point, kSelectedRadius, kSelectedRadius);
            painter.setPen(QPen(Qt::white, 2));
            painter.drawEllipse(*point, kSelectedRadius, kSelectedRadius);
        }
        painter.setPen(QPen(Qt::white, 1.5));
        painter.setBrush(kPoint);
        painter.drawEllipse(*point, kPointRadius, kPointRadius);
        painter.setBrush(Qt::NoBrush);
        const QString name = QCoreApplication::translate("rula::PhotoWindow", LandmarkName(which));
        const QFontMetricsF metrics(LabelFont());
        const QPointF centre =
            *point + NameOffset(shown, which, toTarget) *
                         (kSelectedRadius + 4 + metrics.horizontalAdvance(name) / 2);
        HaloText(painter,
                 centre + QPointF(-metrics.horizontalAdvance(name) / 2, metrics.ascent() / 2 - 1),
                 name, Qt::white);
    }
    if (shown.cross) {
        // Open at the centre, so that the pixel aimed at stays in sight.
        const QPointF c = map(shown.cross->at);
        for (const QPointF arm : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)})
            HaloLine(painter, c + arm * kCrossGap, c + arm * kCrossArm, Qt::white);
        // Its label above it on the right, or on the left where the target ends.
        const double width = QFontMetricsF(LabelFont()).horizontalAdvance(shown.cross->label);
        const bool right = c.x() + kCrossArm / 2 + width <= painter.window().right();
        HaloText(painter,
                 c + QPointF(right ? kCrossArm / 2 : -kCrossArm / 2 - width, -kCrossArm / 2 - 2),
                 shown.cross->label, Qt::white);
    }
    painter.restore();
}

QRectF MeasurementBounds(const MeasurementShown& shown, const QTransform& toTarget) {
    QRectF bounds;
    const auto add = [&](PhotoPoint p) {
        const QPointF at = toTarget.map(QPointF(p.x, p.y));
        const QRectF around(at.x() - kReach, at.y() - kReach, 2 * kReach, 2 * kReach);
        bounds = bounds.isNull() ? around : bounds.united(around);
    };
    for (const auto& point : shown.points)
        if (point)
            add(*point);
    if (shown.plumb) {
        add(shown.plumb->top);
        add(shown.plumb->bottom);
    }
    if (shown.plumbStart)
        add(*shown.plumbStart);
    if (shown.cross)
        add(shown.cross->at);
    return bounds;
}

} // namespace rula

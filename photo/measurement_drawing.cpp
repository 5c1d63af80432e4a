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
constexpr double kReach = 120;

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

// An angle at `centre` from the reference direction to the segment's, and its value.
struct ArcShown {
    QPointF centre;
    QPointF reference; // unit
    double radius;     // smaller on a short segment
    double start;      // Qt's angle of the reference
    double span;       // to the segment, (-180, 180]
    QString value;
};

ArcShown ArcFor(QPointF centre, QPointF reference, QPointF segment, const QString& value) {
    const double radius =
        std::clamp(std::hypot(segment.x(), segment.y()) * 0.6, kMinArcRadius, kArcRadius);
    const QPointF ref = Unit(reference);
    const double start = QtAngle(ref);
    double span = QtAngle(segment) - start;
    while (span > 180)
        span -= 360;
    while (span <= -180)
        span += 360;
    return {centre, ref, radius, start, span, value};
}

void DrawArc(QPainter& painter, const ArcShown& a) {
    HaloLine(painter, a.centre, a.centre + a.reference * a.radius * 1.5, kArc, Qt::DashLine);
    const QRectF box(a.centre.x() - a.radius, a.centre.y() - a.radius, 2 * a.radius, 2 * a.radius);
    QPainterPath arc;
    arc.arcMoveTo(box, a.start);
    arc.arcTo(box, a.start, a.span);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kHalo, 4));
    painter.drawPath(arc);
    painter.setPen(QPen(kArc, 2));
    painter.drawPath(arc);
}

// The box a text takes with its halo when its middle is at `middle`.
QRectF TextBox(QPointF middle, const QString& text) {
    const QFontMetricsF metrics(LabelFont());
    const double width = metrics.horizontalAdvance(text);
    const double height = metrics.ascent() + metrics.descent();
    return QRectF(middle.x() - width / 2, middle.y() - height / 2, width, height)
        .adjusted(-2, -2, 2, 2);
}

// Where the text is drawn from, for its box.
QPointF Baseline(const QRectF& box) {
    const QFontMetricsF metrics(LabelFont());
    return QPointF(box.left() + 2, box.top() + 2 + metrics.ascent());
}

// The box moved inside `bounds` where it fits there.
QRectF Inside(QRectF box, const QRectF& bounds) {
    if (bounds.isEmpty())
        return box;
    if (box.right() > bounds.right())
        box.moveRight(bounds.right());
    if (box.left() < bounds.left())
        box.moveLeft(bounds.left());
    if (box.bottom() > bounds.bottom())
        box.moveBottom(bounds.bottom());
    if (box.top() < bounds.top())
        box.moveTop(bounds.top());
    return box;
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

namespace {

struct Layout {
    std::vector<ArcShown> arcs;
    std::vector<MeasurementLabel> labels;
};

// The arcs, then the labels: each point's name away from its segments, and each angle's
// value by its arc where it covers no name, no point and no other value, the names and
// values inside `bounds`.
Layout LayOut(const MeasurementShown& shown, const QTransform& toTarget, const QRectF& bounds) {
    Layout layout;
    const QFontMetricsF metrics(LabelFont());
    std::vector<QRectF> taken;
    for (std::size_t i = 0; i < kLandmarkCount; ++i) {
        const auto which = static_cast<Landmark>(i);
        const auto point = At(shown, which, toTarget);
        if (!point)
            continue;
        const QString name = QCoreApplication::translate("rula::PhotoWindow", LandmarkName(which));
        const QPointF middle =
            *point + NameOffset(shown, which, toTarget) *
                         (kSelectedRadius + 4 + metrics.horizontalAdvance(name) / 2);
        const QRectF box = Inside(TextBox(middle, name), bounds);
        layout.labels.push_back({name, box, true});
        taken.push_back(box);
        const double dot = kSelectedRadius + 1;
        taken.emplace_back(point->x() - dot, point->y() - dot, 2 * dot, 2 * dot);
    }
    if (!shown.facing)
        return layout;

    const auto at = [&](Landmark which) { return At(shown, which, toTarget); };
    const auto map = [&](PhotoPoint p) { return toTarget.map(QPointF(p.x, p.y)); };
    const BodyAngles angles = MeasureBodyAngles(shown.points, *shown.facing, shown.plumb);
    const auto hip = at(Landmark::Hip), shoulder = at(Landmark::Shoulder), ear = at(Landmark::Ear),
               elbow = at(Landmark::Elbow), wrist = at(Landmark::Wrist),
               knuckle = at(Landmark::Knuckle);
    // The vertical as seen: the plumb line's, upwards, or the photo's own.
    const QPointF up =
        shown.plumb ? map(shown.plumb->top) - map(shown.plumb->bottom) : map({0, -1}) - map({0, 0});
    if (angles.trunk)
        layout.arcs.push_back(
            ArcFor(*hip, up, *shoulder - *hip, ArcValue(PostureSegment::Trunk, *angles.trunk)));
    if (angles.neck)
        layout.arcs.push_back(ArcFor(*shoulder, *shoulder - *hip, *ear - *shoulder,
                                     ArcValue(PostureSegment::Neck, *angles.neck)));
    if (angles.upperArm)
        layout.arcs.push_back(ArcFor(*shoulder, *hip - *shoulder, *elbow - *shoulder,
                                     ArcValue(PostureSegment::UpperArm, *angles.upperArm)));
    if (angles.lowerArm)
        layout.arcs.push_back(ArcFor(*elbow, *elbow - *shoulder, *wrist - *elbow,
                                     ArcValue(PostureSegment::LowerArm, *angles.lowerArm)));
    if (angles.wrist)
        layout.arcs.push_back(ArcFor(*wrist, *wrist - *elbow, *knuckle - *wrist,
                                     ArcValue(PostureSegment::Wrist, *angles.wrist)));

    // Turned off the arc's middle and moved out as little as will do.
    static constexpr std::array<std::pair<double, double>, 15> kTries = {{
        {0, 0},
        {0, 8},
        {20, 0},
        {-20, 0},
        {0, 16},
        {20, 8},
        {-20, 8},
        {40, 0},
        {-40, 0},
        {40, 12},
        {-40, 12},
        {70, 0},
        {-70, 0},
        {110, 0},
        {-110, 0},
    }};
    for (const ArcShown& a : layout.arcs) {
        // A narrow angle has its value outside, on the side of the reference line, so
        // that it stays clear of both lines.
        const bool narrow = std::abs(a.span) < kNarrowArcDegrees;
        const double middle =
            narrow ? a.start - (a.span < 0 ? -1 : 1) * kNarrowArcDegrees / 2 : a.start + a.span / 2;
        const double half = metrics.horizontalAdvance(a.value) / 2;
        const auto boxAt = [&](double degrees, double out) {
            const double rad = degrees * std::numbers::pi / 180;
            const QPointF along(std::cos(rad), -std::sin(rad));
            return TextBox(a.centre + along * (a.radius + 6 + out + half), a.value);
        };
        // Clear and inside; else clear where the point is out of sight (zoomed in).
        std::optional<QRectF> chosen;
        for (const bool inside : {true, false}) {
            for (const auto& [turn, out] : kTries) {
                const QRectF box = boxAt(middle + turn, out);
                const bool clear = std::none_of(taken.begin(), taken.end(),
                                                [&](const QRectF& t) { return t.intersects(box); });
                if (clear && (!inside || bounds.isEmpty() || bounds.contains(box))) {
                    chosen = box;
                    break;
                }
            }
            if (chosen)
                break;
        }
        const QRectF box = chosen ? *chosen : Inside(boxAt(middle, 0), bounds);
        layout.labels.push_back({a.value, box, false});
        taken.push_back(box);
    }
    return layout;
}

} // namespace

std::vector<MeasurementLabel> MeasurementLabels(const MeasurementShown& shown,
                                                const QTransform& toTarget, const QRectF& bounds) {
    return LayOut(shown, toTarget, bounds).labels;
}

void PaintMeasurement(QPainter& painter, const MeasurementShown& shown, const QTransform& toTarget,
                      const QRectF& bounds) {
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

    const Layout layout =
        LayOut(shown, toTarget, bounds.isEmpty() ? QRectF(painter.window()) : bounds);
    for (const ArcShown& arc : layout.arcs)
        DrawArc(painter, arc);
    for (const MeasurementLabel& label : layout.labels)
        if (!label.name)
            HaloText(painter, Baseline(label.box), label.text, kArc);

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
    }
    for (const MeasurementLabel& label : layout.labels)
        if (label.name)
            HaloText(painter, Baseline(label.box), label.text, Qt::white);
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

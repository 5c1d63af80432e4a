// Each segment becomes a vector in a side view where x points the way the worker faces
// and y points up; the angles are the rotations between those vectors.
#include "angles/body_angles.h"

#include <cmath>
#include <numbers>

namespace rula {
namespace {

struct Vec {
    double x;
    double y;
};

// From `from` to `to`, in the worker's frame: forward is +x whichever way the worker
// faces, up is +y.
std::optional<Vec> Segment(const std::optional<PhotoPoint>& from,
                           const std::optional<PhotoPoint>& to, double forward) {
    if (!from || !to)
        return std::nullopt;
    const Vec v{forward * (to->x - from->x), from->y - to->y};
    if (v.x == 0 && v.y == 0)
        return std::nullopt;
    return v;
}

Vec Reversed(Vec v) {
    return {-v.x, -v.y};
}

double Normalized(double degrees) {
    while (degrees > 180)
        degrees -= 360;
    while (degrees <= -180)
        degrees += 360;
    return degrees;
}

// The rotation from `a` to `b` in degrees, counter-clockwise in the worker's frame
// positive: the way the arm turns when it is raised forward, and the forearm when the
// elbow bends.
double Turn(Vec a, Vec b) {
    const double cross = a.x * b.y - a.y * b.x;
    const double dot = a.x * b.x + a.y * b.y;
    return std::atan2(cross, dot) * 180 / std::numbers::pi;
}

// Bending forward turns the upper body the other way: clockwise.
double Bend(Vec a, Vec b) {
    return Normalized(-Turn(a, b));
}

std::optional<double> BendOf(std::optional<Vec> a, std::optional<Vec> b) {
    if (!a || !b)
        return std::nullopt;
    return Bend(*a, *b);
}

std::optional<double> TurnOf(std::optional<Vec> a, std::optional<Vec> b) {
    if (!a || !b)
        return std::nullopt;
    return Normalized(Turn(*a, *b));
}

// Up in the scene: the plumb line's direction towards the top of the photo, whichever of
// its points was placed first; a camera is never turned by 90° or more.
std::optional<Vec> Up(const std::optional<PlumbLine>& plumb, double forward) {
    if (!plumb)
        return Vec{0, 1};
    std::optional<Vec> up = Segment(plumb->bottom, plumb->top, forward);
    if (up && up->y < 0)
        up = Reversed(*up);
    return up;
}

} // namespace

BodyAngles MeasureBodyAngles(const Landmarks& points, Facing facing,
                             const std::optional<PlumbLine>& plumb) {
    const double forward = facing == Facing::Right ? 1.0 : -1.0;
    const auto at = [&points](Landmark which) -> const std::optional<PhotoPoint>& {
        return points[static_cast<std::size_t>(which)];
    };
    const auto trunk = Segment(at(Landmark::Hip), at(Landmark::Shoulder), forward);
    const auto neck = Segment(at(Landmark::Shoulder), at(Landmark::Ear), forward);
    const auto upperArm = Segment(at(Landmark::Shoulder), at(Landmark::Elbow), forward);
    const auto forearm = Segment(at(Landmark::Elbow), at(Landmark::Wrist), forward);
    const auto hand = Segment(at(Landmark::Wrist), at(Landmark::Knuckle), forward);
    const std::optional<Vec> trunkDown = trunk ? std::optional(Reversed(*trunk)) : std::nullopt;

    BodyAngles angles;
    angles.trunk = BendOf(Up(plumb, forward), trunk);
    angles.neck = BendOf(trunk, neck);
    angles.upperArm = TurnOf(trunkDown, upperArm);
    // Flexion either way round: 180 less the inner angle at the elbow.
    if (const auto bent = TurnOf(upperArm, forearm))
        angles.lowerArm = std::abs(*bent);
    angles.wrist = TurnOf(forearm, hand);
    return angles;
}

std::optional<double> PlumbTilt(const PlumbLine& plumb) {
    const auto up = Up(plumb, 1.0);
    if (!up)
        return std::nullopt;
    return std::atan2(up->x, up->y) * 180 / std::numbers::pi;
}

} // namespace rula

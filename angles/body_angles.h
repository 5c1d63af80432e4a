// Joint angles from points placed on a side-view photo of a worker. Points are in the
// photo's pixels, x to the right and y downwards, as images have them. No GUI: the C++
// standard library only.
//
// The references (the design note says why):
//   trunk      the hip->shoulder line against the vertical; forward positive
//   neck       the shoulder->ear line against the trunk line; forward flexion positive,
//              backward (extension) negative
//   upper arm  the shoulder->elbow line against the trunk line, hanging along the trunk
//              being 0; forward positive, behind the trunk (extension) negative
//   lower arm  elbow flexion: 180 minus the inner angle at the elbow, 0 for a straight arm
//   wrist      the wrist->knuckle line against the forearm line; positive "up": the hand
//              turned off the forearm's line the same way the elbow bends, so that with
//              the forearm held forward the knuckles lie above it; negative "down"
// Facing left mirrors the photo first, so forward is positive either way. The vertical is
// the photo's own unless a plumb line is given. Angles lie in (-180, 180]; the lower arm
// in [0, 180].
#pragma once

#include <array>
#include <cstddef>
#include <optional>

namespace rula {

struct PhotoPoint {
    double x = 0;
    double y = 0;
    bool operator==(const PhotoPoint&) const = default;
};

enum class Facing { Left, Right };

// The six points, in the order the photo window asks for them.
enum class Landmark { Hip, Shoulder, Ear, Elbow, Wrist, Knuckle };
inline constexpr std::size_t kLandmarkCount = 6;

using Landmarks = std::array<std::optional<PhotoPoint>, kLandmarkCount>;

// Two points on something vertical in the scene; `top` is the upper one, though either
// order gives the same vertical (a camera is never tilted by 90° or more).
struct PlumbLine {
    PhotoPoint top;
    PhotoPoint bottom;
    bool operator==(const PlumbLine&) const = default;
};

// Degrees; an angle is missing while a point it needs is, or while two of them lie on one
// another (a segment of no length, or a plumb line of no length for the trunk).
struct BodyAngles {
    std::optional<double> trunk;
    std::optional<double> neck;
    std::optional<double> upperArm;
    std::optional<double> lowerArm;
    std::optional<double> wrist;
};

BodyAngles MeasureBodyAngles(const Landmarks& points, Facing facing,
                             const std::optional<PlumbLine>& plumb = std::nullopt);

// How far the plumb line leans from the photo's vertical, in degrees, positive where its
// top leans right: the camera's tilt that the line corrects. Nothing for a line of no
// length.
std::optional<double> PlumbTilt(const PlumbLine& plumb);

} // namespace rula

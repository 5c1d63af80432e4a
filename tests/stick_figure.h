// A side-view stick figure built from known joint angles, for tests that measure it: the
// six points in a photo's pixels and a plumb line, both turned with the camera's tilt.
// The figure fits a 1000 x 1000 photo at scale 1 with its hip at the centre, at any tilt.
#pragma once

#include "angles/body_angles.h"

#include <cmath>
#include <numbers>

namespace rula::testing {

struct FigureAngles {
    double trunk = 0;    // forward from the vertical
    double neck = 0;     // forward from the trunk line
    double upperArm = 0; // forward from the trunk line, hanging down being 0
    double lowerArm = 0; // elbow flexion
    double wrist = 0;    // up from the forearm line
};

struct StickFigure {
    Landmarks points;
    PlumbLine plumb;
};

// The camera turned by `tiltDegrees` clockwise as the photo shows it.
inline StickFigure DrawStickFigure(const FigureAngles& a, Facing facing, double tiltDegrees = 0,
                                   PhotoPoint hip = {500, 500}, double scale = 1) {
    struct V {
        double x, y; // x forward, y up
    };
    // Counter-clockwise by the degrees, with forward to the right.
    const auto turn = [](V v, double degrees) {
        const double r = degrees * std::numbers::pi / 180;
        return V{v.x * std::cos(r) - v.y * std::sin(r), v.x * std::sin(r) + v.y * std::cos(r)};
    };
    const auto along = [](V from, V dir, double length) {
        return V{from.x + dir.x * length, from.y + dir.y * length};
    };
    const V trunk = turn({0, 1}, -a.trunk);
    const V neck = turn(trunk, -a.neck);
    const V upperArm = turn({-trunk.x, -trunk.y}, a.upperArm);
    const V forearm = turn(upperArm, a.lowerArm);
    const V hand = turn(forearm, a.wrist);

    const V hipAt{0, 0};
    const V shoulder = along(hipAt, trunk, 200);
    const V ear = along(shoulder, neck, 80);
    const V elbow = along(shoulder, upperArm, 120);
    const V wrist = along(elbow, forearm, 110);
    const V knuckle = along(wrist, hand, 40);

    const double mirror = facing == Facing::Right ? 1 : -1;
    const double t = tiltDegrees * std::numbers::pi / 180;
    // Into the photo: mirrored for facing left, y downwards, turned about the hip.
    const auto photo = [&](V v) {
        const double x = mirror * v.x * scale;
        const double y = -v.y * scale;
        return PhotoPoint{hip.x + x * std::cos(t) - y * std::sin(t),
                          hip.y + x * std::sin(t) + y * std::cos(t)};
    };
    StickFigure figure;
    const V at[] = {hipAt, shoulder, ear, elbow, wrist, knuckle};
    for (std::size_t i = 0; i < kLandmarkCount; ++i)
        figure.points[i] = photo(at[i]);
    figure.plumb = {photo({-380, 250}), photo({-380, -250})};
    return figure;
}

} // namespace rula::testing

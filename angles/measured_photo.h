// A photo as a study keeps it with the measurement made on it: the photo upright as a
// JPEG of at most kKeptPhotoLongSide pixels on its long side, and the facing, the six
// points and the plumb line in that JPEG's pixels. The screens' assessment carries one
// while its postures were chosen on a photo; a chart row keeps it with its answers.
// Standard library only: the JPEG is bytes here, made and read by the layers above.
#pragma once

#include "angles/body_angles.h"

#include <optional>
#include <string>

namespace rula {

inline constexpr int kKeptPhotoLongSide = 2048;

struct MeasuredPhoto {
    std::string jpeg; // the bytes of a JPEG file
    int width = 0;    // of the JPEG, upright
    int height = 0;
    Facing facing = Facing::Right;
    Landmarks points{};
    std::optional<PlumbLine> plumb;

    BodyAngles angles() const { return MeasureBodyAngles(points, facing, plumb); }
    bool operator==(const MeasuredPhoto&) const = default;
};

} // namespace rula

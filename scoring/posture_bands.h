// The posture options of the upper arm, lower arm, wrist, neck and trunk screens as
// bands of a joint angle: each option's range in degrees and the base score it gives.
// The screens write their base scores from these tables and the photo measurement
// chooses options by them, so every band edge exists here only.
//
// The rule at an edge: an angle exactly on an edge belongs to the band that gives the
// lower base score (20° of upper arm flexion is the 20° back to 20° forward band).
// "Upright" and "neutral" mean within kNeutralDegrees of 0°.
#pragma once

#include <optional>
#include <span>

namespace rula {

inline constexpr double kNeutralDegrees = 5.0;
// An angle this close to an edge is marked as near it, so that the user looks twice.
inline constexpr double kNearEdgeDegrees = 5.0;

enum class PostureSegment { UpperArm, LowerArm, Wrist, Neck, Trunk };

struct PostureBand {
    const char* option; // the option's name on its screen: "Option3"
    double from;        // degrees; the band holds from < angle <= to, or the edge
    double to;          // rule above where `from` or `to` is an edge to a lower score
    int base;           // the base score the option writes
};

// The bands of one screen, in the screen's option order.
std::span<const PostureBand> PostureBands(PostureSegment segment);

// The band that holds the angle, or nothing where no option of the screen does.
const PostureBand* BandHolding(PostureSegment segment, double degrees);

// Whether the angle lies within kNearEdgeDegrees of an edge between two bands.
bool NearBandEdge(PostureSegment segment, double degrees);

} // namespace rula

// The posture options of the upper arm, lower arm, wrist, neck and trunk screens as
// bands of a joint angle: each option's range in degrees and the base score it gives.
// The screens write their base scores from these tables and the photo measurement
// chooses options by them, so every band edge exists here only.
//
// The rule at an edge: an angle exactly on an edge belongs to the band that gives the
// lower base score (20° of upper arm flexion is the 20° back to 20° forward band).
// "Upright" and "neutral" mean within kNeutralDegrees of 0°, so a neck bent back by up to
// 5° is the 0° to 10° band, and only beyond that is it in extension. A trunk leaning back
// beyond 5° is in no band: the trunk screen has no option for it.
//
// Angles are as MeasureBodyAngles gives them: forward positive; the lower arm as elbow
// flexion; the wrist up positive, down negative, its options holding both alike.
#pragma once

#include <optional>
#include <span>

namespace rula {

inline constexpr double kNeutralDegrees = 5.0;
// An angle this close to an edge is marked as near it, so that the user looks twice.
inline constexpr double kNearEdgeDegrees = 5.0;

enum class PostureSegment { UpperArm, LowerArm, Wrist, Neck, Trunk };

// An option may hold two bands (the lower arm below 60° or beyond 100°; a wrist bent up
// or down; the upper arm raised over the head, beyond 90° forward or past the trunk's
// line to beyond 90° behind it): it then has two rows with the same name and base.
struct PostureBand {
    const char* option; // the option's name on its screen: "Option3"
    double from;        // degrees, both ends included; where two bands meet, the edge
    double to;          // rule above says which one holds the edge; -180 and 180 are no edge
    int base;           // the base score the option writes
};

// The bands of one screen, in the screen's option order.
std::span<const PostureBand> PostureBands(PostureSegment segment);

// The first row of the option's band on the segment's screen, or nothing if the screen
// has no such option.
const PostureBand* BandOfOption(PostureSegment segment, const char* option);

// The band that holds the angle, or nothing where no option of the screen does.
const PostureBand* BandHolding(PostureSegment segment, double degrees);

// Whether the angle lies closer than kNearEdgeDegrees to an edge of a band: between two
// bands, or where no band goes on (a trunk leaning back).
bool NearBandEdge(PostureSegment segment, double degrees);

} // namespace rula

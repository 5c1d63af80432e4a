// The postures of the upper arm, lower arm, wrist, neck and trunk as bands of a joint
// angle: each posture's range in degrees. The photo measurement chooses postures by them,
// and the Photo window words them, so every band edge exists here only; a band's base
// score is its posture's (BaseScore).
//
// The rule at an edge: an angle exactly on an edge, shared by two bands or the start of a
// top band, belongs to the band that gives the HIGHER base score, as the method scores a
// borderline posture and as its top bands read ("20° or more"): 90° of upper arm flexion
// is the over 90° band, 20° is the 20° to 45° band, a wrist at 15° scores 3.
// "Upright" and "neutral" mean within kNeutralDegrees of 0°: a neck bent back by less than
// 5° is the 0° to 10° band, and from 5° back it is in extension. A trunk leaning back
// beyond 5° is in no band: the trunk screen has no option for it.
//
// Angles are as MeasureBodyAngles gives them: forward positive; the lower arm as elbow
// flexion; the wrist up positive, down negative, its options holding both alike.
#pragma once

#include "assessment/assessment.h"

#include <optional>
#include <span>

namespace rula {

inline constexpr double kNeutralDegrees = 5.0;
// An angle this close to an edge is marked as near it, so that the user looks twice.
inline constexpr double kNearEdgeDegrees = 5.0;
// An angle this close to an edge is on it: far below what a click can place, far above
// the rounding of the arithmetic (a horizontal arm on a plumb trunk may come out as
// 89.99999999999999°).
inline constexpr double kOnEdgeDegrees = 1e-9;

enum class PostureSegment { UpperArm, LowerArm, Wrist, Neck, Trunk };

// A posture may hold two bands (the lower arm below 60° or beyond 100°; a wrist bent up
// or down; the upper arm raised over the head, beyond 90° forward or past the trunk's
// line to beyond 90° behind it): it then has two rows.
struct PostureBand {
    // The segment's posture: an UpperArmPosture, LowerArmPosture, WristPosture,
    // NeckPosture or TrunkPosture, as its number.
    int posture;
    double from; // degrees; where two bands meet, the edge rule above says which
    double to;   // one holds the edge; -180 and 180 are no edge
    // The base score of the band's posture.
    int base() const;
    PostureSegment segment;
};

// The bands of one segment, in the order of its postures.
std::span<const PostureBand> PostureBands(PostureSegment segment);

// The band that holds the angle, or nothing where no option of the screen does.
const PostureBand* BandHolding(PostureSegment segment, double degrees);

// Whether the band holds its own end `edge` (band.from or band.to) by the edge rule.
bool HoldsItsEdge(PostureSegment segment, const PostureBand& band, double edge);

// Whether the angle lies on an edge of a band (within kOnEdgeDegrees).
bool OnBandEdge(PostureSegment segment, double degrees);

// Whether the angle lies closer than kNearEdgeDegrees to an edge of a band: between two
// bands, or where no band goes on (a trunk leaning back).
bool NearBandEdge(PostureSegment segment, double degrees);

} // namespace rula

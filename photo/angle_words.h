// The measured angles in words, as the Photo window lists them and screen readers read
// them: the segment, its value in whole degrees (in tenths near a band's edge) with its
// direction, the band of the posture screen that holds it, and a mark when it lies near a
// band's edge. No GUI.
#pragma once

#include "angles/body_angles.h"
#include "scoring/posture_bands.h"

#include <QString>

#include <array>
#include <optional>

namespace rula {

struct AngleLine {
    PostureSegment segment;
    std::optional<double> degrees;
};

// The five angles in the order the window lists them: trunk, neck, upper arm, lower
// arm, wrist.
std::array<AngleLine, 5> ListedAngles(const BodyAngles& angles);

// "Trunk: 25° forward", or "Trunk: 20.4° forward" near an edge, or "Trunk: not measured
// yet" while a point is missing.
QString AngleWords(PostureSegment segment, std::optional<double> degrees);
// The value alone as drawn beside its arc: "25°", "20.4°".
QString ArcValue(PostureSegment segment, double degrees);
// The band that holds the angle and, near an edge, the mark:
// "band 20° to 60°, base score 3; near the edge of a band".
QString BandWords(PostureSegment segment, double degrees);
// One line of the list: the words and the band.
QString ListedLine(const AngleLine& line);

} // namespace rula

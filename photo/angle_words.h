// The measured angles in words, as the Photo window lists them and screen readers read
// them: the segment, its direction in the method's words and its value in whole degrees
// (in tenths near a band's edge), the band of the posture screen that holds it in words
// without negative numbers and with the edge rule in them, and marks for an angle on or
// near an edge or one to check by eye; then what Use These Angles did on each screen, and
// the tilt a plumb line corrects. No GUI.
#pragma once

#include "angles/body_angles.h"
#include "assessment/posture_bands.h"
#include "screens/measured_posture.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace rula {

struct AngleLine {
    PostureSegment segment;
    std::optional<double> degrees;
};

// The five angles in the order the window lists them: trunk, neck, upper arm, lower
// arm, wrist.
std::array<AngleLine, 5> ListedAngles(const BodyAngles& angles);

// "Trunk: flexion 25°", "Trunk: flexion 20.4°" near an edge, "Trunk: leaning back 12°",
// "Trunk: 0°", or "Trunk: not measured yet" while a point is missing.
QString AngleWords(PostureSegment segment, std::optional<double> degrees);
// The value alone as drawn beside its arc: "25°", "20.4°".
QString ArcValue(PostureSegment segment, double degrees);
// The band that holds the angle and the marks: "band 20° to under 60° of flexion, base
// score 3; near the edge of a band".
QString BandWords(PostureSegment segment, double degrees);
// One line of the list: the words and the band.
QString ListedLine(const AngleLine& line);
// What Use These Angles did, a line for each screen in the order given, then how to
// change a choice: "Trunk: leaning back 12°: no option of the trunk screen fits; choose
// it by eye".
QStringList UsedLines(const std::vector<MeasuredChoice>& choices);
// The plumb line's correction: "Plumb line: camera tilted 8°: corrected".
QString TiltWords(double degrees);

} // namespace rula

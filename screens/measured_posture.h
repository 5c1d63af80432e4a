// Angles measured on a photo, applied to the posture screens: on the upper arm, lower
// arm, wrist, neck and trunk screens, the option whose band holds the angle is clicked
// as a user would click it, so the screen's own handler writes its base score. The
// adjustment boxes, the wrist twist and the frequency and force screen stay the user's.
#pragma once

#include "angles/body_angles.h"
#include "scoring/posture_bands.h"

#include <QString>

#include <vector>

namespace rula {

class ScreenSet;

// What one measured angle chose.
struct MeasuredChoice {
    PostureSegment segment;
    double degrees;
    // The option clicked ("Option3"), its band in the screen's own words as screen readers
    // hear it, and its base score; all empty and 0 where no option holds the angle.
    QString option;
    QString band;
    int base = 0;
    bool nearEdge = false;
};

// Clicks an option on each screen that has a measured angle, creating the screen in its
// design state if need be; shows, hides and moves no screen. Returns a choice for each
// measured angle, in the order upper arm, lower arm, wrist, neck, trunk.
std::vector<MeasuredChoice> UsePostureAngles(ScreenSet& screens, const BodyAngles& angles);

} // namespace rula

// Angles measured on a photo, applied to the posture screens: on the upper arm, lower
// arm, wrist, neck and trunk screens, the option whose band holds the angle is clicked
// as a user would click it, so the screen's own handler writes its base score. Where no
// option may be chosen from the angle, the screen's posture is cleared instead, so that no
// earlier choice stays behind as if it had been measured. The adjustment boxes, the wrist
// twist and the frequency and force screen stay the user's.
#pragma once

#include "angles/body_angles.h"
#include "scoring/posture_bands.h"

#include <QString>

#include <optional>
#include <vector>

namespace rula {

class ScreenSet;

// What one angle did on its screen.
struct MeasuredChoice {
    enum class Outcome {
        NotMeasured, // a point missing or two on one another: the screen is left as it was
        Chosen,      // the option holding the angle was clicked
        NoOption,    // no option of the screen holds it (a trunk leaning back): cleared
        CheckByEye,  // an option holds it, but the reading may mislead: cleared
    };
    PostureSegment segment;
    std::optional<double> degrees;
    Outcome outcome = Outcome::NotMeasured;
    // Where chosen: the option clicked ("Option3"), its band in the screen's own words as
    // screen readers hear it, and its base score.
    QString option;
    QString band;
    int base = 0;
    bool nearEdge = false;
};

// Whether an angle is left to the user's eye rather than chosen from the photo: a neck
// read as extension. The neck is read from the shoulder point, which stands for the
// neck's base; rounded shoulders carry that point forward, so an upright head on rounded
// shoulders reads as extension, the neck's worst score.
bool LeftToTheEye(PostureSegment segment, double degrees);

// Chooses or clears the posture on each screen that has a measured angle, creating the
// screen in its design state if need be; shows, hides and moves no screen. Returns what
// each angle did, in the order upper arm, lower arm, wrist, neck, trunk.
std::vector<MeasuredChoice> UsePostureAngles(ScreenSet& screens, const BodyAngles& angles);

} // namespace rula

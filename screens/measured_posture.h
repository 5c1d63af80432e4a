// Angles measured on a photo, applied to the assessment the screens show: the upper
// arm, lower arm, wrist, neck and trunk postures become those whose bands hold the
// angles, and the screens show them as they show any change of the record. Where no
// posture may be chosen from the angle, the answer is cleared instead, so that no earlier
// choice stays behind as if it had been measured. The adjustment boxes, the wrist twist
// and the frequency and force answers stay the user's.
#pragma once

#include "angles/body_angles.h"
#include "assessment/posture_bands.h"

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
    // Where chosen: the screen's option that now shows it ("Option3"), its band in the
    // screen's own words as screen readers hear it, and its base score.
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

// Chooses or clears the posture of each segment that has a measured angle, in one change
// of the record; creates the screens in their design state if need be, and shows, hides
// and moves none. Returns what each angle did, in the order upper arm, lower arm, wrist,
// neck, trunk.
std::vector<MeasuredChoice> UsePostureAngles(ScreenSet& screens, const BodyAngles& angles);

} // namespace rula

#include "screens/measured_posture.h"

#include "screens/controls.h"
#include "screens/live_assessment.h"
#include "screens/screen_set.h"
#include "screens/screen_shell.h"

namespace rula {

bool LeftToTheEye(PostureSegment segment, double degrees) {
    const PostureBand* band = BandHolding(segment, degrees);
    return segment == PostureSegment::Neck && band && band->to < 0;
}

namespace {

// Sets the segment's posture in the record: the band's, or none.
void SetPosture(Assessment& a, PostureSegment segment, const PostureBand* band) {
    const int posture = band ? band->posture : 0;
    switch (segment) {
    case PostureSegment::UpperArm:
        a.upperArm = static_cast<UpperArmPosture>(posture);
        break;
    case PostureSegment::LowerArm:
        a.lowerArm = static_cast<LowerArmPosture>(posture);
        break;
    case PostureSegment::Wrist:
        a.wrist = static_cast<WristPosture>(posture);
        break;
    case PostureSegment::Neck:
        a.neck = static_cast<NeckPosture>(posture);
        break;
    case PostureSegment::Trunk:
        a.trunk = static_cast<TrunkPosture>(posture);
        break;
    }
}

} // namespace

std::vector<MeasuredChoice> UsePostureAngles(ScreenSet& screens, const BodyAngles& angles) {
    using Outcome = MeasuredChoice::Outcome;
    struct Measured {
        PostureSegment segment;
        ScreenId screen;
        std::optional<double> degrees;
    };
    const Measured measured[] = {
        {PostureSegment::UpperArm, ScreenId::Form2, angles.upperArm},
        {PostureSegment::LowerArm, ScreenId::Form3, angles.lowerArm},
        {PostureSegment::Wrist, ScreenId::Form4, angles.wrist},
        {PostureSegment::Neck, ScreenId::Form6, angles.neck},
        {PostureSegment::Trunk, ScreenId::Form7, angles.trunk},
    };
    std::vector<MeasuredChoice> choices;
    Assessment next = screens.assessment().record();
    for (const Measured& m : measured) {
        MeasuredChoice choice;
        choice.segment = m.segment;
        choice.degrees = m.degrees;
        if (m.degrees) {
            choice.nearEdge = NearBandEdge(m.segment, *m.degrees);
            const PostureBand* band = BandHolding(m.segment, *m.degrees);
            const bool chosen = band && !LeftToTheEye(m.segment, *m.degrees);
            choice.outcome = chosen ? Outcome::Chosen
                             : band ? Outcome::CheckByEye
                                    : Outcome::NoOption;
            SetPosture(next, m.segment, chosen ? band : nullptr);
            if (chosen)
                choice.base = band->base();
        }
        choices.push_back(choice);
    }
    screens.assessment().set(next);
    // The screens' words for what was chosen: the option that shows it now.
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].outcome != Outcome::Chosen)
            continue;
        for (const auto* option : screens.get(measured[i].screen).findChildren<OptionButton*>())
            if (option->isChecked()) {
                choices[i].option = option->objectName();
                choices[i].band = option->accessibleName();
            }
    }
    return choices;
}

} // namespace rula

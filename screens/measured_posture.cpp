#include "screens/measured_posture.h"

#include "screens/screen_set.h"
#include "screens/screen_shell.h"

#include <QAbstractButton>

namespace rula {

bool LeftToTheEye(PostureSegment segment, double degrees) {
    const PostureBand* band = BandHolding(segment, degrees);
    return segment == PostureSegment::Neck && band && band->to < 0;
}

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
    for (const Measured& m : measured) {
        MeasuredChoice choice;
        choice.segment = m.segment;
        choice.degrees = m.degrees;
        if (!m.degrees) {
            choices.push_back(choice);
            continue;
        }
        choice.nearEdge = NearBandEdge(m.segment, *m.degrees);
        ScreenShell& screen = screens.get(m.screen);
        const PostureBand* band = BandHolding(m.segment, *m.degrees);
        if (!band || LeftToTheEye(m.segment, *m.degrees)) {
            choice.outcome = band ? Outcome::CheckByEye : Outcome::NoOption;
            screen.clearPosture();
        } else {
            auto* option = screen.findChild<QAbstractButton*>(QLatin1String(band->option));
            if (!option)
                qFatal("No %s for its band", band->option);
            // Not an input event: the screen acts on it whether or not it is on view.
            option->click();
            choice.outcome = Outcome::Chosen;
            choice.option = QLatin1String(band->option);
            choice.band = option->accessibleName();
            choice.base = band->base;
        }
        choices.push_back(choice);
    }
    return choices;
}

} // namespace rula

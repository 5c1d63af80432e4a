#include "screens/measured_posture.h"

#include "screens/screen_set.h"
#include "screens/screen_shell.h"

#include <QAbstractButton>

#include <optional>

namespace rula {

std::vector<MeasuredChoice> UsePostureAngles(ScreenSet& screens, const BodyAngles& angles) {
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
        if (!m.degrees)
            continue;
        MeasuredChoice choice{m.segment, *m.degrees, {},
                              {},        0,          NearBandEdge(m.segment, *m.degrees)};
        if (const PostureBand* band = BandHolding(m.segment, *m.degrees)) {
            auto* option =
                screens.get(m.screen).findChild<QAbstractButton*>(QLatin1String(band->option));
            if (!option)
                qFatal("No %s for its band", band->option);
            // Not an input event: the screen acts on it whether or not it is on view.
            option->click();
            choice.option = QLatin1String(band->option);
            choice.band = option->accessibleName();
            choice.base = band->base;
        }
        choices.push_back(choice);
    }
    return choices;
}

} // namespace rula

#include "screens/form7.h"

#include "screens/answer_words.h"
#include "screens/form8.h"
#include "screens/screen_set.h"

#include <QLabel>

namespace rula {
namespace {

constexpr QSize kClient{6255, 6135};

} // namespace

Form7::Form7(ScreenSet& screens)
    : ScreenShell(screens, kId, tr("Posture - Group B (Neck, Trunk, and Legs)"), kClient,
                  WindowStyle::FixedMinimizable) {
    addHeading("Label1", tr("Trunk Posture"), {120, 240, 1455, 375});
    PictureBox* Picture1 =
        addPicture("Picture1", {120, 720, 855, 1695}, DrawingOf(TrunkPosture::Upright));
    PictureBox* Picture2 =
        addPicture("Picture2", {1200, 720, 855, 1695}, DrawingOf(TrunkPosture::Flexed0To20));
    PictureBox* Picture3 =
        addPicture("Picture3", {2280, 720, 1575, 1695}, DrawingOf(TrunkPosture::Flexed20To60));
    PictureBox* Picture4 =
        addPicture("Picture4", {4080, 720, 2055, 1695}, DrawingOf(TrunkPosture::FlexedBeyond60));
    Option1 = addOption("Option1", {}, {120, 2520, 855, 375});
    Option2 = addOption("Option2", {}, {1200, 2520, 855, 375});
    Option4 = addOption("Option4", {}, {4080, 2520, 2055, 375});
    addHeading("Label2", tr("Trunk Adjustments"), {120, 3120, 1935, 375});
    Check1 = addCheck("Check1", BoxCaption(&Assessment::trunkTwisted), {480, 3600, 1815, 375});
    Check2 = addCheck("Check2", BoxCaption(&Assessment::trunkSideBent), {480, 4080, 2175, 375});
    Check3 =
        addCheck("Check3", BoxCaption(&Assessment::trunkSupportedSeated), {480, 4560, 3255, 375});
    Check4 = addCheck("Check4", BoxCaption(&Assessment::legsSupported), {480, 5040, 3735, 375});
    addCommonButtons(ScreenId::Form6, {4560, 3480}, {4560, 3960}, {4560, 4440}, {4560, 4920});
    // Option3 is the last stop of the tab order, after Exit.
    Option3 = addOption("Option3", {}, {2280, 2520, 1575, 375});
    addFooter({0, 5400});

    Label7 = addScoreLabel("Label7", {2640, 240, 255, 375});
    Label3 = addScoreLabel("Label3", {4080, 3600, 255, 375});
    Label4 = addScoreLabel("Label4", {4080, 4080, 255, 375});
    Label5 = addScoreLabel("Label5", {4080, 4560, 255, 375}, "2");
    Label8 = addScoreLabel("Label8", {4320, 5040, 255, 375}, "2");
    Label6 = addScoreLabel("Label6", {5760, 120, 255, 375});

    showAnswer(&Assessment::trunk,
               {{Option1, TrunkPosture::Upright},
                {Option2, TrunkPosture::Flexed0To20},
                {Option3, TrunkPosture::Flexed20To60},
                {Option4, TrunkPosture::FlexedBeyond60}},
               Label7, BaseOrZero<TrunkPosture>);
    showAnswer(Check1, &Assessment::trunkTwisted, Label3, "1", "0");
    showAnswer(Check2, &Assessment::trunkSideBent, Label4, "1", "0");
    showAnswer(Check3, &Assessment::trunkSupportedSeated, Label5, "1", "2");
    showAnswer(Check4, &Assessment::legsSupported, Label8, "1", "2");
    pairWithDrawing(Picture1, Option1);
    pairWithDrawing(Picture2, Option2);
    pairWithDrawing(Picture3, Option3);
    pairWithDrawing(Picture4, Option4);
}

void Form7::Command1_Click() {
    auto& next = screens().get<Form8>();
    handOn(next.Label6, TrunkScoreText(record()));
    handOn(next.Label8, LegsScoreText(record()));
    goTo(Form8::kId);
}

} // namespace rula

#include "screens/form6.h"

#include "screens/answer_words.h"
#include "screens/form7.h"
#include "screens/screen_set.h"

#include <QLabel>

namespace rula {
namespace {

constexpr QSize kClient{5055, 5175};

} // namespace

Form6::Form6(ScreenSet& screens)
    : ScreenShell(screens, kId, tr("Posture - Group B (Neck, Trunk, and Legs)"), kClient,
                  WindowStyle::FixedMinimizable) {
    addHeading("Label1", tr("Neck Posture"), {120, 240, 1575, 375});
    PictureBox* Picture1 =
        addPicture("Picture1", {120, 720, 855, 1695}, DrawingOf(NeckPosture::Flexed0To10));
    PictureBox* Picture2 =
        addPicture("Picture2", {1200, 720, 855, 1695}, DrawingOf(NeckPosture::Flexed10To20));
    PictureBox* Picture3 =
        addPicture("Picture3", {2280, 720, 1215, 1695}, DrawingOf(NeckPosture::FlexedBeyond20));
    PictureBox* Picture4 =
        addPicture("Picture4", {3720, 720, 1215, 1695}, DrawingOf(NeckPosture::Extension));
    Option1 = addOption("Option1", {}, {120, 2520, 855, 375});
    Option2 = addOption("Option2", {}, {1200, 2520, 855, 375});
    Option3 = addOption("Option3", {}, {2280, 2520, 1215, 375});
    Option4 = addOption("Option4", {}, {3720, 2520, 1215, 375});
    addHeading("Label2", tr("Neck Adjustments"), {120, 3120, 2055, 375});
    Check1 = addCheck("Check1", BoxCaption(&Assessment::neckTwisted), {480, 3600, 1815, 375});
    Check2 = addCheck("Check2", BoxCaption(&Assessment::neckSideBent), {480, 4080, 2175, 375});
    addCommonButtons(ScreenId::Form5, {3360, 3120}, {3360, 3600}, {3360, 4080}, {3360, 4560});
    addFooter({0, 4440});

    Label5 = addScoreLabel("Label5", {2280, 240, 255, 375});
    Label4 = addScoreLabel("Label4", {2880, 3600, 255, 375});
    Label3 = addScoreLabel("Label3", {2880, 4080, 255, 375});
    Label6 = addScoreLabel("Label6", {4440, 120, 255, 375});

    showAnswer(&Assessment::neck,
               {{Option1, NeckPosture::Flexed0To10},
                {Option2, NeckPosture::Flexed10To20},
                {Option3, NeckPosture::FlexedBeyond20},
                {Option4, NeckPosture::Extension}},
               Label5, BaseOrZero<NeckPosture>);
    showAnswer(Check1, &Assessment::neckTwisted, Label4, "1", "0");
    showAnswer(Check2, &Assessment::neckSideBent, Label3, "1", "0");
    pairWithDrawing(Picture1, Option1);
    pairWithDrawing(Picture2, Option2);
    pairWithDrawing(Picture3, Option3);
    pairWithDrawing(Picture4, Option4);
}

void Form6::Command1_Click() {
    handOn(screens().get<Form7>().Label6, NeckScoreText(record()));
    goTo(Form7::kId);
}

} // namespace rula

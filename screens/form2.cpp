#include "screens/form2.h"

#include "screens/answer_words.h"
#include "screens/form3.h"
#include "screens/screen_set.h"

#include <QLabel>

namespace rula {
namespace {

constexpr QSize kClient{6615, 5790};

} // namespace

Form2::Form2(ScreenSet& screens)
    : ScreenShell(screens, kId, tr("Posture - Group A (Arms and Wrists)"), kClient,
                  WindowStyle::FixedMinimizable) {
    addHeading("Label1", tr("Upper Arm Posture"), {120, 240, 2175, 375});
    PictureBox* Picture1 =
        addPicture("Picture1", {120, 720, 975, 1695}, DrawingOf(UpperArmPosture::Neutral));
    PictureBox* Picture2 =
        addPicture("Picture2", {1320, 720, 1215, 1695}, DrawingOf(UpperArmPosture::Extension));
    PictureBox* Picture3 =
        addPicture("Picture3", {2760, 720, 975, 1695}, DrawingOf(UpperArmPosture::Raised20To45));
    PictureBox* Picture4 =
        addPicture("Picture4", {3960, 720, 1335, 1695}, DrawingOf(UpperArmPosture::Raised45To90));
    PictureBox* Picture5 =
        addPicture("Picture5", {5520, 720, 975, 1695}, DrawingOf(UpperArmPosture::RaisedBeyond90));
    Option1 = addOption("Option1", {}, {120, 2520, 975, 375});
    Option2 = addOption("Option2", {}, {1320, 2520, 1215, 375});
    Option3 = addOption("Option3", {}, {2760, 2520, 975, 375});
    Option4 = addOption("Option4", {}, {4080, 2520, 1215, 375});
    Option5 = addOption("Option5", {}, {5520, 2520, 975, 375});
    addHeading("Label2", tr("Upper Arm Adjustments"), {120, 3120, 2535, 375});
    Check1 = addCheck("Check1", BoxCaption(&Assessment::shoulderRaised), {480, 3600, 1815, 375});
    Check2 = addCheck("Check2", BoxCaption(&Assessment::upperArmAbducted), {480, 4080, 2175, 375});
    Check3 = addCheck("Check3", BoxCaption(&Assessment::armSupported), {480, 4560, 3855, 375});
    addCommonButtons(ScreenId::Form1, {4800, 3240}, {4800, 3720}, {4800, 4200}, {4800, 4680});
    addFooter({0, 5040});

    Label6 = addScoreLabel("Label6", {2520, 240, 255, 375});
    Label3 = addScoreLabel("Label3", {120, 3840, 255, 375});
    Label4 = addScoreLabel("Label4", {120, 4320, 255, 375});
    Label5 = addScoreLabel("Label5", {120, 4800, 255, 375});

    showAnswer(&Assessment::upperArm,
               {{Option1, UpperArmPosture::Neutral},
                {Option2, UpperArmPosture::Extension},
                {Option3, UpperArmPosture::Raised20To45},
                {Option4, UpperArmPosture::Raised45To90},
                {Option5, UpperArmPosture::RaisedBeyond90}},
               Label6, BaseOrZero<UpperArmPosture>);
    showAnswer(Check1, &Assessment::shoulderRaised, Label3, "1", "0");
    showAnswer(Check2, &Assessment::upperArmAbducted, Label4, "1", "0");
    showAnswer(Check3, &Assessment::armSupported, Label5, "-1", "0");
    pairWithDrawing(Picture1, Option1);
    pairWithDrawing(Picture2, Option2);
    pairWithDrawing(Picture3, Option3);
    pairWithDrawing(Picture4, Option4);
    pairWithDrawing(Picture5, Option5);
}

void Form2::Command1_Click() {
    handOn(screens().get<Form3>().Label6, UpperArmScoreText(record()));
    goTo(Form3::kId);
}

} // namespace rula

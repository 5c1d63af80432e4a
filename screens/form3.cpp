#include "screens/form3.h"

#include "screens/answer_words.h"
#include "screens/form4.h"
#include "screens/screen_set.h"

#include <QLabel>

namespace rula {
namespace {

constexpr QSize kClient{6735, 4350};

} // namespace

Form3::Form3(ScreenSet& screens)
    : ScreenShell(screens, kId, tr("Posture - Group A (Arms and Wrists)"), kClient,
                  WindowStyle::FixedMinimizable) {
    addHeading("Label1", tr("Lower Arm Posture"), {120, 240, 2175, 375});
    addHeading("Label2", tr("Lower Arm Adjustments"), {3720, 240, 2535, 375});
    PictureBox* Picture1 =
        addPicture("Picture1", {120, 720, 1215, 1695}, DrawingOf(LowerArmPosture::Flexed60To100));
    PictureBox* Picture2 = addPicture("Picture2", {1560, 720, 975, 1695},
                                      DrawingOf(LowerArmPosture::Below60OrBeyond100));
    PictureBox* Picture3 = addPicture("Picture3", {3720, 720, 2175, 1575}, kArmsAcrossDrawing);
    Option1 = addOption("Option1", {}, {120, 2520, 1215, 375});
    Option2 = addOption("Option2", {}, {1560, 2520, 975, 375});
    Check1 =
        addCheck("Check1", BoxCaption(&Assessment::lowerArmAcrossOrOut), {3720, 2400, 2895, 495});
    addCommonButtons(ScreenId::Form2, {120, 3120}, {1800, 3120}, {3480, 3120}, {5160, 3120});
    addFooter({0, 3600});

    Label3 = addScoreLabel("Label3", {2760, 2520, 255, 375});
    Label4 = addScoreLabel("Label4", {3240, 2520, 255, 375});
    Label6 = addScoreLabel("Label6", {6360, 120, 255, 375});

    showAnswer(
        &Assessment::lowerArm,
        {{Option1, LowerArmPosture::Flexed60To100}, {Option2, LowerArmPosture::Below60OrBeyond100}},
        Label3, BaseOrZero<LowerArmPosture>);
    showAnswer(Check1, &Assessment::lowerArmAcrossOrOut, Label4, "1", "0");
    pairWithDrawing(Picture1, Option1);
    pairWithDrawing(Picture2, Option2);
    pairWithDrawing(Picture3, Check1);
}

void Form3::Command1_Click() {
    handOn(screens().get<Form4>().Label6, LowerArmScoreText(record()));
    goTo(Form4::kId);
}

} // namespace rula

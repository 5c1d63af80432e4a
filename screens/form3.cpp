#include "screens/form3.h"

#include "screens/form4.h"
#include "screens/screen_set.h"

#include <QLabel>

namespace rula {
namespace {

constexpr QSize kClient{6735, 4350};

constexpr Drawing kFlexed{":/images/lower-arm-60-100.svg",
                          {76, 105},
                          "Lower arm 60° to 100° of elbow flexion",
                          "Standing figure with the elbow bent between 60° and 100°. Base "
                          "score 1."};
constexpr Drawing kOutside{":/images/lower-arm-outside.svg",
                           {62, 105},
                           "Lower arm below 60° or beyond 100°",
                           "Lower arm raised beyond 100° or lowered to between 0° and 60° of "
                           "elbow flexion. Base score 2."};
constexpr Drawing kAcross{":/images/lower-arm-across.svg",
                          {140, 104},
                          "Arms across the mid-line or out to the side",
                          "Person seen from above: the arms reach across the mid-line of the "
                          "body or swing out to the side. Adds 1."};

} // namespace

Form3::Form3(ScreenSet& screens)
    : ScreenShell(screens, kId, tr("Posture - Group A (Arms and Wrists)"), kClient,
                  WindowStyle::FixedMinimizable) {
    addHeading("Label1", tr("Lower Arm Posture"), {120, 240, 2175, 375});
    addHeading("Label2", tr("Lower Arm Adjustments"), {3720, 240, 2535, 375});
    PictureBox* Picture1 = addPicture("Picture1", {120, 720, 1215, 1695}, kFlexed);
    PictureBox* Picture2 = addPicture("Picture2", {1560, 720, 975, 1695}, kOutside);
    PictureBox* Picture3 = addPicture("Picture3", {3720, 720, 2175, 1575}, kAcross);
    Option1 = addOption("Option1", {}, {120, 2520, 1215, 375});
    Option2 = addOption("Option2", {}, {1560, 2520, 975, 375});
    Check1 = addCheck("Check1", tr("Working across the mid-line or out to the side of body"),
                      {3720, 2400, 2895, 495});
    addCommonButtons(ScreenId::Form2, {120, 3120}, {1800, 3120}, {3480, 3120}, {5160, 3120});
    addFooter({0, 3600});

    Label3 = addScoreLabel("Label3", {2760, 2520, 255, 375});
    Label4 = addScoreLabel("Label4", {3240, 2520, 255, 375});
    Label6 = addScoreLabel("Label6", {6360, 120, 255, 375});

    showAnswer(&Assessment::lowerArm,
               {{Option1, LowerArmPosture::Flexed60To100},
                {Option2, LowerArmPosture::Below60OrBeyond100}},
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

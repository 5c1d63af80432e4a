#include "screens/form4.h"

#include "screens/form5.h"
#include "screens/screen_set.h"

#include <QLabel>

namespace rula {
namespace {

constexpr QSize kClient{5835, 4950};

constexpr Drawing kNeutral{":/images/wrist-neutral.svg",
                           {114, 36},
                           "Wrist neutral, 0°",
                           "Hand and forearm in a straight line: the wrist is not bent. Base "
                           "score 1."};
constexpr Drawing kBent15{":/images/wrist-15.svg",
                          {112, 56},
                          "Wrist bent up to 15°",
                          "Wrist bent up or down by up to 15°. Base score 2."};
constexpr Drawing kBentMore{":/images/wrist-15-plus.svg",
                            {91, 68},
                            "Wrist bent more than 15°",
                            "Wrist bent up or down by more than 15°. Base score 3."};
constexpr Drawing kMidline{":/images/wrist-bent-midline.svg",
                           {92, 104},
                           "Wrist bent away from the mid-line",
                           "Hand seen from above, bent to either side of the mid-line. Adds 1."};

} // namespace

Form4::Form4(ScreenSet& screens)
    : ScreenShell(screens, kId, tr("Posture - Group A (Arms and Wrists)"), kClient,
                  WindowStyle::FixedMinimizable) {
    addHeading("Label1", tr("Wrist Posture"), {120, 240, 1575, 375});
    PictureBox* Picture1 = addPicture("Picture1", {120, 960, 1815, 615}, kNeutral);
    PictureBox* Picture2 = addPicture("Picture2", {2160, 720, 1815, 855}, kBent15);
    PictureBox* Picture3 = addPicture("Picture3", {4200, 480, 1455, 1095}, kBentMore);
    Option1 = addOption("Option1", {}, {120, 1680, 1815, 375});
    Option2 = addOption("Option2", {}, {2160, 1680, 1815, 375});
    Option5 = addOption("Option5", {}, {4200, 1680, 1455, 375});
    addHeading("Label2", tr("Wrist Adjustments"), {120, 2280, 2055, 375});
    Check1 = addCheck("Check1", tr("Wrist is bent away from the mid-line"), {480, 2760, 3255, 375});
    PictureBox* Picture4 = addPicture("Picture4", {120, 3240, 1455, 1575}, kMidline);
    addCommonButtons(ScreenId::Form3, {3960, 2280}, {3960, 2760}, {3960, 3240}, {3960, 3720});
    addFooter({3120, 4200});

    Label4 = addScoreLabel("Label4", {3720, 240, 255, 375});
    Label3 = addScoreLabel("Label3", {1800, 3360, 255, 375});
    Label6 = addScoreLabel("Label6", {5040, 120, 255, 375});

    showAnswer(&Assessment::wrist,
               {{Option1, WristPosture::Neutral},
                {Option2, WristPosture::UpTo15},
                {Option5, WristPosture::Beyond15}},
               Label4, BaseOrZero<WristPosture>);
    showAnswer(Check1, &Assessment::wristBentFromMidline, Label3, "1", "0");
    pairWithDrawing(Picture1, Option1);
    pairWithDrawing(Picture2, Option2);
    pairWithDrawing(Picture3, Option5);
    pairWithDrawing(Picture4, Check1);
}

void Form4::Command1_Click() {
    handOn(screens().get<Form5>().Label6, WristScoreText(record()));
    goTo(Form5::kId);
}

} // namespace rula

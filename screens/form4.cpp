#include "screens/form4.h"

#include "screens/answer_words.h"
#include "screens/form5.h"
#include "screens/screen_set.h"

#include <QLabel>

namespace rula {
namespace {

constexpr QSize kClient{5835, 4950};

} // namespace

Form4::Form4(ScreenSet& screens)
    : ScreenShell(screens, kId, tr("Posture - Group A (Arms and Wrists)"), kClient,
                  WindowStyle::FixedMinimizable) {
    addHeading("Label1", tr("Wrist Posture"), {120, 240, 1575, 375});
    PictureBox* Picture1 =
        addPicture("Picture1", {120, 960, 1815, 615}, DrawingOf(WristPosture::Neutral));
    PictureBox* Picture2 =
        addPicture("Picture2", {2160, 720, 1815, 855}, DrawingOf(WristPosture::UpTo15));
    PictureBox* Picture3 =
        addPicture("Picture3", {4200, 480, 1455, 1095}, DrawingOf(WristPosture::Beyond15));
    Option1 = addOption("Option1", {}, {120, 1680, 1815, 375});
    Option2 = addOption("Option2", {}, {2160, 1680, 1815, 375});
    Option5 = addOption("Option5", {}, {4200, 1680, 1455, 375});
    addHeading("Label2", tr("Wrist Adjustments"), {120, 2280, 2055, 375});
    Check1 =
        addCheck("Check1", BoxCaption(&Assessment::wristBentFromMidline), {480, 2760, 3255, 375});
    PictureBox* Picture4 = addPicture("Picture4", {120, 3240, 1455, 1575}, kWristMidlineDrawing);
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

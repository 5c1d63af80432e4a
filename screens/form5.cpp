#include "screens/form5.h"

#include "screens/answer_words.h"
#include "screens/form6.h"
#include "screens/screen_set.h"

#include <QLabel>

namespace rula {

Form5::Form5(ScreenSet& screens)
    : ScreenShell(screens, kId, tr("Posture - Group A (Arms and Wrists)"), {4470, 3015},
                  WindowStyle::FixedMinimizable) {
    addHeading("Label2", tr("Wrist Twist Posture"), {120, 240, 2175, 375});
    Option1 = addOption("Option1", OptionCaption(WristTwist::MidRange), {480, 720, 1815, 495});
    Option2 = addOption("Option2", OptionCaption(WristTwist::EndOfRange), {480, 1320, 1815, 495});
    addCommonButtons(ScreenId::Form4, {2880, 240}, {2880, 720}, {2880, 1200}, {2880, 1680});
    addFooter({0, 2280});

    Label4 = addScoreLabel("Label4", {2040, 1920, 255, 375});
    Label6 = addScoreLabel("Label6", {120, 1920, 255, 375});

    showAnswer(&Assessment::wristTwist,
               {{Option1, WristTwist::MidRange}, {Option2, WristTwist::EndOfRange}}, Label4,
               TwistScore);
}

void Form5::Command1_Click() {
    // Copied as text: "0" while neither option is chosen.
    screens().get<Form6>().Label6->setText(Label4->text());
    goTo(Form6::kId);
}

} // namespace rula

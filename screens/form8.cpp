#include "screens/form8.h"

#include "screens/answer_words.h"
#include "screens/form9.h"
#include "screens/screen_set.h"

#include <QGroupBox>
#include <QLabel>

namespace rula {
namespace {

constexpr QSize kClient{6375, 7695};

} // namespace

Form8::Form8(ScreenSet& screens)
    : ScreenShell(screens, kId, tr("Frequency and Force"), kClient, WindowStyle::FixedMinimizable) {
    // Created in tab order: the options of the four frames, then the buttons.
    QGroupBox* Frame1 = addFrame("Frame1", tr("Muscle Use"), {120, 720, 2895, 2055});
    Option3 =
        addOption("Option3", OptionCaption(MuscleUse::Moderate), {120, 240, 2655, 495}, Frame1);
    Option1 =
        addOption("Option1", OptionCaption(MuscleUse::MainlyStatic), {120, 840, 2535, 495}, Frame1);
    Option2 =
        addOption("Option2", OptionCaption(MuscleUse::Repeated), {120, 1440, 2655, 495}, Frame1);
    QGroupBox* Frame2 = addFrame("Frame2", tr("Force"), {3480, 720, 2775, 2655});
    Option4 = addOption("Option4", OptionCaption(ForceLoad::LightIntermittent),
                        {120, 240, 2175, 495}, Frame2);
    Option5 = addOption("Option5", OptionCaption(ForceLoad::MediumIntermittent),
                        {120, 840, 2535, 495}, Frame2);
    Option6 = addOption("Option6", OptionCaption(ForceLoad::MediumStaticOrRepeated),
                        {120, 1440, 2535, 495}, Frame2);
    Option7 = addOption("Option7", OptionCaption(ForceLoad::Heavy), {120, 2040, 2295, 495}, Frame2);
    QGroupBox* Frame3 = addFrame("Frame3", tr("Muscle Use"), {120, 3720, 2895, 2055});
    Option10 =
        addOption("Option10", OptionCaption(MuscleUse::Moderate), {120, 240, 2655, 495}, Frame3);
    Option9 =
        addOption("Option9", OptionCaption(MuscleUse::MainlyStatic), {120, 840, 2535, 495}, Frame3);
    Option8 =
        addOption("Option8", OptionCaption(MuscleUse::Repeated), {120, 1440, 2655, 495}, Frame3);
    QGroupBox* Frame4 = addFrame("Frame4", tr("Force"), {3480, 3720, 2775, 2655});
    Option11 = addOption("Option11", OptionCaption(ForceLoad::LightIntermittent),
                         {120, 240, 2175, 495}, Frame4);
    Option12 = addOption("Option12", OptionCaption(ForceLoad::MediumIntermittent),
                         {120, 840, 2535, 495}, Frame4);
    Option13 = addOption("Option13", OptionCaption(ForceLoad::MediumStaticOrRepeated),
                         {120, 1440, 2535, 495}, Frame4);
    Option14 =
        addOption("Option14", OptionCaption(ForceLoad::Heavy), {120, 2040, 2295, 495}, Frame4);
    addCommonButtons(ScreenId::Form7, {120, 6480}, {1680, 6480}, {3240, 6480}, {4800, 6480});
    addHeading("Label2", tr("Group A (Arm, Wrist)"), {120, 240, 2175, 375});
    addHeading("Label1", tr("Group B (Neck, Trunk, Legs)"), {120, 3240, 3015, 375});
    addFooter({0, 6960});

    Label3 = addScoreLabel("Label3", {3000, 360, 255, 375});
    Label4 = addScoreLabel("Label4", {4200, 360, 255, 375});
    Label5 = addScoreLabel("Label5", {3000, 3720, 255, 375});
    Label7 = addScoreLabel("Label7", {4200, 3360, 255, 375});
    Label6 = addScoreLabel("Label6", {5880, 120, 255, 375});
    Label8 = addScoreLabel("Label8", {5400, 120, 255, 375});
    Label6->setFrameStyle(QFrame::Box);
    Label8->setFrameStyle(QFrame::Box);

    showAnswer(&Assessment::muscleUseA,
               {{Option3, MuscleUse::Moderate},
                {Option1, MuscleUse::MainlyStatic},
                {Option2, MuscleUse::Repeated}},
               Label3, MuscleUseScore);
    showAnswer(&Assessment::forceLoadA,
               {{Option4, ForceLoad::LightIntermittent},
                {Option5, ForceLoad::MediumIntermittent},
                {Option6, ForceLoad::MediumStaticOrRepeated},
                {Option7, ForceLoad::Heavy}},
               Label4, ForceLoadScore);
    showAnswer(&Assessment::muscleUseB,
               {{Option10, MuscleUse::Moderate},
                {Option9, MuscleUse::MainlyStatic},
                {Option8, MuscleUse::Repeated}},
               Label5, MuscleUseScore);
    showAnswer(&Assessment::forceLoadB,
               {{Option11, ForceLoad::LightIntermittent},
                {Option12, ForceLoad::MediumIntermittent},
                {Option13, ForceLoad::MediumStaticOrRepeated},
                {Option14, ForceLoad::Heavy}},
               Label7, ForceLoadScore);
}

void Form8::Command1_Click() {
    screens().get<Form9>().showScoresOf(record());
    goTo(Form9::kId);
}

} // namespace rula

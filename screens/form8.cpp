#include "screens/form8.h"

#include "scoring/rula_tables.h"
#include "screens/form3.h"
#include "screens/form4.h"
#include "screens/form5.h"
#include "screens/form6.h"
#include "screens/form7.h"
#include "screens/form9.h"
#include "screens/screen_set.h"

#include <QGroupBox>
#include <QLabel>

namespace rula {
namespace {

constexpr QSize kClient{6375, 7695};

// Option captions, shared by the two groups.
const char* const kModerate =
    QT_TRANSLATE_NOOP("rula::Form8", "Moderate posture, not static, not lightly repetitive");
const char* const kStatic =
    QT_TRANSLATE_NOOP("rula::Form8", "Activity is mainly static (held longer than 1 minute)");
const char* const kRepeated =
    QT_TRANSLATE_NOOP("rula::Form8", "Activity is repeated more than 4 times/minute");
const char* const kLight = QT_TRANSLATE_NOOP("rula::Form8", "Load < 5 lbs. ( 2 kg ); intermittent");
const char* const kMediumIntermittent =
    QT_TRANSLATE_NOOP("rula::Form8", "Load is 5-25 lbs. ( 2-10 kg ); intermittent");
const char* const kMediumStatic =
    QT_TRANSLATE_NOOP("rula::Form8", "Load is 5-25 lbs. ( 2-10 kg ); static or repeated");
const char* const kHeavy =
    QT_TRANSLATE_NOOP("rula::Form8", "Load > 25 lbs. ( 10 kg ); repeated or shocks");

std::string Text(const QLabel* label) {
    return label->text().toStdString();
}

} // namespace

Form8::Form8(ScreenSet& screens)
    : ScreenShell(screens, kId, tr("Frequency and Force"), kClient, WindowStyle::FixedMinimizable) {
    // Created in tab order: the options of the four frames, then the buttons.
    QGroupBox* Frame1 = addFrame("Frame1", tr("Muscle Use"), {120, 720, 2895, 2055});
    Option3 = addOption("Option3", tr(kModerate), {120, 240, 2655, 495}, Frame1);
    Option1 = addOption("Option1", tr(kStatic), {120, 840, 2535, 495}, Frame1);
    Option2 = addOption("Option2", tr(kRepeated), {120, 1440, 2655, 495}, Frame1);
    QGroupBox* Frame2 = addFrame("Frame2", tr("Force"), {3480, 720, 2775, 2655});
    Option4 = addOption("Option4", tr(kLight), {120, 240, 2175, 495}, Frame2);
    Option5 = addOption("Option5", tr(kMediumIntermittent), {120, 840, 2535, 495}, Frame2);
    Option6 = addOption("Option6", tr(kMediumStatic), {120, 1440, 2535, 495}, Frame2);
    Option7 = addOption("Option7", tr(kHeavy), {120, 2040, 2295, 495}, Frame2);
    QGroupBox* Frame3 = addFrame("Frame3", tr("Muscle Use"), {120, 3720, 2895, 2055});
    Option10 = addOption("Option10", tr(kModerate), {120, 240, 2655, 495}, Frame3);
    Option9 = addOption("Option9", tr(kStatic), {120, 840, 2535, 495}, Frame3);
    Option8 = addOption("Option8", tr(kRepeated), {120, 1440, 2655, 495}, Frame3);
    QGroupBox* Frame4 = addFrame("Frame4", tr("Force"), {3480, 3720, 2775, 2655});
    Option11 = addOption("Option11", tr(kLight), {120, 240, 2175, 495}, Frame4);
    Option12 = addOption("Option12", tr(kMediumIntermittent), {120, 840, 2535, 495}, Frame4);
    Option13 = addOption("Option13", tr(kMediumStatic), {120, 1440, 2535, 495}, Frame4);
    Option14 = addOption("Option14", tr(kHeavy), {120, 2040, 2295, 495}, Frame4);
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

    writeWhenSelected(Option1, Label3, "1");
    writeWhenSelected(Option2, Label3, "1");
    writeWhenSelected(Option3, Label3, "0");
    writeWhenSelected(Option4, Label4, "0");
    writeWhenSelected(Option5, Label4, "1");
    writeWhenSelected(Option6, Label4, "2");
    writeWhenSelected(Option7, Label4, "3");
    writeWhenSelected(Option8, Label5, "1");
    writeWhenSelected(Option9, Label5, "1");
    writeWhenSelected(Option10, Label5, "0");
    writeWhenSelected(Option11, Label7, "0");
    writeWhenSelected(Option12, Label7, "1");
    writeWhenSelected(Option13, Label7, "2");
    writeWhenSelected(Option14, Label7, "3");
}

AssessmentScores Form8::collectScores() {
    AssessmentScores scores;
    scores.UpperArmScore = Text(screens().get<Form3>().Label6);
    scores.LowerArmScore = Text(screens().get<Form4>().Label6);
    scores.WristScore = Text(screens().get<Form5>().Label6);
    scores.WristTwistScore = Text(screens().get<Form6>().Label6);
    scores.NeckScore = Text(screens().get<Form7>().Label6);
    scores.TrunkScore = Text(Label6);
    scores.LegsScore = Text(Label8);
    scores.MuscleUseScoreA = Text(Label3);
    scores.ForceLoadScoreA = Text(Label4);
    scores.MuscleUseScoreB = Text(Label5);
    scores.ForceLoadScoreB = Text(Label7);
    return scores;
}

void Form8::Command1_Click() {
    AssessmentScores scores = collectScores();
    ScoreAssessment(scores);
    screens().get<Form9>().showScores(scores);
    goTo(Form9::kId);
}

} // namespace rula

#include "screens/form9.h"

#include "screens/live_assessment.h"
#include "screens/screen_set.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace rula {
namespace {

// The final score screen as designed, 5535 x 7710, with a band under the buttons for the
// lines about the answers and the commands for further assessments; the footer moved down
// to stay at the bottom edge.
constexpr QSize kClient{5535, 9255};
constexpr Twips kNotAnsweredAt{120, 6960, 5295, 480};
constexpr Twips kOutOfDateAt{120, 7440, 5295, 480};
constexpr Twips kNewAssessmentAt{240, 8040, 2535, 375};
constexpr Twips kUpdateRowAt{2880, 8040, 2535, 375};
constexpr Twips kOtherSideAt{2880, 8640, 2535, 375};
constexpr TwipsAt kFooterAt{0, 8520};

// One part score: its caption and the value box beside it, in field order.
struct ValueRow {
    const char* captionName;
    const char* caption;
    TwipsAt captionAt;
    const char* boxName;
    TwipsAt boxAt;
};

constexpr std::array<ValueRow, AssessmentScores::kFieldCount - 1> kPartScores = {{
    {"Label1",
     QT_TRANSLATE_NOOP("rula::Form9", "Final Upper Arm Score ="),
     {120, 600},
     "Label2",
     {2280, 600}},
    {"Label3",
     QT_TRANSLATE_NOOP("rula::Form9", "Final Lower Arm Score ="),
     {120, 1080},
     "Label4",
     {2280, 1080}},
    {"Label5",
     QT_TRANSLATE_NOOP("rula::Form9", "Final Wrist Score ="),
     {120, 1560},
     "Label6",
     {2280, 1560}},
    {"Label7",
     QT_TRANSLATE_NOOP("rula::Form9", "Wrist Twist Score ="),
     {120, 2040},
     "Label8",
     {2280, 2040}},
    {"Label9",
     QT_TRANSLATE_NOOP("rula::Form9", "Posture A Score ="),
     {2760, 600},
     "Label10",
     {5160, 600}},
    {"Label11",
     QT_TRANSLATE_NOOP("rula::Form9", "Muscle Use Score ="),
     {2760, 1080},
     "Label12",
     {5160, 1080}},
    {"Label13",
     QT_TRANSLATE_NOOP("rula::Form9", "Force/load Score ="),
     {2760, 1560},
     "Label14",
     {5160, 1560}},
    {"Label15",
     QT_TRANSLATE_NOOP("rula::Form9", "Final Wrist and Arm Score ="),
     {2760, 2040},
     "Label16",
     {5160, 2040}},
    {"Label18",
     QT_TRANSLATE_NOOP("rula::Form9", "Final Neck Score ="),
     {120, 3000},
     "Label19",
     {1800, 3000}},
    {"Label20",
     QT_TRANSLATE_NOOP("rula::Form9", "Final Trunk Score ="),
     {120, 3480},
     "Label21",
     {1800, 3480}},
    {"Label22",
     QT_TRANSLATE_NOOP("rula::Form9", "Final Legs Score ="),
     {120, 3960},
     "Label23",
     {1800, 3960}},
    {"Label24",
     QT_TRANSLATE_NOOP("rula::Form9", "Posture B Score ="),
     {2280, 3000},
     "Label25",
     {5160, 3000}},
    {"Label26",
     QT_TRANSLATE_NOOP("rula::Form9", "Muscle Use Score ="),
     {2280, 3480},
     "Label27",
     {5160, 3480}},
    {"Label28",
     QT_TRANSLATE_NOOP("rula::Form9", "Force/load Score ="),
     {2280, 3960},
     "Label29",
     {5160, 3960}},
    {"Label30",
     QT_TRANSLATE_NOOP("rula::Form9", "Final Neck, Trunk and Leg Score ="),
     {2280, 4440},
     "Label31",
     {5160, 4440}},
}};

constexpr int kRowHeight = 375;
constexpr QSize kPartBoxTwips{255, 375};
constexpr int kCaptionGap = 60; // between a caption's right edge and its box

struct LegendLine {
    const char* text;
    int top;
};
constexpr std::array<LegendLine, 4> kLegend = {{
    {QT_TRANSLATE_NOOP("rula::Form9", "1 or 2 = Minimum Risk"), 4920},
    {QT_TRANSLATE_NOOP("rula::Form9", "3 or 4 = Low Risk"), 5160},
    {QT_TRANSLATE_NOOP("rula::Form9", "5 or 6 = Moderate Risk"), 5400},
    {QT_TRANSLATE_NOOP("rula::Form9", "7 = High Risk"), 5640},
}};
constexpr int kLegendLeft = 2640;
constexpr int kLegendWidth = 2775;
constexpr int kLegendHeight = 255;

constexpr QSize kButtonTwips{1455, 375};

} // namespace

Form9::Form9(ScreenSet& screens)
    : ScreenShell(screens, kId, tr("Rula - Final"), kClient, WindowStyle::SizableMaximizable) {
    const QFont buttons = TimesFont(12);
    const auto button = [&](const char* name, const QString& caption, TwipsAt at) {
        return addButton(name, caption,
                         {at.left, at.top, kButtonTwips.width(), kButtonTwips.height()}, buttons);
    };
    // Created in tab order.
    Command1 = button("Command1", tr("&Add to chart"), {240, 6120});
    Command5 = button("Command5", tr("&Goto Chart"), {2040, 6120});
    Command2 = button("Command2", tr("&Back"), {3840, 6120});
    Command3 = button("Command3", tr("&Print"), {840, 6600});
    Command4 = button("Command4", tr("E&xit"), {3240, 6600});
    Command5->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Form9::addToChartClicked);
    connect(Command5, &QPushButton::clicked, this, [this] { goTo(ScreenId::Form10); });
    connect(Command2, &QPushButton::clicked, this, [this] { goTo(ScreenId::Form8); });
    connect(Command3, &QPushButton::clicked, this, [this] { printScreen(); });
    connect(Command4, &QPushButton::clicked, this, &QWidget::close);
    printButton = Command3;

    addHeading("Label17", tr("Complete: A. Arm and Wrist Analysis"), {120, 120, 5295, 375});
    addHeading("Label34", tr(" Complete: B. Neck, Trunk and Leg Analysis"), {120, 2520, 5295, 375});

    const QFont text = TimesFont(9.75);
    for (std::size_t i = 0; i < kPartScores.size(); ++i) {
        const ValueRow& row = kPartScores[i];
        const int captionWidth = row.boxAt.left - row.captionAt.left - kCaptionGap;
        QLabel* caption =
            addLabel(row.captionName, tr(row.caption),
                     {row.captionAt.left, row.captionAt.top, captionWidth, kRowHeight}, text);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        caption->setWordWrap(false);
        QLabel* box = addLabel(
            row.boxName, QStringLiteral("0"),
            {row.boxAt.left, row.boxAt.top, kPartBoxTwips.width(), kPartBoxTwips.height()}, text);
        box->setFrameStyle(QFrame::Box | QFrame::Plain);
        box->setAlignment(Qt::AlignCenter);
        box->setWordWrap(false);
        box->setAccessibleDescription(tr(row.caption));
        valueBoxes_[i] = box;
    }

    QLabel* finalCaption =
        addLabel("Label32", tr("Final Score"), {840, 4920, 1455, 375}, TimesFont(14.25));
    finalCaption->setAlignment(Qt::AlignCenter);
    QLabel* finalBox = addLabel("Label33", QString(), {1320, 5280, 495, 495}, TimesFont(15.75));
    finalBox->setFrameStyle(QFrame::Box | QFrame::Plain);
    finalBox->setAlignment(Qt::AlignCenter);
    finalBox->setAccessibleDescription(tr("Final Score"));
    valueBoxes_.back() = finalBox;

    for (std::size_t i = 0; i < kLegend.size(); ++i) {
        const QString name = QStringLiteral("Legend%1").arg(i + 1);
        addLabel(name.toLatin1().constData(), tr(kLegend[i].text),
                 {kLegendLeft, kLegend[i].top, kLegendWidth, kLegendHeight}, TimesFont(11.25))
            ->setWordWrap(false);
    }

    NewAssessment = addButton("NewAssessment", tr("&New Assessment"), kNewAssessmentAt, buttons);
    UpdateRow = addButton("UpdateRow", tr("&Update Row %L1").arg(1), kUpdateRowAt, buttons);
    OtherSide = addButton("OtherSide", tr("Assess the &Other Side"), kOtherSideAt, buttons);
    connect(NewAssessment, &QPushButton::clicked, this, [this] { startAssessment({}, *this); });
    connect(UpdateRow, &QPushButton::clicked, this, [this] {
        if (chartRow_)
            emit updateRowClicked(*chartRow_);
    });
    connect(OtherSide, &QPushButton::clicked, this, [this] {
        if (chartRow_)
            emit otherSideClicked(*chartRow_);
    });
    NotAnswered = addLabel("NotAnswered", {}, kNotAnsweredAt, text);
    OutOfDate = addLabel("OutOfDate", {}, kOutOfDateAt, text);
    for (QLabel* line : {NotAnswered, OutOfDate}) {
        line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        line->setWordWrap(true);
    }
    addFooter(kFooterAt);
    connect(&screens.assessment(), &LiveAssessment::changed, this, &Form9::updateCommands);
    updateCommands();
}

namespace {

// The answers still unanswered, in screen order, by the names the screens give them.
QStringList Unanswered(const Assessment& a) {
    QStringList missing;
    const auto add = [&](bool unanswered, const char* what) {
        if (unanswered)
            missing << Form9::tr(what);
    };
    add(a.upperArm == UpperArmPosture::None, QT_TRANSLATE_NOOP("rula::Form9", "upper arm"));
    add(a.lowerArm == LowerArmPosture::None, QT_TRANSLATE_NOOP("rula::Form9", "lower arm"));
    add(a.wrist == WristPosture::None, QT_TRANSLATE_NOOP("rula::Form9", "wrist"));
    add(a.wristTwist == WristTwist::None, QT_TRANSLATE_NOOP("rula::Form9", "wrist twist"));
    add(a.neck == NeckPosture::None, QT_TRANSLATE_NOOP("rula::Form9", "neck"));
    add(a.trunk == TrunkPosture::None && !a.trunkSupportedSeated,
        QT_TRANSLATE_NOOP("rula::Form9", "trunk"));
    add(a.muscleUseA == MuscleUse::None, QT_TRANSLATE_NOOP("rula::Form9", "muscle use of group A"));
    add(a.forceLoadA == ForceLoad::None,
        QT_TRANSLATE_NOOP("rula::Form9", "force or load of group A"));
    add(a.muscleUseB == MuscleUse::None, QT_TRANSLATE_NOOP("rula::Form9", "muscle use of group B"));
    add(a.forceLoadB == ForceLoad::None,
        QT_TRANSLATE_NOOP("rula::Form9", "force or load of group B"));
    return missing;
}

} // namespace

void Form9::showScoresOf(const Assessment& answers) {
    scored_ = answers;
    showScores(ScoresOf(answers));
    updateCommands();
}

bool Form9::scoresCurrent() const {
    return scored_ && *scored_ == record();
}

void Form9::setChartRow(int row, const Assessment& inRow, bool reviewing) {
    chartRow_ = row;
    inRow_ = inRow;
    reviewing_ = reviewing;
    UpdateRow->setText(tr("&Update Row %L1").arg(row));
    updateCommands();
}

void Form9::forgetChartRow() {
    chartRow_.reset();
    reviewing_ = false;
    updateCommands();
}

void Form9::setChartFull(bool full) {
    chartFull_ = full;
    updateCommands();
}

void Form9::startAssessment(const Assessment& answers, ScreenShell& from) {
    forgetChartRow();
    screens().assessment().set(answers);
    screens().assessment().setPhoto(std::nullopt);
    emit assessmentStarted();
    from.goTo(ScreenId::Form2);
}

void Form9::updateCommands() {
    const bool current = scoresCurrent();
    Command1->setEnabled(!chartFull_ && current);
    UpdateRow->setVisible(reviewing_);
    UpdateRow->setEnabled(reviewing_ && current);
    OtherSide->setEnabled(chartRow_ && current && *scored_ == inRow_);
    const QStringList missing = scored_ ? Unanswered(*scored_) : QStringList();
    NotAnswered->setText(missing.isEmpty()
                             ? QString()
                             : tr("Not answered: %1").arg(QLocale().createSeparatedList(missing)));
    OutOfDate->setText(scored_ && !current ? tr("The answers changed after these scores: press "
                                                "Continue on the frequency and force screen again")
                                           : QString());
}

void Form9::showScores(const AssessmentScores& scores) {
    for (std::size_t i = 0; i < valueBoxes_.size(); ++i)
        valueBoxes_[i]->setText(QString::fromStdString(scores.field(i)));
}

AssessmentScores Form9::shownScores() const {
    AssessmentScores scores;
    for (std::size_t i = 0; i < valueBoxes_.size(); ++i)
        scores.field(i) = valueBoxes_[i]->text().toStdString();
    return scores;
}

} // namespace rula

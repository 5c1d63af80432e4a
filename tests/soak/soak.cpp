// The random-input soak: a seeded stream of user actions on whichever screen is visible
// (clicks on options, check boxes, drawings and buttons; Enter, Esc, Tab, Space, arrows
// and Alt access keys), each checked against a model of what the user has done:
//
//   - exactly one screen is visible, the one the action should lead to;
//   - choices change only as the action should change them, on the screen acted on;
//   - after every Continue on the frequency and force screen, the sixteen value boxes
//     of the final score screen equal the RULA method's answer (rula_method.h) for the
//     scores each posture screen handed on at its own last Continue;
//   - the chart is filled from the top, a new row is the final score screen's boxes
//     verbatim, old rows change only by Clear Chart, and "Add to chart" is disabled
//     exactly while row 10 is filled;
//   - Clear Chart asks first exactly when a row is filled, and only the clearing answer
//     clears; Copy puts exactly the chart's rows on the clipboard;
//   - printing writes a page, or tells the user once when the printer fails;
//   - on the chart, Save As writes a study that reads back equal to the chart and
//     leaves nothing unsaved; opening one of its own saved studies shows exactly what
//     was saved; opening a broken one is refused with one message and changes nothing;
//   - closing a screen while the chart has unsaved changes asks first, and Cancel (or
//     Esc) changes nothing; with nothing unsaved it ends the program at once.
//
// Never Exit. Every failure names the seed and the action index.
//
//   rula_soak [--seed N|random] [--actions M] [--trace]
//       (or RULA_SOAK_SEED / RULA_SOAK_ACTIONS; default seed 1, 5000 actions)
//
// The full run, 100,000 actions under the sanitizers, from the build folder:
//
//   cmake --build build --target soak_full
//
// which runs, with the tests' environment (offscreen platform, sanitizer options):
//
//   build/bin/rula_soak --actions 100000 --seed 1
#include "rula_method.h"
#include "tests/screen_driver.h"

#include "chart/form10.h"
#include "screens/form9.h"
#include "study/study_file.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <deque>
#include <functional>
#include <map>
#include <numeric>
#include <random>
#include <set>
#include <string>
#include <vector>

using namespace rula;
using namespace rula::testing;
using namespace rula::soak;

namespace {

// The oracle's answers, not the program's record of the same names.
using rula::soak::ForceLoad;
using rula::soak::LowerArmPosture;
using rula::soak::MuscleUse;
using rula::soak::NeckPosture;
using rula::soak::TrunkPosture;
using rula::soak::UpperArmPosture;
using rula::soak::WristPosture;
using rula::soak::WristTwist;

constexpr int kScreens = 10;
constexpr int kChartRows = 10;

// ---- Failures ----

struct SoakFailure {
    std::string what;
};

[[noreturn]] void Fail(const QString& what) {
    throw SoakFailure{what.toStdString()};
}

// ---- What is selected on a screen: every option button and check box by name ----

using Selections = std::map<QString, bool>;

Selections SelectionsOn(const ScreenShell& screen) {
    Selections selections;
    for (QAbstractButton* b : screen.findChildren<QAbstractButton*>())
        if (qobject_cast<QRadioButton*>(b) || qobject_cast<QCheckBox*>(b))
            selections[b->objectName()] = b->isChecked();
    return selections;
}

bool Ticked(const Selections& selections, const char* name) {
    const auto it = selections.find(QLatin1String(name));
    if (it == selections.end())
        Fail(QStringLiteral("the screen has no %1").arg(QLatin1String(name)));
    return it->second;
}

// The answer of the first selected option, or None.
template <class Answer>
Answer Chosen(const Selections& selections,
              std::initializer_list<std::pair<const char*, Answer>> options) {
    for (const auto& [name, answer] : options)
        if (Ticked(selections, name))
            return answer;
    return Answer::None;
}

// The option groups of each screen: all options of a posture screen form one group;
// the frequency and force screen has one per frame.
std::vector<std::vector<QString>> OptionGroups(int screen, const Selections& selections) {
    if (screen == 8)
        return {{"Option1", "Option2", "Option3"},
                {"Option4", "Option5", "Option6", "Option7"},
                {"Option8", "Option9", "Option10"},
                {"Option11", "Option12", "Option13", "Option14"}};
    std::vector<QString> options;
    for (const auto& [name, checked] : selections)
        if (name.startsWith(QLatin1String("Option")))
            options.push_back(name);
    return {options};
}

// ---- The answers each screen holds, read from its selections ----

UpperArmAnswers UpperArmOn(const Selections& s) {
    using P = UpperArmPosture;
    return {Chosen<P>(s, {{"Option1", P::Neutral},
                          {"Option2", P::Extension},
                          {"Option3", P::Forward20To45},
                          {"Option4", P::Forward45To90},
                          {"Option5", P::Above90}}),
            Ticked(s, "Check1"), Ticked(s, "Check2"), Ticked(s, "Check3")};
}

LowerArmAnswers LowerArmOn(const Selections& s) {
    using P = LowerArmPosture;
    return {Chosen<P>(s, {{"Option1", P::Flexed60To100}, {"Option2", P::Below60OrAbove100}}),
            Ticked(s, "Check1")};
}

WristAnswers WristOn(const Selections& s) {
    using P = WristPosture;
    return {
        Chosen<P>(s, {{"Option1", P::Neutral}, {"Option2", P::UpTo15}, {"Option5", P::Beyond15}}),
        Ticked(s, "Check1")};
}

WristTwist WristTwistOn(const Selections& s) {
    return Chosen<WristTwist>(
        s, {{"Option1", WristTwist::MidRange}, {"Option2", WristTwist::EndOfRange}});
}

NeckAnswers NeckOn(const Selections& s) {
    using P = NeckPosture;
    return {Chosen<P>(s, {{"Option1", P::Flexed0To10},
                          {"Option2", P::Flexed10To20},
                          {"Option3", P::FlexedBeyond20},
                          {"Option4", P::InExtension}}),
            Ticked(s, "Check1"), Ticked(s, "Check2")};
}

TrunkAndLegsAnswers TrunkAndLegsOn(const Selections& s) {
    using P = TrunkPosture;
    return {Chosen<P>(s, {{"Option1", P::Upright},
                          {"Option2", P::Flexed0To20},
                          {"Option3", P::Flexed20To60},
                          {"Option4", P::FlexedBeyond60}}),
            Ticked(s, "Check1"), Ticked(s, "Check2"), Ticked(s, "Check3"), Ticked(s, "Check4")};
}

FrequencyAndForceAnswers FrequencyAndForceOn(const Selections& s) {
    using M = MuscleUse;
    using F = ForceLoad;
    return {
        Chosen<M>(
            s, {{"Option1", M::MainlyStatic}, {"Option2", M::Repeated}, {"Option3", M::Moderate}}),
        Chosen<F>(s, {{"Option4", F::LightIntermittent},
                      {"Option5", F::MediumIntermittent},
                      {"Option6", F::MediumStaticOrRepeated},
                      {"Option7", F::Heavy}}),
        Chosen<M>(
            s, {{"Option8", M::Repeated}, {"Option9", M::MainlyStatic}, {"Option10", M::Moderate}}),
        Chosen<F>(s, {{"Option11", F::LightIntermittent},
                      {"Option12", F::MediumIntermittent},
                      {"Option13", F::MediumStaticOrRepeated},
                      {"Option14", F::Heavy}}),
    };
}

// ---- Commands and where they lead ----

enum class Command { None, Continue, Back, Print, Exit, AddToChart, GotoChart, ClearChart, Copy };

const char* NameOf(Command command) {
    switch (command) {
    case Command::None:
        return "nothing";
    case Command::Continue:
        return "Continue";
    case Command::Back:
        return "Back";
    case Command::Print:
        return "Print";
    case Command::Exit:
        return "Exit";
    case Command::AddToChart:
        return "Add to chart";
    case Command::GotoChart:
        return "Goto Chart";
    case Command::ClearChart:
        return "Clear Chart";
    case Command::Copy:
        return "Copy";
    }
    return "?";
}

// What a command button does, by screen and design name.
Command CommandOf(int screen, const QString& button) {
    const int n = button.startsWith(QLatin1String("Command")) ? button.mid(7).toInt() : 0;
    if (screen == 1)
        return n == 1 ? Command::Continue : Command::None;
    if (screen == 9) {
        const Command commands[] = {Command::None,  Command::AddToChart, Command::Back,
                                    Command::Print, Command::Exit,       Command::GotoChart};
        return n >= 1 && n <= 5 ? commands[n] : Command::None;
    }
    if (screen == 10) {
        if (button == QLatin1String("CommandReport")) // the chart's page and a page a row
            return Command::Print;
        const Command commands[] = {Command::None,       Command::Back, Command::Print,
                                    Command::ClearChart, Command::Exit, Command::Copy};
        return n >= 1 && n <= 5 ? commands[n] : Command::None;
    }
    const Command commands[] = {Command::None, Command::Continue, Command::Back, Command::Print,
                                Command::Exit};
    return n >= 1 && n <= 4 ? commands[n] : Command::None;
}

// The commands for further assessments (New Assessment, Review, Update Row, the other
// side) replace the screens' answers as a whole; the chart test drives them, the soak
// leaves them alone.
bool ForFurtherAssessments(const QPushButton* button) {
    static const QStringList names = {"NewAssessment", "Review", "UpdateRow", "OtherSide"};
    return names.contains(button->objectName());
}

// What Enter does when no command button has the focus.
Command DefaultCommand(int screen) {
    if (screen == 9)
        return Command::GotoChart;
    if (screen == 10)
        return Command::None;
    return Command::Continue;
}

int Destination(int screen, Command command) {
    switch (command) {
    case Command::Continue:
        return screen + 1;
    case Command::Back:
        return screen == 10 ? 9 : screen - 1;
    case Command::AddToChart:
    case Command::GotoChart:
        return 10;
    default:
        return screen;
    }
}

// The option or check box a drawing stands for; null for the introduction's logo.
const char* PairedChoice(int screen, const QString& picture) {
    const int n = picture.mid(7).toInt();
    switch (screen) {
    case 2:
    case 6:
    case 7: {
        static const char* const options[] = {"",        "Option1", "Option2",
                                              "Option3", "Option4", "Option5"};
        return n >= 1 && n <= (screen == 2 ? 5 : 4) ? options[n] : nullptr;
    }
    case 3: {
        static const char* const choices[] = {"", "Option1", "Option2", "Check1"};
        return n >= 1 && n <= 3 ? choices[n] : nullptr;
    }
    case 4: {
        static const char* const choices[] = {"", "Option1", "Option2", "Option5", "Check1"};
        return n >= 1 && n <= 4 ? choices[n] : nullptr;
    }
    default:
        return nullptr;
    }
}

// ---- Printing into a PDF file, or into a printer that is switched off ----

class SoakPrintTarget final : public PrintTarget {
public:
    explicit SoakPrintTarget(QString path)
        : pdf_(std::move(path)) {}

    bool failNext = false;
    int jobs = 0;
    std::function<void()> onJob; // looks at the screens while the job starts

    void send(ScreenRecording page, Done done) override {
        ++jobs;
        if (onJob)
            onJob();
        if (failNext)
            done(QStringLiteral("the printer is switched off."));
        else
            pdf_.send(std::move(page), std::move(done));
    }

private:
    PdfFileTarget pdf_;
};

// ---- One user action and what it should do ----

struct Expected {
    Command command = Command::None;
    QAbstractButton* selects = nullptr; // an option that becomes selected
    QAbstractButton* toggles = nullptr; // a check box that changes state
    bool optionsMayMove = false;        // arrow keys move through an option group
};

struct Action {
    QString description;
    std::function<void()> perform;
    Expected expected;
};

// ---- The soak ----

class Soak {
public:
    Soak(std::uint32_t seed, long actions, bool trace)
        : seed_(seed)
        , actions_(actions)
        , trace_(trace)
        , random_(seed) {
        pdfPath_ = printDir_.filePath(QStringLiteral("print.pdf"));
        // A message box, or any other modal window, would wait for a user or stay in the
        // way: note it and close it.
        QObject::connect(&boxWatch_, &QTimer::timeout, [this] { closeModalWindow(); });
        boxWatch_.start(10);
        writeBrokenStudies();
    }

    int run();

private:
    static bool IsClearQuestion(const QWidget* modal) {
        const auto* box = qobject_cast<const QMessageBox*>(modal);
        return box && box->text().endsWith(QLatin1String("cannot be brought back."));
    }
    static bool IsOpenQuestion(const QWidget* modal) {
        const auto* box = qobject_cast<const QMessageBox*>(modal);
        return box && box->text().startsWith(
                          QLatin1String("Save the changes to the chart before opening"));
    }
    // Questions the study actions answer themselves.
    static bool IsOwnQuestion(const QWidget* modal) {
        return IsOpenQuestion(modal) || modal->objectName() == QLatin1String("ClosingQuestion");
    }
    void closeModalWindow() {
        // Opening over unsaved changes asks in a loop of its own.
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(window);
                box && box->isVisible() && IsOpenQuestion(box))
                for (QAbstractButton* b : box->buttons())
                    if (b->text().remove(QLatin1Char('&')) == answerOpenQuestion_) {
                        QTest::mouseClick(b, Qt::LeftButton);
                        openAsked_ = true;
                    }
        // A print-failure message is an ordinary window; Clear Chart's question is the
        // user's to answer (answerClearQuestion).
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(window);
                box && box->isVisible() && !IsClearQuestion(box) && !IsOwnQuestion(box)) {
                boxes_.push_back(box->text());
                box->accept();
            }
        if (QWidget* modal = QApplication::activeModalWidget();
            modal && !IsClearQuestion(modal) && !IsOwnQuestion(modal)) {
            boxes_.push_back(
                QStringLiteral("a %1 \"%2\"")
                    .arg(QLatin1String(modal->metaObject()->className()), modal->windowTitle()));
            modal->close();
        }
    }
    // Answers Clear Chart's question, if it is open, the way a user might.
    void answerClearQuestion();
    // Now and then, instead of a click or key: Save As, Open of a saved or a broken
    // study on the chart, or closing the screen on view. True when one was done.
    bool studyStep(long index, int on);
    void saveStudy(Form10& chart);
    void openStudy(Form10& chart, const QString& path, bool broken);
    void closeScreen(int on);
    void writeBrokenStudies();
    // Starts the program afresh, as a user who closes it and starts it again; the
    // states before the first answer on each screen come back only this way.
    void startProgram();
    void step(long index);
    void note(const QString& line);

    ScreenShell* screen(int n) const { return program_->existing(n); }
    int visible() const { return program_->visibleScreen(); }

    Action choose(int on);
    void addClicks(int on, std::vector<std::pair<double, Action>>& candidates);
    void addKeys(int on, std::vector<std::pair<double, Action>>& candidates);
    Expected pressing(int on, QPushButton* button) const;
    Expected choosing(int on, QWidget* choice) const;
    void newPlan();
    double weightOf(int on, Command command) const;

    void check(int before, const Action& action, const std::array<Selections, kScreens + 1>& was,
               const std::vector<std::string>& finalBoxesBefore);
    void checkSelections(int on, const Expected& expected,
                         const std::array<Selections, kScreens + 1>& was,
                         const std::array<Selections, kScreens + 1>& now);
    void checkFinalScreen();
    void checkChart();
    std::vector<std::string> finalBoxes() const;
    std::array<Selections, kScreens + 1> allSelections() const;

    QPoint somewhereIn(const QWidget* w);
    double uniform() { return std::uniform_real_distribution<double>(0, 1)(random_); }

    std::uint32_t seed_;
    long actions_;
    bool trace_;
    std::mt19937 random_;
    std::unique_ptr<Program> program_;
    QTemporaryDir printDir_;
    QString pdfPath_;
    SoakPrintTarget* printer_ = nullptr;
    QTimer boxWatch_;
    std::vector<QString> boxes_;
    bool clearAsked_ = false;    // Clear Chart's question was open
    bool clearAnswered_ = false; // and answered with its clearing button
    std::deque<QString> recent_; // the last actions, shown when a check fails
    QStringList chartButtonsPrinted_;
    QTemporaryDir studyDir_;
    std::map<QString, std::vector<std::vector<std::string>>> saved_; // what each file holds
    QStringList broken_;
    // The button chosen when opening asks about unsaved changes.
    QString answerOpenQuestion_ = QStringLiteral("Cancel");
    bool openAsked_ = false; // and was answered

    // What the user is up to: heading for a screen, to change answers there or to work
    // with the chart, for a number of actions. A gentle user, for some plans on end,
    // clears adjustment boxes and picks the first option of a group: the low scores.
    int goal_ = 2;
    long stayLeft_ = 0;
    bool gentle_ = false;
    double chartWork_ = 1; // adding rows rather than only looking at the chart

    // What the screens have handed on, and what the final score screen should show.
    SegmentScores handedOn_;
    std::optional<FinalScreen> expectedFinal_;
    // Every screen's selections when Form8 last scored them.
    std::optional<std::array<Selections, kScreens + 1>> scoredSelections_;
    std::vector<std::vector<std::string>> chart_;

    // Counts for the summary.
    long programs_ = 0, assessments_ = 0, blankFinals_ = 0, rowsAdded_ = 0, clears_ = 0,
         keptByCancel_ = 0, copies_ = 0, fullCharts_ = 0, prints_ = 0, failedPrints_ = 0,
         accessKeys_ = 0, saves_ = 0, opens_ = 0, refusals_ = 0, closingAsked_ = 0,
         closedAtOnce_ = 0;
    std::array<long, 8> finalScores_{};
    std::array<long, kScreens + 1> continues_{};
    std::set<std::string> groupA_, groupB_; // distinct segment scores met by an assessment
};

QPoint Soak::somewhereIn(const QWidget* w) {
    const QRect inside = w->rect().adjusted(2, 2, -2, -2);
    if (inside.isEmpty())
        return w->rect().center();
    return {std::uniform_int_distribution<int>(inside.left(), inside.right())(random_),
            std::uniform_int_distribution<int>(inside.top(), inside.bottom())(random_)};
}

void Soak::answerClearQuestion() {
    QPointer<QMessageBox> box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!IsClearQuestion(box))
        return;
    clearAsked_ = true;
    // A window manager activates the question; the offscreen platform does not.
    box->activateWindow();
    if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == box; }, 1000))
        Fail(QStringLiteral("the question to clear the chart never became active"));
    const double pick = uniform();
    QString how;
    if (pick < 0.4) {
        how = QStringLiteral("Clear All Rows");
        for (QAbstractButton* b : box->buttons())
            if (b->text().remove(QLatin1Char('&')) == how)
                QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
        clearAnswered_ = true;
    } else if (pick < 0.55) {
        how = QStringLiteral("Cancel");
        QTest::mouseClick(box->defaultButton(), Qt::LeftButton);
    } else if (pick < 0.7) {
        how = QStringLiteral("Enter");
        QTest::keyClick(box, Qt::Key_Return);
    } else if (pick < 0.85) {
        how = QStringLiteral("Esc");
        QTest::keyClick(box, Qt::Key_Escape);
    } else {
        how = QStringLiteral("Alt+C");
        QTest::keyClick(box, Qt::Key_C, Qt::AltModifier);
    }
    note(QStringLiteral("   answered the question to clear the chart: %1").arg(how));
    if (!QTest::qWaitFor([&] { return !box || !box->isVisible(); }, 2000))
        Fail(QStringLiteral("the question to clear the chart stays open after %1").arg(how));
}

void Soak::startProgram() {
    program_.reset();
    program_ = std::make_unique<Program>();
    auto target = std::make_unique<SoakPrintTarget>(pdfPath_);
    printer_ = target.get();
    // The chart is printed without its buttons.
    printer_->onJob = [this] {
        ScreenShell* chart = screen(10);
        if (!chart || !chart->isVisible())
            return;
        for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command5"})
            if (Control(*chart, name)->isVisible())
                chartButtonsPrinted_ << QLatin1String(name);
    };
    program_->screens.setPrintTarget(std::move(target));
    program_->screens.setUnsavedWork(ChartWork(program_->screens));
    handedOn_ = {};
    expectedFinal_.reset();
    scoredSelections_.reset();
    chart_.clear();
    ++programs_;
    QCoreApplication::processEvents();
}

void Soak::newPlan() {
    const double where = uniform();
    if (where < 0.03)
        goal_ = 1;
    else if (where < 0.5)
        goal_ = std::uniform_int_distribution<int>(2, 7)(random_);
    else if (where < 0.7)
        goal_ = 8;
    else if (where < 0.8)
        goal_ = 9;
    else
        goal_ = 10;
    stayLeft_ = std::uniform_int_distribution<long>(2, 25)(random_);
    if (uniform() < 0.15)
        gentle_ = !gentle_;
    chartWork_ = 0.2 + 2 * uniform();
}

// How likely the user is to give a command: mostly the ones that lead towards the
// screen they head for.
double Soak::weightOf(int on, Command command) const {
    switch (command) {
    case Command::None:
    case Command::Exit:
        return 0;
    case Command::Print:
        return 0.25;
    case Command::ClearChart:
        return goal_ == 10 ? 0.08 : 0.02;
    case Command::Copy:
        return 0.1;
    default:
        break;
    }
    const int to = Destination(on, command);
    double weight = std::abs(to - goal_) < std::abs(on - goal_) ? 12 : on == goal_ ? 1 : 0.5;
    if (command == Command::AddToChart)
        weight *= chartWork_;
    return weight;
}

Expected Soak::pressing(int on, QPushButton* button) const {
    Expected e;
    if (button->isEnabled())
        e.command = CommandOf(on, button->objectName());
    return e;
}

Expected Soak::choosing(int on, QWidget* choice) const {
    Expected e;
    auto* target = qobject_cast<QAbstractButton*>(choice);
    if (qobject_cast<PictureBox*>(choice)) {
        const char* paired = PairedChoice(on, choice->objectName());
        target = paired ? Control<QAbstractButton>(*screen(on), paired) : nullptr;
    }
    if (!target)
        return e;
    if (qobject_cast<QRadioButton*>(target))
        e.selects = target;
    else
        e.toggles = target;
    return e;
}

void Soak::addClicks(int on, std::vector<std::pair<double, Action>>& candidates) {
    ScreenShell& s = *screen(on);
    std::vector<QWidget*> choices;
    for (QWidget* w : s.findChildren<QWidget*>()) {
        if (!w->isVisible() || !w->isEnabled())
            continue;
        if (qobject_cast<QRadioButton*>(w) || qobject_cast<QCheckBox*>(w) ||
            qobject_cast<PictureBox*>(w) || qobject_cast<QPlainTextEdit*>(w))
            choices.push_back(w);
    }
    std::vector<double> weights;
    std::map<QWidget*, int> optionsSeen; // per group, that is per container
    for (QWidget* w : choices) {
        double weight = 1;
        if (gentle_ && qobject_cast<QCheckBox*>(w)) {
            // Supported legs and a supported seated trunk lower the score; the rest raise it.
            const bool lowers = on == 7 && (w->objectName() == QLatin1String("Check3") ||
                                            w->objectName() == QLatin1String("Check4"));
            weight = static_cast<QCheckBox*>(w)->isChecked() != lowers ? 3 : 0.2;
        }
        if (gentle_ && qobject_cast<QRadioButton*>(w))
            weight = std::pow(0.2, optionsSeen[w->parentWidget()]++);
        weights.push_back(weight);
    }
    const double total = std::accumulate(weights.begin(), weights.end(), 0.0);
    for (std::size_t i = 0; i < choices.size(); ++i) {
        QWidget* w = choices[i];
        Action a;
        const QPoint at = somewhereIn(w);
        a.description =
            QStringLiteral("click %1 at (%2,%3)").arg(w->objectName()).arg(at.x()).arg(at.y());
        a.perform = [w, at] { QTest::mouseClick(w, Qt::LeftButton, {}, at); };
        a.expected = choosing(on, w);
        candidates.emplace_back((on == goal_ ? 45.0 : 10.0) * weights[i] / total, a);
    }
    for (QPushButton* b : s.findChildren<QPushButton*>()) {
        if (!b->isVisible() || ForFurtherAssessments(b))
            continue;
        const Command command = CommandOf(on, b->objectName());
        // A disabled button is clicked now and then, to no effect.
        const double weight = b->isEnabled()             ? weightOf(on, command)
                              : command == Command::Exit ? 0
                                                         : 0.5;
        if (weight == 0)
            continue;
        Action a;
        a.description = QStringLiteral("click %1 (%2%3)")
                            .arg(b->objectName(), QLatin1String(NameOf(command)),
                                 b->isEnabled() ? QString() : QStringLiteral(", disabled"));
        a.perform = [b] { QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center()); };
        a.expected = pressing(on, b);
        candidates.emplace_back(weight, a);
    }
}

void Soak::addKeys(int on, std::vector<std::pair<double, Action>>& candidates) {
    ScreenShell& s = *screen(on);
    QWidget* focus = s.focusWidget();
    QWidget* target = focus ? focus : &s;
    const QString focusName = focus ? focus->objectName() : QStringLiteral("none");
    const auto key = [&](double weight, const char* name, Qt::Key k, Qt::KeyboardModifiers mods,
                         Expected expected) {
        if (expected.command == Command::Exit)
            return;
        Action a;
        a.description = QStringLiteral("%1 (focus %2)").arg(QLatin1String(name), focusName);
        a.perform = [target, k, mods] { QTest::keyClick(target, k, mods); };
        a.expected = expected;
        candidates.emplace_back(weight, a);
    };

    auto* focusButton = qobject_cast<QPushButton*>(focus);
    const bool leftAlone = focusButton && ForFurtherAssessments(focusButton);
    Expected enter;
    if (focusButton && focusButton->isEnabled())
        enter = pressing(on, focusButton);
    else
        enter.command = DefaultCommand(on);
    if (!leftAlone)
        key(enter.command == Command::None ? 1 : 0.5 * weightOf(on, enter.command), "Enter",
            Qt::Key_Return, {}, enter);
    key(6, "Tab", Qt::Key_Tab, {}, {});
    key(3, "Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, {});
    key(1, "Esc", Qt::Key_Escape, {}, {}); // no screen has a cancel button

    Expected space;
    if (focusButton)
        space = pressing(on, focusButton);
    else if (qobject_cast<QAbstractButton*>(focus))
        space = choosing(on, focus);
    if (!leftAlone)
        key(focusButton ? 0.5 * weightOf(on, space.command) : 5, "Space", Qt::Key_Space, {}, space);

    Expected arrow;
    arrow.optionsMayMove = true;
    const Qt::Key arrows[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right};
    const char* arrowNames[] = {"Up", "Down", "Left", "Right"};
    const int which = std::uniform_int_distribution<int>(0, 3)(random_);
    key(3, arrowNames[which], arrows[which], {}, arrow);

    // Alt with the underlined letter of a visible command button.
    std::vector<QPushButton*> buttons;
    for (QPushButton* b : s.findChildren<QPushButton*>())
        if (b->isVisible() && CommandOf(on, b->objectName()) != Command::Exit &&
            !ForFurtherAssessments(b))
            buttons.push_back(b);
    if (!buttons.empty()) {
        QPushButton* b =
            buttons[std::uniform_int_distribution<std::size_t>(0, buttons.size() - 1)(random_)];
        const QString text = b->text();
        const qsizetype amp = text.indexOf(QLatin1Char('&'));
        if (amp >= 0 && amp + 1 < text.size()) {
            const QChar letter = text.at(amp + 1).toUpper();
            Action a;
            a.description =
                QStringLiteral("Alt+%1 (%2, focus %3)")
                    .arg(letter)
                    .arg(QLatin1String(NameOf(CommandOf(on, b->objectName()))), focusName);
            const auto k = static_cast<Qt::Key>(Qt::Key_A + (letter.unicode() - 'A'));
            a.perform = [this, target, b, k] {
                QTest::keyClick(target, k, Qt::AltModifier);
                // The access key clicks the button after showing it pressed for a moment.
                if (!QTest::qWaitFor([b] { return !b->isDown(); }, 2000))
                    Fail(QStringLiteral("%1 stays pressed after its access key")
                             .arg(b->objectName()));
                ++accessKeys_;
            };
            a.expected = pressing(on, b);
            candidates.emplace_back(std::min(0.4, weightOf(on, a.expected.command)), a);
        }
    }
}

Action Soak::choose(int on) {
    if (on == goal_ && --stayLeft_ <= 0)
        newPlan();
    std::vector<std::pair<double, Action>> candidates;
    addClicks(on, candidates);
    addKeys(on, candidates);
    std::vector<double> weights;
    for (const auto& c : candidates)
        weights.push_back(c.first);
    std::discrete_distribution<std::size_t> pick(weights.begin(), weights.end());
    Action a = candidates[pick(random_)].second;
    a.description = QStringLiteral("Form%1: %2").arg(on).arg(a.description);
    return a;
}

std::array<Selections, kScreens + 1> Soak::allSelections() const {
    std::array<Selections, kScreens + 1> all;
    for (int n = 1; n <= kScreens; ++n)
        if (const ScreenShell* s = screen(n))
            all[n] = SelectionsOn(*s);
    return all;
}

static_assert(kFinalBoxNames.size() == kFinalScreenBoxes);

std::vector<std::string> Soak::finalBoxes() const {
    std::vector<std::string> texts;
    if (ScreenShell* form9 = screen(9))
        for (const char* name : kFinalBoxNames)
            texts.push_back(Text(*form9, name).toStdString());
    return texts;
}

QString Show(const std::vector<std::string>& texts) {
    QStringList shown;
    for (const std::string& t : texts)
        shown << (t.empty() ? QStringLiteral("''") : QString::fromStdString(t));
    return shown.join(QLatin1Char(' '));
}

void Soak::checkSelections(int on, const Expected& expected,
                           const std::array<Selections, kScreens + 1>& was,
                           const std::array<Selections, kScreens + 1>& now) {
    for (int n = 1; n <= kScreens; ++n) {
        Selections predicted = was[n];
        if (predicted.empty()) // created by this action: nothing selected yet
            for (const auto& [name, checked] : now[n])
                predicted[name] = false;
        if (n == on) {
            if (expected.selects) {
                const QString name = expected.selects->objectName();
                for (const auto& group : OptionGroups(n, predicted))
                    if (std::find(group.begin(), group.end(), name) != group.end())
                        for (const QString& other : group)
                            predicted[other] = false;
                predicted[name] = true;
            }
            if (expected.toggles)
                predicted[expected.toggles->objectName()] ^= true;
            if (expected.optionsMayMove) {
                for (const auto& group : OptionGroups(n, predicted)) {
                    int selectedBefore = 0, selectedNow = 0;
                    for (const QString& option : group) {
                        selectedBefore += predicted[option];
                        selectedNow += now[n].count(option) && now[n].at(option);
                        predicted[option] = now[n].count(option) && now[n].at(option);
                    }
                    if (selectedNow > 1 || selectedNow < selectedBefore)
                        Fail(QStringLiteral("Form%1: an arrow key left %2 options of a group "
                                            "selected")
                                 .arg(n)
                                 .arg(selectedNow));
                }
            }
        }
        if (predicted != now[n]) {
            QStringList differences;
            for (const auto& [name, checked] : now[n])
                if (!predicted.count(name) || predicted.at(name) != checked)
                    differences << QStringLiteral("%1 is %2")
                                       .arg(name, checked ? QStringLiteral("selected")
                                                          : QStringLiteral("clear"));
            for (const auto& [name, checked] : predicted)
                if (!now[n].count(name))
                    differences << QStringLiteral("%1 is gone").arg(name);
            Fail(QStringLiteral("Form%1: choices are not as the user left them: %2")
                     .arg(n)
                     .arg(differences.join(QStringLiteral(", "))));
        }
    }
}

void Soak::checkFinalScreen() {
    if (!expectedFinal_)
        return;
    const std::vector<std::string> shown = finalBoxes();
    const std::vector<std::string> expected(expectedFinal_->begin(), expectedFinal_->end());
    if (shown != expected)
        Fail(QStringLiteral("the final score screen shows\n    %1\n  but the RULA method gives\n"
                            "    %2\n  for the handed-on segment scores")
                 .arg(Show(shown), Show(expected)));
}

void Soak::checkChart() {
    auto* chart = program_->screens.find<Form10>();
    std::vector<std::vector<std::string>> rows;
    if (chart) {
        for (int row = 1; row <= kChartRows; ++row) {
            std::vector<std::string> cells;
            for (int c = 0; c < static_cast<int>(kFinalScreenBoxes); ++c)
                cells.push_back(chart->cell(row, c)->text().toStdString());
            rows.push_back(cells);
        }
        bool emptySeen = false;
        for (int row = 1; row <= kChartRows; ++row) {
            const bool filled = !rows[row - 1][0].empty();
            if (filled && emptySeen)
                Fail(QStringLiteral("chart row %1 is filled below an empty row").arg(row));
            emptySeen = emptySeen || !filled;
        }
    }
    for (int row = 1; row <= kChartRows; ++row) {
        const std::vector<std::string> empty(kFinalScreenBoxes);
        const auto& expected = row <= static_cast<int>(chart_.size()) ? chart_[row - 1] : empty;
        const auto& shown = chart ? rows[row - 1] : empty;
        if (shown != expected)
            Fail(QStringLiteral("chart row %1 shows\n    %2\n  but should hold\n    %3")
                     .arg(row)
                     .arg(Show(shown), Show(expected)));
    }
    if (ScreenShell* form9 = screen(9)) {
        // Enabled on a chart with room, for scores that are those of the answers as they
        // stand: none changed since the frequency and force screen's Continue.
        const bool enabled = Control<QPushButton>(*form9, "Command1")->isEnabled();
        const bool full = chart && !rows[kChartRows - 1][0].empty();
        const auto selections = allSelections();
        const bool current =
            scoredSelections_ && std::equal(selections.begin() + 2, selections.begin() + 9,
                                            scoredSelections_->begin() + 2);
        if (enabled != (!full && current))
            Fail(QStringLiteral("\"Add to chart\" is %1 while row 10 is %2 and the scores are %3")
                     .arg(enabled ? QStringLiteral("enabled") : QStringLiteral("disabled"),
                          full ? QStringLiteral("filled") : QStringLiteral("empty"),
                          current ? QStringLiteral("current") : QStringLiteral("out of date")));
    }
}

void Soak::check(int before, const Action& action, const std::array<Selections, kScreens + 1>& was,
                 const std::vector<std::string>& finalBoxesBefore) {
    const Command command = action.expected.command;

    // Exactly one screen shows, the one the action leads to.
    const int expectedScreen = Destination(before, command);
    const int now = visible();
    if (now != expectedScreen) {
        QStringList shown;
        for (int n = 1; n <= kScreens; ++n)
            if (screen(n) && screen(n)->isVisible())
                shown << QStringLiteral("Form%1").arg(n);
        Fail(QStringLiteral("expected %1 to lead to Form%2, but visible: %3")
                 .arg(QLatin1String(NameOf(command)))
                 .arg(expectedScreen)
                 .arg(shown.isEmpty() ? QStringLiteral("none") : shown.join(QStringLiteral(", "))));
    }

    const std::array<Selections, kScreens + 1> selections = allSelections();
    checkSelections(before, action.expected, was, selections);

    // Message boxes: only a failed print may open one.
    const bool printFailed = command == Command::Print && printer_->failNext;
    if (printFailed != !boxes_.empty() || boxes_.size() > 1)
        Fail(QStringLiteral("%1 message boxes opened%2%3")
                 .arg(boxes_.size())
                 .arg(printFailed ? QStringLiteral(" when printing failed") : QString())
                 .arg(boxes_.empty() ? QString() : QStringLiteral(": ") + boxes_.front()));

    switch (command) {
    case Command::Continue:
        ++continues_[before];
        switch (before) {
        case 2:
            handedOn_.upperArm = UpperArmScore(UpperArmOn(selections[2]));
            break;
        case 3:
            handedOn_.lowerArm = LowerArmScore(LowerArmOn(selections[3]));
            break;
        case 4:
            handedOn_.wrist = WristScore(WristOn(selections[4]));
            break;
        case 5:
            handedOn_.wristTwist = WristTwistScore(WristTwistOn(selections[5]));
            break;
        case 6:
            handedOn_.neck = NeckScore(NeckOn(selections[6]));
            break;
        case 7:
            handedOn_.trunk = TrunkScore(TrunkAndLegsOn(selections[7]));
            handedOn_.legs = LegsScore(TrunkAndLegsOn(selections[7]));
            break;
        case 8: {
            expectedFinal_ = Assess(handedOn_, FrequencyAndForceOn(selections[8]));
            scoredSelections_ = selections;
            ++assessments_;
            groupA_.insert(expectedFinal_->at(0) + expectedFinal_->at(1) + expectedFinal_->at(2) +
                           expectedFinal_->at(3));
            groupB_.insert(expectedFinal_->at(8) + expectedFinal_->at(9) + expectedFinal_->at(10));
            const std::string& final = expectedFinal_->back();
            if (final.empty())
                ++blankFinals_;
            else
                ++finalScores_.at(std::stoul(final));
            break;
        }
        default:
            break;
        }
        break;
    case Command::AddToChart:
        if (chart_.size() >= kChartRows)
            Fail(QStringLiteral("\"Add to chart\" was enabled on a full chart"));
        chart_.push_back(finalBoxesBefore);
        ++rowsAdded_;
        if (chart_.size() == kChartRows)
            ++fullCharts_;
        break;
    case Command::ClearChart:
        if (clearAsked_ != !chart_.empty())
            Fail(QStringLiteral("Clear Chart %1 with %2 rows in the chart")
                     .arg(clearAsked_ ? QStringLiteral("asked") : QStringLiteral("did not ask"))
                     .arg(chart_.size()));
        if (!clearAsked_ || clearAnswered_) {
            chart_.clear();
            ++clears_;
        } else {
            ++keptByCancel_;
        }
        break;
    case Command::Copy: {
        // The heading line, then each row: its number, its sixteen cells and its task.
        const QStringList lines = QApplication::clipboard()->text().split(QStringLiteral("\r\n"));
        QStringList expected;
        for (std::size_t row = 0; row < chart_.size(); ++row) {
            QStringList cells = {QString::number(row + 1)};
            for (const std::string& cell : chart_[row])
                cells << QString::fromStdString(cell);
            expected << cells.join(QLatin1Char('\t'));
        }
        QStringList copied;
        for (const QString& line : lines.mid(1, lines.size() - 2))
            copied << line.section(QLatin1Char('\t'), 0, kFinalScreenBoxes);
        if (lines.size() != static_cast<qsizetype>(chart_.size()) + 2 ||
            !lines.front().startsWith(QLatin1String("Row\t")) || copied != expected)
            Fail(QStringLiteral("Copy put\n    %1\n  on the clipboard for the rows\n    %2")
                     .arg(lines.join(QStringLiteral(" | ")), expected.join(QStringLiteral(" | "))));
        ++copies_;
        break;
    }
    case Command::Print: {
        ++prints_;
        if (printFailed)
            ++failedPrints_;
        else if (QFileInfo(pdfPath_).size() <= 0)
            Fail(QStringLiteral("Print wrote no page"));
        if (!chartButtonsPrinted_.isEmpty())
            Fail(QStringLiteral("the chart was printed with its buttons %1")
                     .arg(chartButtonsPrinted_.join(QStringLiteral(", "))));
        if (before == 10)
            for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command5"})
                if (!Control(*screen(10), name)->isVisible())
                    Fail(QStringLiteral("the chart's %1 stays hidden after printing")
                             .arg(QLatin1String(name)));
        break;
    }
    default:
        break;
    }

    checkFinalScreen();
    checkChart();
}

void Soak::note(const QString& line) {
    if (trace_)
        std::printf("%s\n", qPrintable(line));
    recent_.push_back(line);
    if (recent_.size() > 25)
        recent_.pop_front();
}

void Soak::step(long index) {
    if (!program_ || uniform() < 1.0 / 500) {
        startProgram();
        note(QStringLiteral("#%1 the program starts").arg(index));
    }
    const int on = visible();
    if (on == 0)
        Fail(QStringLiteral("no single screen is visible"));
    if (studyStep(index, on))
        return;
    const Action action = choose(on);

    const auto was = allSelections();
    const std::vector<std::string> boxesBefore = finalBoxes();
    const int printJobsBefore = printer_->jobs;
    boxes_.clear();
    clearAsked_ = false;
    clearAnswered_ = false;
    openAsked_ = false;
    chartButtonsPrinted_.clear();
    QString line = QStringLiteral("#%1 %2").arg(index).arg(action.description);
    if (action.expected.command == Command::Print) {
        printer_->failNext = uniform() < 0.2;
        if (printer_->failNext)
            line += QStringLiteral(" [the printer is switched off]");
        QFile::remove(pdfPath_);
    }
    note(line);

    if (action.expected.command == Command::Copy)
        QApplication::clipboard()->setText(QStringLiteral("not the chart"));
    // Save, Open and Export reached by keys find their file dialog cancelled.
    if (auto* chart = program_->screens.find<Form10>())
        chart->setFileDialog([](Form10::FileQuestion) { return Form10::FileAnswer{}; });
    action.perform();
    QCoreApplication::processEvents();
    answerClearQuestion();
    closeModalWindow(); // one that opened without waiting for the user
    QCoreApplication::processEvents();
    // The offscreen platform gives no window the focus back when a message box closes;
    // a window manager gives it to the box's parent.
    if ((!boxes_.empty() || clearAsked_ || openAsked_) && visible() != 0 &&
        QApplication::activeWindow() != screen(visible())) {
        screen(visible())->activateWindow();
        QCoreApplication::processEvents();
    }
    if (printer_->jobs - printJobsBefore != (action.expected.command == Command::Print ? 1 : 0))
        Fail(QStringLiteral("%1 print jobs were started").arg(printer_->jobs - printJobsBefore));
    check(on, action, was, boxesBefore);
    // Save reached by a key writes the study's own file again: it holds the chart.
    if (auto* chart = program_->screens.find<Form10>();
        chart && !chart->record().isModified() && saved_.count(chart->filePath()))
        saved_[chart->filePath()] = chart_;
}

void Soak::writeBrokenStudies() {
    const QByteArray good = WriteStudyJson({{}, {}});
    const std::pair<const char*, QByteArray> files[] = {
        {"not-json", "this is not a study"},
        {"truncated", good.left(good.size() / 2)},
        {"other-format", QByteArray(good).replace("rula-study", "rula-notes")},
        {"newer",
         QByteArray(good).replace("\"version\": " + QByteArray::number(kStudyFormatVersion),
                                  "\"version\": " + QByteArray::number(kStudyFormatVersion + 1))},
        {"score-out-of-range",
         R"({"format": "rula-study", "version": 1, "title": "", "site": "", "assessor": "",
             "observed": "2024-05-06", "rows": [{"task": "", "scores": {"FinalScore": 9}}]})"},
    };
    for (const auto& [name, bytes] : files) {
        QFile file(studyDir_.filePath(QLatin1String(name) + QLatin1String(".rula")));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            Fail(QStringLiteral("cannot write %1").arg(file.fileName()));
        broken_ << file.fileName();
    }
    QDir(studyDir_.path()).mkdir(QStringLiteral("folder.rula"));
    broken_ << studyDir_.filePath(QStringLiteral("folder.rula"));
}

bool Soak::studyStep(long index, int on) {
    const double pick = uniform();
    auto* chart = on == 10 ? program_->screens.find<Form10>() : nullptr;
    if (pick < 0.004) {
        note(QStringLiteral("#%1 Form%2: the close box").arg(index).arg(on));
        closeScreen(on);
    } else if (chart && pick < 0.019) {
        note(QStringLiteral("#%1 Form10: Save As").arg(index));
        saveStudy(*chart);
    } else if (chart && pick < 0.044) {
        // One of its own saved studies, or (and while none is saved) a broken one.
        const bool broken = pick >= 0.034 || saved_.empty();
        QStringList files = broken_;
        if (!broken) {
            files.clear();
            for (const auto& entry : saved_)
                files << entry.first;
        }
        const QString path =
            files.at(std::uniform_int_distribution<qsizetype>(0, files.size() - 1)(random_));
        note(QStringLiteral("#%1 Form10: Open %2").arg(index).arg(QFileInfo(path).fileName()));
        openStudy(*chart, path, broken);
    } else {
        return false;
    }
    boxes_.clear();
    // A window manager gives the keyboard back to the screen once a question or message
    // has gone; the offscreen platform does not.
    if (visible() != 0 && QApplication::activeWindow() != screen(visible())) {
        screen(visible())->activateWindow();
        QCoreApplication::processEvents();
    }
    return true;
}

void Soak::saveStudy(Form10& chart) {
    const QString path =
        studyDir_.filePath(QStringLiteral("study%1.rula").arg(saves_ % 4)); // over older ones
    chart.setFileDialog([path](Form10::FileQuestion) { return Form10::FileAnswer{path, {}}; });
    boxes_.clear();
    QTest::mouseClick(chart.saveAsButton, Qt::LeftButton);
    QCoreApplication::processEvents();
    closeModalWindow();
    if (!boxes_.empty())
        Fail(QStringLiteral("Save As said: %1").arg(boxes_.front()));
    const std::variant<Study, StudyError> read = ReadStudyFile(path);
    if (const auto* refused = std::get_if<StudyError>(&read))
        Fail(QStringLiteral("a saved study is refused: %1").arg(refused->message));
    if (std::get<Study>(read) != chart.record().study())
        Fail(QStringLiteral("the saved study reads back other than the chart"));
    if (chart.hasUnsavedChanges())
        Fail(QStringLiteral("the chart has unsaved changes right after Save As"));
    saved_[path] = chart_;
    ++saves_;
    checkChart();
}

void Soak::openStudy(Form10& chart, const QString& path, bool broken) {
    chart.setFileDialog([path](Form10::FileQuestion) { return Form10::FileAnswer{path, {}}; });
    const Study before = chart.record().study();
    const bool unsavedBefore = chart.hasUnsavedChanges();
    const QString fileBefore = chart.filePath();
    const auto selections = allSelections();
    answerOpenQuestion_ = QStringLiteral("Open Without Saving");
    boxes_.clear();
    QTest::mouseClick(chart.openButton, Qt::LeftButton);
    answerOpenQuestion_ = QStringLiteral("Cancel");
    QCoreApplication::processEvents();
    closeModalWindow();
    if (broken) {
        // Refused with one message; nothing of the chart changes.
        if (boxes_.size() != 1 ||
            !boxes_.front().startsWith(QLatin1String("The study was not opened")))
            Fail(QStringLiteral("opening a broken study gave %1 messages: %2")
                     .arg(boxes_.size())
                     .arg(boxes_.empty() ? QString() : boxes_.front()));
        if (chart.record().study() != before || chart.hasUnsavedChanges() != unsavedBefore ||
            chart.filePath() != fileBefore)
            Fail(QStringLiteral("a refused open changed the chart"));
        ++refusals_;
    } else {
        if (!boxes_.empty())
            Fail(QStringLiteral("opening a saved study said: %1").arg(boxes_.front()));
        const std::variant<Study, StudyError> read = ReadStudyFile(path);
        if (!std::holds_alternative<Study>(read) || chart.record().study() != std::get<Study>(read))
            Fail(QStringLiteral("the opened study is not what the file holds"));
        if (chart.hasUnsavedChanges())
            Fail(QStringLiteral("a study just opened has unsaved changes"));
        chart_ = saved_.at(path);
        ++opens_;
    }
    if (visible() != 10 || allSelections() != selections)
        Fail(QStringLiteral("opening a study changed the screens"));
    checkChart();
}

void Soak::closeScreen(int on) {
    auto* chart = program_->screens.find<Form10>();
    const bool unsaved = chart && chart->hasUnsavedChanges();
    const auto selections = allSelections();
    const std::vector<std::string> boxes = finalBoxes();
    screen(on)->close();
    QCoreApplication::processEvents();
    QMessageBox* question = program_->screens.closingQuestion();
    if (!unsaved) {
        // Nothing to lose: the program ends at once, and the user starts it again.
        if (question || !program_->screens.allClosed())
            Fail(QStringLiteral("closing with nothing unsaved %1")
                     .arg(question ? QStringLiteral("asked") : QStringLiteral("did not end")));
        ++closedAtOnce_;
        startProgram();
        return;
    }
    if (!question || !question->isVisible())
        Fail(QStringLiteral("closing with unsaved changes did not ask"));
    // Cancel, with the mouse or Esc: nothing changes.
    const bool byEsc = uniform() < 0.5;
    note(byEsc ? QStringLiteral("   Esc") : QStringLiteral("   Cancel"));
    if (byEsc)
        QTest::keyClick(question, Qt::Key_Escape);
    else
        QTest::mouseClick(question->findChild<QPushButton*>(QLatin1String(kClosingCancelButton)),
                          Qt::LeftButton);
    QCoreApplication::processEvents();
    if (program_->screens.closingQuestion() || program_->screens.allClosed() || visible() != on)
        Fail(QStringLiteral("Cancel on the closing question did not keep the program as it was"));
    for (int n = 1; n <= kScreens; ++n)
        if (screen(n) && screen(n)->isClosing())
            Fail(QStringLiteral("Form%1 is closing after Cancel").arg(n));
    if (allSelections() != selections || finalBoxes() != boxes || !chart->hasUnsavedChanges())
        Fail(QStringLiteral("Cancel on the closing question changed the screens"));
    ++closingAsked_;
    checkChart();
}

int Soak::run() {
    std::printf("rula_soak: seed %u, %ld actions\n", seed_, actions_);
    std::fflush(stdout);
    QElapsedTimer clock;
    clock.start();
    const auto seconds = [&clock] { return static_cast<double>(clock.elapsed()) / 1000.0; };
    long index = 0;
    try {
        for (index = 1; index <= actions_; ++index) {
            step(index);
            if (index % 10000 == 0) {
                std::printf("  %ld actions, %ld assessments checked, %.0f s\n", index, assessments_,
                            seconds());
                std::fflush(stdout);
            }
        }
    } catch (const SoakFailure& failure) {
        std::printf("\nFAILED at action %ld of seed %u:\n  %s\n\nThe last actions:\n", index, seed_,
                    failure.what.c_str());
        for (const QString& line : recent_)
            std::printf("  %s\n", qPrintable(line));
        std::printf("\nReplay: rula_soak --seed %u --actions %ld --trace\n", seed_, index);
        return 1;
    }

    QStringList perScreen, finals;
    for (int n = 1; n <= 8; ++n)
        perScreen << QString::number(continues_[n]);
    for (int score = 1; score <= 7; ++score)
        finals << QStringLiteral("%1:%2").arg(score).arg(finalScores_[score]);
    std::printf("rula_soak: passed, seed %u, %ld actions in %.1f s, %ld program starts\n"
                "  Continue on Form1 to Form8: %s\n"
                "  %ld assessments checked: %zu arm and wrist, %zu neck, trunk and legs segment "
                "combinations; final scores %s, blank %ld\n"
                "  chart: %ld rows added, %ld times full, %ld clears, %ld kept by a cancelled "
                "clear, %ld copies; %ld prints (%ld failed); %ld access keys\n"
                "  studies: %ld saved, %ld opened, %ld broken ones refused; closing: asked and "
                "cancelled %ld times, ended at once %ld times\n",
                seed_, actions_, seconds(), programs_, qPrintable(perScreen.join(QLatin1Char(' '))),
                assessments_, groupA_.size(), groupB_.size(),
                qPrintable(finals.join(QLatin1Char(' '))), blankFinals_, rowsAdded_, fullCharts_,
                clears_, keptByCancel_, copies_, prints_, failedPrints_, accessKeys_, saves_,
                opens_, refusals_, closingAsked_, closedAtOnce_);
    return 0;
}

// Worked examples of the method, checked before the soak trusts its oracle.
bool OracleAgreesWithWorkedExamples() {
    struct Example {
        std::optional<int> got, want;
        const char* what;
    };
    const Example examples[] = {
        {TableA(1, 1, 1, 1), 1, "Table A 1 1 1 1"},
        {TableA(2, 3, 2, 1), 3, "Table A 2 3 2 1"},
        {TableA(6, 2, 4, 2), 9, "Table A 6 2 4 2"},
        {TableA(5, 3, 4, 2), 8, "Table A 5 3 4 2"},
        {TableA(6, 3, 0, 0), 9, "Table A 6 3 without a wrist"},
        {TableA(0, 1, 1, 1), std::nullopt, "Table A without an upper arm"},
        {TableB(1, 1, 1), 1, "Table B 1 1 1"},
        {TableB(1, 1, 2), 3, "Table B 1 1 2"},
        {TableB(4, 6, 1), 8, "Table B 4 6 1"},
        {TableB(6, 4, 2), 9, "Table B 6 4 2"},
        {TableB(1, 0, 1), std::nullopt, "Table B without a trunk"},
        {TableC(1, 1), 1, "Table C 1 1"},
        {TableC(3, 7), 6, "Table C 3 7"},
        {TableC(7, 4), 6, "Table C 7 4"},
        {TableC(8, 4), 7, "Table C 8 4"},
        {TableC(13, 13), 7, "Table C 13 13"},
        {TableC(13, 1), 5, "Table C 13 1"},
        {UpperArmScore({UpperArmPosture::Neutral, false, false, true}), 1,
         "a supported arm hanging down"},
        {UpperArmScore({UpperArmPosture::Above90, true, true, false}), 6,
         "an arm above the shoulder, raised and abducted"},
        {TrunkScore({TrunkPosture::None, true, false, true, false}), 2,
         "a twisting trunk supported while seated"},
        {TrunkScore({TrunkPosture::None, true, true, false, false}), 0,
         "a trunk without a posture"},
    };
    bool agrees = true;
    for (const Example& e : examples)
        if (e.got != e.want) {
            std::fprintf(stderr, "rula_soak: the oracle is wrong about %s\n", e.what);
            agrees = false;
        }
    return agrees;
}

// ---- Command line ----

bool ParseNumber(const QString& text, unsigned long long& value) {
    bool ok = false;
    value = text.toULongLong(&ok);
    return ok;
}

} // namespace

QtMessageHandler qtMessages = nullptr;

// The offscreen platform says this for every fixed-size window it shows, and for every
// question given the keyboard.
void DropOffscreenNoise(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.contains(QLatin1String("does not support propagateSizeHints")) ||
        text.contains(QLatin1String("does not support raise()")))
        return;
    if (qtMessages)
        qtMessages(type, context, text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qtMessages = qInstallMessageHandler(DropOffscreenNoise);
    QApplication app(argc, argv);

    QString seedText = qEnvironmentVariable("RULA_SOAK_SEED", QStringLiteral("1"));
    QString actionsText = qEnvironmentVariable("RULA_SOAK_ACTIONS", QStringLiteral("5000"));
    bool trace = false;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--seed") && i + 1 < args.size())
            seedText = args[++i];
        else if (args[i] == QLatin1String("--actions") && i + 1 < args.size())
            actionsText = args[++i];
        else if (args[i] == QLatin1String("--trace"))
            trace = true;
        else {
            std::fprintf(stderr, "usage: rula_soak [--seed N|random] [--actions M] [--trace]\n");
            return 2;
        }
    }
    unsigned long long seed = 0, actions = 0;
    if (seedText == QLatin1String("random"))
        seed = std::random_device{}();
    else if (!ParseNumber(seedText, seed) || seed > 0xffffffffULL) {
        std::fprintf(stderr, "rula_soak: the seed is a number up to 4294967295, or random\n");
        return 2;
    }
    if (!ParseNumber(actionsText, actions) || actions == 0) {
        std::fprintf(stderr, "rula_soak: the number of actions is a positive whole number\n");
        return 2;
    }
    if (!OracleAgreesWithWorkedExamples())
        return 1;
    Soak soak(static_cast<std::uint32_t>(seed), static_cast<long>(actions), trace);
    return soak.run();
}

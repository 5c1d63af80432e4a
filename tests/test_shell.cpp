// What every screen shares: windows, lazy creation, navigation, keys, printing and the
// closing cascade, driven through the real controls.
#include "screen_driver.h"

#include "app/languages.h"
#include "chart/form10.h"
#include "photo/angle_words.h"
#include "screens/drawing_module.h"
#include "screens/form1.h"
#include "study/study_file.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <tuple>

using namespace rula;
using namespace rula::testing;

namespace {

// "what x,y wxh on WxH", for a failure message about where something lies in an area.
QString Placement(const char* what, const QRect& rect, const QSize& area) {
    return QString("%1 %2,%3 %4x%5 on %6x%7")
        .arg(QLatin1String(what))
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height())
        .arg(area.width())
        .arg(area.height());
}

} // namespace

class ShellTest : public QObject {
    Q_OBJECT
private slots:
    void programStartsWithTheIntroductionOnly();
    void windows_data();
    void windows();
    void continueCreatesOnlyTheNextScreen();
    void exitRightAfterTheIntroductionCreatesNoLaterScreen();
    void closingAnyScreenClosesThemAll_data();
    void closingAnyScreenClosesThemAll();
    void closingAsksWhileWorkIsUnsaved_data();
    void closingAsksWhileWorkIsUnsaved();
    void closingAsksAboutTheChartsRows();
    void backThenContinueKeepsEveryChoice();
    void enterIsTheDefaultButtonUnlessAButtonHasFocus();
    void escapeDoesNothing();
    void onlyTheScreenOnViewActs_data();
    void onlyTheScreenOnViewActs();
    void textReadsOnItsBackground_data();
    void textReadsOnItsBackground();
    void focusShows_data();
    void focusShows();
    void aScreenReappearsWhereTheUserLeftIt();
    void printedPage_data();
    void printedPage();
    void printWithoutAPrinterSaysNothingWasPrinted();
    void printMessagesBelongToTheirScreen();
    void printMessagesWaitForTheQuestion_data();
    void printMessagesWaitForTheQuestion();
    void introductionText();
    void footerNoticeFitsItsLabels();
    void resizingMovesNothing();
    void aGermanDesktopReadsEveryTextTranslated();
    void picturesDrawnAtBuildAreTheDrawings_data();
    void picturesDrawnAtBuildAreTheDrawings();
};

void ShellTest::programStartsWithTheIntroductionOnly() {
    Program program;
    QCOMPARE(program.visibleScreen(), 1);
    for (int n = 2; n <= 10; ++n)
        QVERIFY2(!program.existing(n), qPrintable(QString("Form%1 exists").arg(n)));
    auto* text = Control<QPlainTextEdit>(program.form(1), "Text1");
    QVERIFY(text->hasFocus() || QApplication::focusWidget() == nullptr ||
            program.form(1).focusWidget() == text);
}

void ShellTest::windows_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<bool>("sizable");
    QTest::addColumn<bool>("minimize");
    QTest::addColumn<bool>("maximize");
    const QString groupA = "Posture - Group A (Arms and Wrists)";
    const QString groupB = "Posture - Group B (Neck, Trunk, and Legs)";
    QTest::newRow("Form1") << 1 << "Rula" << QSize(489, 147) << false << false << false;
    QTest::newRow("Form2") << 2 << groupA << QSize(441, 386) << false << true << false;
    QTest::newRow("Form3") << 3 << groupA << QSize(449, 290) << false << true << false;
    QTest::newRow("Form4") << 4 << groupA << QSize(389, 330) << false << true << false;
    QTest::newRow("Form5") << 5 << groupA << QSize(298, 201) << false << true << false;
    QTest::newRow("Form6") << 6 << groupB << QSize(337, 345) << false << true << false;
    QTest::newRow("Form7") << 7 << groupB << QSize(417, 409) << false << true << false;
    QTest::newRow("Form8") << 8 << "Frequency and Force" << QSize(425, 513) << false << true
                           << false;
    QTest::newRow("Form9") << 9 << "Rula - Final" << QSize(369, 617) << true << true << true;
    QTest::newRow("Form10") << 10 << "Rula" << QSize(1248, 538) << true << true << false;
}

void ShellTest::windows() {
    QFETCH(int, screen);
    QFETCH(QString, caption);
    QFETCH(QSize, client);
    QFETCH(bool, sizable);
    QFETCH(bool, minimize);
    QFETCH(bool, maximize);
    Program program;
    WalkTo(program, screen);
    ScreenShell& s = program.form(screen);
    QCOMPARE(s.windowTitle(), caption);
    QCOMPARE(s.size(), client);
    QCOMPARE(s.minimumSize() != s.maximumSize(), sizable);
    const Qt::WindowFlags flags = s.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(flags.testFlag(Qt::WindowMinimizeButtonHint), minimize);
    QCOMPARE(flags.testFlag(Qt::WindowMaximizeButtonHint), maximize);
    QTRY_VERIFY(!s.windowIcon().isNull());
    // Centred on the screen the first time it is shown, with its frame inside the available
    // area; along a side too long for the area it starts at the area's edge.
    // (screen_shell_small_screen runs this on a screen smaller than the chart.)
    const QRect available = s.screen()->availableGeometry();
    if (qEnvironmentVariableIsSet("RULA_SMALL_SCREEN"))
        QVERIFY(available.width() < 792 && available.height() < 500);
    const QRect frame = s.frameGeometry();
    const QString where = Placement("frame", frame, available.size());
    const auto placed = [](int start, int length, int areaStart, int areaLength) {
        if (length > areaLength)
            return start == areaStart;
        // Within a few pixels of the centre: the frame is not known before the first show.
        return start >= areaStart && start + length <= areaStart + areaLength &&
               qAbs(2 * (start - areaStart) + length - areaLength) <= 8;
    };
    QVERIFY2(placed(frame.x(), frame.width(), available.x(), available.width()), qPrintable(where));
    QVERIFY2(placed(frame.y(), frame.height(), available.y(), available.height()),
             qPrintable(where));
}

void ShellTest::continueCreatesOnlyTheNextScreen() {
    Program program;
    Click(program.form(1), "Command1");
    QCOMPARE(program.visibleScreen(), 2);
    QVERIFY(program.existing(1));
    for (int n = 3; n <= 10; ++n)
        QVERIFY(!program.existing(n));
    Click(program.form(2), "Command1");
    QCOMPARE(program.visibleScreen(), 3);
    QVERIFY(!program.existing(4));
}

void ShellTest::exitRightAfterTheIntroductionCreatesNoLaterScreen() {
    Program program;
    Click(program.form(1), "Command1");
    Click(program.form(2), "Command4");
    QVERIFY(program.screens.allClosed());
    QCOMPARE(program.allClosedCalls, 1);
    QCOMPARE(program.visibleScreen(), 0);
    for (int n = 3; n <= 10; ++n)
        QVERIFY2(!program.existing(n), qPrintable(QString("Form%1 was created").arg(n)));
}

void ShellTest::closingAnyScreenClosesThemAll_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<bool>("byExit"); // else by the close box
    for (int n = 1; n <= 10; ++n) {
        QTest::addRow("close box on Form%d", n) << n << false;
        if (n > 1)
            QTest::addRow("Exit on Form%d", n) << n << true;
    }
}

void ShellTest::closingAnyScreenClosesThemAll() {
    QFETCH(int, screen);
    QFETCH(bool, byExit);
    Program program;
    WalkTo(program, screen);
    if (byExit)
        Click(program.form(screen), "Command4");
    else
        program.form(screen).close();
    QVERIFY(program.screens.allClosed());
    QCOMPARE(program.allClosedCalls, 1);
    for (int n = 1; n <= 10; ++n) {
        ScreenShell* s = program.existing(n);
        QCOMPARE(s != nullptr, n <= screen);
        if (s) {
            QVERIFY(s->isClosing());
            QVERIFY(!s->isVisible());
        }
    }
}

namespace {

// Work that is unsaved while `changes` holds; saving it succeeds or fails as told.
struct FakeWork {
    bool changes = true;
    bool saveSucceeds = true;
    int saves = 0;

    UnsavedWork hook() {
        return {[this] { return changes; },
                [this] {
                    ++saves;
                    changes = changes && !saveSucceeds;
                    return saveSucceeds;
                }};
    }
};

// The message boxes of this name on view: "ClosingQuestion" or "PrintFailure".
QList<QMessageBox*> Shown(const char* name) {
    QList<QMessageBox*> shown;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name && window->isVisible())
            shown << static_cast<QMessageBox*>(window);
    return shown;
}

// Answers the closing question by its button's name, or "Esc".
void AnswerClosingQuestion(const QString& answer) {
    const QList<QMessageBox*> shown = Shown("ClosingQuestion");
    QCOMPARE(shown.size(), 1);
    QMessageBox* box = shown.first();
    QCOMPARE(box->text(), QString(kClosingQuestion));
    QCOMPARE(box->defaultButton(), box->findChild<QPushButton*>(kClosingCancelButton));
    if (answer == "Esc")
        QTest::keyClick(box, Qt::Key_Escape);
    else
        Click(box->findChild<QPushButton*>(answer));
}

} // namespace

void ShellTest::closingAsksWhileWorkIsUnsaved_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("way");    // "close box", "Exit" or "session" (the desktop's end)
    QTest::addColumn<QString>("answer"); // empty: nothing unsaved, so no question
    QTest::addColumn<bool>("saveSucceeds");
    QTest::addColumn<bool>("closes");
    const QList<std::pair<int, const char*>> ways = {
        {2, "close box"}, {9, "Exit"}, {10, "close box"}, {4, "session"}};
    for (const auto& [screen, way] : ways) {
        const QString name = QString("%1 on Form%2").arg(way).arg(screen);
        const auto row = [&](const char* what) -> QTestData& {
            return QTest::newRow(qPrintable(name + ", " + what)) << screen << QString(way);
        };
        row("no changes") << "" << true << true;
        row("Cancel") << kClosingCancelButton << true << false;
        row("Esc") << "Esc" << true << false;
        row("Close Without Saving") << kClosingDiscardButton << true << true;
        row("Save") << kClosingSaveButton << true << true;
        row("Save fails") << kClosingSaveButton << false << false;
    }
}

void ShellTest::closingAsksWhileWorkIsUnsaved() {
    QFETCH(int, screen);
    QFETCH(QString, way);
    QFETCH(QString, answer);
    QFETCH(bool, saveSucceeds);
    QFETCH(bool, closes);
    const int saves = answer == kClosingSaveButton ? 1 : 0;
    Program program;
    FakeWork work{!answer.isEmpty(), saveSucceeds};
    program.screens.setUnsavedWork(work.hook());
    WalkTo(program, screen);
    ScreenShell& s = program.form(screen);
    const auto before = Snapshot(program);

    if (way == "session") {
        if (!answer.isEmpty())
            QTimer::singleShot(0, [answer] { AnswerClosingQuestion(answer); });
        QCOMPARE(program.screens.mayEndSession(true), closes);
        QVERIFY(Shown("ClosingQuestion").isEmpty());
        // The session's end closes nothing itself, and asks nothing when it may not.
        QCOMPARE(program.visibleScreen(), screen);
        QVERIFY(program.screens.mayEndSession(false));
        QCOMPARE(work.saves, saves);
        return;
    }
    const auto close = [&] {
        if (way == "Exit")
            Click(s, "Command4");
        else
            s.close();
    };
    close();
    if (!answer.isEmpty()) {
        QVERIFY(!program.screens.allClosed());
        QCOMPARE(program.visibleScreen(), screen);
        // Asked again while the question is up: still the one question, over this screen.
        close();
        program.form(1).close();
        const QList<QMessageBox*> shown = Shown("ClosingQuestion");
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first()->parentWidget(), &s);
        QCOMPARE(shown.first()->windowModality(), Qt::WindowModal);
        AnswerClosingQuestion(answer);
    }
    QCOMPARE(work.saves, saves);
    QCOMPARE(program.screens.allClosed(), closes);
    QCOMPARE(program.allClosedCalls, closes ? 1 : 0);
    // The cascade closing the other screens never asks again.
    QVERIFY(Shown("ClosingQuestion").isEmpty());
    if (closes) {
        for (int n = 1; n <= 10; ++n)
            if (ScreenShell* other = program.existing(n))
                QVERIFY(other->isClosing() && !other->isVisible());
        return;
    }
    // Cancelled: every screen as it was, and closing can be asked for again.
    QCOMPARE(program.visibleScreen(), screen);
    for (int n = 1; n <= 10; ++n)
        if (ScreenShell* other = program.existing(n))
            QVERIFY(!other->isClosing());
    QTRY_VERIFY(Snapshot(program) == before); // once the question has gone
    close();
    QCOMPARE(Shown("ClosingQuestion").size(), 1);
    AnswerClosingQuestion(kClosingDiscardButton);
    QCOMPARE(program.allClosedCalls, 1);
}

void ShellTest::closingAsksAboutTheChartsRows() {
    // A chart never opened holds nothing, and closing does not make one; a row added is
    // unsaved, even with the chart left.
    for (const bool added : {false, true}) {
        Program program;
        program.screens.setUnsavedWork(ChartWork(program.screens));
        WalkTo(program, 9);
        if (added) {
            Click(program.form(9), "Command1");  // Add to chart
            Click(program.form(10), "Command1"); // Back
        }
        program.form(9).close();
        if (added)
            AnswerClosingQuestion(kClosingDiscardButton);
        QCOMPARE(program.allClosedCalls, 1);
        QCOMPARE(program.existing(10) != nullptr, added);
    }
}

void ShellTest::backThenContinueKeepsEveryChoice() {
    Program program;
    Click(program.form(1), "Command1");
    ScreenShell& form2 = program.form(2);
    Click(form2, "Option3");
    Click(form2, "Check1");
    Click(form2, "Command2"); // Back
    QCOMPARE(program.visibleScreen(), 1);
    Click(program.form(1), "Command1");
    QCOMPARE(program.visibleScreen(), 2);
    QVERIFY(Checked(form2, "Option3"));
    QVERIFY(Checked(form2, "Check1"));
    QVERIFY(!Checked(form2, "Check2"));
    QCOMPARE(Text(form2, "Label6"), "2");
    QCOMPARE(Text(form2, "Label3"), "1");
}

void ShellTest::enterIsTheDefaultButtonUnlessAButtonHasFocus() {
    Program program;
    // In the introduction's text, Enter is Continue.
    QTest::keyClick(Control(program.form(1), "Text1"), Qt::Key_Return);
    QCOMPARE(program.visibleScreen(), 2);
    ScreenShell& form2 = program.form(2);
    auto* option = Control(form2, "Option2");
    option->setFocus();
    QTest::keyClick(option, Qt::Key_Return);
    QCOMPARE(program.visibleScreen(), 3);
    ScreenShell& form3 = program.form(3);
    auto* back = Control<QPushButton>(form3, "Command2");
    back->setFocus();
    QTest::keyClick(back, Qt::Key_Return);
    QCOMPARE(program.visibleScreen(), 2);
    auto* check = Control(form2, "Check1");
    check->setFocus();
    QTest::keyClick(check, Qt::Key_Enter);
    QCOMPARE(program.visibleScreen(), 3);
}

void ShellTest::escapeDoesNothing() {
    Program program;
    for (int n = 1; n <= 10; ++n) {
        if (n > 1) {
            if (n == 10)
                Click(program.form(9), "Command5");
            else
                Click(program.form(n - 1), "Command1");
        }
        ScreenShell& s = program.form(n);
        QWidget* focus = s.focusWidget() ? s.focusWidget() : &s;
        // Qt takes Esc with the keypad or group-switch modifier for Cancel too.
        for (Qt::KeyboardModifier modifier :
             {Qt::NoModifier, Qt::KeypadModifier, Qt::GroupSwitchModifier}) {
            QTest::keyClick(focus, Qt::Key_Escape, modifier);
            QCOMPARE(program.visibleScreen(), n);
        }
        s.reject();
        QCOMPARE(program.visibleScreen(), n);
        QVERIFY(!s.isClosing());
    }
}

void ShellTest::onlyTheScreenOnViewActs_data() {
    // Steps: "Alt+B" is an access key pressed on the screen on view at the start, without
    // waiting for the button's click animation; "Form2.Check1" a mouse click on that
    // control; "Form2.Check1 Space" a key pressed on it. Only the first step may act.
    QTest::addColumn<int>("screen");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("shown");
    QTest::newRow("Form3: Alt+B, Alt+C") << 3 << QStringList{"Alt+B", "Alt+C"} << 2;
    QTest::newRow("Form3: Alt+C, Alt+B") << 3 << QStringList{"Alt+C", "Alt+B"} << 4;
    QTest::newRow("Form9: Alt+G, Alt+A") << 9 << QStringList{"Alt+G", "Alt+A"} << 10;
    QTest::newRow("Form9: Alt+A, Alt+B") << 9 << QStringList{"Alt+A", "Alt+B"} << 10;
    QTest::newRow("clicks on the hidden Form2")
        << 2 << QStringList{"Form2.Command1", "Form2.Option4",  "Form2.Check1",  "Form2.Picture5",
                            "Form2.Command1", "Form2.Command2", "Form2.Command4"}
        << 3;
    QTest::newRow("keys on hidden screens")
        << 2
        << QStringList{"Form2.Command1", "Form2.Check2 Space", "Form2.Option1 Right",
                       "Form2.Command2 Space", "Form1.Text1 Return"}
        << 3;
}

namespace {

void Perform(Program& program, QWidget* onView, const QString& step) {
    if (step.startsWith("Alt+")) {
        const auto letter = static_cast<Qt::Key>(Qt::Key_A + (step.at(4).unicode() - 'A'));
        QTest::keyClick(onView, letter, Qt::AltModifier);
        return;
    }
    const QStringList parts = step.split(' ');
    const QStringList at = parts[0].split('.');
    QWidget* control = Control(program.form(at[0].mid(4).toInt()), qPrintable(at[1]));
    if (parts.size() == 1)
        Click(control);
    else
        QTest::keyClick(control, static_cast<Qt::Key>(QKeySequence(parts[1])[0].key()));
}

// Lets every access key's click animation run out.
void SettleAnimations(const Program& program) {
    QVERIFY(QTest::qWaitFor(
        [&] {
            for (int n = 1; n <= 10; ++n)
                if (ScreenShell* s = program.existing(n))
                    for (QAbstractButton* b : s->findChildren<QAbstractButton*>())
                        if (b->isDown())
                            return false;
            return true;
        },
        2000));
    QTest::qWait(20);
}

} // namespace

void ShellTest::onlyTheScreenOnViewActs() {
    QFETCH(int, screen);
    QFETCH(QStringList, steps);
    QFETCH(int, shown);
    // What the first step does alone is what all the steps together may do.
    Program alone;
    WalkTo(alone, screen);
    QVERIFY(QTest::qWaitForWindowActive(&alone.form(screen))); // for the access keys
    QWidget* onView = alone.form(screen).focusWidget();
    Perform(alone, onView ? onView : &alone.form(screen), steps.first());
    SettleAnimations(alone);
    QCOMPARE(alone.visibleScreen(), shown);

    Program program;
    WalkTo(program, screen);
    QVERIFY(QTest::qWaitForWindowActive(&program.form(screen)));
    onView = program.form(screen).focusWidget();
    for (const QString& step : steps)
        Perform(program, onView ? onView : &program.form(screen), step);
    SettleAnimations(program);
    QCOMPARE(program.visibleScreen(), shown);
    QVERIFY(!program.screens.allClosed());
    const auto expected = Snapshot(alone);
    const auto actual = Snapshot(program);
    for (const auto& [name, text] : actual)
        QVERIFY2(expected.count(name) && expected.at(name) == text,
                 qPrintable(QString("%1 is %2").arg(name, text)));
    QCOMPARE(actual.size(), expected.size());
}

namespace {

// WCAG 2 relative luminance and contrast ratio.
double Luminance(const QColor& c) {
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The largest contrast of a pixel in the area against the colour.
double MostContrast(const QImage& image, QRect area, const QColor& paper) {
    double most = 1.0;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            most = std::max(most, Contrast(image.pixelColor(x, y), paper));
    return most;
}

// The colour that covers most of an area of the image: what a control's text stands on.
QColor Background(const QImage& image, QRect area) {
    std::map<QRgb, int> counts;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    const auto most = std::max_element(counts.begin(), counts.end(),
                                       [](auto& a, auto& b) { return a.second < b.second; });
    return most == counts.end() ? QColor() : QColor::fromRgb(most->first);
}

// How far apart two colours are: the largest difference in one channel.
int Distance(const QColor& a, const QColor& b) {
    return std::max(
        {qAbs(a.red() - b.red()), qAbs(a.green() - b.green()), qAbs(a.blue() - b.blue())});
}

// Whether something in the area is drawn in the colour, or nearly: the cores of glyphs.
bool Shows(const QImage& image, QRect area, const QColor& ink, const QColor& paper) {
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (Distance(image.pixelColor(x, y), ink) * 4 <= Distance(ink, paper))
                return true;
    return false;
}

// The text of a label, text field, option, check box or frame caption, or of the text box whose
// page `w` is.
QString TextOf(const QWidget* w) {
    if (auto* box = qobject_cast<const QPlainTextEdit*>(w->parentWidget()))
        return w == box->viewport() ? box->toPlainText() : QString();
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (auto* field = qobject_cast<const QLineEdit*>(w))
        return field->text();
    if (qobject_cast<const QRadioButton*>(w) || qobject_cast<const QCheckBox*>(w))
        return static_cast<const QAbstractButton*>(w)->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(w))
        return frame->title();
    return {};
}

// A dark desktop as the GTK dark style gives it: light text on dark windows, and text
// boxes, option circles and check boxes barely darker than the window.
QPalette DarkPalette() {
    QPalette dark(QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
    dark.setColor(QPalette::Text, QColor(0xff, 0xff, 0xff));
    dark.setColor(QPalette::Highlight, QColor(0x15, 0x53, 0x9e));
    return dark;
}

// The desktop's colours while it lives: dark, or as they are.
class DesktopColours {
public:
    explicit DesktopColours(bool dark)
        : saved_(QApplication::palette()) {
        if (dark)
            QApplication::setPalette(DarkPalette());
    }
    ~DesktopColours() { QApplication::setPalette(saved_); }

private:
    QPalette saved_;
};

// The darkest grey value in an area of the image.
int Darkest(const QImage& image, QRect area) {
    int darkest = 255;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

} // namespace

void ShellTest::textReadsOnItsBackground_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<bool>("dark");
    for (bool dark : {false, true})
        for (int n = 1; n <= 10; ++n)
            QTest::addRow("Form%d, %s", n, dark ? "dark" : "light") << n << dark;
}

void ShellTest::textReadsOnItsBackground() {
    QFETCH(int, screen);
    QFETCH(bool, dark);
    const DesktopColours colours(dark);
    Program program;
    Assess(program, Answers{{{"Option1"},
                             {"Option1"},
                             {"Option1"},
                             {"Option1"},
                             {"Option1"},
                             {"Option1", "Check4"},
                             {"Option3", "Option4", "Option10", "Option11"}}});
    if (screen == 10) {
        Click(program.form(9), "Command1"); // the chart with a row
        auto& chart = program.screens.get<Form10>();
        QTest::keyClicks(chart.task(1), "Packing");
        QTest::keyClicks(chart.titleField(), "Line 3");
        QTest::keyClicks(chart.assessorField(), "A. Nowak");
    }
    for (int n = 9; n > screen; --n)
        Click(program.form(n), "Command2");
    QCOMPARE(program.visibleScreen(), screen);
    ScreenShell& s = program.form(screen);
    const QImage image = s.grab().toImage();
    int checked = 0;
    for (QWidget* w : s.findChildren<QWidget*>()) {
        const QString text = TextOf(w);
        if (text.isEmpty() || !w->isVisible())
            continue;
        const QRect area(w->mapTo(&s, QPoint()), w->size());
        // The colour the control writes in, and that it really is drawn in it.
        const QColor ink = w->palette().color(w->foregroundRole());
        const QColor paper = Background(image, area);
        const QString what =
            QString("%1 \"%2\": %3 on %4").arg(w->objectName(), text, ink.name(), paper.name());
        QVERIFY2(Shows(image, area, ink, paper), qPrintable(what + ", not drawn in its colour"));
        QVERIFY2(Contrast(ink, paper) >= 4.5,
                 qPrintable(QString("%1, contrast %2").arg(what).arg(Contrast(ink, paper))));
        ++checked;
    }
    QVERIFY(checked > 0);
    if (screen == 10) {
        // The date's calendar, a window of its own made at the first key on the field: the
        // names of the days read on their row, and the days on theirs.
        QDateEdit* observed = program.screens.get<Form10>().observedField();
        QTest::keyClick(observed, Qt::Key_Right);
        QCalendarWidget* calendar = observed->calendarWidget();
        calendar->resize(calendar->sizeHint());
        const QImage drawn = calendar->grab().toImage();
        auto* days = calendar->findChild<QTableView*>();
        for (int row : {0, 1})
            for (int column = 0; column < 7; ++column) {
                const QRect cell = days->visualRect(days->model()->index(row, column))
                                       .translated(days->viewport()->mapTo(calendar, QPoint()));
                const QColor paper = Background(drawn, cell);
                QVERIFY2(MostContrast(drawn, cell, paper) >= 4.5,
                         qPrintable(QString("calendar %1, %2").arg(row).arg(column)));
            }
    }
    // An empty option circle or check box stands out from the window at 3:1 or more.
    for (QAbstractButton* box : s.findChildren<QAbstractButton*>()) {
        if (!box->isCheckable() || box->isChecked() || !box->isVisible() || box->hasFocus())
            continue;
        const QRect indicator(box->mapTo(&s, QPoint()), QSize(20, box->height()));
        const QColor paper = Background(image, indicator);
        QVERIFY2(MostContrast(image, indicator, paper) >= 3.0,
                 qPrintable(QString("%1, %2")
                                .arg(box->objectName())
                                .arg(MostContrast(image, indicator, paper))));
    }
}

void ShellTest::focusShows_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("alsoMarked"); // a drawing framed with the focus
    QTest::addColumn<bool>("dark");
    const QList<std::tuple<int, const char*, const char*>> rows = {
        {1, "Text1", ""},        {1, "Command1", ""}, {2, "Option1", "Picture1"},
        {2, "Check1", ""},       {2, "Command3", ""}, {3, "Check1", "Picture3"},
        {5, "Option2", ""},      {8, "Option5", ""},  {9, "Command5", ""},
        {10, "Command1", ""},    {10, "Title", ""},   {10, "Observed", ""},
        {10, "CommandSave", ""},
    };
    for (bool dark : {false, true})
        for (const auto& [screen, control, marked] : rows)
            QTest::addRow("Form%d.%s, %s", screen, control, dark ? "dark" : "light")
                << screen << QString(control) << QString(marked) << dark;
}

// The control with the keyboard focus shows it: pixels change round it, and some of them
// stand out from what they are drawn on at 3:1 or more, in light and dark styles.
void ShellTest::focusShows() {
    QFETCH(int, screen);
    QFETCH(QString, control);
    QFETCH(QString, alsoMarked);
    QFETCH(bool, dark);
    const DesktopColours colours(dark);
    Program program;
    WalkTo(program, screen);
    ScreenShell& s = program.form(screen);
    QVERIFY(QTest::qWaitForWindowActive(&s));
    QWidget* w = Control(s, qPrintable(control));
    if (screen <= 2 && (control == "Text1" || control == "Option1"))
        QCOMPARE(s.focusWidget(), w); // the first stop has the focus when a screen opens
    w->setFocus(Qt::OtherFocusReason);
    QVERIFY(w->hasFocus());
    const QImage focused = s.grab().toImage();
    s.setFocus(Qt::OtherFocusReason); // the screen itself shows no focus
    QVERIFY(!w->hasFocus());
    const QImage unfocused = s.grab().toImage();
    const auto shows = [&](QRect area) {
        area &= s.rect();
        const QColor paper = Background(unfocused, area);
        int standing = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (focused.pixel(x, y) != unfocused.pixel(x, y) &&
                    Contrast(focused.pixelColor(x, y), paper) >= 3.0)
                    ++standing;
        return standing;
    };
    const QRect area(w->mapTo(&s, QPoint()), w->size());
    QVERIFY2(shows(area) >= 20, qPrintable(QString("%1 changed pixels").arg(shows(area))));
    if (!alsoMarked.isEmpty()) {
        const QRect drawing = Control(s, qPrintable(alsoMarked))->geometry();
        const QRect left(drawing.left() - 5, drawing.top(), 5, drawing.height());
        QVERIFY2(shows(left) >= drawing.height(), qPrintable(alsoMarked));
    }
}

void ShellTest::aScreenReappearsWhereTheUserLeftIt() {
    Program program;
    Click(program.form(1), "Command1");
    ScreenShell& form2 = program.form(2);
    form2.move(40, 30);
    const QPoint left = form2.pos();
    Click(form2, "Command2");
    Click(program.form(1), "Command1");
    QCOMPARE(form2.pos(), left);
}

void ShellTest::printedPage_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("dark");
    const char* names[] = {"Upper arm",           "Lower arm",  "Wrist",
                           "Wrist twist",         "Neck",       "Trunk and legs",
                           "Frequency and force", "Final score"};
    for (bool dark : {false, true})
        for (int n = 2; n <= 9; ++n)
            QTest::addRow("Form%d, %s desktop", n, dark ? "dark" : "light")
                << n << QString(names[n - 2]) << dark;
}

void ShellTest::printedPage() {
    QFETCH(int, screen);
    QFETCH(QString, name);
    QFETCH(bool, dark);
    const DesktopColours colours(dark);
    QTemporaryDir dir;
    const QString path = dir.filePath("page.pdf");
    Program program;
    program.screens.setPrintTarget(std::make_unique<PdfFileTarget>(path));
    WalkTo(program, screen);
    ScreenShell& s = program.form(screen);
    if (screen == 2)
        Click(s, "Option4");
    QVERIFY(QTest::qWaitForWindowActive(&s)); // so that the focus shows
    const QString message = TextOfMessageBox([&] { Click(s, "Command3"); });
    QVERIFY(Control(s, "Command3")->hasFocus());
    QVERIFY2(message.isEmpty(), qPrintable(message));
    QCOMPARE(s.focusWidget(), Control(s, "Command3"));

    // On the page rendered at 96 dots per inch, the screen's client area is as large as on
    // the screen, at least 10 mm (38 pixels) from every edge, on light paper; below it only
    // the date line.
    const PdfPage page = ReadPdf(path);
    const QImage& paper = page.rendered;
    QRect drawn;
    for (int y = 0; y < paper.height(); ++y)
        for (int x = 0; x < paper.width(); ++x)
            if (qGray(paper.pixel(x, y)) < 250)
                drawn |= QRect(x, y, 1, 1);
    // The screen is what is drawn above the date line, which may be wider.
    QRect screenDrawn;
    for (int y = drawn.top(); y < drawn.top() + s.height(); ++y)
        for (int x = 0; x < paper.width(); ++x)
            if (qGray(paper.pixel(x, y)) < 250)
                screenDrawn |= QRect(x, y, 1, 1);
    const QString where = Placement("drawn", drawn, paper.size());
    QVERIFY2(qAbs(screenDrawn.width() - s.width()) <= 1, qPrintable(where));
    QVERIFY2(drawn.height() > s.height() && drawn.height() < s.height() + 24, qPrintable(where));
    QVERIFY2(drawn.left() >= 37 && drawn.top() >= 37 && paper.width() - drawn.right() > 37 &&
                 paper.height() - drawn.bottom() > 37,
             qPrintable(where));
    const QPoint origin = drawn.topLeft();
    const QRect client(origin, s.size());
    long long sum = 0;
    for (int y = client.top(); y <= client.bottom(); ++y)
        for (int x = client.left(); x <= client.right(); ++x)
            sum += qGray(paper.pixel(x, y));
    const double mean = double(sum) / (client.width() * client.height());
    QVERIFY2(mean > 200, qPrintable(QString("mean grey %1").arg(mean)));
    // An empty option circle or check box stands out from the paper.
    for (QAbstractButton* box : s.findChildren<QAbstractButton*>()) {
        if (!box->isCheckable() || box->isChecked() || !box->isVisible())
            continue;
        const QRect indicator(origin + box->mapTo(&s, QPoint(0, 0)), QSize(20, box->height()));
        QVERIFY2(Darkest(paper, indicator) < 128, qPrintable(box->objectName()));
    }
    // The Print button had the focus: on paper it shows no focus ring.
    const QRect print = Control(s, "Command3")->geometry().translated(origin);
    for (int inset : {3, 4})
        QVERIFY2(qGray(paper.pixel(print.left() + inset, print.center().y())) > 200,
                 qPrintable(QString("Print at %1").arg(inset)));
    // The date line names the screen and the time with its offset from UTC.
    const QRegularExpression dateLine(QRegularExpression::escape(s.windowTitle() + " · " + name) +
                                      R"(\s+\d{4}-\d\d-\d\d \d\d:\d\d [+-]\d\d:\d\d)");
    QVERIFY2(page.text.contains(dateLine), qPrintable(page.text));
    QCOMPARE(program.visibleScreen(), screen);
    if (screen == 2)
        QVERIFY(Checked(s, "Option4"));
}

void ShellTest::printWithoutAPrinterSaysNothingWasPrinted() {
    Program program;
    program.screens.setPrintTarget(std::make_unique<NoPrinterTarget>());
    Click(program.form(1), "Command1");
    ScreenShell& form2 = program.form(2);
    Click(form2, "Option1");
    const QString message = TextOfMessageBox([&] { Click(form2, "Command3"); });
    QVERIFY2(message.contains("Nothing was printed"), qPrintable(message));
    QVERIFY(message.contains("no default printer"));
    QCOMPARE(program.visibleScreen(), 2);
    QVERIFY(Checked(form2, "Option1"));
    QCOMPARE(Text(form2, "Label6"), "1");

    // A message holds nothing up, a newer one takes the place of the older, and closing
    // the screen under it ends the program.
    const auto shownBoxes = [] {
        int shown = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            shown += qobject_cast<QMessageBox*>(window) && window->isVisible();
        return shown;
    };
    form2.printScreen();
    form2.printScreen();
    QCOMPARE(shownBoxes(), 1);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    form2.close();
    QCOMPARE(program.allClosedCalls, 1);
}

void ShellTest::printMessagesBelongToTheirScreen() {
    Program program;
    program.screens.setPrintTarget(std::make_unique<NoPrinterTarget>());
    WalkTo(program, 2);
    // Failed Print on four screens in a row: each message leaves with its screen.
    for (int n = 2; n <= 5; ++n) {
        Click(program.form(n), "Command3");
        QCOMPARE(Shown("PrintFailure").size(), 1);
        QCOMPARE(Shown("PrintFailure").first()->parentWidget(), &program.form(n));
        Click(program.form(n), "Command1");
        QVERIFY(Shown("PrintFailure").isEmpty());
    }
    QCOMPARE(program.visibleScreen(), 6);
    QTRY_VERIFY(program.form(5).findChildren<QMessageBox*>().isEmpty());
}

void ShellTest::printMessagesWaitForTheQuestion_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("question");
    QTest::newRow("a question of a screen") << 2 << "question";
    QTest::newRow("the session's end") << 2 << "session";
    QTest::newRow("Clear Chart") << 10 << "clear";
    QTest::newRow("opening over unsaved changes") << 10 << "open";
    QTest::newRow("a refused study") << 10 << "refused";
}

void ShellTest::printMessagesWaitForTheQuestion() {
    QFETCH(int, screen);
    QFETCH(QString, question);
    Program program;
    auto* target = new CapturingTarget;
    target->answerLater = true;
    program.screens.setPrintTarget(std::unique_ptr<PrintTarget>(target));
    FakeWork work;
    if (question == "session")
        program.screens.setUnsavedWork(work.hook());
    WalkTo(program, screen);
    ScreenShell& s = program.form(screen);
    const char* print = screen == 10 ? "Command2" : "Command3";
    QTemporaryDir dir;
    if (screen == 10) {
        auto& chart = program.screens.get<Form10>();
        const QString broken = dir.filePath("broken.rula");
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("{") == 1);
        chart.setFileDialog([broken](Form10::FileQuestion) {
            return Form10::FileAnswer{broken, {}};
        });
        // Rows to clear, unsaved; a refused study is asked for over a chart with none.
        if (question != "refused")
            for (int row = 0; row < 2; ++row)
                chart.record().addRow(ChartRow{});
    }
    // Asks the question and, while it is open, checks and answers it.
    const auto ask = [&](const std::function<void(QDialog*)>& whileAsked) {
        const auto asked = [&] {
            QDialog* open = s.openQuestion();
            QVERIFY(open);
            QCOMPARE(open->windowModality(), Qt::WindowModal);
            whileAsked(open);
        };
        if (question == "open" || question == "session") {
            // The caller waits for the answer: it is given from inside the wait.
            QTimer::singleShot(0, &s, asked);
            if (question == "open")
                program.screens.get<Form10>().open();
            else
                QVERIFY(!program.screens.mayEndSession(true));
            return;
        }
        if (question == "clear") {
            Click(s, "Command3");
        } else if (question == "refused") {
            program.screens.get<Form10>().open();
        } else {
            auto* box = new QMessageBox(QMessageBox::Question, "Rula", "A question?",
                                        QMessageBox::Ok | QMessageBox::Cancel, &s);
            box->setAttribute(Qt::WA_DeleteOnClose);
            AskWindowModal(box);
        }
        asked();
    };
    // A message that comes while a question is open waits until it is answered.
    Click(s, print);
    ask([&](QDialog* open) {
        target->answer("the printer is out of paper.");
        QTest::qWait(20);
        QVERIFY(Shown("PrintFailure").isEmpty());
        open->accept();
    });
    QTRY_COMPARE(Shown("PrintFailure").size(), 1);
    // One already shown steps aside for a new question, and comes back after it.
    ask([&](QDialog* open) {
        QVERIFY(Shown("PrintFailure").isEmpty());
        open->reject();
    });
    QTRY_COMPARE(Shown("PrintFailure").size(), 1);
    // A message waiting behind a question leaves with its screen.
    Click(s, print);
    const ScreenId next = screen == 10 ? ScreenId::Form9 : ScreenId::Form3;
    ask([&](QDialog* open) {
        target->answer("the printer is out of paper.");
        s.goTo(next);
        open->accept();
    });
    QTest::qWait(20);
    QVERIFY(Shown("PrintFailure").isEmpty());
    QCOMPARE(program.visibleScreen(), static_cast<int>(next));
    if (screen == 10)
        QCOMPARE(program.screens.get<Form10>().record().rowCount(), question == "refused" ? 0 : 2);
}

void ShellTest::introductionText() {
    Program program;
    auto* text = Control<QPlainTextEdit>(program.form(1), "Text1");
    const QStringList lines = text->toPlainText().split('\n');
    QCOMPARE(lines.size(), 6);
    QVERIFY(lines[0].startsWith("The attached program is based upon the standards recommended "
                                "\"Rula: a survey method "));
    QVERIFY(lines[0].endsWith("survey method "));
    QVERIFY(lines[1].startsWith("for the investigation of work-related upper limb disorders\", "
                                "by L. McAtamney"));
    QVERIFY(lines[2].startsWith("E. N. Corlett in Applied Ergonomics 1993, 24(2), 91-99.\"  "
                                "Every effort has been made to "));
    QVERIFY(lines[2].endsWith("has been made to "));
    QVERIFY(lines[3].endsWith("either expressed or implied "));
    QVERIFY(lines[4].startsWith("has been offered with this program.  "));
    QVERIFY(lines[5].isEmpty());
    QVERIFY(Form1::introductionText().contains("\r\n"));
    // Each line fits the box without wrapping.
    const QFontMetrics metrics(text->font());
    for (const QString& line : lines)
        QVERIFY2(metrics.horizontalAdvance(line) < text->viewport()->width(), qPrintable(line));
    // Read-only: typing changes nothing.
    const QString before = text->toPlainText();
    QTest::keyClicks(text, "xyz");
    QCOMPARE(text->toPlainText(), before);
}

void ShellTest::footerNoticeFitsItsLabels() {
    Program program;
    WalkTo(program, 10);
    for (int n = 2; n <= 10; ++n) {
        ScreenShell& s = program.form(n);
        for (const char* name : {"Label41", "Label40"}) {
            auto* label = Control<QLabel>(s, name);
            QVERIFY(!label->text().isEmpty());
            QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->text()));
        }
        auto* footer = Control(s, "Frame11");
        QCOMPARE(footer->size(), QSize(181, 49));
        QVERIFY(s.height() - footer->geometry().bottom() - 1 <= 1);
    }
}

void ShellTest::resizingMovesNothing() {
    Program program;
    WalkTo(program, 10);
    for (int n : {9, 10}) {
        ScreenShell& s = program.form(n);
        const QRect before = Control(s, "Command4")->geometry();
        s.resize(s.size() + QSize(120, 80));
        QCOMPARE(Control(s, "Command4")->geometry(), before);
    }
}

namespace {

// The German translation file as lupdate wrote it, every text's translation replaced by
// the English one marked "[de]", built into a .qm in `folder` by lrelease: what the
// program reads then comes from a translation exactly where the translation's contexts
// are the ones the code asks for.
bool MarkedGermanTranslation(const QString& folder) {
    QFile file(QStringLiteral(RULA_GERMAN_TS));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QString ts = QString::fromUtf8(file.readAll());
    static const QRegularExpression message(QStringLiteral("<message[ >].*?</message>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression source(QStringLiteral("<source>(.*?)</source>"),
                                           QRegularExpression::DotMatchesEverythingOption);
    QString marked;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& m : message.globalMatch(ts)) {
        QString text = m.captured();
        const QString translated = "[de]" + source.match(text).captured(1);
        static const QRegularExpression translation(
            QStringLiteral("<translation[^>]*>(?!\\s*<numerusform>).*?</translation>"),
            QRegularExpression::DotMatchesEverythingOption);
        static const QRegularExpression form(QStringLiteral("<numerusform>.*?</numerusform>"),
                                             QRegularExpression::DotMatchesEverythingOption);
        text.replace(translation, "<translation>" + translated + "</translation>");
        text.replace(QStringLiteral("<translation type=\"unfinished\">"), "<translation>");
        text.replace(form, "<numerusform>" + translated + "</numerusform>");
        marked += ts.mid(done, m.capturedStart() - done) + text;
        done = m.capturedEnd();
    }
    marked += ts.mid(done);
    QFile out(folder + "/rula_de.ts");
    if (!out.open(QIODevice::WriteOnly) || out.write(marked.toUtf8()) < 0)
        return false;
    out.close();
    QProcess lrelease;
    lrelease.start(QStringLiteral(RULA_LRELEASE), {out.fileName(), "-qm", folder + "/rula_de.qm"});
    return lrelease.waitForFinished(30000) && lrelease.exitCode() == 0;
}

} // namespace

void ShellTest::aGermanDesktopReadsEveryTextTranslated() {
    QTemporaryDir folder;
    QVERIFY(MarkedGermanTranslation(folder.path()));
    const QLocale before;
    const auto restore = qScopeGuard([&before] {
        qDeleteAll(qApp->findChildren<QTranslator*>());
        QLocale::setDefault(before);
    });
    // English first among the user's languages: nothing is loaded.
    QCOMPARE(InstallTranslations({"en-GB", "de-DE"}, folder.path()), QString());
    QVERIFY(qApp->findChildren<QTranslator*>().isEmpty());
    QCOMPARE(InstallTranslations({"it-IT", "de-DE", "en-US"}, folder.path()), QString("de"));
    // Qt's own words, for the standard buttons and file dialogs, in German too.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Abbrechen"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    Program program;
    WalkTo(program, 10);
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    for (int n = 1; n <= 10; ++n) {
        ScreenShell& screen = program.form(n);
        QVERIFY2(screen.windowTitle().startsWith("[de]"), qPrintable(screen.windowTitle()));
        // Every text of the program's controls: those Qt makes inside its own are named
        // "qt_…".
        for (QWidget* control : screen.findChildren<QWidget*>()) {
            QString text;
            if (auto* label = qobject_cast<QLabel*>(control))
                text = label->text();
            else if (auto* button = qobject_cast<QAbstractButton*>(control))
                text = button->text();
            else if (auto* frame = qobject_cast<QGroupBox*>(control))
                text = frame->title();
            else if (auto* box = qobject_cast<QPlainTextEdit*>(control))
                text = box->toPlainText();
            text += control->accessibleName() + control->toolTip();
            if (!control->objectName().startsWith("qt_") && text.contains(letter))
                QVERIFY2(text.contains("[de]"), qPrintable(control->objectName() + " on Form" +
                                                           QString::number(n) + ": " + text));
        }
    }
    // The observed date in the German form.
    auto* observed = Control<QDateEdit>(program.form(10), "Observed");
    QCOMPARE(observed->text(), QLocale().toString(observed->date(), "dd.MM.yyyy"));
    // An angle in the Photo window's words, with the German decimal comma; a study file's
    // message.
    const QString angle = AngleWords(PostureSegment::Trunk, 20.4);
    QVERIFY2(angle.startsWith("[de]") && angle.contains("20,4"), qPrintable(angle));
    const auto refused = ReadStudyJson(R"({"format": "rula-study", "version": 2,
        "title": "", "site": "", "assessor": "", "observed": "2026-12-08",
        "rows": [{"task": 5}]})");
    QVERIFY(std::holds_alternative<StudyError>(refused));
    const QString message = std::get<StudyError>(refused).message;
    QVERIFY2(message.startsWith("[de]") && message.contains("[de]row 1"), qPrintable(message));
}

QTEST_MAIN(ShellTest)
// The logo and the window icon a start shows were drawn when the program was built; they
// must be, pixel for pixel, what the drawing module draws from the same drawing.
void ShellTest::picturesDrawnAtBuildAreTheDrawings_data() {
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<QColor>("paper");
    const QColor clear = Qt::transparent;
    QTest::newRow("logo") << ":/images/logo.svg" << QSize(144, 54) << QColor(Qt::white);
    QTest::newRow("logo, device pixel ratio 2")
        << ":/images/logo.svg" << QSize(288, 108) << QColor(Qt::white);
    for (int side : {16, 32, 48, 64})
        QTest::addRow("icon %d", side) << ":/images/icon.svg" << QSize(side, side) << clear;
}

void ShellTest::picturesDrawnAtBuildAreTheDrawings() {
    QFETCH(QString, resource);
    QFETCH(QSize, pixels);
    QFETCH(QColor, paper);
    const QImage drawn = PreDrawn(resource, pixels);
    QVERIFY2(!drawn.isNull(), qPrintable(PreDrawnName(resource, pixels)));
    QImage module(pixels, QImage::Format_ARGB32_Premultiplied);
    module.fill(paper);
    QPainter painter(&module);
    PaintSvg(painter, resource, QRectF(QPointF(0, 0), QSizeF(pixels)));
    painter.end();
    QCOMPARE(drawn, module);
}

#include "test_shell.moc"

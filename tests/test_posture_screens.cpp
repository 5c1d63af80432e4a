// The six posture screens, driven through their real controls: every base score and
// adjustment, the largest totals, the mended cases (supported arm, no posture chosen,
// trunk supported while seated), drawings as labels, tab order and keys; angles measured
// on a photo choosing the options.
#include "screen_driver.h"
#include "screens/live_assessment.h"
#include "screens/measured_posture.h"

#include <QPushButton>

#include <cmath>
#include <map>
#include <random>

using namespace rula;
using namespace rula::testing;

namespace {

// Walks from the introduction to screen n with Continue, choosing nothing.
void ContinueTo(Program& program, int n) {
    for (int screen = 1; screen < n; ++screen)
        Click(program.form(screen), "Command1");
    QCOMPARE(program.visibleScreen(), n);
}

// The widgets that Tab visits on a screen, in order, starting from the first.
QStringList TabChain(ScreenShell& screen) {
    QStringList chain;
    QWidget* w = &screen;
    while ((w = w->nextInFocusChain()) != &screen) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&screen) && w->isEnabled())
            chain << w->objectName();
    }
    return chain;
}

// Each drawing and the option or box it stands for, by screen.
const std::map<int, QStringList> kDrawings = {
    {2,
     {"Picture1=Option1", "Picture2=Option2", "Picture3=Option3", "Picture4=Option4",
      "Picture5=Option5"}},
    {3, {"Picture1=Option1", "Picture2=Option2", "Picture3=Check1"}},
    {4, {"Picture1=Option1", "Picture2=Option2", "Picture3=Option5", "Picture4=Check1"}},
    {5, {}},
    {6, {"Picture1=Option1", "Picture2=Option2", "Picture3=Option3", "Picture4=Option4"}},
    {7, {"Picture1=Option1", "Picture2=Option2", "Picture3=Option3", "Picture4=Option4"}},
};

// Whether the drawing is framed in the colour, on an image of its screen drawn at
// `origin`: the frame runs round the picture box, just outside it.
bool Framed(const QImage& image, QPoint origin, const QWidget* picture, const QColor& colour) {
    const QRect box = picture->geometry().translated(origin);
    for (QPoint at :
         {QPoint(box.left() - 2, box.center().y()), QPoint(box.center().x(), box.top() - 2),
          QPoint(box.right() + 2, box.center().y()), QPoint(box.center().x(), box.bottom() + 2)})
        if (image.pixelColor(at) != colour)
            return false;
    return true;
}

} // namespace

class PostureScreensTest : public QObject {
    Q_OBJECT
private slots:
    void segmentScores_data();
    void segmentScores();
    void backThenContinueKeepsEveryChoice();
    void tabOrderAndFirstFocus_data();
    void tabOrderAndFirstFocus();
    void enterIsContinueExceptOnAnotherButton_data();
    void enterIsContinueExceptOnAnotherButton();
    void captionlessOptionsSpeakForTheirDrawings();
    void measuredAnglesChooseOptions_data();
    void measuredAnglesChooseOptions();
    void measuredChoiceIsTheUsersToChange();
    void screensShowAnyRecordAndReadBackEqual();
};

void PostureScreensTest::segmentScores_data() {
    // screen; controls clicked in order; labels of the screen itself ("Label3=1");
    // labels written on the next screen by Continue ("Form3.Label6=6").
    QTest::addColumn<int>("screen");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("own");
    QTest::addColumn<QStringList>("handedOn");

    const auto row = [](const char* name, int screen, QStringList clicks, QStringList own,
                        QStringList handedOn) {
        QTest::newRow(name) << screen << clicks << own << handedOn;
    };
    // Upper arm
    row("upper arm: nothing chosen", 2, {}, {"Label6=0", "Label3=0", "Label4=0", "Label5=0"},
        {"Form3.Label6=0"});
    row("upper arm: 20° back to 20° forward", 2, {"Option1"}, {"Label6=1"}, {"Form3.Label6=1"});
    row("upper arm: extension", 2, {"Option2"}, {"Label6=2"}, {"Form3.Label6=2"});
    row("upper arm: 20-45° forward", 2, {"Option3"}, {"Label6=2"}, {"Form3.Label6=2"});
    row("upper arm: 45-90° forward", 2, {"Option4"}, {"Label6=3"}, {"Form3.Label6=3"});
    row("upper arm: over 90°", 2, {"Option5"}, {"Label6=4"}, {"Form3.Label6=4"});
    row("upper arm: largest total", 2, {"Option5", "Check1", "Check2"},
        {"Label6=4", "Label3=1", "Label4=1", "Label5=0"}, {"Form3.Label6=6"});
    row("upper arm: supported lowers by one", 2, {"Option4", "Check3"}, {"Label5=-1"},
        {"Form3.Label6=2"});
    row("upper arm: supported never below 1", 2, {"Option1", "Check3"}, {"Label5=-1"},
        {"Form3.Label6=1"});
    row("upper arm: all three boxes", 2, {"Option2", "Check1", "Check2", "Check3"}, {},
        {"Form3.Label6=3"});
    row("upper arm: supported, no posture", 2, {"Check3"}, {"Label6=0", "Label5=-1"},
        {"Form3.Label6=0"});
    row("upper arm: boxes, no posture", 2, {"Check1", "Check2"}, {"Label3=1", "Label4=1"},
        {"Form3.Label6=0"});
    row("upper arm: another option replaces the base", 2, {"Option5", "Option1"}, {"Label6=1"},
        {"Form3.Label6=1"});
    row("upper arm: box ticked and cleared", 2, {"Option3", "Check1", "Check1"}, {"Label3=0"},
        {"Form3.Label6=2"});
    row("upper arm: drawing selects its option", 2, {"Picture3"}, {"Label6=2"}, {"Form3.Label6=2"});
    row("upper arm: drawing after option", 2, {"Option1", "Picture5", "Check1"}, {"Label6=4"},
        {"Form3.Label6=5"});
    // Lower arm
    row("lower arm: nothing chosen", 3, {}, {"Label3=0", "Label4=0"}, {"Form4.Label6=0"});
    row("lower arm: 60-100°", 3, {"Option1"}, {"Label3=1"}, {"Form4.Label6=1"});
    row("lower arm: outside 60-100°", 3, {"Option2"}, {"Label3=2"}, {"Form4.Label6=2"});
    row("lower arm: largest total", 3, {"Option2", "Check1"}, {"Label4=1"}, {"Form4.Label6=3"});
    row("lower arm: box, no posture", 3, {"Check1"}, {"Label4=1"}, {"Form4.Label6=0"});
    row("lower arm: drawings", 3, {"Picture2", "Picture3"}, {"Label3=2", "Label4=1"},
        {"Form4.Label6=3"});
    row("lower arm: adjustment drawing toggles", 3, {"Option1", "Picture3", "Picture3"},
        {"Label4=0"}, {"Form4.Label6=1"});
    // Wrist
    row("wrist: nothing chosen", 4, {}, {"Label4=0", "Label3=0"}, {"Form5.Label6=0"});
    row("wrist: neutral", 4, {"Option1"}, {"Label4=1"}, {"Form5.Label6=1"});
    row("wrist: up to 15°", 4, {"Option2"}, {"Label4=2"}, {"Form5.Label6=2"});
    row("wrist: over 15°", 4, {"Option5"}, {"Label4=3"}, {"Form5.Label6=3"});
    row("wrist: largest total", 4, {"Option5", "Check1"}, {"Label3=1"}, {"Form5.Label6=4"});
    row("wrist: box, no posture", 4, {"Check1"}, {"Label3=1"}, {"Form5.Label6=0"});
    row("wrist: box ticked and cleared", 4, {"Option2", "Check1", "Check1"}, {"Label3=0"},
        {"Form5.Label6=2"});
    row("wrist: drawings", 4, {"Picture1", "Picture4"}, {"Label4=1", "Label3=1"},
        {"Form5.Label6=2"});
    // Wrist twist
    row("twist: nothing chosen", 5, {}, {"Label4=0"}, {"Form6.Label6=0"});
    row("twist: mid-range", 5, {"Option1"}, {"Label4=1"}, {"Form6.Label6=1"});
    row("twist: end of range", 5, {"Option2"}, {"Label4=2"}, {"Form6.Label6=2"});
    row("twist: changed back", 5, {"Option2", "Option1"}, {"Label4=1"}, {"Form6.Label6=1"});
    // Neck; note the crossed labels: Check1 feeds Label4, Check2 feeds Label3.
    row("neck: nothing chosen", 6, {}, {"Label5=0", "Label4=0", "Label3=0"}, {"Form7.Label6=0"});
    row("neck: 0-10°", 6, {"Option1"}, {"Label5=1"}, {"Form7.Label6=1"});
    row("neck: 10-20°", 6, {"Option2"}, {"Label5=2"}, {"Form7.Label6=2"});
    row("neck: over 20°", 6, {"Option3"}, {"Label5=3"}, {"Form7.Label6=3"});
    row("neck: extension", 6, {"Option4"}, {"Label5=4"}, {"Form7.Label6=4"});
    row("neck: twisting", 6, {"Option1", "Check1"}, {"Label4=1", "Label3=0"}, {"Form7.Label6=2"});
    row("neck: side-bending", 6, {"Option1", "Check2"}, {"Label4=0", "Label3=1"},
        {"Form7.Label6=2"});
    row("neck: largest total", 6, {"Option4", "Check1", "Check2"}, {}, {"Form7.Label6=6"});
    row("neck: boxes, no posture", 6, {"Check1", "Check2"}, {}, {"Form7.Label6=0"});
    row("neck: drawing", 6, {"Picture4"}, {"Label5=4"}, {"Form7.Label6=4"});
    // Trunk and legs
    row("trunk: nothing chosen", 7, {},
        {"Label7=0", "Label3=0", "Label4=0", "Label5=2", "Label8=2"},
        {"Form8.Label6=0", "Form8.Label8=2"});
    row("trunk: upright", 7, {"Option1"}, {"Label7=1"}, {"Form8.Label6=1"});
    row("trunk: 0-20°", 7, {"Option2"}, {"Label7=2"}, {"Form8.Label6=2"});
    row("trunk: 20-60°", 7, {"Option3"}, {"Label7=3"}, {"Form8.Label6=3"});
    row("trunk: over 60°", 7, {"Option4"}, {"Label7=4"}, {"Form8.Label6=4"});
    row("trunk: largest total", 7, {"Option4", "Check1", "Check2"}, {"Label3=1", "Label4=1"},
        {"Form8.Label6=6"});
    row("trunk: boxes, no posture", 7, {"Check1", "Check2"}, {}, {"Form8.Label6=0"});
    row("trunk: supported while seated", 7, {"Option4", "Check3"}, {"Label5=1"},
        {"Form8.Label6=1"});
    row("trunk: supported, adjustments still add", 7, {"Option3", "Check3", "Check1", "Check2"}, {},
        {"Form8.Label6=3"});
    row("trunk: supported, no drawing", 7, {"Check3"}, {"Label7=0"}, {"Form8.Label6=1"});
    row("trunk: support ticked and cleared", 7, {"Option2", "Check3", "Check3"}, {"Label5=2"},
        {"Form8.Label6=2"});
    row("legs: supported and balanced", 7, {"Option1", "Check4"}, {"Label8=1"}, {"Form8.Label8=1"});
    row("legs: ticked and cleared", 7, {"Option1", "Check4", "Check4"}, {"Label8=2"},
        {"Form8.Label8=2"});
    row("trunk: drawing", 7, {"Picture3"}, {"Label7=3"}, {"Form8.Label6=3"});
}

void PostureScreensTest::segmentScores() {
    QFETCH(int, screen);
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, own);
    QFETCH(QStringList, handedOn);
    Program program;
    ContinueTo(program, screen);
    ScreenShell& s = program.form(screen);
    for (const QString& name : clicks)
        Click(s, qPrintable(name));
    for (const QString& expectation : own) {
        const QStringList pair = expectation.split('=');
        QCOMPARE(Text(s, qPrintable(pair[0])), pair[1]);
    }
    // The chosen drawings are framed in the highlight colour, on screen and on paper, and
    // no other is.
    auto capture = std::make_unique<CapturingTarget>();
    CapturingTarget* printer = capture.get();
    program.screens.setPrintTarget(std::move(capture));
    Click(s, "Command3");
    QCOMPARE(printer->pages.size(), std::size_t(1));
    const QImage shown = s.grab().toImage();
    for (const QString& pair : kDrawings.at(screen)) {
        const QStringList names = pair.split('=');
        const QWidget* picture = Control(s, qPrintable(names[0]));
        const bool chosen = Checked(s, qPrintable(names[1]));
        QVERIFY2(Framed(shown, {}, picture, s.palette().color(QPalette::Highlight)) == chosen,
                 qPrintable(names[0] + " on screen"));
        QVERIFY2(Framed(printer->pages.front(), {}, picture,
                        PaperPalette().color(QPalette::Highlight)) == chosen,
                 qPrintable(names[0] + " on paper"));
    }
    Click(s, "Command1");
    QCOMPARE(program.visibleScreen(), screen + 1);
    for (const QString& expectation : handedOn) {
        const QStringList place = expectation.split('=');
        const QStringList at = place[0].split('.');
        ScreenShell& next = program.form(at[0].mid(4).toInt());
        QCOMPARE(Text(next, qPrintable(at[1])), place[1]);
    }
}

void PostureScreensTest::backThenContinueKeepsEveryChoice() {
    Program program;
    Click(program.form(1), "Command1");
    const QList<QStringList> choices = {
        {"Option4", "Check1", "Check3"}, {"Option2", "Check1"},
        {"Option5", "Check1"},           {"Option2"},
        {"Option3", "Check2"},           {"Option2", "Check1", "Check4"},
    };
    for (int n = 2; n <= 7; ++n) {
        for (const QString& name : choices[n - 2])
            Click(program.form(n), qPrintable(name));
        Click(program.form(n), "Command1");
    }
    QCOMPARE(program.visibleScreen(), 8);
    const auto before = Snapshot(program);
    QCOMPARE(before.at("Form3.Label6"), "3");
    QCOMPARE(before.at("Form8.Label6"), "3");
    QCOMPARE(before.at("Form8.Label8"), "1");
    // Back k screens and Continue k times, for every k: nothing changes, nothing adds up.
    for (int k = 1; k <= 7; ++k) {
        for (int i = 0; i < k; ++i)
            Click(program.form(8 - i), "Command2");
        QCOMPARE(program.visibleScreen(), 8 - k);
        for (int i = k; i > 0; --i)
            Click(program.form(8 - i), "Command1");
        QCOMPARE(program.visibleScreen(), 8);
        QVERIFY2(Snapshot(program) == before, qPrintable(QString("after %1 back").arg(k)));
    }
    // A change on an earlier screen rewrites only what that screen's Continue writes.
    Click(program.form(8), "Command2");
    Click(program.form(7), "Command2");
    Click(program.form(6), "Command2");
    Click(program.form(5), "Command2");
    Click(program.form(4), "Option1");
    Click(program.form(4), "Command1");
    auto expected = before;
    expected["Form4.Option5"] = "off";
    expected["Form4.Option1"] = "on";
    expected["Form4.Label4"] = "1";
    expected["Form5.Label6"] = "2";
    QVERIFY(Snapshot(program) == expected);
}

void PostureScreensTest::tabOrderAndFirstFocus_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<QStringList>("chain");
    const QStringList buttons{"Command1", "Command2", "Command3", "Command4"};
    QTest::newRow("upper arm") << 2
                               << QStringList{"Option1", "Option2", "Option3", "Option4",
                                              "Option5", "Check1",  "Check2",  "Check3"} +
                                      buttons;
    QTest::newRow("lower arm") << 3 << QStringList{"Option1", "Option2", "Check1"} + buttons;
    QTest::newRow("wrist") << 4 << QStringList{"Option1", "Option2", "Option5", "Check1"} + buttons;
    QTest::newRow("wrist twist") << 5 << QStringList{"Option1", "Option2"} + buttons;
    QTest::newRow("neck") << 6
                          << QStringList{"Option1", "Option2", "Option3",
                                         "Option4", "Check1",  "Check2"} +
                                 buttons;
    QTest::newRow("trunk and legs")
        << 7
        << QStringList{"Option1", "Option2", "Option4", "Check1", "Check2", "Check3", "Check4"} +
               buttons + QStringList{"Option3"};
    QTest::newRow("frequency and force")
        << 8
        << QStringList{"Option3",  "Option1",  "Option2",  "Option4", "Option5",
                       "Option6",  "Option7",  "Option10", "Option9", "Option8",
                       "Option11", "Option12", "Option13", "Option14"} +
               buttons;
}

void PostureScreensTest::tabOrderAndFirstFocus() {
    QFETCH(int, screen);
    QFETCH(QStringList, chain);
    Program program;
    ContinueTo(program, screen);
    ScreenShell& s = program.form(screen);
    QCOMPARE(TabChain(s), chain);
    QCOMPARE(s.focusWidget() ? s.focusWidget()->objectName() : QString("none"), chain.first());
    // Tab walks the chain and wraps round to the first stop.
    QStringList visited;
    for (int i = 0; i < chain.size(); ++i) {
        visited << s.focusWidget()->objectName();
        QTest::keyClick(s.focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, chain);
    QCOMPARE(s.focusWidget()->objectName(), chain.first());
}

void PostureScreensTest::enterIsContinueExceptOnAnotherButton_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("shown");
    for (int n = 2; n <= 8; ++n) {
        const char* option = n == 8 ? "Option5" : "Option2";
        QTest::addRow("Form%d option", n) << n << option << n + 1;
        if (n != 5 && n != 8)
            QTest::addRow("Form%d check box", n) << n << "Check1" << n + 1;
        QTest::addRow("Form%d Continue", n) << n << "Command1" << n + 1;
        QTest::addRow("Form%d Back", n) << n << "Command2" << n - 1;
    }
}

void PostureScreensTest::enterIsContinueExceptOnAnotherButton() {
    QFETCH(int, screen);
    QFETCH(QString, focus);
    QFETCH(int, shown);
    Program program;
    ContinueTo(program, screen);
    QWidget* w = Control(program.form(screen), qPrintable(focus));
    w->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w, Qt::Key_Return);
    QCOMPARE(program.visibleScreen(), shown);
}

void PostureScreensTest::captionlessOptionsSpeakForTheirDrawings() {
    Program program;
    ContinueTo(program, 7);
    const std::map<int, QStringList> options = {
        {2, {"Option1", "Option2", "Option3", "Option4", "Option5"}},
        {3, {"Option1", "Option2"}},
        {4, {"Option1", "Option2", "Option5"}},
        {6, {"Option1", "Option2", "Option3", "Option4"}},
        {7, {"Option1", "Option2", "Option3", "Option4"}},
    };
    for (const auto& [n, names] : options) {
        QStringList seen;
        for (const QString& name : names) {
            auto* option = Control<QAbstractButton>(program.form(n), qPrintable(name));
            QVERIFY(option->text().isEmpty());
            QVERIFY2(!option->accessibleName().isEmpty(), qPrintable(name));
            QVERIFY(!option->accessibleDescription().isEmpty());
            QCOMPARE(option->toolTip(), option->accessibleDescription());
            QVERIFY2(!seen.contains(option->accessibleName()), "names tell options apart");
            seen << option->accessibleName();
        }
    }
    for (int n : {2, 3, 4, 6, 7})
        for (QWidget* picture : program.form(n).findChildren<PictureBox*>())
            QVERIFY(!picture->accessibleName().isEmpty() && !picture->toolTip().isEmpty());
}

void PostureScreensTest::measuredAnglesChooseOptions_data() {
    // The angles of upper arm, lower arm, wrist, neck and trunk (NaN: not measured); what
    // changes from the screens' design state; what is reported for each angle: the option
    // and base chosen, "none" where no option holds it, "eye" where it is left to the eye,
    // "-" where it is not measured.
    QTest::addColumn<QList<double>>("angles");
    QTest::addColumn<QString>("changes");
    QTest::addColumn<QStringList>("report");
    const double none = std::nan("");
    QTest::newRow("all five") << QList<double>{47, 90, -10, 25, 18}
                              << QString("Form2.Label6=3 Form2.Option4=on Form3.Label3=1 "
                                         "Form3.Option1=on Form4.Label4=2 Form4.Option2=on "
                                         "Form6.Label5=3 Form6.Option3=on Form7.Label7=2 "
                                         "Form7.Option2=on")
                              << QStringList{"Option4 3 near Upper arm 45° to 90° forward",
                                             "Option1 1 Lower arm 60° to 100° of elbow flexion",
                                             "Option2 2 Wrist bent up to 15°",
                                             "Option3 3 Neck over 20° forward",
                                             "Option2 2 near Trunk 0° to 20° forward"};
    QTest::newRow("the arm only") << QList<double>{-30, 20, none, none, none}
                                  << QString("Form2.Label6=2 Form2.Option2=on Form3.Label3=2 "
                                             "Form3.Option2=on")
                                  << QStringList{"Option2 2 Upper arm in extension beyond 20°",
                                                 "Option2 2 Lower arm below 60° or beyond 100°",
                                                 "-", "-", "-"};
    QTest::newRow("leaning back") << QList<double>{none, none, 0, -8, -12}
                                  << QString("Form4.Label4=1 Form4.Option1=on")
                                  << QStringList{"-", "-", "Option1 1 Wrist neutral, 0°",
                                                 "eye near", "none"};
}

void PostureScreensTest::measuredAnglesChooseOptions() {
    QFETCH(QList<double>, angles);
    QFETCH(QString, changes);
    QFETCH(QStringList, report);
    std::map<QString, QString> design;
    {
        Program fresh;
        for (int n = 2; n <= 8; ++n)
            fresh.form(n);
        design = Snapshot(fresh);
    }
    const auto measured = [&](int i) {
        return std::isnan(angles[i]) ? std::nullopt : std::optional(angles[i]);
    };
    Program program;
    const QPoint introductionAt = program.form(1).pos();
    const auto choices = UsePostureAngles(
        program.screens, {measured(4), measured(3), measured(0), measured(1), measured(2)});

    QStringList reported;
    for (const MeasuredChoice& c : choices) {
        using Outcome = MeasuredChoice::Outcome;
        const QString near = c.nearEdge ? " near" : "";
        switch (c.outcome) {
        case Outcome::NotMeasured:
            reported << "-";
            break;
        case Outcome::Chosen:
            reported << c.option + " " + QString::number(c.base) + near + " " + c.band;
            break;
        case Outcome::NoOption:
            reported << "none" + near;
            break;
        case Outcome::CheckByEye:
            reported << "eye" + near;
            break;
        }
    }
    QCOMPARE(reported, report);
    QStringList changed;
    for (const auto& [name, value] : Snapshot(program))
        if (design.at(name) != value)
            changed << name + "=" + value;
    changed.sort();
    QCOMPARE(changed.join(' '), changes);
    // Nothing shown, hidden or moved.
    QCOMPARE(program.visibleScreen(), 1);
    QCOMPARE(program.form(1).pos(), introductionAt);
}

void PostureScreensTest::measuredChoiceIsTheUsersToChange() {
    Program program;
    ContinueTo(program, 2);
    Click(program.form(2), "Option1");
    Click(program.form(2), "Check1");
    Click(program.form(2), "Command2");
    // The measured angle replaces the earlier choice; the adjustment stays.
    UsePostureAngles(program.screens,
                     {std::nullopt, std::nullopt, 100, std::nullopt, std::nullopt});
    QVERIFY(Checked(program.form(2), "Option5") && !Checked(program.form(2), "Option1"));
    QVERIFY(Checked(program.form(2), "Check1"));
    ContinueTo(program, 3);
    QCOMPARE(Text(program.form(3), "Label6"), "5");
    // A click afterwards overrides it, as any click does.
    Click(program.form(3), "Command2");
    Click(program.form(2), "Option3");
    Click(program.form(2), "Command1");
    QCOMPARE(Text(program.form(3), "Label6"), "3");

    // An angle no option may be chosen for clears the earlier choice, as on a new screen;
    // the boxes stay, and Continue hands on no posture.
    Control<QAbstractButton>(program.form(6), "Option2")->click();
    Control<QAbstractButton>(program.form(7), "Option3")->click();
    Control<QAbstractButton>(program.form(7), "Check1")->click();
    UsePostureAngles(program.screens, {-12, -14, std::nullopt, std::nullopt, std::nullopt});
    for (const char* option : {"Option1", "Option2", "Option3", "Option4"})
        QVERIFY(!Checked(program.form(6), option) && !Checked(program.form(7), option));
    QCOMPARE(Text(program.form(6), "Label5"), "0");
    QCOMPARE(Text(program.form(7), "Label7"), "0");
    QVERIFY(Checked(program.form(7), "Check1"));
    Control<QAbstractButton>(program.form(7), "Command1")->click();
    QCOMPARE(Text(program.form(8), "Label6"), "0");
}

namespace {

// Each screen's options and boxes as the screens are designed: the answer an option or
// box stands for, written independently of the screens' code.
struct OptionOf {
    int screen;
    const char* name;
    std::function<bool(const Assessment&)> chosen;
};
std::vector<OptionOf> DesignedControls() {
    std::vector<OptionOf> controls;
    const auto option = [&](int screen, const char* name, auto member, auto value) {
        controls.push_back({screen, name, [=](const Assessment& a) { return a.*member == value; }});
    };
    const auto box = [&](int screen, const char* name, bool Assessment::*member) {
        controls.push_back({screen, name, [=](const Assessment& a) { return a.*member; }});
    };
    using A = Assessment;
    option(2, "Option1", &A::upperArm, UpperArmPosture::Neutral);
    option(2, "Option2", &A::upperArm, UpperArmPosture::Extension);
    option(2, "Option3", &A::upperArm, UpperArmPosture::Raised20To45);
    option(2, "Option4", &A::upperArm, UpperArmPosture::Raised45To90);
    option(2, "Option5", &A::upperArm, UpperArmPosture::RaisedBeyond90);
    box(2, "Check1", &A::shoulderRaised), box(2, "Check2", &A::upperArmAbducted);
    box(2, "Check3", &A::armSupported);
    option(3, "Option1", &A::lowerArm, LowerArmPosture::Flexed60To100);
    option(3, "Option2", &A::lowerArm, LowerArmPosture::Below60OrBeyond100);
    box(3, "Check1", &A::lowerArmAcrossOrOut);
    option(4, "Option1", &A::wrist, WristPosture::Neutral);
    option(4, "Option2", &A::wrist, WristPosture::UpTo15);
    option(4, "Option5", &A::wrist, WristPosture::Beyond15);
    box(4, "Check1", &A::wristBentFromMidline);
    option(5, "Option1", &A::wristTwist, WristTwist::MidRange);
    option(5, "Option2", &A::wristTwist, WristTwist::EndOfRange);
    option(6, "Option1", &A::neck, NeckPosture::Flexed0To10);
    option(6, "Option2", &A::neck, NeckPosture::Flexed10To20);
    option(6, "Option3", &A::neck, NeckPosture::FlexedBeyond20);
    option(6, "Option4", &A::neck, NeckPosture::Extension);
    box(6, "Check1", &A::neckTwisted), box(6, "Check2", &A::neckSideBent);
    option(7, "Option1", &A::trunk, TrunkPosture::Upright);
    option(7, "Option2", &A::trunk, TrunkPosture::Flexed0To20);
    option(7, "Option3", &A::trunk, TrunkPosture::Flexed20To60);
    option(7, "Option4", &A::trunk, TrunkPosture::FlexedBeyond60);
    box(7, "Check1", &A::trunkTwisted), box(7, "Check2", &A::trunkSideBent);
    box(7, "Check3", &A::trunkSupportedSeated), box(7, "Check4", &A::legsSupported);
    const char* muscle[2][3] = {{"Option3", "Option1", "Option2"}, {"Option10", "Option9", "Option8"}};
    const char* force[2][4] = {{"Option4", "Option5", "Option6", "Option7"},
                               {"Option11", "Option12", "Option13", "Option14"}};
    const MuscleUse uses[] = {MuscleUse::Moderate, MuscleUse::MainlyStatic, MuscleUse::Repeated};
    const ForceLoad loads[] = {ForceLoad::LightIntermittent, ForceLoad::MediumIntermittent,
                               ForceLoad::MediumStaticOrRepeated, ForceLoad::Heavy};
    for (int g = 0; g < 2; ++g) {
        for (int i = 0; i < 3; ++i)
            option(8, muscle[g][i], g == 0 ? &A::muscleUseA : &A::muscleUseB, uses[i]);
        for (int i = 0; i < 4; ++i)
            option(8, force[g][i], g == 0 ? &A::forceLoadA : &A::forceLoadB, loads[i]);
    }
    return controls;
}

} // namespace

// Any record, "nothing chosen" included, set on the screens without a click, shows in
// every option and box as designed, and the screens hand on its scores.
void PostureScreensTest::screensShowAnyRecordAndReadBackEqual() {
    Program program;
    for (int n = 2; n <= 8; ++n)
        program.form(n);
    const std::vector<OptionOf> controls = DesignedControls();
    std::mt19937 random(7);
    const auto pick = [&](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };
    for (int round = 0; round < 300; ++round) {
        // Every third record is nothing chosen at all, over whatever came before.
        Assessment a;
        if (round % 3 != 2) {
            a.upperArm = static_cast<UpperArmPosture>(pick(6));
            a.shoulderRaised = pick(2), a.upperArmAbducted = pick(2), a.armSupported = pick(2);
            a.lowerArm = static_cast<LowerArmPosture>(pick(3)), a.lowerArmAcrossOrOut = pick(2);
            a.wrist = static_cast<WristPosture>(pick(4)), a.wristBentFromMidline = pick(2);
            a.wristTwist = static_cast<WristTwist>(pick(3));
            a.neck = static_cast<NeckPosture>(pick(5)), a.neckTwisted = pick(2);
            a.neckSideBent = pick(2), a.trunk = static_cast<TrunkPosture>(pick(5));
            a.trunkTwisted = pick(2), a.trunkSideBent = pick(2);
            a.trunkSupportedSeated = pick(2), a.legsSupported = pick(2);
            a.muscleUseA = static_cast<MuscleUse>(pick(4));
            a.forceLoadA = static_cast<ForceLoad>(pick(5));
            a.muscleUseB = static_cast<MuscleUse>(pick(4));
            a.forceLoadB = static_cast<ForceLoad>(pick(5));
        }
        program.screens.assessment().set(a);
        for (const OptionOf& control : controls)
            QVERIFY2(Checked(program.form(control.screen), control.name) == control.chosen(a),
                     qPrintable(QStringLiteral("round %1, Form%2.%3")
                                    .arg(round)
                                    .arg(control.screen)
                                    .arg(control.name)));
        QCOMPARE(program.screens.assessment().record(), a);
    }
    // What the screens hand on is the record's: Continue from the upper arm screen.
    Assessment a;
    a.upperArm = UpperArmPosture::Raised45To90;
    a.shoulderRaised = true;
    program.screens.assessment().set(a);
    QCOMPARE(Text(program.form(2), "Label6"), "3");
    QCOMPARE(Text(program.form(2), "Label3"), "1");
    ContinueTo(program, 3);
    QCOMPARE(Text(program.form(3), "Label6"), "4");
}

QTEST_MAIN(PostureScreensTest)
#include "test_posture_screens.moc"

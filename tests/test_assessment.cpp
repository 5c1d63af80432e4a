// Whole assessments, from the introduction to the final score, through the real
// screens: every value box checked against scores worked by hand from the published
// RULA tables.
#include "screen_driver.h"

#include "screens/form3.h"
#include "screens/live_assessment.h"

#include <QAccessible>
#include <QFile>
#include <QTemporaryDir>

#include <map>

using namespace rula;
using namespace rula::testing;

Q_DECLARE_METATYPE(rula::testing::Answers)

namespace {

// Frequency and force answers: muscle use A, force A, muscle use B, force B.
// Option3/Option10 moderate (0), Option1/Option9 static (1), Option2/Option8 repeated (1);
// Option4/Option11 under 2 kg (0), Option5/Option12 2-10 kg intermittent (1),
// Option6/Option13 2-10 kg static or repeated (2), Option7/Option14 over 10 kg (3).

} // namespace

class AssessmentTest : public QObject {
    Q_OBJECT
private slots:
    void finalScreenStartsWithInitialTexts();
    void wholeAssessments_data();
    void wholeAssessments();
    void changedForceIsRecomputed();
    void noCellNeverShowsAnEarlierNumber();
    void laterOptionInAGroupReplacesTheEarlier_data();
    void laterOptionInAGroupReplacesTheEarlier();
    void printOnFrequencyAndFinalScreens();
    void emptyBoxesReadAsEmpty();
    void finalScreenKeysAndButtons();
};

void AssessmentTest::finalScreenStartsWithInitialTexts() {
    Program program;
    ScreenShell& form9 = program.form(9);
    QStringList expected;
    for (int i = 0; i < 15; ++i)
        expected << "0";
    expected << "";
    QCOMPARE(FinalScores(form9), expected);
    QCOMPARE(Text(form9, "Label17"), "Complete: A. Arm and Wrist Analysis");
    QCOMPARE(Text(form9, "Label34"), " Complete: B. Neck, Trunk and Leg Analysis");
    QCOMPARE(Text(form9, "Label32"), "Final Score");
    QCOMPARE(Text(form9, "Legend1"), "1 or 2 = Minimum Risk");
    QCOMPARE(Text(form9, "Legend4"), "7 = High Risk");
}

void AssessmentTest::wholeAssessments_data() {
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<QStringList>("scores");

    QTest::newRow("all ones") << Answers{{{"Option1"},
                                          {"Option1"},
                                          {"Option1"},
                                          {"Option1"},
                                          {"Option1"},
                                          {"Option1", "Check4"},
                                          {"Option3", "Option4", "Option10", "Option11"}}}
                              << QStringList{"1", "1", "1", "1", "1", "0", "0", "1",
                                             "1", "1", "1", "1", "0", "0", "1", "1"};
    // Upper arm 6 and lower arm 3 fill the last row of Table A: posture A 9 whatever the
    // wrist; C = 9 + 1 + 3 = 13 takes the open last row of Table C.
    QTest::newRow("arm raised high, heavy load")
        << Answers{{{"Option5", "Check1", "Check2"},
                    {"Option2", "Check1"},
                    {"Option1"},
                    {"Option1"},
                    {"Option1"},
                    {"Option1", "Check4"},
                    {"Option1", "Option7", "Option10", "Option11"}}}
        << QStringList{"6", "3", "1", "1", "9", "1", "3", "13",
                       "1", "1", "1", "1", "0", "0", "1", "5"};
    // Seated typist: arm hanging, forearm working across the body, wrist bent a little,
    // neck 10-20°, trunk supported on the chair, feet flat, keying repeatedly.
    // A: row 2, column W2T1 = 2; C = 3. B: neck 2, trunk 1, legs 1 = 2; D = 3. C(3,3) = 3.
    QTest::newRow("typist at a desk") << Answers{{{"Option1"},
                                                  {"Option1", "Check1"},
                                                  {"Option2"},
                                                  {"Option1"},
                                                  {"Option2"},
                                                  {"Option2", "Check3", "Check4"},
                                                  {"Option2", "Option4", "Option9", "Option11"}}}
                                      << QStringList{"1", "2", "2", "1", "2", "1", "0", "3",
                                                     "2", "1", "1", "2", "1", "0", "3", "3"};
    // Lifting 12 kg onto a high shelf: arm above the shoulder and raised, forearm up,
    // wrist bent back at the end of its twist, head tipped back, trunk bent and twisted,
    // weight on one leg. A: row 14, column W3T2 = 7; C = 11. B: neck 4, trunk 3, legs 2
    // = 7; D = 11. Table C: last row, last column = 7.
    QTest::newRow("lifting 12 kg above the shoulder")
        << Answers{{{"Option5", "Check1"},
                    {"Option2"},
                    {"Option5"},
                    {"Option2"},
                    {"Option4"},
                    {"Option2", "Check1"},
                    {"Option2", "Option7", "Option8", "Option14"}}}
        << QStringList{"5", "2", "3", "2", "7", "1", "3",  "11",
                       "4", "3", "2", "7", "1", "3", "11", "7"};
    // Static stoop over a low bench: arm 45-90° forward, forearm low, wrist neutral,
    // head down over 20°, trunk over 60°, feet balanced, holding a 5 kg part.
    // A: row 8, W1T1 = 2; C = 4. B: neck 3, T4L1 = 5; D = 6. C(4,6) = 6.
    QTest::newRow("static stooped posture")
        << Answers{{{"Option4"},
                    {"Option2"},
                    {"Option1"},
                    {"Option1"},
                    {"Option3"},
                    {"Option4", "Check4"},
                    {"Option1", "Option5", "Option9", "Option11"}}}
        << QStringList{"3", "2", "1", "1", "2", "1", "1", "4",
                       "3", "4", "1", "5", "1", "0", "6", "6"};
    // Nothing chosen anywhere: no table finds a cell, so the boxes they fill stay blank.
    QTest::newRow("nothing chosen")
        << Answers{}
        << QStringList{"0", "0", "0", "0", "", "0", "0", "", "0", "0", "2", "", "0", "0", "", ""};
    // The arm supported lowers the upper arm score, but never below 1.
    QTest::newRow("supported arm") << Answers{{{"Option1", "Check3"},
                                               {"Option1"},
                                               {"Option1"},
                                               {"Option1"},
                                               {"Option1"},
                                               {"Option1"},
                                               {}}}
                                   << QStringList{"1", "1", "1", "1", "1", "0", "0", "1",
                                                  "1", "1", "2", "3", "0", "0", "3", "3"};
    // Only the lower arm is missing: Group A is blank, Group B is scored, no final score.
    QTest::newRow("lower arm not chosen")
        << Answers{{{"Option2"},
                    {"Check1"},
                    {"Option1"},
                    {"Option1"},
                    {"Option1"},
                    {"Option1", "Check4"},
                    {"Option1", "Option5"}}}
        << QStringList{"2", "0", "1", "1", "", "1", "1", "", "1", "1", "1", "1", "0", "0", "1", ""};
}

void AssessmentTest::wholeAssessments() {
    QFETCH(Answers, answers);
    QFETCH(QStringList, scores);
    Program program;
    Assess(program, answers);
    QCOMPARE(FinalScores(program.form(9)), scores);
}

void AssessmentTest::changedForceIsRecomputed() {
    Program program;
    const Answers stoop{{{"Option4"},
                         {"Option2"},
                         {"Option1"},
                         {"Option1"},
                         {"Option3"},
                         {"Option4", "Check4"},
                         {"Option1", "Option5", "Option9", "Option11"}}};
    Assess(program, stoop);
    ScreenShell& form9 = program.form(9);
    QCOMPARE(Text(form9, "Label33"), "6");
    Click(form9, "Command2"); // Back
    QCOMPARE(program.visibleScreen(), 8);
    Click(program.form(8), "Option7"); // force A over 10 kg: 3
    Click(program.form(8), "Command1");
    QCOMPARE(program.visibleScreen(), 9);
    // Force A 3, C = 2 + 1 + 3 = 6; D still 6; C(6,6) = 7.
    QCOMPARE(FinalScores(form9), (QStringList{"3", "2", "1", "1", "2", "1", "3", "6", "3", "4", "1",
                                              "5", "1", "0", "6", "7"}));
}

void AssessmentTest::noCellNeverShowsAnEarlierNumber() {
    Program program;
    const Answers typist{{{"Option1"},
                          {"Option1", "Check1"},
                          {"Option2"},
                          {"Option1"},
                          {"Option2"},
                          {"Option2", "Check3", "Check4"},
                          {"Option2", "Option4", "Option9", "Option11"}}};
    Assess(program, typist);
    QCOMPARE(Text(program.form(9), "Label33"), "3");
    // The next worker's upper arm could not be scored: no posture is chosen for it.
    Click(program.form(9), "Command2");
    program.screens.assessment().edit([](Assessment& a) { a.upperArm = UpperArmPosture::None; });
    Click(program.form(8), "Command1");
    const QStringList scores = FinalScores(program.form(9));
    QCOMPARE(scores[0], "0");
    QCOMPARE(scores[4], ""); // posture A: no cell
    QCOMPARE(scores[7], ""); // C built on no posture score
    QCOMPARE(scores[11], "2");
    QCOMPARE(scores[14], "3");
    QCOMPARE(scores[15], ""); // no final score, not the earlier 3
}

void AssessmentTest::laterOptionInAGroupReplacesTheEarlier_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("labels"); // Label3, Label4, Label5, Label7
    QTest::newRow("static then moderate")
        << QStringList{"Option1", "Option3"} << QStringList{"0", "0", "0", "0"};
    QTest::newRow("static then repeated")
        << QStringList{"Option1", "Option2"} << QStringList{"1", "0", "0", "0"};
    QTest::newRow("heavy then light")
        << QStringList{"Option7", "Option4"} << QStringList{"0", "0", "0", "0"};
    QTest::newRow("each force A") << QStringList{"Option5", "Option6"}
                                  << QStringList{"0", "2", "0", "0"};
    QTest::newRow("group B apart from A")
        << QStringList{"Option8", "Option13", "Option2"} << QStringList{"1", "0", "1", "2"};
    QTest::newRow("group B moderate and heavy")
        << QStringList{"Option9", "Option10", "Option14"} << QStringList{"0", "0", "0", "3"};
}

void AssessmentTest::laterOptionInAGroupReplacesTheEarlier() {
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, labels);
    Program program;
    Assess(program, Answers{});
    Click(program.form(9), "Command2");
    ScreenShell& form8 = program.form(8);
    for (const QString& name : clicks)
        Click(form8, qPrintable(name));
    QCOMPARE((QStringList{Text(form8, "Label3"), Text(form8, "Label4"), Text(form8, "Label5"),
                          Text(form8, "Label7")}),
             labels);
}

void AssessmentTest::printOnFrequencyAndFinalScreens() {
    Program program;
    auto capture = std::make_unique<CapturingTarget>();
    CapturingTarget* pages = capture.get();
    program.screens.setPrintTarget(std::move(capture));
    Assess(program, Answers{});
    Click(program.form(9), "Command3");
    Click(program.form(9), "Command2");
    Click(program.form(8), "Command3");
    QCOMPARE(pages->pages.size(), std::size_t(2));
    QCOMPARE(pages->pages[0].size(), QSize(369, 617));
    QCOMPARE(pages->pages[1].size(), QSize(425, 513));
    QCOMPARE(program.visibleScreen(), 8);

    QTemporaryDir dir;
    program.screens.setPrintTarget(std::make_unique<PdfFileTarget>(dir.filePath("f8.pdf")));
    Click(program.form(8), "Command3");
    QVERIFY(ReadPdf(dir.filePath("f8.pdf")).text.contains("Group A (Arm, Wrist)"));
}

void AssessmentTest::emptyBoxesReadAsEmpty() {
    // A screen reader reads a value box's name as its value and its description as the
    // caption beside it; an empty box must not borrow its caption as its value.
    Program program;
    Assess(program, Answers{});
    ScreenShell& form9 = program.form(9);
    for (const auto& [box, caption] :
         std::map<const char*, const char*>{{"Label10", "Posture A Score ="},
                                            {"Label16", "Final Wrist and Arm Score ="},
                                            {"Label25", "Posture B Score ="},
                                            {"Label31", "Final Neck, Trunk and Leg Score ="},
                                            {"Label33", "Final Score"}}) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(Control(form9, box));
        QVERIFY(a);
        QCOMPARE(a->text(QAccessible::Name), QString());
        QCOMPARE(a->text(QAccessible::Description), QString(caption));
    }
    QAccessibleInterface* legs = QAccessible::queryAccessibleInterface(Control(form9, "Label23"));
    QCOMPARE(legs->text(QAccessible::Name), QString("2"));
}

void AssessmentTest::finalScreenKeysAndButtons() {
    Program program;
    Assess(program, Answers{});
    ScreenShell& form9 = program.form(9);
    // Tab order and default button.
    QStringList chain;
    QWidget* w = &form9;
    while ((w = w->nextInFocusChain()) != &form9)
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&form9))
            chain << w->objectName();
    QCOMPARE(chain, (QStringList{"Command1", "Command5", "Command2", "Command3", "Command4",
                                 "NewAssessment", "OtherSide"}));
    // The screen opens with the focus on its default button, so Enter is Goto Chart and
    // nothing is added.
    QCOMPARE(form9.focusWidget()->objectName(), "Command5");
    QTest::keyClick(form9.focusWidget(), Qt::Key_Return);
    QCOMPARE(program.visibleScreen(), 10);
    QCOMPARE(Text(program.form(10), "Line1_0"), "");
    Click(program.form(10), "Command1");
    QCOMPARE(program.visibleScreen(), 9);
}

QTEST_MAIN(AssessmentTest)
#include "test_assessment.moc"

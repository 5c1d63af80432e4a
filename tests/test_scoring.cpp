// The scoring library against the published RULA tables, cell by cell, and the text
// rules every screen relies on.
#include "scoring/assessment_scores.h"
#include "scoring/rula_tables.h"
#include "scoring/score_text.h"
#include "scoring/segment_score.h"

#include <QTest>

#include <optional>
#include <string>

using namespace rula;

namespace {

// The published tables, one text row per table row, written out independently of the
// library's own arrays.
const char* const kPublishedTableA[18] = {
    "1 2 2 2 2 3 3 3", "2 2 2 2 3 3 3 3", "2 3 2 3 3 3 4 4", //
    "2 2 2 3 3 3 4 4", "2 2 2 3 3 3 4 4", "2 3 3 3 3 4 4 5", //
    "2 3 3 3 4 4 5 5", "2 3 3 3 4 4 5 5", "2 3 3 4 4 4 5 5", //
    "3 4 4 4 4 4 5 5", "3 4 4 4 4 4 5 5", "3 4 4 5 5 5 6 6", //
    "5 5 5 5 5 6 6 7", "5 6 6 6 6 7 7 7", "6 6 6 7 7 7 7 8", //
    "7 7 7 7 7 8 8 9", "7 8 8 8 8 9 9 9", "9 9 9 9 9 9 9 9",
};
const char* const kPublishedTableB[6] = {
    "1 3 2 3 3 4 5 5 6 6 7 7", "2 3 2 3 4 5 5 5 6 7 7 7", "3 3 3 4 4 5 5 6 6 7 7 7",
    "5 5 5 6 6 7 7 7 7 7 8 8", "7 7 7 7 7 8 8 8 8 8 8 8", "8 8 8 8 8 8 8 9 9 9 9 9",
};
const char* const kPublishedTableC[8] = {
    "1 2 3 3 4 5 5", "2 2 3 4 4 5 5", "3 3 3 4 4 5 6", "3 3 3 4 5 6 6",
    "4 4 4 5 6 7 7", "4 4 5 6 6 7 7", "5 5 6 6 7 7 7", "5 5 6 7 7 7 7",
};

int Cell(const char* row, int column) {
    return QByteArray(row).split(' ').at(column).toInt();
}

std::string S(int value) {
    return std::to_string(value);
}

// "none" for no value, else the number.
QString Show(std::optional<int> value) {
    return value ? QString::number(*value) : "none";
}

} // namespace

class ScoringTest : public QObject {
    Q_OBJECT
private slots:
    void sumsAreWrittenAsPlainWholeNumbers_data();
    void sumsAreWrittenAsPlainWholeNumbers();
    void scoreTextReadsItsLeadingNumber_data();
    void scoreTextReadsItsLeadingNumber();
    void keysMatchTheWholeText_data();
    void keysMatchTheWholeText();

    void tableAEveryCell();
    void tableBEveryCell();
    void tableCEveryCell();
    void tableRowAndColumnRules_data();
    void tableRowAndColumnRules();

    void lookUps_data();
    void lookUps();

    void grandSums_data();
    void grandSums();

    void wholeAssessments_data();
    void wholeAssessments();
    void freshRecordHoldsTheInitialTexts();

    void segmentScores_data();
    void segmentScores();
};

void ScoringTest::sumsAreWrittenAsPlainWholeNumbers_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("six") << 6.0 << "6";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("minus one") << -1.0 << "-1";
    QTest::newRow("thirteen") << 13.0 << "13";
    QTest::newRow("sum of parts") << (1.0 + 0.0 + 3.0 + 2.0) << "6";
    QTest::newRow("fraction") << 2.5 << "2.5";
}

void ScoringTest::sumsAreWrittenAsPlainWholeNumbers() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(WriteScoreSum(value)), text);
}

void ScoringTest::scoreTextReadsItsLeadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("two") << "2" << 2.0;
    QTest::newRow("minus one") << "-1" << -1.0;
    QTest::newRow("leading blank") << " 4" << 4.0;
    QTest::newRow("trailing text") << "3 points" << 3.0;
    QTest::newRow("not a number") << "abc" << 0.0;
    QTest::newRow("lone sign") << "-" << 0.0;
    QTest::newRow("fraction") << "1.5" << 1.5;
}

void ScoringTest::scoreTextReadsItsLeadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(ReadScoreValue(text.toStdString()), value);
}

void ScoringTest::keysMatchTheWholeText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("matches");
    QTest::newRow("3 is 3") << "3" << 3 << true;
    QTest::newRow("3.0 is 3") << "3.0" << 3 << true;
    QTest::newRow("-1 is -1") << "-1" << -1 << true;
    QTest::newRow("3 is not 4") << "3" << 4 << false;
    QTest::newRow("empty is not 0") << "" << 0 << false;
    QTest::newRow("trailing text") << "3a" << 3 << false;
    QTest::newRow("fraction") << "2.5" << 2 << false;
}

void ScoringTest::keysMatchTheWholeText() {
    QFETCH(QString, text);
    QFETCH(int, key);
    QFETCH(bool, matches);
    QCOMPARE(MatchScoreKey(text.toStdString(), key), matches);
}

void ScoringTest::tableAEveryCell() {
    int cells = 0;
    for (int upper = 1; upper <= 6; ++upper)
        for (int lower = 1; lower <= 3; ++lower)
            for (int wrist = 1; wrist <= 4; ++wrist)
                for (int twist = 1; twist <= 2; ++twist) {
                    const int row = 3 * (upper - 1) + lower;
                    const int column = 2 * (wrist - 1) + twist;
                    const int expected = Cell(kPublishedTableA[row - 1], column - 1);
                    const auto got = LookUpTableA(S(upper), S(lower), S(wrist), S(twist));
                    QVERIFY2(got == expected, qPrintable(QString("A(%1,%2,%3,%4) = %5, expected %6")
                                                             .arg(upper)
                                                             .arg(lower)
                                                             .arg(wrist)
                                                             .arg(twist)
                                                             .arg(Show(got))
                                                             .arg(expected)));
                    ++cells;
                }
    QCOMPARE(cells, 144);
}

void ScoringTest::tableBEveryCell() {
    int cells = 0;
    for (int neck = 1; neck <= 6; ++neck)
        for (int trunk = 1; trunk <= 6; ++trunk)
            for (int legs = 1; legs <= 2; ++legs) {
                const int expected = Cell(kPublishedTableB[neck - 1], 2 * (trunk - 1) + legs - 1);
                const auto got = LookUpTableB(S(neck), S(trunk), S(legs));
                QVERIFY2(got == expected, qPrintable(QString("B(%1,%2,%3) = %4, expected %5")
                                                         .arg(neck)
                                                         .arg(trunk)
                                                         .arg(legs)
                                                         .arg(Show(got))
                                                         .arg(expected)));
                ++cells;
            }
    QCOMPARE(cells, 72);
}

void ScoringTest::tableCEveryCell() {
    int cells = 0;
    for (int c = 1; c <= 8; ++c)
        for (int d = 1; d <= 7; ++d) {
            const int expected = Cell(kPublishedTableC[c - 1], d - 1);
            const auto got = LookUpTableC(S(c), S(d));
            QVERIFY2(got == expected, qPrintable(QString("C(%1,%2) = %3, expected %4")
                                                     .arg(c)
                                                     .arg(d)
                                                     .arg(Show(got))
                                                     .arg(expected)));
            ++cells;
        }
    QCOMPARE(cells, 56);
}

void ScoringTest::tableRowAndColumnRules_data() {
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("index");
    QTest::newRow("A row first") << "A row"
                                 << "1"
                                 << "1"
                                 << "1";
    QTest::newRow("A row upper 2") << "A row"
                                   << "2"
                                   << "1"
                                   << "4";
    QTest::newRow("A row last") << "A row"
                                << "6"
                                << "3"
                                << "18";
    QTest::newRow("A row upper 0") << "A row"
                                   << "0"
                                   << "1"
                                   << "none";
    QTest::newRow("A row upper 7") << "A row"
                                   << "7"
                                   << "1"
                                   << "none";
    QTest::newRow("A row lower 4") << "A row"
                                   << "1"
                                   << "4"
                                   << "none";
    QTest::newRow("A column first") << "A column"
                                    << "1"
                                    << "1"
                                    << "1";
    QTest::newRow("A column W2T1") << "A column"
                                   << "2"
                                   << "1"
                                   << "3";
    QTest::newRow("A column last") << "A column"
                                   << "4"
                                   << "2"
                                   << "8";
    QTest::newRow("A column twist 0") << "A column"
                                      << "1"
                                      << "0"
                                      << "none";
    QTest::newRow("A column twist 3") << "A column"
                                      << "1"
                                      << "3"
                                      << "none";
    QTest::newRow("B column first") << "B column"
                                    << "1"
                                    << "1"
                                    << "1";
    QTest::newRow("B column T2L2") << "B column"
                                   << "2"
                                   << "2"
                                   << "4";
    QTest::newRow("B column last") << "B column"
                                   << "6"
                                   << "2"
                                   << "12";
    QTest::newRow("B column trunk 7") << "B column"
                                      << "7"
                                      << "1"
                                      << "none";
    QTest::newRow("B column legs 0") << "B column"
                                     << "1"
                                     << "0"
                                     << "none";
}

void ScoringTest::tableRowAndColumnRules() {
    QFETCH(QString, rule);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, index);
    const std::string a = first.toStdString();
    const std::string b = second.toStdString();
    std::optional<int> got;
    if (rule == "A row")
        got = TableARow(a, b);
    else if (rule == "A column")
        got = TableAColumn(a, b);
    else
        got = TableBColumn(a, b);
    QCOMPARE(Show(got), index);
}

void ScoringTest::lookUps_data() {
    // table, inputs separated by commas, expected value or "none"
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("inputs");
    QTest::addColumn<QString>("expected");
    QTest::newRow("A all ones") << "A"
                                << "1,1,1,1"
                                << "1";
    QTest::newRow("A 2,3,2,1") << "A"
                               << "2,3,2,1"
                               << "3";
    QTest::newRow("A 6,2,4,2") << "A"
                               << "6,2,4,2"
                               << "9";
    QTest::newRow("A 5,3,4,2") << "A"
                               << "5,3,4,2"
                               << "8";
    QTest::newRow("A row 18 ignores the wrist") << "A"
                                                << "6,3,0,0"
                                                << "9";
    QTest::newRow("A row 18 with wrist 4 twist 2") << "A"
                                                   << "6,3,4,2"
                                                   << "9";
    QTest::newRow("A upper arm supported to 0") << "A"
                                                << "0,1,1,1"
                                                << "none";
    QTest::newRow("A upper arm -1") << "A"
                                    << "-1,1,1,1"
                                    << "none";
    QTest::newRow("A upper arm 7") << "A"
                                   << "7,1,1,1"
                                   << "none";
    QTest::newRow("A no lower arm") << "A"
                                    << "1,0,1,1"
                                    << "none";
    QTest::newRow("A no wrist") << "A"
                                << "3,2,0,1"
                                << "none";
    QTest::newRow("A no twist") << "A"
                                << "3,2,1,0"
                                << "none";
    QTest::newRow("A empty upper arm") << "A"
                                       << ",1,1,1"
                                       << "none";
    QTest::newRow("B all ones") << "B"
                                << "1,1,1"
                                << "1";
    QTest::newRow("B 1,1,2") << "B"
                             << "1,1,2"
                             << "3";
    QTest::newRow("B 4,6,1") << "B"
                             << "4,6,1"
                             << "8";
    QTest::newRow("B 6,4,2") << "B"
                             << "6,4,2"
                             << "9";
    QTest::newRow("B no trunk") << "B"
                                << "1,0,1"
                                << "none";
    QTest::newRow("B trunk 7") << "B"
                               << "1,7,1"
                               << "none";
    QTest::newRow("B no neck") << "B"
                               << "0,1,1"
                               << "none";
    QTest::newRow("B neck 7") << "B"
                              << "7,1,1"
                              << "none";
    QTest::newRow("B legs 3") << "B"
                              << "2,2,3"
                              << "none";
    QTest::newRow("C 1,1") << "C"
                           << "1,1"
                           << "1";
    QTest::newRow("C 3,7") << "C"
                           << "3,7"
                           << "6";
    QTest::newRow("C 7,4") << "C"
                           << "7,4"
                           << "6";
    QTest::newRow("C 8,4") << "C"
                           << "8,4"
                           << "7";
    QTest::newRow("C 13,13 open row and column") << "C"
                                                 << "13,13"
                                                 << "7";
    QTest::newRow("C 13,1") << "C"
                            << "13,1"
                            << "5";
    QTest::newRow("C 1,13") << "C"
                            << "1,13"
                            << "5";
    QTest::newRow("C 0") << "C"
                         << "0,1"
                         << "none";
    QTest::newRow("D 0") << "C"
                         << "1,0"
                         << "none";
    QTest::newRow("C empty") << "C"
                             << ",3"
                             << "none";
    QTest::newRow("D empty") << "C"
                             << "3,"
                             << "none";
    QTest::newRow("C 2.5") << "C"
                           << "2.5,3"
                           << "none";
    QTest::newRow("D 6.5") << "C"
                           << "3,6.5"
                           << "none";
    QTest::newRow("D 7.5 takes the open column") << "C"
                                                 << "3,7.5"
                                                 << "6";
    QTest::newRow("C 8.5 takes the open row") << "C"
                                              << "8.5,1"
                                              << "5";
}

void ScoringTest::lookUps() {
    QFETCH(QString, table);
    QFETCH(QString, inputs);
    QFETCH(QString, expected);
    std::vector<std::string> in;
    for (const QString& part : inputs.split(','))
        in.push_back(part.toStdString());
    std::optional<int> got;
    if (table == "A")
        got = LookUpTableA(in[0], in[1], in[2], in[3]);
    else if (table == "B")
        got = LookUpTableB(in[0], in[1], in[2]);
    else
        got = LookUpTableC(in[0], in[1]);
    QCOMPARE(Show(got), expected);
}

void ScoringTest::grandSums_data() {
    QTest::addColumn<QStringList>("groupA"); // posture, muscle use, force/load
    QTest::addColumn<QStringList>("groupB");
    QTest::addColumn<QString>("scoreC");
    QTest::addColumn<QString>("scoreD");
    QTest::newRow("all ones and zeros")
        << QStringList{"1", "0", "0"} << QStringList{"1", "0", "0"} << "1"
        << "1";
    QTest::newRow("largest") << QStringList{"9", "1", "3"} << QStringList{"9", "1", "3"} << "13"
                             << "13";
    QTest::newRow("muscle use and force")
        << QStringList{"3", "1", "2"} << QStringList{"2", "0", "1"} << "6"
        << "3";
    QTest::newRow("posture A not found")
        << QStringList{"", "1", "3"} << QStringList{"2", "0", "0"} << ""
        << "2";
    QTest::newRow("posture B not found")
        << QStringList{"2", "0", "0"} << QStringList{"", "1", "1"} << "2"
        << "";
    QTest::newRow("initial zero posture")
        << QStringList{"0", "0", "0"} << QStringList{"0", "1", "2"} << "0"
        << "3";
}

void ScoringTest::grandSums() {
    QFETCH(QStringList, groupA);
    QFETCH(QStringList, groupB);
    QFETCH(QString, scoreC);
    QFETCH(QString, scoreD);
    AssessmentScores s;
    s.PostureScoreA = groupA[0].toStdString();
    s.MuscleUseScoreA = groupA[1].toStdString();
    s.ForceLoadScoreA = groupA[2].toStdString();
    s.PostureScoreB = groupB[0].toStdString();
    s.MuscleUseScoreB = groupB[1].toStdString();
    s.ForceLoadScoreB = groupB[2].toStdString();
    ComputeGrandSums(s);
    QCOMPARE(QString::fromStdString(s.WristArmScore), scoreC);
    QCOMPARE(QString::fromStdString(s.NeckTrunkLegScore), scoreD);
}

void ScoringTest::wholeAssessments_data() {
    // The eleven inputs in field order (upper arm, lower arm, wrist, twist, muscle A,
    // force A, neck, trunk, legs, muscle B, force B), then posture A, C, posture B, D, final.
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("results");
    QTest::newRow("all ones") << QStringList{"1", "1", "1", "1", "0", "0", "1", "1", "1", "0", "0"}
                              << QStringList{"1", "1", "1", "1", "1"};
    QTest::newRow("arm raised high, heavy load")
        << QStringList{"6", "3", "1", "1", "1", "3", "1", "1", "1", "0", "0"}
        << QStringList{"9", "13", "1", "1", "5"};
    QTest::newRow("typist at a desk")
        << QStringList{"1", "2", "2", "1", "1", "0", "2", "2", "1", "1", "0"}
        << QStringList{"2", "3", "2", "3", "3"};
    QTest::newRow("no upper arm posture")
        << QStringList{"0", "1", "1", "1", "1", "3", "1", "1", "1", "0", "0"}
        << QStringList{"", "", "1", "1", ""};
    QTest::newRow("no trunk posture")
        << QStringList{"2", "1", "1", "1", "0", "0", "1", "0", "2", "1", "1"}
        << QStringList{"2", "2", "", "", ""};
}

void ScoringTest::wholeAssessments() {
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, results);
    AssessmentScores s;
    // A finished assessment from before must leave no trace.
    s.PostureScoreA = "7";
    s.PostureScoreB = "7";
    s.FinalScore = "7";
    std::string* fields[] = {&s.UpperArmScore,   &s.LowerArmScore,   &s.WristScore,
                             &s.WristTwistScore, &s.MuscleUseScoreA, &s.ForceLoadScoreA,
                             &s.NeckScore,       &s.TrunkScore,      &s.LegsScore,
                             &s.MuscleUseScoreB, &s.ForceLoadScoreB};
    for (int i = 0; i < inputs.size(); ++i)
        *fields[i] = inputs[i].toStdString();
    ScoreAssessment(s);
    const QStringList got{
        QString::fromStdString(s.PostureScoreA), QString::fromStdString(s.WristArmScore),
        QString::fromStdString(s.PostureScoreB), QString::fromStdString(s.NeckTrunkLegScore),
        QString::fromStdString(s.FinalScore)};
    QCOMPARE(got, results);
}

void ScoringTest::freshRecordHoldsTheInitialTexts() {
    const AssessmentScores s;
    for (std::size_t i = 0; i + 1 < AssessmentScores::kFieldCount; ++i)
        QCOMPARE(QString::fromStdString(s.field(i)), QString("0"));
    QVERIFY(s.FinalScore.empty());
    QCOMPARE(&s.field(15), &s.FinalScore);
    QCOMPARE(&s.field(7), &s.WristArmScore);
    QCOMPARE(&s.field(8), &s.NeckScore);
}

void ScoringTest::segmentScores_data() {
    QTest::addColumn<bool>("chosen");
    QTest::addColumn<double>("base");
    QTest::addColumn<double>("adjustments");
    QTest::addColumn<QString>("text");
    QTest::newRow("base alone") << true << 3.0 << 0.0 << "3";
    QTest::newRow("base and adjustments") << true << 4.0 << 2.0 << "6";
    QTest::newRow("supported arm lowers by one") << true << 2.0 << -1.0 << "1";
    QTest::newRow("never below 1") << true << 1.0 << -1.0 << "1";
    QTest::newRow("no posture, adjustments ticked") << false << 0.0 << 2.0 << "0";
    QTest::newRow("no posture, arm supported") << false << 0.0 << -1.0 << "0";
}

void ScoringTest::segmentScores() {
    QFETCH(bool, chosen);
    QFETCH(double, base);
    QFETCH(double, adjustments);
    QFETCH(QString, text);
    const std::optional<double> b = chosen ? std::optional(base) : std::nullopt;
    QCOMPARE(QString::fromStdString(SegmentScoreText(b, adjustments)), text);
}

QTEST_APPLESS_MAIN(ScoringTest)
#include "test_scoring.moc"

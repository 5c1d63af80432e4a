// The assessment record scored against the method as the soak's oracle states it, which
// shares no code or table with the program: every answer of group A with every muscle use
// and force of group A, every answer of group B likewise, and a large seeded sample of
// whole assessments for Table C.
#include "assessment/assessment.h"

#include "soak/rula_method.h"

#include <QTest>

#include <random>

using namespace rula;
namespace oracle = rula::soak;

namespace {

// The record's answers and the oracle's list the same postures and loads in the same
// order, None first.
template <class To, class From> To Same(From value) {
    return static_cast<To>(static_cast<int>(value));
}

oracle::FinalScreen OracleOf(const Assessment& a) {
    const oracle::UpperArmAnswers upper{Same<oracle::UpperArmPosture>(a.upperArm), a.shoulderRaised,
                                        a.upperArmAbducted, a.armSupported};
    const oracle::TrunkAndLegsAnswers trunk{Same<oracle::TrunkPosture>(a.trunk), a.trunkTwisted,
                                            a.trunkSideBent, a.trunkSupportedSeated,
                                            a.legsSupported};
    const oracle::SegmentScores segments{
        oracle::UpperArmScore(upper),
        oracle::LowerArmScore({Same<oracle::LowerArmPosture>(a.lowerArm), a.lowerArmAcrossOrOut}),
        oracle::WristScore({Same<oracle::WristPosture>(a.wrist), a.wristBentFromMidline}),
        oracle::WristTwistScore(Same<oracle::WristTwist>(a.wristTwist)),
        oracle::NeckScore({Same<oracle::NeckPosture>(a.neck), a.neckTwisted, a.neckSideBent}),
        oracle::TrunkScore(trunk),
        oracle::LegsScore(trunk)};
    return oracle::Assess(
        segments, {Same<oracle::MuscleUse>(a.muscleUseA), Same<oracle::ForceLoad>(a.forceLoadA),
                   Same<oracle::MuscleUse>(a.muscleUseB), Same<oracle::ForceLoad>(a.forceLoadB)});
}

// Every field compared; on a difference, the record's answers by their saved names.
void CheckAgainstOracle(const Assessment& a) {
    const AssessmentScores scores = ScoresOf(a);
    const oracle::FinalScreen expected = OracleOf(a);
    for (std::size_t i = 0; i < AssessmentScores::kFieldCount; ++i) {
        if (scores.field(i) == expected[i])
            continue;
        const QString answers =
            QStringLiteral("upper arm %1 +%2%3%4, lower arm %5 +%6, wrist %7 +%8, twist %9, "
                           "neck %10 +%11%12, trunk %13 +%14%15 seated %16 legs %17, "
                           "A %18/%19, B %20/%21")
                .arg(AnswerNames<UpperArmPosture>()[static_cast<int>(a.upperArm)].data())
                .arg(a.shoulderRaised)
                .arg(a.upperArmAbducted)
                .arg(a.armSupported)
                .arg(AnswerNames<LowerArmPosture>()[static_cast<int>(a.lowerArm)].data())
                .arg(a.lowerArmAcrossOrOut)
                .arg(AnswerNames<WristPosture>()[static_cast<int>(a.wrist)].data())
                .arg(a.wristBentFromMidline)
                .arg(AnswerNames<WristTwist>()[static_cast<int>(a.wristTwist)].data())
                .arg(AnswerNames<NeckPosture>()[static_cast<int>(a.neck)].data())
                .arg(a.neckTwisted)
                .arg(a.neckSideBent)
                .arg(AnswerNames<TrunkPosture>()[static_cast<int>(a.trunk)].data())
                .arg(a.trunkTwisted)
                .arg(a.trunkSideBent)
                .arg(a.trunkSupportedSeated)
                .arg(a.legsSupported)
                .arg(static_cast<int>(a.muscleUseA))
                .arg(static_cast<int>(a.forceLoadA))
                .arg(static_cast<int>(a.muscleUseB))
                .arg(static_cast<int>(a.forceLoadB));
        QFAIL(qPrintable(QStringLiteral("%1: %2 where the method gives \"%3\" (\"%4\")")
                             .arg(AssessmentScores::kFieldNames[i])
                             .arg(answers)
                             .arg(expected[i].c_str())
                             .arg(scores.field(i).c_str())));
    }
}

template <class Answer> std::size_t CountOf() {
    return AnswerNames<Answer>().size();
}
template <class Answer> Answer Nth(std::size_t n) {
    return static_cast<Answer>(n % CountOf<Answer>());
}

} // namespace

class RecordTest : public QObject {
    Q_OBJECT
private slots:
    // Every group A answer (48 x 6 x 8 x 3) with every muscle use and force of group A;
    // group B as on a new screen.
    void everyGroupAAnswer() {
        for (std::size_t n = 0; n < 6912 * 20; ++n) {
            std::size_t k = n;
            Assessment a;
            a.upperArm = Nth<UpperArmPosture>(k), k /= 6;
            a.shoulderRaised = k & 1, a.upperArmAbducted = k & 2, a.armSupported = k & 4, k /= 8;
            a.lowerArm = Nth<LowerArmPosture>(k), k /= 3;
            a.lowerArmAcrossOrOut = k & 1, k /= 2;
            a.wrist = Nth<WristPosture>(k), k /= 4;
            a.wristBentFromMidline = k & 1, k /= 2;
            a.wristTwist = Nth<WristTwist>(k), k /= 3;
            a.muscleUseA = Nth<MuscleUse>(k), k /= 4;
            a.forceLoadA = Nth<ForceLoad>(k);
            a.neck = NeckPosture::Flexed10To20, a.trunk = TrunkPosture::Upright;
            CheckAgainstOracle(a);
            if (QTest::currentTestFailed())
                return;
        }
    }
    // Every group B answer (20 x 80) with every muscle use and force of group B.
    void everyGroupBAnswer() {
        for (std::size_t n = 0; n < 1600 * 20; ++n) {
            std::size_t k = n;
            Assessment a;
            a.neck = Nth<NeckPosture>(k), k /= 5;
            a.neckTwisted = k & 1, a.neckSideBent = k & 2, k /= 4;
            a.trunk = Nth<TrunkPosture>(k), k /= 5;
            a.trunkTwisted = k & 1, a.trunkSideBent = k & 2, a.trunkSupportedSeated = k & 4,
            a.legsSupported = k & 8, k /= 16;
            a.muscleUseB = Nth<MuscleUse>(k), k /= 4;
            a.forceLoadB = Nth<ForceLoad>(k);
            a.upperArm = UpperArmPosture::Raised20To45, a.lowerArm = LowerArmPosture::Flexed60To100;
            a.wrist = WristPosture::UpTo15, a.wristTwist = WristTwist::MidRange;
            CheckAgainstOracle(a);
            if (QTest::currentTestFailed())
                return;
        }
    }
    // Whole assessments drawn at random, every answer free, for Table C and the blanks.
    void seededWholeAssessments() {
        std::mt19937 random(20261210);
        auto pick = [&](std::size_t count) {
            return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
        };
        for (int n = 0; n < 200000; ++n) {
            Assessment a;
            a.upperArm = Nth<UpperArmPosture>(pick(6));
            a.shoulderRaised = pick(2), a.upperArmAbducted = pick(2), a.armSupported = pick(2);
            a.lowerArm = Nth<LowerArmPosture>(pick(3)), a.lowerArmAcrossOrOut = pick(2);
            a.wrist = Nth<WristPosture>(pick(4)), a.wristBentFromMidline = pick(2);
            a.wristTwist = Nth<WristTwist>(pick(3));
            a.neck = Nth<NeckPosture>(pick(5)), a.neckTwisted = pick(2), a.neckSideBent = pick(2);
            a.trunk = Nth<TrunkPosture>(pick(5)), a.trunkTwisted = pick(2);
            a.trunkSideBent = pick(2), a.trunkSupportedSeated = pick(2), a.legsSupported = pick(2);
            a.muscleUseA = Nth<MuscleUse>(pick(4)), a.forceLoadA = Nth<ForceLoad>(pick(5));
            a.muscleUseB = Nth<MuscleUse>(pick(4)), a.forceLoadB = Nth<ForceLoad>(pick(5));
            CheckAgainstOracle(a);
            if (QTest::currentTestFailed())
                return;
        }
    }
    // Each value's saved name reads back as that value; an unknown or empty name, or a
    // name of another answer's values, reads as nothing.
    void answerNamesReadBack() {
        auto check = [](auto none) {
            using Answer = decltype(none);
            const auto names = AnswerNames<Answer>();
            QVERIFY(names.front().empty());
            QVERIFY(!AnswerNamed<Answer>(""));
            QVERIFY(!AnswerNamed<Answer>("Neutral"));
            for (std::size_t i = 1; i < names.size(); ++i)
                QCOMPARE(AnswerNamed<Answer>(names[i]), static_cast<Answer>(i));
        };
        check(UpperArmPosture{}), check(LowerArmPosture{}), check(WristPosture{});
        check(WristTwist{}), check(NeckPosture{}), check(TrunkPosture{});
        check(MuscleUse{}), check(ForceLoad{}), check(Side{});
        QVERIFY(!AnswerNamed<TrunkPosture>("raised-20-45"));
    }
};

QTEST_APPLESS_MAIN(RecordTest)
#include "test_record.moc"

// Scoring one assessment in the library: the three look-ups and the two sums, as the
// frequency and force screen's Continue runs them. Target: under 1 microsecond.
#include "scoring/rula_tables.h"

#include <QTest>

#include <array>
#include <cstdint>
#include <string>

namespace {

// A fixed spread of assessments: mostly scores the tables accept, some that select no
// cell (0 and -1 from screens left without a choice), so that every branch is taken.
std::array<rula::AssessmentScores, 64> Assessments() {
    std::array<rula::AssessmentScores, 64> all{};
    std::uint32_t seed = 12345;
    const auto next = [&seed](int lowest, int highest) {
        seed = seed * 1664525u + 1013904223u;
        return std::to_string(lowest + static_cast<int>((seed >> 16) % (highest - lowest + 1)));
    };
    for (rula::AssessmentScores& s : all) {
        s.UpperArmScore = next(-1, 6);
        s.LowerArmScore = next(1, 3);
        s.WristScore = next(1, 4);
        s.WristTwistScore = next(1, 2);
        s.MuscleUseScoreA = next(0, 1);
        s.ForceLoadScoreA = next(0, 3);
        s.NeckScore = next(0, 6);
        s.TrunkScore = next(1, 6);
        s.LegsScore = next(1, 2);
        s.MuscleUseScoreB = next(0, 1);
        s.ForceLoadScoreB = next(0, 3);
    }
    return all;
}

} // namespace

class ScoringBench : public QObject {
    Q_OBJECT
private slots:
    void scoreAssessment();
};

void ScoringBench::scoreAssessment() {
    std::array<rula::AssessmentScores, 64> all = Assessments();
    std::size_t i = 0;
    // Scoring only rewrites the derived fields from the inputs, so scoring the same
    // assessment again is the same work.
    QBENCHMARK {
        rula::ScoreAssessment(all[i++ % all.size()]);
    }

    // The work measured is the real one: a known assessment scores as the tables say.
    rula::AssessmentScores known;
    known.UpperArmScore = "3";
    known.LowerArmScore = "2";
    known.WristScore = "3";
    known.WristTwistScore = "1";
    known.MuscleUseScoreA = "1";
    known.ForceLoadScoreA = "0";
    known.NeckScore = "2";
    known.TrunkScore = "3";
    known.LegsScore = "1";
    known.MuscleUseScoreB = "0";
    known.ForceLoadScoreB = "2";
    rula::ScoreAssessment(known);
    QCOMPARE(known.PostureScoreA, std::string("4"));
    QCOMPARE(known.WristArmScore, std::string("5"));
    QCOMPARE(known.PostureScoreB, std::string("4"));
    QCOMPARE(known.NeckTrunkLegScore, std::string("6"));
    QCOMPARE(known.FinalScore, std::string("7"));
}

QTEST_APPLESS_MAIN(ScoringBench)
#include "bench_scoring.moc"

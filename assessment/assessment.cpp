// Scoring a record: each screen's base and adjustments, then the three tables. The
// texts are those the screens write, so a row scored from its record shows what the
// screens would have shown.
#include "assessment/assessment.h"

#include "scoring/rula_tables.h"
#include "scoring/score_text.h"
#include "scoring/segment_score.h"

#include <algorithm>

namespace rula {
namespace {

template <class Answer> std::optional<int> BaseOf(Answer answer, std::initializer_list<int> bases) {
    const auto index = static_cast<std::size_t>(answer);
    if (index == 0)
        return std::nullopt;
    return bases.begin()[index - 1];
}

std::string Segment(std::optional<int> base, int adjustments) {
    return SegmentScoreText(base ? std::optional<double>(*base) : std::nullopt, adjustments);
}

constexpr std::string_view kUpperArmNames[] = {
    "", "neutral", "extension", "raised-20-45", "raised-45-90", "raised-beyond-90"};
constexpr std::string_view kLowerArmNames[] = {"", "flexed-60-100", "below-60-or-beyond-100"};
constexpr std::string_view kWristNames[] = {"", "neutral", "up-to-15", "beyond-15"};
constexpr std::string_view kWristTwistNames[] = {"", "mid-range", "end-of-range"};
constexpr std::string_view kNeckNames[] = {"", "flexed-0-10", "flexed-10-20", "flexed-beyond-20",
                                           "extension"};
constexpr std::string_view kTrunkNames[] = {"", "upright", "flexed-0-20", "flexed-20-60",
                                            "flexed-beyond-60"};
constexpr std::string_view kMuscleUseNames[] = {"", "moderate", "mainly-static", "repeated"};
constexpr std::string_view kForceLoadNames[] = {"", "light-intermittent", "medium-intermittent",
                                                "medium-static-or-repeated", "heavy"};
constexpr std::string_view kSideNames[] = {"", "left", "right"};

} // namespace

std::optional<int> BaseScore(UpperArmPosture posture) {
    return BaseOf(posture, {1, 2, 2, 3, 4});
}
std::optional<int> BaseScore(LowerArmPosture posture) {
    return BaseOf(posture, {1, 2});
}
std::optional<int> BaseScore(WristPosture posture) {
    return BaseOf(posture, {1, 2, 3});
}
std::optional<int> BaseScore(NeckPosture posture) {
    return BaseOf(posture, {1, 2, 3, 4});
}
std::optional<int> BaseScore(TrunkPosture posture) {
    return BaseOf(posture, {1, 2, 3, 4});
}
int TwistScore(WristTwist twist) {
    return BaseOf(twist, {1, 2}).value_or(0);
}
int MuscleUseScore(MuscleUse use) {
    return BaseOf(use, {0, 1, 1}).value_or(0);
}
int ForceLoadScore(ForceLoad force) {
    return BaseOf(force, {0, 1, 2, 3}).value_or(0);
}

std::string UpperArmScoreText(const Assessment& a) {
    return Segment(BaseScore(a.upperArm), a.shoulderRaised + a.upperArmAbducted - a.armSupported);
}
std::string LowerArmScoreText(const Assessment& a) {
    return Segment(BaseScore(a.lowerArm), a.lowerArmAcrossOrOut);
}
std::string WristScoreText(const Assessment& a) {
    return Segment(BaseScore(a.wrist), a.wristBentFromMidline);
}
std::string NeckScoreText(const Assessment& a) {
    return Segment(BaseScore(a.neck), a.neckTwisted + a.neckSideBent);
}
std::string TrunkScoreText(const Assessment& a) {
    // Well supported while seated, the trunk takes the upright posture's base.
    const std::optional<int> base =
        a.trunkSupportedSeated ? BaseScore(TrunkPosture::Upright) : BaseScore(a.trunk);
    return Segment(base, a.trunkTwisted + a.trunkSideBent);
}
std::string LegsScoreText(const Assessment& a) {
    return a.legsSupported ? "1" : "2";
}

AssessmentScores ScoresOf(const Assessment& a) {
    AssessmentScores scores;
    scores.UpperArmScore = UpperArmScoreText(a);
    scores.LowerArmScore = LowerArmScoreText(a);
    scores.WristScore = WristScoreText(a);
    scores.WristTwistScore = WriteScoreValue(static_cast<std::int16_t>(TwistScore(a.wristTwist)));
    scores.MuscleUseScoreA =
        WriteScoreValue(static_cast<std::int16_t>(MuscleUseScore(a.muscleUseA)));
    scores.ForceLoadScoreA =
        WriteScoreValue(static_cast<std::int16_t>(ForceLoadScore(a.forceLoadA)));
    scores.NeckScore = NeckScoreText(a);
    scores.TrunkScore = TrunkScoreText(a);
    scores.LegsScore = LegsScoreText(a);
    scores.MuscleUseScoreB =
        WriteScoreValue(static_cast<std::int16_t>(MuscleUseScore(a.muscleUseB)));
    scores.ForceLoadScoreB =
        WriteScoreValue(static_cast<std::int16_t>(ForceLoadScore(a.forceLoadB)));
    ScoreAssessment(scores);
    return scores;
}

#define RULA_ANSWER_NAMES(Answer, names)                                                           \
    template <> std::span<const std::string_view> AnswerNames<Answer>() {                          \
        return names;                                                                              \
    }                                                                                              \
    template <> std::optional<Answer> AnswerNamed<Answer>(std::string_view name) {                 \
        const auto* found = std::find(std::begin(names) + 1, std::end(names), name);               \
        if (name.empty() || found == std::end(names))                                              \
            return std::nullopt;                                                                   \
        return static_cast<Answer>(found - std::begin(names));                                     \
    }

RULA_ANSWER_NAMES(UpperArmPosture, kUpperArmNames)
RULA_ANSWER_NAMES(LowerArmPosture, kLowerArmNames)
RULA_ANSWER_NAMES(WristPosture, kWristNames)
RULA_ANSWER_NAMES(WristTwist, kWristTwistNames)
RULA_ANSWER_NAMES(NeckPosture, kNeckNames)
RULA_ANSWER_NAMES(TrunkPosture, kTrunkNames)
RULA_ANSWER_NAMES(MuscleUse, kMuscleUseNames)
RULA_ANSWER_NAMES(ForceLoad, kForceLoadNames)
RULA_ANSWER_NAMES(Side, kSideNames)

#undef RULA_ANSWER_NAMES

} // namespace rula

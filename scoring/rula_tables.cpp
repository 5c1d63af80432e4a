#include "scoring/rula_tables.h"

#include "scoring/score_text.h"

#include <array>
#include <cstdint>

namespace rula {
namespace {

// Table A: rows are 3 x (upper arm - 1) + lower arm; columns are 2 x (wrist - 1) + twist,
// in the order W1T1, W1T2, W2T1, W2T2, W3T1, W3T2, W4T1, W4T2.
constexpr std::array<std::array<std::int8_t, 8>, 18> kTableA = {{
    {1, 2, 2, 2, 2, 3, 3, 3}, // upper arm 1, lower arm 1
    {2, 2, 2, 2, 3, 3, 3, 3}, //              lower arm 2
    {2, 3, 2, 3, 3, 3, 4, 4}, //              lower arm 3
    {2, 2, 2, 3, 3, 3, 4, 4}, // upper arm 2
    {2, 2, 2, 3, 3, 3, 4, 4},
    {2, 3, 3, 3, 3, 4, 4, 5},
    {2, 3, 3, 3, 4, 4, 5, 5}, // upper arm 3
    {2, 3, 3, 3, 4, 4, 5, 5},
    {2, 3, 3, 4, 4, 4, 5, 5},
    {3, 4, 4, 4, 4, 4, 5, 5}, // upper arm 4
    {3, 4, 4, 4, 4, 4, 5, 5},
    {3, 4, 4, 5, 5, 5, 6, 6},
    {5, 5, 5, 5, 5, 6, 6, 7}, // upper arm 5
    {5, 6, 6, 6, 6, 7, 7, 7},
    {6, 6, 6, 7, 7, 7, 7, 8},
    {7, 7, 7, 7, 7, 8, 8, 9}, // upper arm 6
    {7, 8, 8, 8, 8, 9, 9, 9},
    {9, 9, 9, 9, 9, 9, 9, 9},
}};
// Row 18 is 9 whatever the wrist: it answers without a column.
constexpr int kTableAFullRow = 18;

// Table B: rows are the neck score 1-6; columns are 2 x (trunk - 1) + legs,
// in the order T1L1, T1L2, T2L1, ... T6L2.
constexpr std::array<std::array<std::int8_t, 12>, 6> kTableB = {{
    {1, 3, 2, 3, 3, 4, 5, 5, 6, 6, 7, 7},
    {2, 3, 2, 3, 4, 5, 5, 5, 6, 7, 7, 7},
    {3, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 7},
    {5, 5, 5, 6, 6, 7, 7, 7, 7, 7, 8, 8},
    {7, 7, 7, 7, 7, 8, 8, 8, 8, 8, 8, 8},
    {8, 8, 8, 8, 8, 8, 8, 9, 9, 9, 9, 9},
}};

// Table C: rows are score C 1-7 and "8 or more"; columns score D 1-6 and "7 or more".
constexpr std::array<std::array<std::int8_t, 7>, 8> kTableC = {{
    {1, 2, 3, 3, 4, 5, 5},
    {2, 2, 3, 4, 4, 5, 5},
    {3, 3, 3, 4, 4, 5, 6},
    {3, 3, 3, 4, 5, 6, 6},
    {4, 4, 4, 5, 6, 7, 7},
    {4, 4, 5, 6, 6, 7, 7},
    {5, 5, 6, 6, 7, 7, 7},
    {5, 5, 6, 7, 7, 7, 7},
}};

// The key in lowest..highest that the whole text equals, if any.
std::optional<int> MatchKey(std::string_view text, int lowest, int highest) {
    const auto value = ParseWholeScore(text);
    if (!value)
        return std::nullopt;
    for (int key = lowest; key <= highest; ++key)
        if (*value == static_cast<double>(key))
            return key;
    return std::nullopt;
}

// Folds two keyed scores into one index: stride x (major - 1) + minor.
std::optional<int> Fold(std::string_view major, int majorKeys, std::string_view minor,
                        int minorKeys) {
    const auto m = MatchKey(major, 1, majorKeys);
    if (!m)
        return std::nullopt;
    const auto n = MatchKey(minor, 1, minorKeys);
    if (!n)
        return std::nullopt;
    return minorKeys * (*m - 1) + *n;
}

std::string WriteLookUp(std::optional<int> value) {
    return value ? WriteScoreValue(static_cast<std::int16_t>(*value)) : std::string();
}

std::string GrandSum(const std::string& posture, const std::string& muscleUse,
                     const std::string& forceLoad) {
    if (posture.empty())
        return {};
    return WriteScoreSum(ReadScoreValue(posture) + ReadScoreValue(muscleUse) +
                         ReadScoreValue(forceLoad));
}

} // namespace

std::optional<int> TableARow(std::string_view upperArm, std::string_view lowerArm) {
    return Fold(upperArm, 6, lowerArm, 3);
}

std::optional<int> TableAColumn(std::string_view wrist, std::string_view wristTwist) {
    return Fold(wrist, 4, wristTwist, 2);
}

std::optional<int> TableBColumn(std::string_view trunk, std::string_view legs) {
    return Fold(trunk, 6, legs, 2);
}

std::optional<int> LookUpTableA(std::string_view upperArm, std::string_view lowerArm,
                                std::string_view wrist, std::string_view wristTwist) {
    const auto row = TableARow(upperArm, lowerArm);
    if (!row)
        return std::nullopt;
    if (*row == kTableAFullRow)
        return kTableA[kTableAFullRow - 1][0];
    const auto column = TableAColumn(wrist, wristTwist);
    if (!column)
        return std::nullopt;
    return kTableA[*row - 1][*column - 1];
}

std::optional<int> LookUpTableB(std::string_view neck, std::string_view trunk,
                                std::string_view legs) {
    const auto row = MatchKey(neck, 1, 6);
    const auto column = TableBColumn(trunk, legs);
    if (!row || !column)
        return std::nullopt;
    return kTableB[*row - 1][*column - 1];
}

std::optional<int> LookUpTableC(std::string_view scoreC, std::string_view scoreD) {
    const auto c = ParseWholeScore(scoreC);
    if (!c)
        return std::nullopt;
    int row = 0;
    if (const auto key = MatchKey(scoreC, 1, 7))
        row = *key;
    else if (*c >= 8)
        row = 8;
    else
        return std::nullopt;

    // Score D is compared in single precision, each column test made on its own.
    const auto d = ParseWholeScore(scoreD);
    if (!d)
        return std::nullopt;
    const float dd = static_cast<float>(*d);
    for (int key = 1; key <= 6; ++key)
        if (dd == static_cast<float>(key))
            return kTableC[row - 1][key - 1];
    if (dd >= 7.0f)
        return kTableC[row - 1][6];
    return std::nullopt;
}

void ComputeGrandSums(AssessmentScores& s) {
    s.WristArmScore = GrandSum(s.PostureScoreA, s.MuscleUseScoreA, s.ForceLoadScoreA);
    s.NeckTrunkLegScore = GrandSum(s.PostureScoreB, s.MuscleUseScoreB, s.ForceLoadScoreB);
}

void ScoreAssessment(AssessmentScores& s) {
    s.PostureScoreA = WriteLookUp(
        LookUpTableA(s.UpperArmScore, s.LowerArmScore, s.WristScore, s.WristTwistScore));
    s.PostureScoreB = WriteLookUp(LookUpTableB(s.NeckScore, s.TrunkScore, s.LegsScore));
    ComputeGrandSums(s);
    s.FinalScore = WriteLookUp(LookUpTableC(s.WristArmScore, s.NeckTrunkLegScore));
}

} // namespace rula

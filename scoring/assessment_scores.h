// The scores of one assessment, each held as its score text. The sixteen fields come
// in a fixed order: the order of the final score screen's value boxes and of the
// chart's columns. An empty text is a score that could not be found.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace rula {

struct AssessmentScores {
    std::string UpperArmScore = "0";
    std::string LowerArmScore = "0";
    std::string WristScore = "0";
    std::string WristTwistScore = "0";
    std::string PostureScoreA = "0";
    std::string MuscleUseScoreA = "0";
    std::string ForceLoadScoreA = "0";
    std::string WristArmScore = "0"; // score C
    std::string NeckScore = "0";
    std::string TrunkScore = "0";
    std::string LegsScore = "0";
    std::string PostureScoreB = "0";
    std::string MuscleUseScoreB = "0";
    std::string ForceLoadScoreB = "0";
    std::string NeckTrunkLegScore = "0"; // score D
    std::string FinalScore;              // empty until Table C finds a cell

    static constexpr std::size_t kFieldCount = 16;

    // The fields in their fixed order, for copying a whole assessment field by field.
    static constexpr std::array<std::string AssessmentScores::*, kFieldCount> kFieldOrder = {
        &AssessmentScores::UpperArmScore,     &AssessmentScores::LowerArmScore,
        &AssessmentScores::WristScore,        &AssessmentScores::WristTwistScore,
        &AssessmentScores::PostureScoreA,     &AssessmentScores::MuscleUseScoreA,
        &AssessmentScores::ForceLoadScoreA,   &AssessmentScores::WristArmScore,
        &AssessmentScores::NeckScore,         &AssessmentScores::TrunkScore,
        &AssessmentScores::LegsScore,         &AssessmentScores::PostureScoreB,
        &AssessmentScores::MuscleUseScoreB,   &AssessmentScores::ForceLoadScoreB,
        &AssessmentScores::NeckTrunkLegScore, &AssessmentScores::FinalScore,
    };

    std::string& field(std::size_t index) { return this->*kFieldOrder[index]; }
    const std::string& field(std::size_t index) const { return this->*kFieldOrder[index]; }

    bool operator==(const AssessmentScores&) const = default;
};

} // namespace rula

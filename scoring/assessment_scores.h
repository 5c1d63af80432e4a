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

    // The fields' names, in the same order: the names a saved study uses.
    static constexpr std::array<const char*, kFieldCount> kFieldNames = {
        "UpperArmScore",   "LowerArmScore",   "WristScore",        "WristTwistScore",
        "PostureScoreA",   "MuscleUseScoreA", "ForceLoadScoreA",   "WristArmScore",
        "NeckScore",       "TrunkScore",      "LegsScore",         "PostureScoreB",
        "MuscleUseScoreB", "ForceLoadScoreB", "NeckTrunkLegScore", "FinalScore",
    };

    // What the program can produce for a field: a whole number from `lowest` to
    // `highest`, or, for the results of a look-up that can find no cell, a blank.
    struct Range {
        int lowest;
        int highest;
        bool mayBeBlank;
    };
    static constexpr std::array<Range, kFieldCount> kFieldRanges = {{
        {0, 6, false}, // upper arm: 0 unchosen; a chosen posture never below 1
        {0, 3, false}, // lower arm: base 0 to 2, +1 across the mid-line
        {0, 4, false}, // wrist: base 0 to 3, +1 bent from the mid-line
        {0, 2, false}, // wrist twist
        {1, 9, true},  // Table A
        {0, 1, false}, // muscle use A
        {0, 3, false}, // force or load A
        {1, 13, true}, // score C: posture A + muscle use A + force A
        {0, 6, false}, // neck: base 0 to 4, +1 twisting, +1 side-bending
        {0, 6, false}, // trunk: base 0 to 4, +1 twisting, +1 side-bending
        {1, 2, false}, // legs
        {1, 9, true},  // Table B
        {0, 1, false}, // muscle use B
        {0, 3, false}, // force or load B
        {1, 13, true}, // score D
        {1, 7, true},  // Table C
    }};

    std::string& field(std::size_t index) { return this->*kFieldOrder[index]; }
    const std::string& field(std::size_t index) const { return this->*kFieldOrder[index]; }

    bool operator==(const AssessmentScores&) const = default;
};

} // namespace rula

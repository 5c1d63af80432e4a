// The three look-ups of the RULA method and the sums that join them. Inputs are score
// texts as the screens hold them; each table key is matched by numeric equality of
// the whole text. A look-up whose inputs match no key gives no value, and the caller
// then writes the empty text, so an assessment that cannot be scored shows blanks.
#pragma once

#include "scoring/assessment_scores.h"

#include <optional>
#include <string_view>

namespace rula {

// Row of Table A (1 to 18) for upper arm 1-6 and lower arm 1-3.
std::optional<int> TableARow(std::string_view upperArm, std::string_view lowerArm);
// Column of Table A (1 to 8) for wrist 1-4 and wrist twist 1-2.
std::optional<int> TableAColumn(std::string_view wrist, std::string_view wristTwist);
// Column of Table B (1 to 12) for trunk 1-6 and legs 1-2.
std::optional<int> TableBColumn(std::string_view trunk, std::string_view legs);

// Posture score A (1 to 9).
std::optional<int> LookUpTableA(std::string_view upperArm, std::string_view lowerArm,
                                std::string_view wrist, std::string_view wristTwist);
// Posture score B (1 to 9).
std::optional<int> LookUpTableB(std::string_view neck, std::string_view trunk,
                                std::string_view legs);
// Final score (1 to 7) from score C and score D; the last row takes every C of 8 or
// more and the last column every D of 7 or more.
std::optional<int> LookUpTableC(std::string_view scoreC, std::string_view scoreD);

// Writes score C and score D: posture score plus muscle use plus force/load. A sum
// whose posture score is empty is empty too.
void ComputeGrandSums(AssessmentScores& scores);

// Completes an assessment whose segment, muscle use and force/load scores are set:
// Table A, Table B, the grand sums and Table C, in that order.
void ScoreAssessment(AssessmentScores& scores);

} // namespace rula

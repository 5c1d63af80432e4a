// Score text: every score of an assessment is carried as text (a label caption on
// some screen). These are the only ways numbers become text and text becomes numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rula {

// A value from a fixed list (an option's value, a table cell): "0", "3", "-1".
std::string WriteScoreValue(std::int16_t value);

// A computed sum: the shortest decimal text of the double ("6", "0", "-1", "2.5").
std::string WriteScoreSum(double value);

// The value of the number the text begins with; empty or non-numeric text reads as 0.
double ReadScoreValue(std::string_view text);

// The whole text as a number, or nothing when it is not exactly one number.
std::optional<double> ParseWholeScore(std::string_view text);

// Whether the whole text is numerically equal to the whole-number key ("3" matches 3).
// Empty or non-numeric text matches no key.
bool MatchScoreKey(std::string_view text, int key);

} // namespace rula

#include "scoring/score_text.h"

#include <cctype>
#include <charconv>
#include <system_error>

namespace rula {

std::string WriteScoreValue(std::int16_t value) {
    return std::to_string(value);
}

std::string WriteScoreSum(double value) {
    if (value == 0.0)
        return "0"; // never "-0"
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Length of the longest prefix of `text` that reads as a plain decimal number
// (optional sign, digits, optional fraction); 0 when there is none.
std::size_t NumberPrefixLength(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const std::size_t digitsStart = i;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    std::size_t digits = i - digitsStart;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionStart = ++i;
        while (i < text.size() && IsDigit(text[i]))
            ++i;
        digits += i - fractionStart;
        if (i - fractionStart == 0 && digits == 0)
            return 0;
    }
    return digits == 0 ? 0 : i;
}

double ParsePrefix(std::string_view number) {
    if (!number.empty() && number.front() == '+')
        number.remove_prefix(1);
    double value = 0.0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return value;
}

} // namespace

double ReadScoreValue(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    return ParsePrefix(text.substr(0, NumberPrefixLength(text)));
}

std::optional<double> ParseWholeScore(std::string_view text) {
    const std::size_t length = NumberPrefixLength(text);
    if (length == 0 || length != text.size())
        return std::nullopt;
    return ParsePrefix(text);
}

bool MatchScoreKey(std::string_view text, int key) {
    const auto value = ParseWholeScore(text);
    return value && *value == static_cast<double>(key);
}

} // namespace rula

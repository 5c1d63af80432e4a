// The score a posture screen hands on: the chosen posture's base plus its
// adjustments. A chosen posture never scores below 1, however the adjustments fall;
// without a chosen posture there is no score, and the screen hands on "0", which no
// table accepts, so the assessment shows blanks instead of an invented number.
#pragma once

#include <optional>
#include <string>

namespace rula {

std::string SegmentScoreText(std::optional<double> base, double adjustments);

} // namespace rula

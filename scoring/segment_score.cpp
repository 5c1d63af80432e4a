#include "scoring/segment_score.h"

#include "scoring/score_text.h"

#include <algorithm>

namespace rula {

std::string SegmentScoreText(std::optional<double> base, double adjustments) {
    if (!base)
        return "0";
    return WriteScoreSum(std::max(1.0, *base + adjustments));
}

} // namespace rula

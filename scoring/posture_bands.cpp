// The five band tables, and the look-ups that apply the edge rule to them.
#include "scoring/posture_bands.h"

#include <array>
#include <cmath>
#include <cstring>

namespace rula {
namespace {

constexpr double kEnd = 180;

// No shoulder reaches 90° behind the trunk: an arm that far back has been raised over the
// head, past the trunk's line.
constexpr std::array kUpperArm{
    PostureBand{"Option1", -20, 20, 1},  PostureBand{"Option2", -90, -20, 2},
    PostureBand{"Option3", 20, 45, 2},   PostureBand{"Option4", 45, 90, 3},
    PostureBand{"Option5", 90, kEnd, 4}, PostureBand{"Option5", -kEnd, -90, 4},
};
constexpr std::array kLowerArm{
    PostureBand{"Option1", 60, 100, 1},
    PostureBand{"Option2", -kEnd, 60, 2},
    PostureBand{"Option2", 100, kEnd, 2},
};
constexpr std::array kWrist{
    PostureBand{"Option1", -kNeutralDegrees, kNeutralDegrees, 1},
    PostureBand{"Option2", kNeutralDegrees, 15, 2},
    PostureBand{"Option2", -15, -kNeutralDegrees, 2},
    PostureBand{"Option5", 15, kEnd, 3},
    PostureBand{"Option5", -kEnd, -15, 3},
};
constexpr std::array kNeck{
    PostureBand{"Option1", -kNeutralDegrees, 10, 1},
    PostureBand{"Option2", 10, 20, 2},
    PostureBand{"Option3", 20, kEnd, 3},
    PostureBand{"Option4", -kEnd, -kNeutralDegrees, 4},
};
constexpr std::array kTrunk{
    PostureBand{"Option1", -kNeutralDegrees, kNeutralDegrees, 1},
    PostureBand{"Option2", kNeutralDegrees, 20, 2},
    PostureBand{"Option3", 20, 60, 3},
    PostureBand{"Option4", 60, kEnd, 4},
};

bool IsEdge(double degrees) {
    return std::abs(degrees) != kEnd;
}

// Inside the band, its ends included.
bool Within(const PostureBand& band, double degrees) {
    return band.from - kOnEdgeDegrees <= degrees && degrees <= band.to + kOnEdgeDegrees;
}

} // namespace

std::span<const PostureBand> PostureBands(PostureSegment segment) {
    switch (segment) {
    case PostureSegment::UpperArm:
        return kUpperArm;
    case PostureSegment::LowerArm:
        return kLowerArm;
    case PostureSegment::Wrist:
        return kWrist;
    case PostureSegment::Neck:
        return kNeck;
    case PostureSegment::Trunk:
        return kTrunk;
    }
    return {};
}

const PostureBand* BandOfOption(PostureSegment segment, const char* option) {
    for (const PostureBand& band : PostureBands(segment))
        if (std::strcmp(band.option, option) == 0)
            return &band;
    return nullptr;
}

const PostureBand* BandHolding(PostureSegment segment, double degrees) {
    const PostureBand* holding = nullptr;
    for (const PostureBand& band : PostureBands(segment))
        if (Within(band, degrees) && (!holding || band.base > holding->base))
            holding = &band;
    return holding;
}

bool HoldsItsEdge(PostureSegment segment, const PostureBand& band, double edge) {
    const PostureBand* holding = BandHolding(segment, edge);
    return holding && std::strcmp(holding->option, band.option) == 0;
}

bool OnBandEdge(PostureSegment segment, double degrees) {
    for (const PostureBand& band : PostureBands(segment))
        for (double edge : {band.from, band.to})
            if (IsEdge(edge) && std::abs(degrees - edge) <= kOnEdgeDegrees)
                return true;
    return false;
}

bool NearBandEdge(PostureSegment segment, double degrees) {
    for (const PostureBand& band : PostureBands(segment))
        for (double edge : {band.from, band.to})
            if (IsEdge(edge) && std::abs(degrees - edge) < kNearEdgeDegrees)
                return true;
    return false;
}

} // namespace rula

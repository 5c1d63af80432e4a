// The five band tables, and the look-ups that apply the edge rule to them.
#include "assessment/posture_bands.h"

#include <array>
#include <cmath>

namespace rula {
namespace {

constexpr double kEnd = 180;

constexpr PostureBand Band(UpperArmPosture p, double from, double to) {
    return {static_cast<int>(p), from, to, PostureSegment::UpperArm};
}
constexpr PostureBand Band(LowerArmPosture p, double from, double to) {
    return {static_cast<int>(p), from, to, PostureSegment::LowerArm};
}
constexpr PostureBand Band(WristPosture p, double from, double to) {
    return {static_cast<int>(p), from, to, PostureSegment::Wrist};
}
constexpr PostureBand Band(NeckPosture p, double from, double to) {
    return {static_cast<int>(p), from, to, PostureSegment::Neck};
}
constexpr PostureBand Band(TrunkPosture p, double from, double to) {
    return {static_cast<int>(p), from, to, PostureSegment::Trunk};
}

// No shoulder reaches 90° behind the trunk: an arm that far back has been raised over the
// head, past the trunk's line.
constexpr std::array kUpperArm{
    Band(UpperArmPosture::Neutral, -20, 20),
    Band(UpperArmPosture::Extension, -90, -20),
    Band(UpperArmPosture::Raised20To45, 20, 45),
    Band(UpperArmPosture::Raised45To90, 45, 90),
    Band(UpperArmPosture::RaisedBeyond90, 90, kEnd),
    Band(UpperArmPosture::RaisedBeyond90, -kEnd, -90),
};
constexpr std::array kLowerArm{
    Band(LowerArmPosture::Flexed60To100, 60, 100),
    Band(LowerArmPosture::Below60OrBeyond100, -kEnd, 60),
    Band(LowerArmPosture::Below60OrBeyond100, 100, kEnd),
};
constexpr std::array kWrist{
    Band(WristPosture::Neutral, -kNeutralDegrees, kNeutralDegrees),
    Band(WristPosture::UpTo15, kNeutralDegrees, 15),
    Band(WristPosture::UpTo15, -15, -kNeutralDegrees),
    Band(WristPosture::Beyond15, 15, kEnd),
    Band(WristPosture::Beyond15, -kEnd, -15),
};
constexpr std::array kNeck{
    Band(NeckPosture::Flexed0To10, -kNeutralDegrees, 10),
    Band(NeckPosture::Flexed10To20, 10, 20),
    Band(NeckPosture::FlexedBeyond20, 20, kEnd),
    Band(NeckPosture::Extension, -kEnd, -kNeutralDegrees),
};
constexpr std::array kTrunk{
    Band(TrunkPosture::Upright, -kNeutralDegrees, kNeutralDegrees),
    Band(TrunkPosture::Flexed0To20, kNeutralDegrees, 20),
    Band(TrunkPosture::Flexed20To60, 20, 60),
    Band(TrunkPosture::FlexedBeyond60, 60, kEnd),
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

int PostureBand::base() const {
    switch (segment) {
    case PostureSegment::UpperArm:
        return BaseScore(static_cast<UpperArmPosture>(posture)).value_or(0);
    case PostureSegment::LowerArm:
        return BaseScore(static_cast<LowerArmPosture>(posture)).value_or(0);
    case PostureSegment::Wrist:
        return BaseScore(static_cast<WristPosture>(posture)).value_or(0);
    case PostureSegment::Neck:
        return BaseScore(static_cast<NeckPosture>(posture)).value_or(0);
    case PostureSegment::Trunk:
        return BaseScore(static_cast<TrunkPosture>(posture)).value_or(0);
    }
    return 0;
}

const PostureBand* BandHolding(PostureSegment segment, double degrees) {
    const PostureBand* holding = nullptr;
    for (const PostureBand& band : PostureBands(segment))
        if (Within(band, degrees) && (!holding || band.base() > holding->base()))
            holding = &band;
    return holding;
}

bool HoldsItsEdge(PostureSegment segment, const PostureBand& band, double edge) {
    const PostureBand* holding = BandHolding(segment, edge);
    return holding && holding->posture == band.posture;
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

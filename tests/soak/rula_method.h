// The RULA method (McAtamney and Corlett, Applied Ergonomics 1993, 24(2), 91-99) as the
// soak test's oracle: from the answers a user selected, the scores the program must
// show. It shares no code and no table with the program's own scoring library.
//
// Where the screens allow an answer the method does not foresee, the oracle follows
// the program's rules: a segment without a chosen posture has no score (it is handed
// on as 0), a look-up that meets such a score finds no cell and shows an empty box,
// and so do the sums built on it and the final score.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace rula::soak {

// ---- The answers, one struct per screen ----

enum class UpperArmPosture { None, Neutral, Extension, Forward20To45, Forward45To90, Above90 };
struct UpperArmAnswers {
    UpperArmPosture posture = UpperArmPosture::None;
    bool shoulderRaised = false;
    bool abducted = false;
    bool armSupported = false; // leaning or supporting the weight of the arm
};

enum class LowerArmPosture { None, Flexed60To100, Below60OrAbove100 };
struct LowerArmAnswers {
    LowerArmPosture posture = LowerArmPosture::None;
    bool acrossMidlineOrOut = false;
};

enum class WristPosture { None, Neutral, UpTo15, Beyond15 };
struct WristAnswers {
    WristPosture posture = WristPosture::None;
    bool bentFromMidline = false;
};

enum class WristTwist { None, MidRange, EndOfRange };

enum class NeckPosture { None, Flexed0To10, Flexed10To20, FlexedBeyond20, InExtension };
struct NeckAnswers {
    NeckPosture posture = NeckPosture::None;
    bool twisting = false;
    bool sideBending = false;
};

enum class TrunkPosture { None, Upright, Flexed0To20, Flexed20To60, FlexedBeyond60 };
struct TrunkAndLegsAnswers {
    TrunkPosture posture = TrunkPosture::None;
    bool twisting = false;
    bool sideBending = false;
    bool wellSupportedSeated = false;
    bool legsSupportedAndBalanced = false;
};

enum class MuscleUse { None, Moderate, MainlyStatic, Repeated };
enum class ForceLoad { None, LightIntermittent, MediumIntermittent, MediumStaticOrRepeated, Heavy };
struct FrequencyAndForceAnswers {
    MuscleUse muscleUseA = MuscleUse::None;
    ForceLoad forceLoadA = ForceLoad::None;
    MuscleUse muscleUseB = MuscleUse::None;
    ForceLoad forceLoadB = ForceLoad::None;
};

// ---- Segment scores: base plus adjustments; 0 when no posture was chosen ----

int UpperArmScore(const UpperArmAnswers& answers);
int LowerArmScore(const LowerArmAnswers& answers);
int WristScore(const WristAnswers& answers);
int WristTwistScore(WristTwist twist);
int NeckScore(const NeckAnswers& answers);
int TrunkScore(const TrunkAndLegsAnswers& answers);
int LegsScore(const TrunkAndLegsAnswers& answers);
int MuscleUseScore(MuscleUse use);
int ForceLoadScore(ForceLoad force);

// ---- The three tables; no value when a score lies outside the table ----

std::optional<int> TableA(int upperArm, int lowerArm, int wrist, int wristTwist);
std::optional<int> TableB(int neck, int trunk, int legs);
std::optional<int> TableC(int scoreC, int scoreD);

// ---- The whole assessment ----

// The segment scores as they wait to be collected by the frequency and force screen.
struct SegmentScores {
    int upperArm = 0;
    int lowerArm = 0;
    int wrist = 0;
    int wristTwist = 0;
    int neck = 0;
    int trunk = 0;
    int legs = 0;
};

inline constexpr std::size_t kFinalScreenBoxes = 16;
// The texts of the final score screen's sixteen value boxes, in their fixed order:
// upper arm, lower arm, wrist, wrist twist, posture A, muscle use A, force/load A,
// score C, neck, trunk, legs, posture B, muscle use B, force/load B, score D, final.
using FinalScreen = std::array<std::string, kFinalScreenBoxes>;

FinalScreen Assess(const SegmentScores& segments, const FrequencyAndForceAnswers& loads);

} // namespace rula::soak

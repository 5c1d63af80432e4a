// One assessment as the user answered it, in the method's own terms: the posture chosen
// on each posture screen (or none), every adjustment box, the wrist twist, the legs, the
// muscle use and force or load of both groups, and the side of the body assessed. The
// screens show and edit this record; ScoresOf turns it into the sixteen score texts the
// final score screen and the chart show. Standard library only.
#pragma once

#include "scoring/assessment_scores.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace rula {

// The options of each screen, "None" while none is chosen. The upper arm, lower arm,
// wrist, neck and trunk options are bands of a joint angle (assessment/posture_bands.h).
enum class UpperArmPosture {
    None,
    Neutral,        // 20° behind to 20° in front of the trunk
    Extension,      // more than 20° behind the trunk
    Raised20To45,   // raised forward 20° to 45°
    Raised45To90,   // raised forward 45° to 90°
    RaisedBeyond90, // raised beyond 90°
};
enum class LowerArmPosture {
    None,
    Flexed60To100,      // elbow flexed 60° to 100°
    Below60OrBeyond100, // flexed less than 60° or more than 100°
};
enum class WristPosture {
    None,
    Neutral,  // in line with the forearm
    UpTo15,   // bent up or down by up to 15°
    Beyond15, // bent up or down by 15° or more
};
enum class WristTwist {
    None,
    MidRange,   // mainly in the mid-range of twist
    EndOfRange, // at or near the end of its range
};
enum class NeckPosture {
    None,
    Flexed0To10,
    Flexed10To20,
    FlexedBeyond20,
    Extension,
};
enum class TrunkPosture {
    None,
    Upright,
    Flexed0To20,
    Flexed20To60,
    FlexedBeyond60,
};
enum class MuscleUse {
    None,
    Moderate,     // not static, not lightly repetitive
    MainlyStatic, // held longer than one minute
    Repeated,     // more than four times a minute
};
enum class ForceLoad {
    None,
    LightIntermittent,      // under 2 kg, intermittent
    MediumIntermittent,     // 2 to 10 kg, intermittent
    MediumStaticOrRepeated, // 2 to 10 kg, static or repeated
    Heavy,                  // over 10 kg, repeated or shocks
};
enum class Side { NotSaid, Left, Right };

struct Assessment {
    UpperArmPosture upperArm = UpperArmPosture::None;
    bool shoulderRaised = false;
    bool upperArmAbducted = false;
    bool armSupported = false; // leaning or supporting the weight of the arm

    LowerArmPosture lowerArm = LowerArmPosture::None;
    bool lowerArmAcrossOrOut = false; // working across the mid-line or out to the side

    WristPosture wrist = WristPosture::None;
    bool wristBentFromMidline = false;

    WristTwist wristTwist = WristTwist::None;

    NeckPosture neck = NeckPosture::None;
    bool neckTwisted = false;
    bool neckSideBent = false;

    TrunkPosture trunk = TrunkPosture::None;
    bool trunkTwisted = false;
    bool trunkSideBent = false;
    bool trunkSupportedSeated = false; // scores as upright, whatever the drawing
    bool legsSupported = false;        // legs and feet supported and balanced

    MuscleUse muscleUseA = MuscleUse::None;
    ForceLoad forceLoadA = ForceLoad::None;
    MuscleUse muscleUseB = MuscleUse::None;
    ForceLoad forceLoadB = ForceLoad::None;

    Side side = Side::NotSaid;

    bool operator==(const Assessment&) const = default;
};

// The base score each option gives; nothing for None.
std::optional<int> BaseScore(UpperArmPosture posture);
std::optional<int> BaseScore(LowerArmPosture posture);
std::optional<int> BaseScore(WristPosture posture);
std::optional<int> BaseScore(NeckPosture posture);
std::optional<int> BaseScore(TrunkPosture posture);
int TwistScore(WristTwist twist);  // 0 while none is chosen
int MuscleUseScore(MuscleUse use); // 0 while none is chosen
int ForceLoadScore(ForceLoad force);

// The segment score texts as each screen hands them on ("0" with no posture chosen).
std::string UpperArmScoreText(const Assessment& a);
std::string LowerArmScoreText(const Assessment& a);
std::string WristScoreText(const Assessment& a);
std::string NeckScoreText(const Assessment& a);
std::string TrunkScoreText(const Assessment& a);
std::string LegsScoreText(const Assessment& a);

// The sixteen scores, as the frequency and force screen's Continue writes them: the
// segment scores, Tables A and B, the sums C and D and Table C; a look-up that finds no
// cell, and what is built on it, is blank.
AssessmentScores ScoresOf(const Assessment& assessment);

// The names a saved study uses for an answer's values, in enum order; the first, for
// None (or a side not said), is empty: the study writes null for it. AnswerNamed is the
// reverse look-up, nothing for an unknown or empty name.
template <class Answer> std::span<const std::string_view> AnswerNames();
template <class Answer> std::optional<Answer> AnswerNamed(std::string_view name);

} // namespace rula

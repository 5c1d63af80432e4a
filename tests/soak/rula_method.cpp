#include "rula_method.h"

#include <algorithm>

namespace rula::soak {
namespace {

// Table A, indexed [upper arm 1-6][lower arm 1-3][wrist 1-4][wrist twist 1-2].
constexpr int kTableA[6][3][4][2] = {
    {{{1, 2}, {2, 2}, {2, 3}, {3, 3}}, // upper arm 1
     {{2, 2}, {2, 2}, {3, 3}, {3, 3}},
     {{2, 3}, {2, 3}, {3, 3}, {4, 4}}},
    {{{2, 2}, {2, 3}, {3, 3}, {4, 4}}, // upper arm 2
     {{2, 2}, {2, 3}, {3, 3}, {4, 4}},
     {{2, 3}, {3, 3}, {3, 4}, {4, 5}}},
    {{{2, 3}, {3, 3}, {4, 4}, {5, 5}}, // upper arm 3
     {{2, 3}, {3, 3}, {4, 4}, {5, 5}},
     {{2, 3}, {3, 4}, {4, 4}, {5, 5}}},
    {{{3, 4}, {4, 4}, {4, 4}, {5, 5}}, // upper arm 4
     {{3, 4}, {4, 4}, {4, 4}, {5, 5}},
     {{3, 4}, {4, 5}, {5, 5}, {6, 6}}},
    {{{5, 5}, {5, 5}, {5, 6}, {6, 7}}, // upper arm 5
     {{5, 6}, {6, 6}, {6, 7}, {7, 7}},
     {{6, 6}, {6, 7}, {7, 7}, {7, 8}}},
    {{{7, 7}, {7, 7}, {7, 8}, {8, 9}}, // upper arm 6
     {{7, 8}, {8, 8}, {8, 9}, {9, 9}},
     {{9, 9}, {9, 9}, {9, 9}, {9, 9}}},
};

// Table B, indexed [neck 1-6][trunk 1-6][legs 1-2].
constexpr int kTableB[6][6][2] = {
    {{1, 3}, {2, 3}, {3, 4}, {5, 5}, {6, 6}, {7, 7}}, // neck 1
    {{2, 3}, {2, 3}, {4, 5}, {5, 5}, {6, 7}, {7, 7}}, // neck 2
    {{3, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 7}}, // neck 3
    {{5, 5}, {5, 6}, {6, 7}, {7, 7}, {7, 7}, {8, 8}}, // neck 4
    {{7, 7}, {7, 7}, {7, 8}, {8, 8}, {8, 8}, {8, 8}}, // neck 5
    {{8, 8}, {8, 8}, {8, 8}, {8, 9}, {9, 9}, {9, 9}}, // neck 6
};

// Table C, indexed [score C 1-7, then 8 or more][score D 1-6, then 7 or more].
constexpr int kTableC[8][7] = {
    {1, 2, 3, 3, 4, 5, 5}, {2, 2, 3, 4, 4, 5, 5}, {3, 3, 3, 4, 4, 5, 6}, {3, 3, 3, 4, 5, 6, 6},
    {4, 4, 4, 5, 6, 7, 7}, {4, 4, 5, 6, 6, 7, 7}, {5, 5, 6, 6, 7, 7, 7}, {5, 5, 6, 7, 7, 7, 7},
};

bool Within(int score, int low, int high) {
    return score >= low && score <= high;
}

std::string Text(int score) {
    return std::to_string(score);
}

std::string Text(std::optional<int> score) {
    return score ? std::to_string(*score) : std::string();
}

} // namespace

int UpperArmScore(const UpperArmAnswers& answers) {
    int base = 0;
    switch (answers.posture) {
    case UpperArmPosture::None:
        return 0;
    case UpperArmPosture::Neutral:
        base = 1;
        break;
    case UpperArmPosture::Extension:
    case UpperArmPosture::Forward20To45:
        base = 2;
        break;
    case UpperArmPosture::Forward45To90:
        base = 3;
        break;
    case UpperArmPosture::Above90:
        base = 4;
        break;
    }
    const int score = base + answers.shoulderRaised + answers.abducted - answers.armSupported;
    // A supported arm takes one off, but a chosen posture scores at least 1.
    return std::max(score, 1);
}

int LowerArmScore(const LowerArmAnswers& answers) {
    switch (answers.posture) {
    case LowerArmPosture::None:
        return 0;
    case LowerArmPosture::Flexed60To100:
        return 1 + answers.acrossMidlineOrOut;
    case LowerArmPosture::Below60OrAbove100:
        return 2 + answers.acrossMidlineOrOut;
    }
    return 0;
}

int WristScore(const WristAnswers& answers) {
    switch (answers.posture) {
    case WristPosture::None:
        return 0;
    case WristPosture::Neutral:
        return 1 + answers.bentFromMidline;
    case WristPosture::UpTo15:
        return 2 + answers.bentFromMidline;
    case WristPosture::Beyond15:
        return 3 + answers.bentFromMidline;
    }
    return 0;
}

int WristTwistScore(WristTwist twist) {
    switch (twist) {
    case WristTwist::None:
        return 0;
    case WristTwist::MidRange:
        return 1;
    case WristTwist::EndOfRange:
        return 2;
    }
    return 0;
}

int NeckScore(const NeckAnswers& answers) {
    int base = 0;
    switch (answers.posture) {
    case NeckPosture::None:
        return 0;
    case NeckPosture::Flexed0To10:
        base = 1;
        break;
    case NeckPosture::Flexed10To20:
        base = 2;
        break;
    case NeckPosture::FlexedBeyond20:
        base = 3;
        break;
    case NeckPosture::InExtension:
        base = 4;
        break;
    }
    return base + answers.twisting + answers.sideBending;
}

int TrunkScore(const TrunkAndLegsAnswers& answers) {
    int base = 0;
    switch (answers.posture) {
    case TrunkPosture::None:
        break;
    case TrunkPosture::Upright:
        base = 1;
        break;
    case TrunkPosture::Flexed0To20:
        base = 2;
        break;
    case TrunkPosture::Flexed20To60:
        base = 3;
        break;
    case TrunkPosture::FlexedBeyond60:
        base = 4;
        break;
    }
    // A trunk well supported while seated scores as upright, whatever drawing is chosen.
    if (answers.wellSupportedSeated)
        base = 1;
    if (base == 0)
        return 0;
    return base + answers.twisting + answers.sideBending;
}

int LegsScore(const TrunkAndLegsAnswers& answers) {
    return answers.legsSupportedAndBalanced ? 1 : 2;
}

int MuscleUseScore(MuscleUse use) {
    return use == MuscleUse::MainlyStatic || use == MuscleUse::Repeated ? 1 : 0;
}

int ForceLoadScore(ForceLoad force) {
    switch (force) {
    case ForceLoad::None:
    case ForceLoad::LightIntermittent:
        return 0;
    case ForceLoad::MediumIntermittent:
        return 1;
    case ForceLoad::MediumStaticOrRepeated:
        return 2;
    case ForceLoad::Heavy:
        return 3;
    }
    return 0;
}

std::optional<int> TableA(int upperArm, int lowerArm, int wrist, int wristTwist) {
    if (!Within(upperArm, 1, 6) || !Within(lowerArm, 1, 3))
        return std::nullopt;
    // Upper arm 6 with lower arm 3 is 9 in every column: the wrist is not asked.
    if (upperArm == 6 && lowerArm == 3)
        return 9;
    if (!Within(wrist, 1, 4) || !Within(wristTwist, 1, 2))
        return std::nullopt;
    return kTableA[upperArm - 1][lowerArm - 1][wrist - 1][wristTwist - 1];
}

std::optional<int> TableB(int neck, int trunk, int legs) {
    if (!Within(neck, 1, 6) || !Within(trunk, 1, 6) || !Within(legs, 1, 2))
        return std::nullopt;
    return kTableB[neck - 1][trunk - 1][legs - 1];
}

std::optional<int> TableC(int scoreC, int scoreD) {
    if (scoreC < 1 || scoreD < 1)
        return std::nullopt;
    return kTableC[std::min(scoreC, 8) - 1][std::min(scoreD, 7) - 1];
}

FinalScreen Assess(const SegmentScores& segments, const FrequencyAndForceAnswers& loads) {
    const int muscleUseA = MuscleUseScore(loads.muscleUseA);
    const int forceLoadA = ForceLoadScore(loads.forceLoadA);
    const int muscleUseB = MuscleUseScore(loads.muscleUseB);
    const int forceLoadB = ForceLoadScore(loads.forceLoadB);

    const std::optional<int> postureA =
        TableA(segments.upperArm, segments.lowerArm, segments.wrist, segments.wristTwist);
    const std::optional<int> postureB = TableB(segments.neck, segments.trunk, segments.legs);
    std::optional<int> scoreC, scoreD, finalScore;
    if (postureA)
        scoreC = *postureA + muscleUseA + forceLoadA;
    if (postureB)
        scoreD = *postureB + muscleUseB + forceLoadB;
    if (scoreC && scoreD)
        finalScore = TableC(*scoreC, *scoreD);

    return {Text(segments.upperArm),
            Text(segments.lowerArm),
            Text(segments.wrist),
            Text(segments.wristTwist),
            Text(postureA),
            Text(muscleUseA),
            Text(forceLoadA),
            Text(scoreC),
            Text(segments.neck),
            Text(segments.trunk),
            Text(segments.legs),
            Text(postureB),
            Text(muscleUseB),
            Text(forceLoadB),
            Text(scoreD),
            Text(finalScore)};
}

} // namespace rula::soak

// The ten screens of the program, in the order in which closing visits them.
#pragma once

#include <array>

namespace rula {

enum class ScreenId {
    Form1 = 1, // introduction
    Form2,     // upper arm
    Form3,     // lower arm
    Form4,     // wrist
    Form5,     // wrist twist
    Form6,     // neck
    Form7,     // trunk and legs
    Form8,     // frequency and force
    Form9,     // final score
    Form10,    // chart
};

inline constexpr std::array<ScreenId, 10> kAllScreens = {
    ScreenId::Form1, ScreenId::Form2, ScreenId::Form3, ScreenId::Form4, ScreenId::Form5,
    ScreenId::Form6, ScreenId::Form7, ScreenId::Form8, ScreenId::Form9, ScreenId::Form10,
};

} // namespace rula

// Neck: one of four postures and two adjustments. Continue hands the neck score to the
// trunk and legs screen. Label6 keeps the wrist twist score for Form8.
#pragma once

#include "screens/screen_shell.h"

namespace rula {

class Form6 final : public ScreenShell {
    Q_OBJECT
public:
    static constexpr ScreenId kId = ScreenId::Form6;
    explicit Form6(ScreenSet& screens);

    OptionButton *Option1, *Option2, *Option3, *Option4;
    CheckBox *Check1, *Check2;
    QLabel* Label5; // base score of the chosen posture
    QLabel* Label4; // neck twisting (fed by Check1)
    QLabel* Label3; // neck side-bending (fed by Check2)
    QLabel* Label6; // wrist twist score, written by Form5

protected:
    void Command1_Click() override;
};

} // namespace rula

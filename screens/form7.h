// Trunk and legs: one of four trunk postures, the trunk adjustments, seated support
// and the legs answer. Continue hands the trunk score and the legs score to the
// frequency and force screen. Label6 keeps the neck score for Form8.
#pragma once

#include "screens/screen_shell.h"

namespace rula {

class Form7 final : public ScreenShell {
    Q_OBJECT
public:
    static constexpr ScreenId kId = ScreenId::Form7;
    explicit Form7(ScreenSet& screens);

    OptionButton *Option1, *Option2, *Option3, *Option4;
    CheckBox *Check1, *Check2, *Check3, *Check4;
    QLabel* Label7; // base score of the chosen posture
    QLabel* Label3; // trunk twisting
    QLabel* Label4; // trunk side-bending
    QLabel* Label5; // seated support: "1" while well supported, else "2"
    QLabel* Label8; // legs score: "1" supported and balanced, else "2"
    QLabel* Label6; // neck score, written by Form6

protected:
    void Command1_Click() override;
};

} // namespace rula

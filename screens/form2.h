// Upper arm: one of five postures and up to three adjustments. Continue hands the
// upper arm score to the lower arm screen, where it waits in Form3.Label6.
#pragma once

#include "screens/screen_shell.h"

namespace rula {

class Form2 final : public ScreenShell {
    Q_OBJECT
public:
    static constexpr ScreenId kId = ScreenId::Form2;
    explicit Form2(ScreenSet& screens);

    OptionButton *Option1, *Option2, *Option3, *Option4, *Option5;
    CheckBox *Check1, *Check2, *Check3;
    QLabel* Label6; // base score of the chosen posture
    QLabel* Label3; // shoulder raised
    QLabel* Label4; // upper arm abducted
    QLabel* Label5; // arm supported

protected:
    void Command1_Click() override;
};

} // namespace rula

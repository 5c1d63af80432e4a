// Lower arm: one of two postures and the working-across adjustment. Continue hands the
// lower arm score to the wrist screen. Label6 keeps the upper arm score for Form8.
#pragma once

#include "screens/screen_shell.h"

namespace rula {

class Form3 final : public ScreenShell {
    Q_OBJECT
public:
    static constexpr ScreenId kId = ScreenId::Form3;
    explicit Form3(ScreenSet& screens);

    OptionButton *Option1, *Option2;
    CheckBox* Check1;
    QLabel* Label3; // base score of the chosen posture
    QLabel* Label4; // working across the mid-line or out to the side
    QLabel* Label6; // upper arm score, written by Form2

protected:
    void Command1_Click() override;
};

} // namespace rula

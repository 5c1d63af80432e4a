// Wrist: one of three postures and the bent-from-mid-line adjustment. Continue hands
// the wrist score to the wrist twist screen. Label6 keeps the lower arm score for Form8.
#pragma once

#include "screens/screen_shell.h"

namespace rula {

class Form4 final : public ScreenShell {
    Q_OBJECT
public:
    static constexpr ScreenId kId = ScreenId::Form4;
    explicit Form4(ScreenSet& screens);

    OptionButton *Option1, *Option2, *Option5;
    CheckBox* Check1;
    QLabel* Label4; // base score of the chosen posture
    QLabel* Label3; // bent away from the mid-line
    QLabel* Label6; // lower arm score, written by Form3

protected:
    void Command1_Click() override;
};

} // namespace rula

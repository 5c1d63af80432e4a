// Wrist twist: mid-range or end of range. Continue copies the score to the neck
// screen. Label6 keeps the wrist score for Form8.
#pragma once

#include "screens/screen_shell.h"

namespace rula {

class Form5 final : public ScreenShell {
    Q_OBJECT
public:
    static constexpr ScreenId kId = ScreenId::Form5;
    explicit Form5(ScreenSet& screens);

    OptionButton *Option1, *Option2;
    QLabel* Label4; // wrist twist score
    QLabel* Label6; // wrist score, written by Form4

protected:
    void Command1_Click() override;
};

} // namespace rula

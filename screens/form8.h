// Frequency and force: muscle use and force/load for Group A and Group B. Continue is
// where an assessment is scored: the screens' record, whose segment scores wait on the
// posture screens as the Continues handed them on, is scored and shown on the final
// screen with the answers it belongs to.
#pragma once

#include "scoring/assessment_scores.h"
#include "screens/screen_shell.h"

namespace rula {

class Form8 final : public ScreenShell {
    Q_OBJECT
public:
    static constexpr ScreenId kId = ScreenId::Form8;
    explicit Form8(ScreenSet& screens);

    OptionButton *Option1, *Option2, *Option3;               // Group A muscle use
    OptionButton *Option4, *Option5, *Option6, *Option7;     // Group A force
    OptionButton *Option8, *Option9, *Option10;              // Group B muscle use
    OptionButton *Option11, *Option12, *Option13, *Option14; // Group B force
    QLabel* Label3;                                          // muscle use A
    QLabel* Label4;                                          // force/load A
    QLabel* Label5;                                          // muscle use B
    QLabel* Label7;                                          // force/load B
    QLabel* Label6;                                          // trunk score, written by Form7
    QLabel* Label8;                                          // legs score, written by Form7

protected:
    void Command1_Click() override;
};

} // namespace rula

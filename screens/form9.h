// Final score: the sixteen scores of the assessment Form8 has just scored, the final
// score in its large box, and the fixed legend of risk bands. From here the user adds
// the assessment to the chart, goes to the chart, or goes back to change answers.
#pragma once

#include "scoring/assessment_scores.h"
#include "screens/screen_shell.h"

#include <array>

namespace rula {

class Form9 final : public ScreenShell {
    Q_OBJECT
public:
    static constexpr ScreenId kId = ScreenId::Form9;
    explicit Form9(ScreenSet& screens);

    // Writes every value box, each exactly as its text stands.
    void showScores(const AssessmentScores& scores);
    // The texts of the value boxes, in field order.
    AssessmentScores shownScores() const;

    QPushButton* Command5 = nullptr; // "&Goto Chart"

signals:
    // "&Add to chart" was clicked; the chart adds the shown assessment.
    void addToChartClicked();

private:
    std::array<QLabel*, AssessmentScores::kFieldCount> valueBoxes_{};
};

} // namespace rula

// Final score: the sixteen scores of the assessment Form8 has just scored, the final
// score in its large box, and the fixed legend of risk bands. From here the user adds
// the assessment to the chart, goes to the chart, or goes back to change answers.
//
// The screen knows the answers its scores belong to. When the screens' record changes
// after that, it says the scores are out of date and nothing can be added until Form8
// scores the record again. It names the screens left unanswered, starts a new
// assessment, and, for an assessment in the chart, offers the other side and, while a
// reviewed row is on the screens, "Update Row N".
#pragma once

#include "assessment/assessment.h"
#include "scoring/assessment_scores.h"
#include "screens/screen_shell.h"

#include <array>
#include <optional>

namespace rula {

class Form9 final : public ScreenShell {
    Q_OBJECT
public:
    static constexpr ScreenId kId = ScreenId::Form9;
    explicit Form9(ScreenSet& screens);

    // Writes every value box, each exactly as its text stands.
    void showScores(const AssessmentScores& scores);
    // Scores the answers and shows them; the scores belong to these answers from now on.
    void showScoresOf(const Assessment& answers);
    // The texts of the value boxes, in field order.
    AssessmentScores shownScores() const;
    // The answers the shown scores belong to, once any were scored.
    const std::optional<Assessment>& scoredAnswers() const { return scored_; }
    // Whether the shown scores are those of the screens' record as it stands.
    bool scoresCurrent() const;

    // The chart row that holds the shown assessment, as it is in that row; `reviewing`
    // while the screens hold that row for review (then "Update Row N" is offered).
    void setChartRow(int row, const Assessment& inRow, bool reviewing);
    // The shown assessment is in no row (a new one, rows deleted, another study opened).
    void forgetChartRow();
    std::optional<int> chartRow() const { return chartRow_; }
    const Assessment& chartRowAnswers() const { return inRow_; }
    bool isReviewing() const { return reviewing_; }
    void setChartFull(bool full);

    // Puts the answers on the screens as a new assessment and shows the upper arm screen
    // in place of `from`.
    void startAssessment(const Assessment& answers, ScreenShell& from);

    QPushButton* Command5 = nullptr;      // "&Goto Chart"
    QPushButton* NewAssessment = nullptr; // "&New Assessment"
    QPushButton* UpdateRow = nullptr;     // "&Update Row N", while reviewing
    QPushButton* OtherSide = nullptr;     // "Assess the &Other Side"
    QLabel* NotAnswered = nullptr;        // the screens left unanswered
    QLabel* OutOfDate = nullptr;          // said while the scores are not the record's

signals:
    // "&Add to chart" was clicked; the chart adds the shown assessment.
    void addToChartClicked();
    // "&Update Row N": the chart writes the shown assessment into row N.
    void updateRowClicked(int row);
    // "Assess the &Other Side" for the assessment in row N.
    void otherSideClicked(int row);
    // startAssessment put new answers on the screens.
    void assessmentStarted();

private:
    void updateCommands();

    std::array<QLabel*, AssessmentScores::kFieldCount> valueBoxes_{};
    std::optional<Assessment> scored_;
    std::optional<int> chartRow_;
    Assessment inRow_;
    bool reviewing_ = false;
    bool chartFull_ = false;
};

} // namespace rula

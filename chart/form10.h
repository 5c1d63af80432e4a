// The results chart: up to ten finished assessments, one per row, under sixteen
// column headings. Rows are added from the final score screen, kept while the
// program runs, printed without the buttons, and cleared all together.
#pragma once

#include "scoring/assessment_scores.h"
#include "screens/screen_shell.h"

#include <array>

namespace rula {

class Form9;

class Form10 final : public ScreenShell {
    Q_OBJECT
public:
    static constexpr ScreenId kId = ScreenId::Form10;
    static constexpr int kRows = 10;
    static constexpr int kColumns = static_cast<int>(AssessmentScores::kFieldCount);

    explicit Form10(ScreenSet& screens);

    // Row 1 to 10, column 0 to 15.
    QLabel* cell(int row, int column) const;
    bool rowFilled(int row) const;

    // "&Add to chart" on the final score screen: writes its assessment into the first
    // empty row, disables the button once row 10 is written, and shows the chart.
    void addFrom(Form9& finalScreen);

    void Command2_Click(); // Print, without the buttons
    void Command3_Click(); // Clear Chart

private:
    int nextRow() const;
    void writeRow(int row, const AssessmentScores& scores);

    std::array<std::array<QLabel*, kColumns>, kRows> cells_{};
};

} // namespace rula

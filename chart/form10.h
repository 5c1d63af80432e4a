// The results chart: up to ten finished assessments, one per row, under sixteen
// column headings, with a task text the user types beside each row. Rows are added
// from the final score screen, kept while the program runs, printed without the
// buttons, copied to the clipboard as a table, and cleared all together after the
// user has confirmed it.
#pragma once

#include "scoring/assessment_scores.h"
#include "screens/screen_shell.h"

#include <QLineEdit>
#include <QPointer>

#include <array>

class QMessageBox;

namespace rula {

class Form9;

// A row's task: one line of plain text. On paper it is the words alone, without the
// field's frame, cursor or selection.
class TaskField final : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int kMaxLength = 60;
    explicit TaskField(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

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
    // The task field of row 1 to 10; editable only while its row is filled.
    QLineEdit* task(int row) const;

    // "&Add to chart" on the final score screen: writes its assessment into the first
    // empty row, disables the button once row 10 is written, and shows the chart with
    // the focus in the new row's task field.
    void addFrom(Form9& finalScreen);

    void Command2_Click(); // Print, without the buttons
    void Command3_Click(); // Clear Chart, once the user has confirmed it
    void Command5_Click(); // Copy the chart as a table

    QPushButton* Command5 = nullptr; // "C&opy"

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int nextRow() const;
    void writeRow(int row, const AssessmentScores& scores);
    void clearChart();

    std::array<std::array<QLabel*, kColumns>, kRows> cells_{};
    std::array<TaskField*, kRows> tasks_{};
    QPointer<QMessageBox> askingToClear_;
};

} // namespace rula

// The chart as a record: up to ten rows, each the sixteen score texts exactly as the
// final score screen showed them (a blank stays blank), the task typed beside it, the
// side assessed, notes, the answers that gave the scores and, where the postures were
// chosen on a photo, that photo with its measurement; the study's details; and whether
// anything changed since the study was last saved or opened. The chart screen shows this record and
// changes it only through it; saving, opening, copying, printing and exporting read it. No GUI: Qt
// Core only.
#pragma once

#include "angles/measured_photo.h"
#include "assessment/assessment.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QVector>

#include <array>
#include <optional>

namespace rula {

inline constexpr int kChartRows = 10;
inline constexpr int kChartColumns = 16;
// Characters as the user sees them (grapheme clusters), not UTF-16 units.
inline constexpr int kTaskMaxCharacters = 60;
inline constexpr int kDetailMaxCharacters = 120;
inline constexpr int kNotesMaxCharacters = 2000;

// The dates a study keeps as observed: those the chart's date field can show (it shows
// no year before 100).
inline QDate kFirstObservedDate() {
    return QDate(100, 1, 1);
}
inline QDate kLastObservedDate() {
    return QDate(9999, 12, 31);
}
inline bool IsObservedDate(const QDate& date) {
    return date.isValid() && date >= kFirstObservedDate() && date <= kLastObservedDate();
}

struct ChartRow {
    std::array<QString, kChartColumns> scores; // in field order
    QString task;
    Side side = Side::NotSaid;
    QString notes{}; // several lines
    // The answers behind the scores, their side being the row's; none in rows kept by a
    // version of the program that saved only scores.
    std::optional<Assessment> answers{};
    // The photo the postures were chosen on, with its measurement.
    std::optional<MeasuredPhoto> measurement{};
    bool operator==(const ChartRow&) const = default;
};

// The sixteen score texts as a row keeps them, in field order.
std::array<QString, kChartColumns> ScoreCells(const AssessmentScores& scores);

struct StudyDetails {
    QString title; // the line or workplace
    QString site;
    QString assessor;
    QDate observed; // today when a chart is new or cleared
    bool operator==(const StudyDetails&) const = default;
};

// Everything a study file holds.
struct Study {
    StudyDetails details;
    QVector<ChartRow> rows; // at most kChartRows, in chart order
    bool operator==(const Study&) const = default;
};

// The row as the record keeps it: task and notes cleaned, the answers' side the row's,
// the measurement's points within its photo.
ChartRow CleanRow(const ChartRow& row);

class ChartRecord final : public QObject {
    Q_OBJECT
public:
    explicit ChartRecord(QObject* parent = nullptr);

    const Study& study() const { return study_; }
    int rowCount() const { return static_cast<int>(study_.rows.size()); }
    bool isFull() const { return rowCount() == kChartRows; }
    bool isEmpty() const; // no rows, and details as a new chart has them
    // Row 1 to 10.
    const ChartRow& row(int number) const;

    // Appends a row; returns its number. Does nothing (returns 0) on a full chart.
    int addRow(const std::array<QString, kChartColumns>& scores);
    // Appends a row with its answers (whose side becomes the row's), task and measurement.
    int addRow(const ChartRow& row);
    // Writes answers, scores and measurement into a row; its task, side and notes stay.
    void updateRow(int number, const Assessment& answers,
                   const std::array<QString, kChartColumns>& scores,
                   const std::optional<MeasuredPhoto>& measurement);
    // The rows below move up.
    void deleteRow(int number);
    // Cleaned by CleanLine (one line, no control characters, at most the limit).
    void setTask(int number, const QString& task);
    // The row's side, and its answers' side with it.
    void setSide(int number, Side side);
    // Cleaned by CleanNotes (lines kept, at most kNotesMaxCharacters).
    void setNotes(int number, const QString& notes);
    void setDetails(const StudyDetails& details);
    // Every row goes; the details stay.
    void clearRows();
    // The whole study at once, as opened: afterwards the record is unmodified.
    void replace(const Study& study);
    // The whole study at once, as changes not yet saved (a recovered chart).
    void restoreUnsaved(const Study& study);

    bool isModified() const { return modified_; }
    void markSaved();

signals:
    void changed(); // any row, task or detail
    void modifiedChanged(bool modified);

private:
    void change(int number, const ChartRow& row);
    void touch();

    Study study_;
    QDate startDate_; // the day the record was made: a new chart's date
    bool modified_ = false;
};

} // namespace rula

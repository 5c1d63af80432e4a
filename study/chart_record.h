// The chart as a record: up to ten rows, each the sixteen score texts exactly as the
// final score screen showed them (a blank stays blank) and the task typed beside it;
// the study's details; and whether anything changed since the study was last saved or
// opened. The chart screen shows this record and changes it only through it; saving,
// opening, copying, printing and exporting read it. No GUI: Qt Core only.
#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <QVector>

#include <array>

namespace rula {

inline constexpr int kChartRows = 10;
inline constexpr int kChartColumns = 16;
// Characters as the user sees them (grapheme clusters), not UTF-16 units.
inline constexpr int kTaskMaxCharacters = 60;
inline constexpr int kDetailMaxCharacters = 120;

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
    bool operator==(const ChartRow&) const = default;
};

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
    // Cleaned by CleanLine (one line, no control characters, at most the limit).
    void setTask(int number, const QString& task);
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
    void touch();

    Study study_;
    QDate startDate_; // the day the record was made: a new chart's date
    bool modified_ = false;
};

} // namespace rula

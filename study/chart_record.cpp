// The chart's record: every change goes through touch(), which emits changed() and
// flips the modified flag; changes that leave the study as it was emit nothing.
#include "study/chart_record.h"

#include "study/text_rules.h"

#include <algorithm>
#include <cmath>

namespace rula {

std::array<QString, kChartColumns> ScoreCells(const AssessmentScores& scores) {
    std::array<QString, kChartColumns> cells;
    for (int field = 0; field < kChartColumns; ++field)
        cells[field] = QString::fromStdString(scores.field(field));
    return cells;
}

namespace {

StudyDetails CleanDetails(const StudyDetails& details, const QDate& fallbackDate) {
    StudyDetails clean;
    clean.title = CleanLine(details.title, kDetailMaxCharacters);
    clean.site = CleanLine(details.site, kDetailMaxCharacters);
    clean.assessor = CleanLine(details.assessor, kDetailMaxCharacters);
    // A date the study cannot keep keeps the one before.
    clean.observed = IsObservedDate(details.observed) ? details.observed : fallbackDate;
    return clean;
}

// A point kept within its photo, as the study file wants it (a point scaled into the
// kept photo may come out a rounding past its edge); never -0, which the file would not
// read back as written.
PhotoPoint WithinPhoto(PhotoPoint point, const MeasuredPhoto& photo) {
    const auto within = [](double at, int size) {
        const double kept = std::isfinite(at) ? std::clamp(at, 0.0, double(size)) : 0.0;
        return kept == 0 ? 0.0 : kept;
    };
    return {within(point.x, photo.width), within(point.y, photo.height)};
}

} // namespace

ChartRow CleanRow(const ChartRow& row) {
    ChartRow clean = row;
    clean.task = CleanLine(row.task, kTaskMaxCharacters);
    clean.notes = CleanNotes(row.notes, kNotesMaxCharacters);
    if (clean.answers)
        clean.answers->side = clean.side;
    if (MeasuredPhoto* photo = clean.measurement ? &*clean.measurement : nullptr) {
        for (std::optional<PhotoPoint>& point : photo->points)
            if (point)
                point = WithinPhoto(*point, *photo);
        if (photo->plumb)
            photo->plumb = PlumbLine{WithinPhoto(photo->plumb->top, *photo),
                                     WithinPhoto(photo->plumb->bottom, *photo)};
    }
    return clean;
}

ChartRecord::ChartRecord(QObject* parent)
    : QObject(parent)
    , startDate_(QDate::currentDate()) {
    study_.details.observed = startDate_;
}

bool ChartRecord::isEmpty() const {
    const StudyDetails& details = study_.details;
    // A chart left open over midnight still counts as new.
    const bool freshDate =
        details.observed == QDate::currentDate() || details.observed == startDate_;
    return study_.rows.isEmpty() && details.title.isEmpty() && details.site.isEmpty() &&
           details.assessor.isEmpty() && freshDate;
}

const ChartRow& ChartRecord::row(int number) const {
    static const ChartRow kNoRow;
    if (number < 1 || number > rowCount())
        return kNoRow;
    return study_.rows[number - 1];
}

int ChartRecord::addRow(const std::array<QString, kChartColumns>& scores) {
    ChartRow added;
    added.scores = scores;
    return addRow(added);
}

int ChartRecord::addRow(const ChartRow& row) {
    if (isFull())
        return 0;
    study_.rows.append(CleanRow(row));
    touch();
    return rowCount();
}

void ChartRecord::updateRow(int number, const Assessment& answers,
                            const std::array<QString, kChartColumns>& scores,
                            const std::optional<MeasuredPhoto>& measurement) {
    if (number < 1 || number > rowCount())
        return;
    ChartRow updated = study_.rows[number - 1];
    updated.answers = answers;
    updated.answers->side = updated.side;
    updated.scores = scores;
    updated.measurement = measurement;
    change(number, updated);
}

void ChartRecord::deleteRow(int number) {
    if (number < 1 || number > rowCount())
        return;
    study_.rows.removeAt(number - 1);
    touch();
}

void ChartRecord::setTask(int number, const QString& task) {
    if (number < 1 || number > rowCount())
        return;
    ChartRow changed = study_.rows[number - 1];
    changed.task = task;
    change(number, changed);
}

void ChartRecord::setSide(int number, Side side) {
    if (number < 1 || number > rowCount())
        return;
    ChartRow changed = study_.rows[number - 1];
    changed.side = side;
    change(number, changed);
}

void ChartRecord::setNotes(int number, const QString& notes) {
    if (number < 1 || number > rowCount())
        return;
    ChartRow changed = study_.rows[number - 1];
    changed.notes = notes;
    change(number, changed);
}

void ChartRecord::change(int number, const ChartRow& row) {
    const ChartRow clean = CleanRow(row);
    ChartRow& stored = study_.rows[number - 1];
    if (stored == clean)
        return;
    stored = clean;
    touch();
}

void ChartRecord::setDetails(const StudyDetails& details) {
    const StudyDetails clean = CleanDetails(details, study_.details.observed);
    if (clean == study_.details)
        return;
    study_.details = clean;
    touch();
}

void ChartRecord::clearRows() {
    if (study_.rows.isEmpty())
        return;
    study_.rows.clear();
    touch();
}

void ChartRecord::replace(const Study& study) {
    Study clean;
    clean.details = CleanDetails(study.details, QDate::currentDate());
    for (const ChartRow& given : study.rows) {
        if (clean.rows.size() == kChartRows)
            break;
        clean.rows.append(CleanRow(given));
    }
    const bool differs = !(clean == study_);
    study_ = clean;
    markSaved();
    if (differs)
        emit changed();
}

void ChartRecord::restoreUnsaved(const Study& study) {
    replace(study);
    modified_ = true;
    emit modifiedChanged(true);
}

void ChartRecord::markSaved() {
    if (!modified_)
        return;
    modified_ = false;
    emit modifiedChanged(false);
}

void ChartRecord::touch() {
    emit changed();
    if (modified_)
        return;
    modified_ = true;
    emit modifiedChanged(true);
}

} // namespace rula

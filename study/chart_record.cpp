// The chart's record: every change goes through touch(), which emits changed() and
// flips the modified flag; changes that leave the study as it was emit nothing.
#include "study/chart_record.h"

#include "study/text_rules.h"

namespace rula {

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

} // namespace

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
    if (isFull())
        return 0;
    ChartRow added;
    added.scores = scores;
    study_.rows.append(added);
    touch();
    return rowCount();
}

void ChartRecord::setTask(int number, const QString& task) {
    if (number < 1 || number > rowCount())
        return;
    const QString clean = CleanLine(task, kTaskMaxCharacters);
    QString& stored = study_.rows[number - 1].task;
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
        ChartRow row = given;
        row.task = CleanLine(given.task, kTaskMaxCharacters);
        clean.rows.append(row);
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

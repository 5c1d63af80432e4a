// The study report: after the chart's page, one page for each row, in chart order, with
// the row's task and side, its photo with the measurement drawn over it, its answers in
// the screens' words, its scores (each segment's as a bar against its range, coloured by
// how far it is from its best), the final score with its action level in the method's
// words, and its notes. The pages are drawn from a copy of the study as they are
// composed, so a report sent to a slow printer shows the study as it was when sent.
#pragma once

#include "printing/printing.h"
#include "study/chart_record.h"

#include <QColor>
#include <QString>

namespace rula {

// The method's action level for a final score, its words and the colour the report gives
// it; level 0 for a blank or a score outside 1 to 7.
struct ActionLevel {
    int level;
    QString words; // "further investigation is needed and changes may be required"
    QColor colour;
};
ActionLevel ActionLevelOf(const QString& finalScore);

// The answers as the report lists them, a line for each screen: "Upper arm: Upper arm
// 20° to 45° forward; Shoulder is raised".
QStringList AnswerLines(const Assessment& answers);

class StudyReport final : public FollowingPages {
public:
    // `details` is the line of study details the chart prints above itself.
    StudyReport(Study study, QString details);

    int count() const override;
    void draw(QPainter& painter, int index, const QSizeF& area, double dotsPerInch) const override;

private:
    Study study_;
    QString details_;
};

} // namespace rula

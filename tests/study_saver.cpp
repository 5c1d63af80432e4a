// Saves two different studies to one path in turn, without end, so that a test can kill
// it with SIGKILL at random moments; with --check, says which of the two the file holds.
//
//   study_saver PATH          save A, B, A, B, ... until killed
//   study_saver --check PATH  print "A" or "B" and exit 0, or say what is wrong and exit 1
#include "scoring/assessment_scores.h"
#include "study/study_file.h"

#include <QCoreApplication>
#include <QTextStream>

using namespace rula;

namespace {

// A has three short rows; B ten long ones, so that a file cut short or mixed shows.
Study Sample(bool second) {
    Study study;
    study.details = {second ? QStringLiteral("Study B") : QStringLiteral("Study A"),
                     QStringLiteral("Site"), QStringLiteral("Assessor"), QDate(2026, 3, 1)};
    const int rows = second ? kChartRows : 3;
    for (int r = 0; r < rows; ++r) {
        ChartRow row;
        for (int field = 0; field < kChartColumns; ++field)
            row.scores[field] = QString::number(AssessmentScores::kFieldRanges[field].highest);
        row.task = second ? QString(kTaskMaxCharacters, QChar(u'b')) : QStringLiteral("a");
        study.rows.append(row);
    }
    return study;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream out(stdout);
    if (args.size() == 3 && args[1] == QLatin1String("--check")) {
        const auto read = ReadStudyFile(args[2]);
        if (const auto* error = std::get_if<StudyError>(&read)) {
            out << error->message << Qt::endl;
            return 1;
        }
        const Study& study = std::get<Study>(read);
        if (study == Sample(false) || study == Sample(true)) {
            out << (study == Sample(true) ? "B" : "A") << Qt::endl;
            return 0;
        }
        out << "a study that is neither A nor B" << Qt::endl;
        return 1;
    }
    if (args.size() != 2) {
        out << "usage: study_saver PATH | --check PATH" << Qt::endl;
        return 2;
    }
    const Study samples[2] = {Sample(false), Sample(true)};
    for (unsigned long n = 0;; ++n) {
        if (const auto error = WriteStudyFile(args[1], samples[n % 2])) {
            out << error->message << Qt::endl;
            return 1;
        }
    }
}

// The study reader under libFuzzer: any bytes are either refused with a message or give a
// study that the program could have written; such a study, written and read again, is
// the same study. Also runs the delimited writer over what was read.
#include "scoring/assessment_scores.h"
#include "study/delimited_text.h"
#include "study/study_file.h"
#include "study/text_rules.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace rula;

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "study_fuzz: %s\n", what);
    std::abort();
}

void CheckStudy(const Study& study) {
    if (study.rows.size() > kChartRows)
        Fail("more rows than a chart holds");
    const StudyDetails& details = study.details;
    if (!IsCleanLine(details.title, kDetailMaxCharacters) ||
        !IsCleanLine(details.site, kDetailMaxCharacters) ||
        !IsCleanLine(details.assessor, kDetailMaxCharacters))
        Fail("a detail that could not have been typed");
    if (!IsObservedDate(details.observed))
        Fail("a date observed that the chart cannot show");
    for (const ChartRow& row : study.rows) {
        if (!IsCleanLine(row.task, kTaskMaxCharacters))
            Fail("a task that could not have been typed");
        for (int field = 0; field < kChartColumns; ++field) {
            const QString& text = row.scores[field];
            const auto& range = AssessmentScores::kFieldRanges[field];
            if (text.isEmpty()) {
                if (!range.mayBeBlank)
                    Fail("a blank score that is never blank");
                continue;
            }
            bool ok = false;
            const int value = text.toInt(&ok);
            if (!ok || QString::number(value) != text || value < range.lowest ||
                value > range.highest)
                Fail("a score the program does not give");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto read = ReadStudyJson(bytes);
    if (const auto* error = std::get_if<StudyError>(&read)) {
        if (error->message.isEmpty())
            Fail("refused without a message");
        return 0;
    }
    const Study& study = std::get<Study>(read);
    CheckStudy(study);
    const auto again = ReadStudyJson(WriteStudyJson(study));
    if (!std::holds_alternative<Study>(again))
        Fail("a study written by the program is refused");
    if (!(std::get<Study>(again) == study))
        Fail("a study changes when written and read again");
    const QByteArray csv = ChartCsv(study, {});
    if (!csv.startsWith("\xEF\xBB\xBF"))
        Fail("CSV without its byte-order mark");
    return 0;
}

// The study reader under libFuzzer: any bytes are either refused with a message or give a
// study that the program could have written (notes as typed, answers that give the row's
// scores on the row's side, an upright JPEG within the limits with its points on it);
// such a study, written and read again, is the same study. Also runs the delimited
// writer over what was read.
#include "assessment/assessment.h"
#include "files/jpeg_markers.h"
#include "scoring/assessment_scores.h"
#include "study/delimited_text.h"
#include "study/study_file.h"
#include "study/text_rules.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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
        if (CleanNotes(row.notes, kNotesMaxCharacters) != row.notes)
            Fail("notes that could not have been typed");
        if (row.answers) {
            if (row.answers->side != row.side)
                Fail("answers of another side than their row");
            const AssessmentScores scored = ScoresOf(*row.answers);
            for (int field = 0; field < kChartColumns; ++field)
                if (row.scores[field].toStdString() != scored.field(field))
                    Fail("scores that are not those of the row's answers");
        }
        if (const auto& photo = row.measurement) {
            const std::string& jpeg = photo->jpeg;
            const auto size = static_cast<qint64>(jpeg.size());
            const ReadBytesAt read = [&jpeg](void* to, qint64 count, qint64 offset) -> qint64 {
                const qint64 got = std::clamp<qint64>(qint64(jpeg.size()) - offset, 0, count);
                std::memcpy(to, jpeg.data() + offset, static_cast<size_t>(got));
                return got;
            };
            const JpegMarkers markers = ReadJpegMarkers(read, size);
            if (!StartsAsJpeg(jpeg.data(), size) || markers.scanStart < 0 ||
                !EndsWithImageEnd(read, size, markers.scanStart) || markers.orientation != 1 ||
                markers.width != photo->width || markers.height != photo->height ||
                std::max(photo->width, photo->height) > kKeptPhotoLongSide || photo->width < 1 ||
                photo->height < 1)
                Fail("a photo that is no whole, upright JPEG of the size given within the limits");
            for (const auto& point : photo->points)
                if (point && !(point->x >= 0 && point->x <= photo->width && point->y >= 0 &&
                               point->y <= photo->height))
                    Fail("a point off its photo");
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

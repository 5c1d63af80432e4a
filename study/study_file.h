// A study file, NAME.rula: the chart and its details as UTF-8 JSON, in exactly this
// shape (version 2; the design note documents every key):
//
//   {"format": "rula-study", "version": 2, "title": "", "site": "", "assessor": "",
//    "observed": "YYYY-MM-DD",
//    "rows": [{"task": "", "side": "left" | "right" | null, "notes": "line\nline",
//              "answers": null | {"upperArm": "raised-20-45" | null, ...,
//                                 "shoulderRaised": false, ...},
//              "scores": {"UpperArmScore": 2, ..., "FinalScore": 7},
//              "measurement": null | {"photo": {"type": "image/jpeg", "width": W,
//                                               "height": H, "data": "BASE64"},
//                                     "facing": "left" | "right",
//                                     "points": {"hip": [x, y] | null, ...},
//                                     "plumbLine": null | {"top": [x, y], "bottom": [x, y]},
//                                     "angles": {"trunk": 12.3 | null, ...}}}]}
//
// A blank cell is null. Version 1 files, whose rows hold only "task" and "scores", are
// read too: their rows have no side, notes, answers or photo. Reading checks the whole
// file before anything is handed over and refuses, with a message that says what is
// wrong and where, whatever this program could not have written. Writing is atomic: the
// earlier file stays as it was unless the new one is whole. No GUI: Qt Core only.
#pragma once

#include "files/regular_file.h"
#include "study/chart_record.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <variant>

namespace rula {

inline constexpr int kStudyFormatVersion = 2;
// Ten rows with their photos fit well within this.
inline constexpr qint64 kStudyMaxBytes = 32 * 1024 * 1024;

// Why a file was refused or could not be written, in words for the user:
// "row 3, FinalScore: 9 is not a score this program gives (1 to 7)".
struct StudyError {
    QString message;
};

// The file's bytes for a study.
QByteArray WriteStudyJson(const Study& study);
// The study those bytes hold, or why not.
std::variant<Study, StudyError> ReadStudyJson(const QByteArray& bytes);

// Reads a file: a regular file no larger than kStudyMaxBytes (looked at before it is
// opened, so a named pipe, a device or a directory never blocks), read whole, then
// ReadStudyJson. The message names the file. `read` receives the file's stamp.
std::variant<Study, StudyError> ReadStudyFile(const QString& path, FileStamp* read = nullptr);
// Writes the study through a temporary file renamed over `path`; an empty error when
// the file is whole, otherwise what failed and where. `written` receives the new file's
// stamp.
std::optional<StudyError> WriteStudyFile(const QString& path, const Study& study,
                                         FileStamp* written = nullptr);
// The same atomic write for any bytes: the CSV and PDF exports use it. A link is
// followed: the file it points to is replaced, and keeps its permissions.
std::optional<StudyError> WriteFileAtomically(const QString& path, const QByteArray& bytes,
                                              FileStamp* written = nullptr);

} // namespace rula

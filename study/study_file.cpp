// Study files. Writing builds the JSON text by hand so that the keys keep the documented
// order (QJsonObject would sort them). Reading parses with QJsonDocument and then walks
// the document once, checking every key and value against what WriteStudyJson can
// produce; the first fault found ends the walk with a message naming where it is. What
// the parsed document no longer shows (a key given twice, a number written as 7.0, 1e0
// or -0) is looked for in the bytes first. Files are written by name as the system knows
// it (NativePath), through a temporary file beside the study renamed over it.
#include "study/study_file.h"

#include "files/regular_file.h"
#include "scoring/assessment_scores.h"
#include "study/text_rules.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rula {

namespace {

const QLatin1String kFormatName("rula-study");

// ---- writing

QString JsonString(const QString& text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'"':
            out += QLatin1String("\\\"");
            break;
        case u'\\':
            out += QLatin1String("\\\\");
            break;
        case u'\n':
            out += QLatin1String("\\n");
            break;
        case u'\r':
            out += QLatin1String("\\r");
            break;
        case u'\t':
            out += QLatin1String("\\t");
            break;
        default:
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out + u'"';
}

// A score as the chart shows it: a blank is null, a whole number is a number. Anything
// else is written as a string, which the reader refuses, so that it is never lost.
QString JsonScore(const QString& text) {
    if (text.isEmpty())
        return QStringLiteral("null");
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok && QString::number(value) == text)
        return text;
    return JsonString(text);
}

// ---- reading

struct Refused {
    QString message;
};

[[noreturn]] void Refuse(const QString& message) {
    throw Refused{message};
}

QString Where(const QString& place, const QString& what) {
    return place.isEmpty() ? what : place + QLatin1String(": ") + what;
}

// A value as the message shows it.
QString Describe(const QJsonValue& value) {
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Double:
        return QString::number(value.toDouble(), 'g', 15);
    case QJsonValue::String: {
        const QString text = value.toString();
        const QString shown = CleanLine(text, 24);
        return u'"' + shown +
               (shown.size() < text.size() ? QStringLiteral("…\"") : QStringLiteral("\""));
    }
    case QJsonValue::Array:
        return QStringLiteral("a list");
    case QJsonValue::Object:
        return QStringLiteral("an object");
    case QJsonValue::Undefined:
        break;
    }
    return QStringLiteral("nothing");
}

[[noreturn]] void RefuseType(const QString& place, const QJsonValue& value, const char* wanted) {
    Refuse(Where(place, QStringLiteral("%1, not %2").arg(Describe(value), QLatin1String(wanted))));
}

QJsonValue Take(const QJsonObject& object, const QString& place, const char* key) {
    const auto found = object.constFind(QLatin1String(key));
    if (found == object.constEnd())
        Refuse(Where(place, QStringLiteral("%1 is missing").arg(QLatin1String(key))));
    return found.value();
}

void RefuseUnknownKeys(const QJsonObject& object, const QString& place,
                       std::initializer_list<const char*> known, const char* of) {
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        bool isKnown = false;
        for (const char* key : known)
            isKnown = isKnown || it.key() == QLatin1String(key);
        if (!isKnown)
            Refuse(Where(place, QStringLiteral("%1 is not a key of %2")
                                    .arg(Describe(QJsonValue(it.key())), QLatin1String(of))));
    }
}

bool IsWholeNumber(const QJsonValue& value) {
    const double number = value.toDouble();
    return value.isDouble() && std::isfinite(number) && std::floor(number) == number;
}

// One line of text as the program stores it.
QString ReadLine(const QJsonValue& value, const QString& place, int maxCharacters) {
    if (!value.isString())
        RefuseType(place, value, "a text");
    const QString text = value.toString();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (IsLineBreak(c))
            Refuse(Where(place, QStringLiteral("holds a line break")));
        if (IsControlCharacter(c))
            Refuse(Where(place, QStringLiteral("holds a control character (U+%1)")
                                    .arg(QString::number(c, 16).toUpper().rightJustified(
                                        4, QLatin1Char('0')))));
        if (QChar::isSurrogate(c)) {
            const bool paired = QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                                QChar::isLowSurrogate(text.at(i + 1).unicode());
            if (!paired)
                Refuse(Where(place, QStringLiteral("holds half a character (a lone surrogate)")));
            ++i;
        }
    }
    const int length = VisibleLength(text);
    if (length > maxCharacters)
        Refuse(
            Where(place,
                  QStringLiteral("longer than %1 characters (%2)").arg(maxCharacters).arg(length)));
    return text;
}

QString ReadScore(const QJsonValue& value, const QString& place,
                  const AssessmentScores::Range& range) {
    const QString bounds = QStringLiteral("%1 to %2").arg(range.lowest).arg(range.highest);
    if (value.isNull()) {
        if (range.mayBeBlank)
            return QString();
        Refuse(Where(
            place, QStringLiteral("blank (null), but this score is never blank (%1)").arg(bounds)));
    }
    if (!IsWholeNumber(value))
        Refuse(Where(place, QStringLiteral("%1 is not a whole number").arg(Describe(value))));
    const double number = value.toDouble();
    if (number < range.lowest || number > range.highest)
        Refuse(Where(place, QStringLiteral("%1 is not a score this program gives (%2)")
                                .arg(Describe(value), bounds)));
    return QString::number(static_cast<int>(number));
}

ChartRow ReadRow(const QJsonValue& value, int number) {
    const QString place = QStringLiteral("row %1").arg(number);
    if (!value.isObject())
        RefuseType(place, value, "an object");
    const QJsonObject object = value.toObject();
    RefuseUnknownKeys(object, place, {"task", "scores"}, "a row");
    ChartRow row;
    row.task =
        ReadLine(Take(object, place, "task"), place + QLatin1String(", task"), kTaskMaxCharacters);
    const QJsonValue scoresValue = Take(object, place, "scores");
    const QString scoresPlace = place + QLatin1String(", scores");
    if (!scoresValue.isObject())
        RefuseType(scoresPlace, scoresValue, "an object");
    const QJsonObject scores = scoresValue.toObject();
    for (auto it = scores.constBegin(); it != scores.constEnd(); ++it) {
        const auto& names = AssessmentScores::kFieldNames;
        if (std::find_if(names.begin(), names.end(), [&](const char* name) {
                return it.key() == QLatin1String(name);
            }) == names.end())
            Refuse(Where(scoresPlace, QStringLiteral("%1 is not a score of this program")
                                          .arg(Describe(QJsonValue(it.key())))));
    }
    for (int field = 0; field < kChartColumns; ++field) {
        const char* name = AssessmentScores::kFieldNames[field];
        const QJsonValue score = Take(scores, scoresPlace, name);
        row.scores[field] = ReadScore(score, place + QLatin1String(", ") + QLatin1String(name),
                                      AssessmentScores::kFieldRanges[field]);
    }
    return row;
}

Study ReadStudyObject(const QJsonObject& object) {
    const auto format = object.constFind(QLatin1String("format"));
    if (format == object.constEnd())
        Refuse(QStringLiteral("not a Rula study (no \"format\")"));
    if (format.value() != QJsonValue(kFormatName))
        Refuse(QStringLiteral("not a Rula study (format %1)").arg(Describe(format.value())));
    const QJsonValue versionValue = Take(object, QString(), "version");
    if (!IsWholeNumber(versionValue))
        Refuse(Where(QStringLiteral("version"),
                     QStringLiteral("%1 is not a whole number").arg(Describe(versionValue))));
    const double version = versionValue.toDouble();
    if (version > kStudyFormatVersion)
        Refuse(QStringLiteral("written by a newer Rula: format %1; this one reads format %2")
                   .arg(Describe(versionValue))
                   .arg(kStudyFormatVersion));
    if (version < 1)
        Refuse(QStringLiteral("version: %1 is not a version of the format")
                   .arg(Describe(versionValue)));
    RefuseUnknownKeys(object, QString(),
                      {"format", "version", "title", "site", "assessor", "observed", "rows"},
                      "a study");

    Study study;
    StudyDetails& details = study.details;
    details.title =
        ReadLine(Take(object, QString(), "title"), QStringLiteral("title"), kDetailMaxCharacters);
    details.site =
        ReadLine(Take(object, QString(), "site"), QStringLiteral("site"), kDetailMaxCharacters);
    details.assessor = ReadLine(Take(object, QString(), "assessor"), QStringLiteral("assessor"),
                                kDetailMaxCharacters);
    const QJsonValue observed = Take(object, QString(), "observed");
    if (!observed.isString())
        RefuseType(QStringLiteral("observed"), observed, "a date");
    details.observed = QDate::fromString(observed.toString(), Qt::ISODate);
    // Only the exact form YYYY-MM-DD, as written.
    if (!details.observed.isValid() ||
        details.observed.toString(Qt::ISODate) != observed.toString())
        Refuse(QStringLiteral("observed: %1 is not a date (YYYY-MM-DD)").arg(Describe(observed)));
    if (!IsObservedDate(details.observed))
        Refuse(QStringLiteral("observed: %1 is not a date the chart shows (%2 to %3)")
                   .arg(Describe(observed), kFirstObservedDate().toString(Qt::ISODate),
                        kLastObservedDate().toString(Qt::ISODate)));

    const QJsonValue rowsValue = Take(object, QString(), "rows");
    if (!rowsValue.isArray())
        RefuseType(QStringLiteral("rows"), rowsValue, "a list");
    const QJsonArray rows = rowsValue.toArray();
    if (rows.size() > kChartRows)
        Refuse(QStringLiteral("rows: %1 rows; a chart holds at most %2")
                   .arg(rows.size())
                   .arg(kChartRows));
    for (qsizetype i = 0; i < rows.size(); ++i)
        study.rows.append(ReadRow(rows.at(i), static_cast<int>(i) + 1));
    return study;
}

// What the parsed document no longer shows, looked for in the bytes, which are valid JSON
// here: a key given twice in one object (QJsonObject keeps the last), and a whole number
// written otherwise than as its digits (7.0, 1e0, -0), which the writer never does.
std::optional<QString> FaultInTheBytes(const QByteArray& bytes) {
    struct Level {
        bool isObject;
        bool keyNext;
        QSet<QString> keys;
    };
    QList<Level> levels;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c == '{' || c == '[') {
            levels.append({c == '{', c == '{', {}});
        } else if (c == '}' || c == ']') {
            levels.removeLast();
        } else if (c == ',' && levels.last().isObject) {
            levels.last().keyNext = true;
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            const qsizetype start = i;
            while (i + 1 < bytes.size() &&
                   QByteArrayView("0123456789+-.eE").contains(bytes.at(i + 1)))
                ++i;
            const QByteArray number = bytes.mid(start, i - start + 1);
            const double value = number.toDouble();
            const bool whole = std::isfinite(value) && std::floor(value) == value;
            const bool digitsOnly = number != "-0" && !number.contains('.') &&
                                    !number.contains('e') && !number.contains('E');
            if (whole && !digitsOnly)
                return QStringLiteral("%1 at byte %2: a whole number is written in digits alone")
                    .arg(QString::fromLatin1(number))
                    .arg(start);
        } else if (c == '"') {
            const qsizetype start = i;
            bool escaped = false;
            for (++i; i < bytes.size() && (escaped || bytes.at(i) != '"'); ++i)
                escaped = !escaped && bytes.at(i) == '\\';
            Level& level = levels.last();
            if (!level.isObject || !level.keyNext)
                continue;
            level.keyNext = false;
            const QByteArray quoted = bytes.mid(start, i - start + 1);
            const QString key =
                quoted.contains('\\')
                    ? QJsonDocument::fromJson('[' + quoted + ']').array().at(0).toString()
                    : QString::fromUtf8(quoted.mid(1, quoted.size() - 2));
            if (level.keys.contains(key))
                return QStringLiteral("%1 is given twice (at byte %2)")
                    .arg(Describe(QJsonValue(key)))
                    .arg(start);
            level.keys.insert(key);
        }
    }
    return std::nullopt;
}

QString ParseFault(const QByteArray& bytes, const QJsonParseError& error) {
    qsizetype end = bytes.size();
    while (end > 0 && QChar::isSpace(QLatin1Char(bytes.at(end - 1)).unicode()))
        --end;
    bool atEnd = error.offset >= end;
    switch (error.error) {
    case QJsonParseError::IllegalValue: {
        // The parser points at the start of a cut "true", "false" or "null".
        const QByteArray rest = bytes.mid(error.offset, end - error.offset);
        atEnd = atEnd || (!rest.isEmpty() && (QByteArray("true").startsWith(rest) ||
                                              QByteArray("false").startsWith(rest) ||
                                              QByteArray("null").startsWith(rest)));
        [[fallthrough]];
    }
    case QJsonParseError::UnterminatedObject:
    case QJsonParseError::UnterminatedArray:
    case QJsonParseError::UnterminatedString:
    case QJsonParseError::TerminationByNumber:
    case QJsonParseError::MissingNameSeparator:
    case QJsonParseError::MissingValueSeparator:
    case QJsonParseError::IllegalNumber:
        if (atEnd)
            return QStringLiteral("truncated: the JSON ends at byte %1 before it is complete")
                .arg(bytes.size());
        break;
    default:
        break;
    }
    return QStringLiteral("not JSON: %1 at byte %2").arg(error.errorString()).arg(error.offset);
}

QString PathOf(const QString& path) {
    return QDir::toNativeSeparators(ShownPath(path));
}

StudyError FileError(const QString& path, const QString& what) {
    return StudyError{PathOf(path) + QLatin1String(": ") + what};
}

} // namespace

QByteArray WriteStudyJson(const Study& study) {
    const StudyDetails& details = study.details;
    QString text;
    text += QLatin1String("{\n");
    text += QLatin1String("  \"format\": ") + JsonString(kFormatName) + QLatin1String(",\n");
    text += QStringLiteral("  \"version\": %1,\n").arg(kStudyFormatVersion);
    text += QLatin1String("  \"title\": ") + JsonString(details.title) + QLatin1String(",\n");
    text += QLatin1String("  \"site\": ") + JsonString(details.site) + QLatin1String(",\n");
    text += QLatin1String("  \"assessor\": ") + JsonString(details.assessor) + QLatin1String(",\n");
    text += QLatin1String("  \"observed\": ") + JsonString(details.observed.toString(Qt::ISODate)) +
            QLatin1String(",\n");
    text += QLatin1String("  \"rows\": [");
    for (qsizetype r = 0; r < study.rows.size(); ++r) {
        const ChartRow& row = study.rows[r];
        text += r == 0 ? QLatin1String("\n") : QLatin1String(",\n");
        text += QLatin1String("    {\n      \"task\": ") + JsonString(row.task) +
                QLatin1String(",\n      \"scores\": {\n");
        for (int field = 0; field < kChartColumns; ++field) {
            text += QLatin1String("        \"") +
                    QLatin1String(AssessmentScores::kFieldNames[field]) + QLatin1String("\": ") +
                    JsonScore(row.scores[field]);
            text += field + 1 < kChartColumns ? QLatin1String(",\n") : QLatin1String("\n");
        }
        text += QLatin1String("      }\n    }");
    }
    text += study.rows.isEmpty() ? QLatin1String("]\n") : QLatin1String("\n  ]\n");
    text += QLatin1String("}\n");
    return text.toUtf8();
}

std::variant<Study, StudyError> ReadStudyJson(const QByteArray& bytes) {
    if (bytes.size() > kStudyMaxBytes)
        return StudyError{QStringLiteral("larger than 1 MiB (%1 bytes); a study is far smaller")
                              .arg(bytes.size())};
    if (bytes.trimmed().isEmpty())
        return StudyError{QStringLiteral("not JSON: the file is empty")};
    // UTF-16 begins with its byte-order mark, or has a zero byte beside each ASCII one.
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") ||
        (bytes.size() >= 2 && (bytes.at(0) == 0) != (bytes.at(1) == 0)))
        return StudyError{QStringLiteral("the file is UTF-16; studies are UTF-8")};
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return StudyError{QStringLiteral(
            "the file starts with a byte-order mark; studies are written without one")};
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return StudyError{ParseFault(bytes, error)};
    if (!document.isObject())
        return StudyError{QStringLiteral("not a Rula study (a list, not an object)")};
    if (const std::optional<QString> fault = FaultInTheBytes(bytes))
        return StudyError{*fault};
    try {
        return ReadStudyObject(document.object());
    } catch (const Refused& refused) {
        return StudyError{refused.message};
    }
}

std::variant<Study, StudyError> ReadStudyFile(const QString& path, FileStamp* stamp) {
    const OpenedFile file = OpenRegularFile(path);
    if (file.error != 0)
        return FileError(path, qt_error_string(file.error));
    switch (file.kind) {
    case FileKind::Regular:
        break;
    case FileKind::Folder:
        return FileError(path, QStringLiteral("a folder, not a study file"));
    case FileKind::NamedPipe:
        return FileError(path, QStringLiteral("a named pipe, not a study file"));
    case FileKind::Device:
        return FileError(path, QStringLiteral("a device, not a study file"));
    case FileKind::Socket:
        return FileError(path, QStringLiteral("a socket, not a study file"));
    case FileKind::Other:
        return FileError(path, QStringLiteral("not a regular file"));
    }
    const auto tooLarge = [&](qint64 size) {
        return FileError(path, QStringLiteral("larger than 1 MiB (%1 bytes); a study is far "
                                              "smaller")
                                   .arg(size));
    };
    std::optional<StudyError> failed;
    QByteArray bytes;
    if (file.size > kStudyMaxBytes) {
        failed = tooLarge(file.size);
    } else {
        // At most one byte more than allowed: enough to catch a file that grows.
        bytes.resize(kStudyMaxBytes + 1);
        qint64 got = 0;
        while (got < bytes.size()) {
            const ssize_t n =
                ::read(file.fd, bytes.data() + got, static_cast<size_t>(bytes.size() - got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                failed = FileError(path, qt_error_string(errno));
                break;
            }
            if (n == 0)
                break;
            got += n;
        }
        bytes.truncate(got);
        if (!failed && got > kStudyMaxBytes)
            failed = tooLarge(got);
    }
    ::close(file.fd);
    if (failed)
        return *failed;

    auto read = ReadStudyJson(bytes);
    if (auto* error = std::get_if<StudyError>(&read))
        return FileError(path, error->message);
    if (stamp)
        *stamp = file.stamp;
    return read;
}

std::optional<StudyError> WriteStudyFile(const QString& path, const Study& study,
                                         FileStamp* written) {
    const QByteArray bytes = WriteStudyJson(study);
    // A study this program could not open again is not written at all.
    const auto check = ReadStudyJson(bytes);
    if (const auto* error = std::get_if<StudyError>(&check))
        return FileError(path, QStringLiteral("not saved: the chart cannot be kept as it is (%1)")
                                   .arg(error->message));
    return WriteFileAtomically(path, bytes, written);
}

std::optional<StudyError> WriteFileAtomically(const QString& path, const QByteArray& bytes,
                                              FileStamp* written) {
    const auto failed = [&path](int error) {
        return FileError(path, QStringLiteral("not saved: %1").arg(qt_error_string(error)));
    };
    // Where a link points, the file it points to is replaced.
    QByteArray target = NativePath(path);
    if (char* resolved = ::realpath(target.constData(), nullptr)) {
        target = resolved;
        ::free(resolved);
    }
    struct stat existing {};
    const bool exists = ::stat(target.constData(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return failed(EISDIR);
    QByteArray temporary = target + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return failed(errno);
    const auto giveUp = [&](int error) {
        ::close(fd);
        ::unlink(temporary.constData());
        return failed(error);
    };
    // The permissions of the file replaced, or those a new file gets.
    mode_t mode = existing.st_mode & 07777;
    if (!exists) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(fd, mode) != 0)
        return giveUp(errno);
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n =
            ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return giveUp(errno);
        done += n;
    }
    // On disk before it takes the study's name: a crash then leaves the old file or the
    // new one, never an empty one.
    if (::fsync(fd) != 0)
        return giveUp(errno);
    const FileStamp stamp = StampOfOpen(fd);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return failed(error);
    }
    if (::rename(temporary.constData(), target.constData()) != 0) {
        const int error = errno;
        ::unlink(temporary.constData());
        return failed(error);
    }
    if (written)
        *written = stamp;
    return std::nullopt;
}

} // namespace rula

// Study files. Writing builds the JSON text by hand so that the keys keep the documented
// order (QJsonObject would sort them). Reading parses with QJsonDocument and then walks
// the document once, checking every key and value against what WriteStudyJson can
// produce; the first fault found ends the walk with a message naming where it is. What
// the parsed document no longer shows (a key given twice, a number written as 7.0, 1e0,
// -0 or 2.50) is looked for in the bytes first. A row's answers must give its scores, and
// a measurement's angles must be its points'; a photo inside a study is checked by its
// JPEG markers as a photo file is, never decoded. Files are written by name as the system
// knows it (NativePath), through a temporary file beside the study renamed over it.
#include "study/study_file.h"

#include "assessment/assessment.h"
#include "files/jpeg_markers.h"
#include "files/regular_file.h"
#include "scoring/assessment_scores.h"
#include "study/text_rules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <variant>

namespace rula {

namespace {

// The messages, each a whole sentence, under one context for the translators. Names of
// keys and values quoted from the file stay as the file writes them.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(rula::StudyFile)
};

const QLatin1String kFormatName("rula-study");
const QLatin1String kPhotoType("image/jpeg");

// The answers of a row by the names the file gives them, in the order it writes them.
using AnswerMember =
    std::variant<bool Assessment::*, UpperArmPosture Assessment::*, LowerArmPosture Assessment::*,
                 WristPosture Assessment::*, WristTwist Assessment::*, NeckPosture Assessment::*,
                 TrunkPosture Assessment::*, MuscleUse Assessment::*, ForceLoad Assessment::*>;
struct AnswerField {
    const char* name;
    AnswerMember member;
};
const AnswerField kAnswerFields[] = {
    {"upperArm", &Assessment::upperArm},
    {"shoulderRaised", &Assessment::shoulderRaised},
    {"upperArmAbducted", &Assessment::upperArmAbducted},
    {"armSupported", &Assessment::armSupported},
    {"lowerArm", &Assessment::lowerArm},
    {"lowerArmAcrossOrOut", &Assessment::lowerArmAcrossOrOut},
    {"wrist", &Assessment::wrist},
    {"wristBentFromMidline", &Assessment::wristBentFromMidline},
    {"wristTwist", &Assessment::wristTwist},
    {"neck", &Assessment::neck},
    {"neckTwisted", &Assessment::neckTwisted},
    {"neckSideBent", &Assessment::neckSideBent},
    {"trunk", &Assessment::trunk},
    {"trunkTwisted", &Assessment::trunkTwisted},
    {"trunkSideBent", &Assessment::trunkSideBent},
    {"trunkSupportedSeated", &Assessment::trunkSupportedSeated},
    {"legsSupported", &Assessment::legsSupported},
    {"muscleUseA", &Assessment::muscleUseA},
    {"forceLoadA", &Assessment::forceLoadA},
    {"muscleUseB", &Assessment::muscleUseB},
    {"forceLoadB", &Assessment::forceLoadB},
};

// The six points by the names the file gives them, in Landmark order.
const char* const kPointNames[kLandmarkCount] = {"hip",   "shoulder", "ear",
                                                 "elbow", "wrist",    "knuckle"};

// The angles as the file gives them, to one decimal, for those who read the file.
struct AngleField {
    const char* name;
    std::optional<double> BodyAngles::*member;
};
const AngleField kAngleFields[] = {
    {"trunk", &BodyAngles::trunk},       {"neck", &BodyAngles::neck},
    {"upperArm", &BodyAngles::upperArm}, {"lowerArm", &BodyAngles::lowerArm},
    {"wrist", &BodyAngles::wrist},
};

std::optional<double> ToOneDecimal(const std::optional<double>& angle) {
    if (!angle)
        return std::nullopt;
    const double rounded = std::round(*angle * 10) / 10;
    return rounded == 0 ? 0.0 : rounded; // never -0
}

QString SideName(Side side) {
    const std::string_view name = AnswerNames<Side>()[static_cast<std::size_t>(side)];
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

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

// A number as the shortest text that reads back as the same number (whole numbers in
// digits alone), as the reader wants it.
QByteArray JsonNumber(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value == 0 ? 0.0 : value).ptr;
    return QByteArray(text, end - text);
}

QByteArray JsonPoint(const std::optional<PhotoPoint>& point) {
    if (!point)
        return "null";
    return '[' + JsonNumber(point->x) + ", " + JsonNumber(point->y) + ']';
}

QByteArray JsonAnswers(const std::optional<Assessment>& answers) {
    if (!answers)
        return "null";
    QByteArray out = "{\n";
    bool first = true;
    for (const AnswerField& field : kAnswerFields) {
        out += first ? "" : ",\n";
        first = false;
        out += QByteArray("        \"") + field.name + "\": ";
        std::visit(
            [&](auto member) {
                const auto value = (*answers).*member;
                if constexpr (std::is_same_v<decltype(value), const bool>) {
                    out += value ? "true" : "false";
                } else {
                    using Answer = std::remove_const_t<decltype(value)>;
                    const std::string_view name =
                        AnswerNames<Answer>()[static_cast<std::size_t>(value)];
                    out += name.empty()
                               ? QByteArray("null")
                               : '"' + QByteArray(name.data(), qsizetype(name.size())) + '"';
                }
            },
            field.member);
    }
    return out + "\n      }";
}

QByteArray JsonMeasurement(const std::optional<MeasuredPhoto>& measurement) {
    if (!measurement)
        return "null";
    const MeasuredPhoto& m = *measurement;
    QByteArray out = "{\n        \"photo\": {\"type\": \"image/jpeg\", \"width\": ";
    out += QByteArray::number(m.width) + ", \"height\": " + QByteArray::number(m.height);
    out += ", \"data\": \"" +
           QByteArray::fromRawData(m.jpeg.data(), qsizetype(m.jpeg.size())).toBase64() + "\"},\n";
    out += QByteArray("        \"facing\": ") +
           (m.facing == Facing::Left ? "\"left\"" : "\"right\"") + ",\n";
    out += "        \"points\": {";
    for (std::size_t i = 0; i < kLandmarkCount; ++i)
        out +=
            QByteArray(i == 0 ? "" : ", ") + '"' + kPointNames[i] + "\": " + JsonPoint(m.points[i]);
    out += "},\n        \"plumbLine\": ";
    if (m.plumb)
        out += "{\"top\": " + JsonPoint(m.plumb->top) +
               ", \"bottom\": " + JsonPoint(m.plumb->bottom) + '}';
    else
        out += "null";
    out += ",\n        \"angles\": {";
    const BodyAngles angles = m.angles();
    bool first = true;
    for (const AngleField& field : kAngleFields) {
        const std::optional<double> angle = ToOneDecimal(angles.*field.member);
        out += QByteArray(first ? "" : ", ") + '"' + field.name +
               "\": " + (angle ? JsonNumber(*angle) : QByteArray("null"));
        first = false;
    }
    return out + "}\n      }";
}

// ---- reading

struct Refused {
    QString message;
};

[[noreturn]] void Refuse(const QString& message) {
    throw Refused{message};
}

QString Where(const QString& place, const QString& what) {
    //: Where in the file, then what is wrong there: "row 3, FinalScore: 9 is not a score
    //: this program gives (1 to 7)"
    return place.isEmpty() ? what : Words::tr("%1: %2").arg(place, what);
}

// A row as a message names it; what follows it are the file's own key names.
QString RowPlace(int number) {
    return Words::tr("row %1").arg(number);
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
        //: A value found in the file, as %1 of the messages about it
        return Words::tr("a list");
    case QJsonValue::Object:
        //: A value found in the file, as %1 of the messages about it
        return Words::tr("an object");
    case QJsonValue::Undefined:
        break;
    }
    //: A value found in the file, as %1 of the messages about it
    return Words::tr("nothing");
}

// What a value had to be, each a whole message about the value found instead.
enum class Wanted { Text, Number, TrueOrFalse, Point, List, Object, Date };

[[noreturn]] void RefuseType(const QString& place, const QJsonValue& value, Wanted wanted) {
    const char* message = "";
    switch (wanted) {
    case Wanted::Text:
        message = QT_TRANSLATE_NOOP("rula::StudyFile", "%1, not a text");
        break;
    case Wanted::Number:
        message = QT_TRANSLATE_NOOP("rula::StudyFile", "%1, not a number");
        break;
    case Wanted::TrueOrFalse:
        message = QT_TRANSLATE_NOOP("rula::StudyFile", "%1, not true or false");
        break;
    case Wanted::Point:
        message = QT_TRANSLATE_NOOP("rula::StudyFile", "%1, not [x, y]");
        break;
    case Wanted::List:
        message = QT_TRANSLATE_NOOP("rula::StudyFile", "%1, not a list");
        break;
    case Wanted::Object:
        message = QT_TRANSLATE_NOOP("rula::StudyFile", "%1, not an object");
        break;
    case Wanted::Date:
        message = QT_TRANSLATE_NOOP("rula::StudyFile", "%1, not a date");
        break;
    }
    Refuse(Where(place, Words::tr(message).arg(Describe(value))));
}

QJsonValue Take(const QJsonObject& object, const QString& place, const char* key) {
    const auto found = object.constFind(QLatin1String(key));
    if (found == object.constEnd())
        Refuse(Where(place, Words::tr("%1 is missing").arg(QLatin1String(key))));
    return found.value();
}

// `message` is the whole message, marked with QT_TRANSLATE_NOOP: "%1 is not a key of a row".
void RefuseUnknownKeys(const QJsonObject& object, const QString& place,
                       std::initializer_list<const char*> known, const char* message) {
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        bool isKnown = false;
        for (const char* key : known)
            isKnown = isKnown || it.key() == QLatin1String(key);
        if (!isKnown)
            Refuse(Where(place, Words::tr(message).arg(Describe(QJsonValue(it.key())))));
    }
}

bool IsWholeNumber(const QJsonValue& value) {
    const double number = value.toDouble();
    return value.isDouble() && std::isfinite(number) && std::floor(number) == number;
}

// Text as the program stores it: one line, or for notes several, each break one LF.
enum class TextLines { One, Several };

QString ReadText(const QJsonValue& value, const QString& place, int maxCharacters,
                 TextLines lines = TextLines::One) {
    if (!value.isString())
        RefuseType(place, value, Wanted::Text);
    const QString text = value.toString();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == u'\n' && lines == TextLines::Several)
            continue;
        if (IsLineBreak(c))
            Refuse(Where(place, lines == TextLines::One
                                    ? Words::tr("holds a line break")
                                    : Words::tr("holds a line break other than \\n (U+%1)")
                                          .arg(QString::number(c, 16).toUpper().rightJustified(
                                              4, QLatin1Char('0')))));
        if (IsControlCharacter(c))
            Refuse(Where(place, Words::tr("holds a control character (U+%1)")
                                    .arg(QString::number(c, 16).toUpper().rightJustified(
                                        4, QLatin1Char('0')))));
        if (QChar::isSurrogate(c)) {
            const bool paired = QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                                QChar::isLowSurrogate(text.at(i + 1).unicode());
            if (!paired)
                Refuse(Where(place, Words::tr("holds half a character (a lone surrogate)")));
            ++i;
        }
    }
    const int length = VisibleLength(text);
    if (length > maxCharacters)
        Refuse(
            Where(place,
                  Words::tr("longer than %n characters (%1)", nullptr, maxCharacters).arg(length)));
    return text;
}

QString ReadScore(const QJsonValue& value, const QString& place,
                  const AssessmentScores::Range& range) {
    if (value.isNull()) {
        if (range.mayBeBlank)
            return QString();
        Refuse(Where(place, Words::tr("blank (null), but this score is never blank (%1 to %2)")
                                .arg(range.lowest)
                                .arg(range.highest)));
    }
    if (!IsWholeNumber(value))
        Refuse(Where(place, Words::tr("%1 is not a whole number").arg(Describe(value))));
    const double number = value.toDouble();
    if (number < range.lowest || number > range.highest)
        Refuse(Where(place, Words::tr("%1 is not a score this program gives (%2 to %3)")
                                .arg(Describe(value), QString::number(range.lowest),
                                     QString::number(range.highest))));
    return QString::number(static_cast<int>(number));
}

QJsonObject ReadObject(const QJsonValue& value, const QString& place) {
    if (!value.isObject())
        RefuseType(place, value, Wanted::Object);
    return value.toObject();
}

std::array<QString, kChartColumns> ReadScores(const QJsonValue& value, const QString& row) {
    const QString place = row + QLatin1String(", scores");
    const QJsonObject scores = ReadObject(value, place);
    for (auto it = scores.constBegin(); it != scores.constEnd(); ++it) {
        const auto& names = AssessmentScores::kFieldNames;
        if (std::find_if(names.begin(), names.end(), [&](const char* name) {
                return it.key() == QLatin1String(name);
            }) == names.end())
            Refuse(Where(place, Words::tr("%1 is not a score of this program")
                                    .arg(Describe(QJsonValue(it.key())))));
    }
    std::array<QString, kChartColumns> read;
    for (int field = 0; field < kChartColumns; ++field) {
        const char* name = AssessmentScores::kFieldNames[field];
        read[field] =
            ReadScore(Take(scores, place, name), row + QLatin1String(", ") + QLatin1String(name),
                      AssessmentScores::kFieldRanges[field]);
    }
    return read;
}

Side ReadSide(const QJsonValue& value, const QString& place) {
    if (value.isNull())
        return Side::NotSaid;
    if (value.isString())
        if (const auto side = AnswerNamed<Side>(value.toString().toStdString()))
            return *side;
    Refuse(Where(place,
                 Words::tr("%1 is not a side (\"left\", \"right\" or null)").arg(Describe(value))));
}

Assessment ReadAnswers(const QJsonObject& object, const QString& place) {
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        if (std::none_of(
                std::begin(kAnswerFields), std::end(kAnswerFields),
                [&](const AnswerField& field) { return it.key() == QLatin1String(field.name); }))
            Refuse(Where(place, Words::tr("%1 is not an answer of this program")
                                    .arg(Describe(QJsonValue(it.key())))));
    }
    Assessment answers;
    for (const AnswerField& field : kAnswerFields) {
        const QJsonValue value = Take(object, place, field.name);
        const QString where = place + QLatin1String(", ") + QLatin1String(field.name);
        std::visit(
            [&](auto member) {
                using Answer = std::remove_reference_t<decltype(answers.*member)>;
                if constexpr (std::is_same_v<Answer, bool>) {
                    if (!value.isBool())
                        RefuseType(where, value, Wanted::TrueOrFalse);
                    answers.*member = value.toBool();
                } else {
                    if (value.isNull())
                        return; // none chosen
                    const auto answer = value.isString()
                                            ? AnswerNamed<Answer>(value.toString().toStdString())
                                            : std::nullopt;
                    if (!answer) {
                        QStringList names;
                        for (const std::string_view name : AnswerNames<Answer>().subspan(1))
                            names << u'"' +
                                         QString::fromLatin1(name.data(), qsizetype(name.size())) +
                                         u'"';
                        Refuse(Where(where, Words::tr("%1 is not one of its answers (null, "
                                                      "%2)")
                                                .arg(Describe(value), names.join(", "))));
                    }
                    answers.*member = *answer;
                }
            },
            field.member);
    }
    return answers;
}

// A number within [lowest, highest].
double ReadNumber(const QJsonValue& value, const QString& place, double lowest, double highest) {
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        RefuseType(place, value, Wanted::Number);
    const double number = value.toDouble();
    if (number < lowest || number > highest)
        Refuse(Where(
            place,
            Words::tr("%1 is not from %2 to %3").arg(Describe(value)).arg(lowest).arg(highest)));
    return number;
}

// [x, y] within the photo.
PhotoPoint ReadPoint(const QJsonValue& value, const QString& place, int width, int height) {
    if (!value.isArray())
        RefuseType(place, value, Wanted::Point);
    const QJsonArray xy = value.toArray();
    if (xy.size() != 2)
        Refuse(Where(place, Words::tr("%n numbers, not two ([x, y])", nullptr, int(xy.size()))));
    return {ReadNumber(xy.at(0), place + QLatin1String(", x"), 0, width),
            ReadNumber(xy.at(1), place + QLatin1String(", y"), 0, height)};
}

// The photo's JPEG, checked as a photo file is before it is opened: its markers say it
// is a whole JPEG, upright, of the size given, within the limits; nothing is decoded.
void ReadPhoto(const QJsonObject& photo, const QString& place, MeasuredPhoto& measured) {
    RefuseUnknownKeys(photo, place, {"type", "width", "height", "data"},
                      QT_TRANSLATE_NOOP("rula::StudyFile", "%1 is not a key of a photo"));
    const QJsonValue type = Take(photo, place, "type");
    if (type != QJsonValue(kPhotoType))
        Refuse(Where(place, Words::tr("type %1 is not \"image/jpeg\"").arg(Describe(type))));
    int size[2] = {};
    for (int i = 0; i < 2; ++i) {
        const char* key = i == 0 ? "width" : "height";
        const QJsonValue value = Take(photo, place, key);
        if (!IsWholeNumber(value) || value.toDouble() < 1 || value.toDouble() > 65535)
            Refuse(Where(place + QLatin1String(", ") + QLatin1String(key),
                         Words::tr("%1 is not a size in pixels").arg(Describe(value))));
        size[i] = static_cast<int>(value.toDouble());
    }
    const QJsonValue data = Take(photo, place, "data");
    if (!data.isString())
        RefuseType(place + QLatin1String(", data"), data, Wanted::Text);
    const QByteArray base64 = data.toString().toLatin1();
    const auto decoded =
        QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
    // Only base64 as written: one line, padded, nothing left over.
    if (!decoded || decoded.decoded.toBase64() != base64)
        Refuse(Where(place, Words::tr("the data is not base64")));
    const QByteArray& jpeg = decoded.decoded;
    if (!StartsAsJpeg(jpeg.constData(), jpeg.size()))
        Refuse(Where(place, Words::tr("not a JPEG")));
    const ReadBytesAt read = [&jpeg](void* to, qint64 count, qint64 offset) -> qint64 {
        const qint64 got = std::clamp<qint64>(jpeg.size() - offset, 0, count);
        std::memcpy(to, jpeg.constData() + offset, static_cast<size_t>(got));
        return got;
    };
    const JpegMarkers markers = ReadJpegMarkers(read, jpeg.size());
    if (markers.scanStart < 0 || !EndsWithImageEnd(read, jpeg.size(), markers.scanStart))
        Refuse(Where(place, Words::tr("the JPEG ends too early (truncated)")));
    if (markers.width < 1 || markers.height < 1)
        Refuse(Where(place, Words::tr("the JPEG gives no size")));
    if (qint64(markers.width) * markers.height > kMaxPhotoPixels)
        Refuse(Where(place, Words::tr("%1 × %2 pixels: too large (at most %3 megapixels)")
                                .arg(markers.width)
                                .arg(markers.height)
                                .arg(kMaxPhotoPixels / 1'000'000)));
    if (std::max(markers.width, markers.height) > kKeptPhotoLongSide)
        Refuse(Where(place, Words::tr("%1 × %2 pixels: a study keeps photos of at most %3 "
                                      "pixels on their long side")
                                .arg(markers.width)
                                .arg(markers.height)
                                .arg(kKeptPhotoLongSide)));
    if (markers.orientation != 1)
        Refuse(Where(place, Words::tr("the JPEG is to be turned (EXIF orientation %1); a "
                                      "study keeps photos upright")
                                .arg(markers.orientation)));
    if (markers.width != size[0] || markers.height != size[1])
        Refuse(Where(place, Words::tr("the JPEG is %1 × %2 pixels, not %3 × %4 as given")
                                .arg(markers.width)
                                .arg(markers.height)
                                .arg(size[0])
                                .arg(size[1])));
    measured.jpeg.assign(jpeg.constData(), static_cast<std::size_t>(jpeg.size()));
    measured.width = size[0];
    measured.height = size[1];
}

MeasuredPhoto ReadMeasurement(const QJsonObject& object, const QString& place) {
    RefuseUnknownKeys(object, place, {"photo", "facing", "points", "plumbLine", "angles"},
                      QT_TRANSLATE_NOOP("rula::StudyFile", "%1 is not a key of a measurement"));
    MeasuredPhoto measured;
    ReadPhoto(ReadObject(Take(object, place, "photo"), place + QLatin1String(", photo")),
              place + QLatin1String(", photo"), measured);
    const QJsonValue facing = Take(object, place, "facing");
    if (facing == QJsonValue(QStringLiteral("left")))
        measured.facing = Facing::Left;
    else if (facing == QJsonValue(QStringLiteral("right")))
        measured.facing = Facing::Right;
    else
        Refuse(Where(place + QLatin1String(", facing"),
                     Words::tr("%1 is not \"left\" or \"right\"").arg(Describe(facing))));

    const QString pointsPlace = place + QLatin1String(", points");
    const QJsonObject points = ReadObject(Take(object, place, "points"), pointsPlace);
    RefuseUnknownKeys(points, pointsPlace,
                      {kPointNames[0], kPointNames[1], kPointNames[2], kPointNames[3],
                       kPointNames[4], kPointNames[5]},
                      QT_TRANSLATE_NOOP("rula::StudyFile", "%1 is not a key of the points"));
    for (std::size_t i = 0; i < kLandmarkCount; ++i) {
        const QJsonValue point = Take(points, pointsPlace, kPointNames[i]);
        if (!point.isNull())
            measured.points[i] =
                ReadPoint(point, place + QLatin1String(", ") + QLatin1String(kPointNames[i]),
                          measured.width, measured.height);
    }
    const QJsonValue plumb = Take(object, place, "plumbLine");
    if (!plumb.isNull()) {
        const QString plumbPlace = place + QLatin1String(", plumbLine");
        const QJsonObject line = ReadObject(plumb, plumbPlace);
        RefuseUnknownKeys(line, plumbPlace, {"top", "bottom"},
                          QT_TRANSLATE_NOOP("rula::StudyFile", "%1 is not a key of a plumb line"));
        measured.plumb = PlumbLine{
            ReadPoint(Take(line, plumbPlace, "top"), plumbPlace + QLatin1String(", top"),
                      measured.width, measured.height),
            ReadPoint(Take(line, plumbPlace, "bottom"), plumbPlace + QLatin1String(", bottom"),
                      measured.width, measured.height)};
    }

    // The angles are there for those who read the file; they must be the points' own.
    const QString anglesPlace = place + QLatin1String(", angles");
    const QJsonObject angles = ReadObject(Take(object, place, "angles"), anglesPlace);
    RefuseUnknownKeys(angles, anglesPlace, {"trunk", "neck", "upperArm", "lowerArm", "wrist"},
                      QT_TRANSLATE_NOOP("rula::StudyFile", "%1 is not a key of the angles"));
    const BodyAngles measuredAngles = measured.angles();
    for (const AngleField& field : kAngleFields) {
        const QJsonValue given = Take(angles, anglesPlace, field.name);
        const std::optional<double> expected = ToOneDecimal(measuredAngles.*field.member);
        const bool same =
            expected ? given.isDouble() && given.toDouble() == *expected : given.isNull();
        if (!same)
            Refuse(Where(anglesPlace + QLatin1String(", ") + QLatin1String(field.name),
                         Words::tr("%1 is not the angle its points give (%2)")
                             .arg(Describe(given),
                                  expected ? QString::number(*expected) : QStringLiteral("null"))));
    }
    return measured;
}

ChartRow ReadRow(const QJsonValue& value, int number, int version) {
    const QString place = RowPlace(number);
    const QJsonObject object = ReadObject(value, place);
    if (version == 1)
        RefuseUnknownKeys(object, place, {"task", "scores"},
                          QT_TRANSLATE_NOOP("rula::StudyFile", "%1 is not a key of a row"));
    else
        RefuseUnknownKeys(object, place,
                          {"task", "side", "notes", "answers", "scores", "measurement"},
                          QT_TRANSLATE_NOOP("rula::StudyFile", "%1 is not a key of a row"));
    ChartRow row;
    row.task =
        ReadText(Take(object, place, "task"), place + QLatin1String(", task"), kTaskMaxCharacters);
    row.scores = ReadScores(Take(object, place, "scores"), place);
    if (version == 1)
        return row;

    row.side = ReadSide(Take(object, place, "side"), place + QLatin1String(", side"));
    row.notes = ReadText(Take(object, place, "notes"), place + QLatin1String(", notes"),
                         kNotesMaxCharacters, TextLines::Several);
    const QJsonValue answers = Take(object, place, "answers");
    if (!answers.isNull()) {
        const QString answersPlace = place + QLatin1String(", answers");
        row.answers = ReadAnswers(ReadObject(answers, answersPlace), answersPlace);
        row.answers->side = row.side;
        const AssessmentScores scored = ScoresOf(*row.answers);
        for (int field = 0; field < kChartColumns; ++field)
            if (row.scores[field].toStdString() != scored.field(field))
                Refuse(Where(place, Words::tr("the scores are not those of its answers "
                                              "(%1 %2, where its answers give %3)")
                                        .arg(QLatin1String(AssessmentScores::kFieldNames[field]),
                                             row.scores[field].isEmpty() ? QStringLiteral("null")
                                                                         : row.scores[field],
                                             scored.field(field).empty()
                                                 ? QStringLiteral("null")
                                                 : QString::fromStdString(scored.field(field)))));
    }
    const QJsonValue measurement = Take(object, place, "measurement");
    if (!measurement.isNull()) {
        const QString measurementPlace = place + QLatin1String(", measurement");
        row.measurement =
            ReadMeasurement(ReadObject(measurement, measurementPlace), measurementPlace);
    }
    return row;
}

Study ReadStudyObject(const QJsonObject& object) {
    const auto format = object.constFind(QLatin1String("format"));
    if (format == object.constEnd())
        Refuse(Words::tr("not a Rula study (no \"format\")"));
    if (format.value() != QJsonValue(kFormatName))
        Refuse(Words::tr("not a Rula study (format %1)").arg(Describe(format.value())));
    const QJsonValue versionValue = Take(object, QString(), "version");
    if (!IsWholeNumber(versionValue))
        Refuse(Where(QStringLiteral("version"),
                     Words::tr("%1 is not a whole number").arg(Describe(versionValue))));
    const double version = versionValue.toDouble();
    if (version > kStudyFormatVersion)
        Refuse(Words::tr("written by a newer Rula: format %1; this one reads format %2")
                   .arg(Describe(versionValue))
                   .arg(kStudyFormatVersion));
    if (version < 1)
        Refuse(Words::tr("version: %1 is not a version of the format").arg(Describe(versionValue)));
    RefuseUnknownKeys(object, QString(),
                      {"format", "version", "title", "site", "assessor", "observed", "rows"},
                      QT_TRANSLATE_NOOP("rula::StudyFile", "%1 is not a key of a study"));

    Study study;
    StudyDetails& details = study.details;
    details.title =
        ReadText(Take(object, QString(), "title"), QStringLiteral("title"), kDetailMaxCharacters);
    details.site =
        ReadText(Take(object, QString(), "site"), QStringLiteral("site"), kDetailMaxCharacters);
    details.assessor = ReadText(Take(object, QString(), "assessor"), QStringLiteral("assessor"),
                                kDetailMaxCharacters);
    const QJsonValue observed = Take(object, QString(), "observed");
    if (!observed.isString())
        RefuseType(QStringLiteral("observed"), observed, Wanted::Date);
    details.observed = QDate::fromString(observed.toString(), Qt::ISODate);
    // Only the exact form YYYY-MM-DD, as written.
    if (!details.observed.isValid() ||
        details.observed.toString(Qt::ISODate) != observed.toString())
        Refuse(Words::tr("observed: %1 is not a date (YYYY-MM-DD)").arg(Describe(observed)));
    if (!IsObservedDate(details.observed))
        Refuse(Words::tr("observed: %1 is not a date the chart shows (%2 to %3)")
                   .arg(Describe(observed), kFirstObservedDate().toString(Qt::ISODate),
                        kLastObservedDate().toString(Qt::ISODate)));

    const QJsonValue rowsValue = Take(object, QString(), "rows");
    if (!rowsValue.isArray())
        RefuseType(QStringLiteral("rows"), rowsValue, Wanted::List);
    const QJsonArray rows = rowsValue.toArray();
    if (rows.size() > kChartRows)
        Refuse(Words::tr("rows: %n rows; a chart holds at most %1", nullptr, int(rows.size()))
                   .arg(kChartRows));
    for (qsizetype i = 0; i < rows.size(); ++i)
        study.rows.append(ReadRow(rows.at(i), static_cast<int>(i) + 1, static_cast<int>(version)));
    return study;
}

// What the parsed document no longer shows, looked for in the bytes, which are valid JSON
// here: a key given twice in one object (QJsonObject keeps the last), a whole number
// written otherwise than as its digits (7.0, 1e0, -0), and any other number written
// otherwise than as the shortest text that reads back as it (2.50), which the writer
// never does.
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
                return Words::tr("%1 at byte %2: a whole number is written in digits alone")
                    .arg(QString::fromLatin1(number))
                    .arg(start);
            if (!whole && std::isfinite(value) && number != JsonNumber(value))
                return Words::tr("%1 at byte %2: a number is written as %3, the shortest "
                                 "text that reads back as it")
                    .arg(QString::fromLatin1(number), QString::fromLatin1(JsonNumber(value)))
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
                return Words::tr("%1 is given twice (at byte %2)")
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
        // The parser points into a cut "true", "false" or "null", at its start or after
        // its first letter.
        qsizetype word = end;
        while (word > 0 && std::isalpha(static_cast<unsigned char>(bytes.at(word - 1))))
            --word;
        const QByteArray rest = bytes.mid(word, end - word);
        atEnd = atEnd ||
                (error.offset >= word && !rest.isEmpty() &&
                 (QByteArray("true").startsWith(rest) || QByteArray("false").startsWith(rest) ||
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
            return Words::tr("truncated: the JSON ends at byte %1 before it is complete")
                .arg(bytes.size());
        break;
    default:
        break;
    }
    return Words::tr("not JSON: %1 at byte %2").arg(error.errorString()).arg(error.offset);
}

QString TooLarge(qint64 size) {
    return Words::tr("larger than %1 MiB (%2 bytes); a study of ten rows with photos is "
                     "far smaller")
        .arg(kStudyMaxBytes >> 20)
        .arg(size);
}

QString PathOf(const QString& path) {
    return QDir::toNativeSeparators(ShownPath(path));
}

StudyError FileError(const QString& path, const QString& what) {
    //: The file's name, then what is wrong with it
    return StudyError{Words::tr("%1: %2").arg(PathOf(path), what)};
}

} // namespace

QByteArray WriteStudyJson(const Study& study) {
    const StudyDetails& details = study.details;
    const auto text = [](const QString& line) { return JsonString(line).toUtf8(); };
    QByteArray out;
    out += "{\n";
    out += "  \"format\": " + text(kFormatName) + ",\n";
    out += "  \"version\": " + QByteArray::number(kStudyFormatVersion) + ",\n";
    out += "  \"title\": " + text(details.title) + ",\n";
    out += "  \"site\": " + text(details.site) + ",\n";
    out += "  \"assessor\": " + text(details.assessor) + ",\n";
    out += "  \"observed\": " + text(details.observed.toString(Qt::ISODate)) + ",\n";
    out += "  \"rows\": [";
    for (qsizetype r = 0; r < study.rows.size(); ++r) {
        const ChartRow& row = study.rows[r];
        out += r == 0 ? "\n" : ",\n";
        out += "    {\n      \"task\": " + text(row.task) + ",\n";
        out += "      \"side\": " +
               (row.side == Side::NotSaid ? QByteArray("null") : text(SideName(row.side))) + ",\n";
        out += "      \"notes\": " + text(row.notes) + ",\n";
        out += "      \"answers\": " + JsonAnswers(row.answers) + ",\n";
        out += "      \"scores\": {\n";
        for (int field = 0; field < kChartColumns; ++field) {
            out += QByteArray("        \"") + AssessmentScores::kFieldNames[field] +
                   "\": " + JsonScore(row.scores[field]).toUtf8();
            out += field + 1 < kChartColumns ? ",\n" : "\n";
        }
        out += "      },\n";
        out += "      \"measurement\": " + JsonMeasurement(row.measurement) + "\n    }";
    }
    out += study.rows.isEmpty() ? "]\n" : "\n  ]\n";
    out += "}\n";
    return out;
}

std::variant<Study, StudyError> ReadStudyJson(const QByteArray& bytes) {
    if (bytes.size() > kStudyMaxBytes)
        return StudyError{TooLarge(bytes.size())};
    if (bytes.trimmed().isEmpty())
        return StudyError{Words::tr("not JSON: the file is empty")};
    // UTF-16 begins with its byte-order mark, or has a zero byte beside each ASCII one.
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") ||
        (bytes.size() >= 2 && (bytes.at(0) == 0) != (bytes.at(1) == 0)))
        return StudyError{Words::tr("the file is UTF-16; studies are UTF-8")};
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return StudyError{
            Words::tr("the file starts with a byte-order mark; studies are written without one")};
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return StudyError{ParseFault(bytes, error)};
    if (!document.isObject())
        return StudyError{Words::tr("not a Rula study (a list, not an object)")};
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
        return FileError(path, Words::tr("a folder, not a study file"));
    case FileKind::NamedPipe:
        return FileError(path, Words::tr("a named pipe, not a study file"));
    case FileKind::Device:
        return FileError(path, Words::tr("a device, not a study file"));
    case FileKind::Socket:
        return FileError(path, Words::tr("a socket, not a study file"));
    case FileKind::Other:
        return FileError(path, Words::tr("not a regular file"));
    }
    const auto tooLarge = [&](qint64 size) { return FileError(path, TooLarge(size)); };
    std::optional<StudyError> failed;
    QByteArray bytes;
    if (file.size > kStudyMaxBytes) {
        failed = tooLarge(file.size);
    } else {
        // At most one byte more than allowed: enough to catch a file that grows. Room for
        // the file's size and one byte, made room for the most allowed and one if it fills.
        bytes.resize(file.size + 1);
        qint64 got = 0;
        for (;;) {
            if (got == bytes.size()) { // the file grew since it was looked at
                if (bytes.size() > kStudyMaxBytes)
                    break;
                bytes.resize(kStudyMaxBytes + 1);
            }
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
        return FileError(
            path,
            Words::tr("not saved: the chart cannot be kept as it is (%1)").arg(error->message));
    return WriteFileAtomically(path, bytes, written);
}

std::optional<StudyError> WriteFileAtomically(const QString& path, const QByteArray& bytes,
                                              FileStamp* written) {
    const auto failed = [&path](int error) {
        return FileError(path, Words::tr("not saved: %1").arg(qt_error_string(error)));
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

// The study library on its own: the rules for typed text, the chart's record, the
// delimited writer (read back by the shared RFC 4180 reader), study files written
// and read back (rows with answers, sides, notes and photos made here as real JPEGs),
// version 1 files, every kind of broken file, and saves that fail without harming the
// file that was there.
#include "assessment/assessment.h"
#include "scoring/assessment_scores.h"
#include "study/chart_record.h"
#include "study/delimited_text.h"
#include "study/recovery_copy.h"
#include "study/study_file.h"
#include "study/text_rules.h"

#include "delimited_reader.h"
#include "stick_figure.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <functional>
#include <unistd.h>

using namespace rula;

namespace {

using Scores = std::array<QString, kChartColumns>;

const QString kEmoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // one character, two units
const QString kAccentedE = QString::fromUtf8("e\xCC\x81");    // e + combining acute
const QString kFamily = QString::fromUtf8("\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7"); // ZWJ

// Scores that the program can give, different in every row; row 4 has no Table C cell.
Scores RowScores(int row) {
    Scores scores;
    for (int field = 0; field < kChartColumns; ++field) {
        const auto& range = AssessmentScores::kFieldRanges[field];
        const int span = range.highest - range.lowest + 1;
        scores[field] = QString::number(range.lowest + (row + field) % span);
    }
    if (row == 4)
        scores[15].clear();
    return scores;
}

Scores ScoresText(const Assessment& answers) {
    return ScoreCells(ScoresOf(answers));
}

// Answers different in every row; row 4 has no upper arm posture, so no Table C cell.
Assessment RowAnswers(int row, Side side) {
    Assessment a;
    a.upperArm = row == 4 ? UpperArmPosture::None : UpperArmPosture(1 + row % 5);
    a.shoulderRaised = (row & 1) != 0;
    a.upperArmAbducted = (row & 2) != 0;
    a.armSupported = (row & 4) != 0;
    a.lowerArm = LowerArmPosture(1 + row % 2);
    a.lowerArmAcrossOrOut = (row & 2) != 0;
    a.wrist = WristPosture(row % 4);
    a.wristBentFromMidline = (row & 1) != 0;
    a.wristTwist = WristTwist(row % 3);
    a.neck = NeckPosture(1 + row % 4);
    a.neckTwisted = (row & 4) != 0;
    a.neckSideBent = (row & 1) != 0;
    a.trunk = TrunkPosture(1 + (row + 1) % 4);
    a.trunkTwisted = (row & 2) != 0;
    a.trunkSideBent = (row & 4) != 0;
    a.trunkSupportedSeated = row == 6;
    a.legsSupported = (row & 1) != 0;
    a.muscleUseA = MuscleUse(row % 4);
    a.forceLoadA = ForceLoad((row + 2) % 5);
    a.muscleUseB = MuscleUse((row + 1) % 4);
    a.forceLoadB = ForceLoad(row % 5);
    a.side = side;
    return a;
}

// A real photo, as Qt writes a JPEG.
std::string JpegOf(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 2, y * 2, 128));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 80);
    return bytes.toStdString();
}

// A worker of known angles on a 120 x 100 photo, the camera tilted 3 degrees and a plumb
// line for it (row 1); facing left, three points placed, no plumb line (row 5); on a
// photo taller than wide with every point (row 9).
MeasuredPhoto RowMeasurement(int row) {
    MeasuredPhoto photo;
    const bool tall = row == 9;
    photo.width = tall ? 80 : 120;
    photo.height = tall ? 130 : 100;
    photo.jpeg = JpegOf({photo.width, photo.height});
    photo.facing = row == 5 ? Facing::Left : Facing::Right;
    const testing::StickFigure figure =
        testing::DrawStickFigure({12.34, 8.76, 45.62, 80.04, -5.17}, photo.facing, row == 1 ? 3 : 0,
                                 {photo.width / 2.0, 60}, 0.1);
    photo.points = figure.points;
    if (row == 1)
        photo.plumb = figure.plumb;
    if (row == 5)
        photo.points[2] = photo.points[4] = photo.points[5] = std::nullopt;
    return photo;
}

Study TenRowStudy() {
    Study study;
    study.details = {QStringLiteral("Line 3 \"packing\", station B"), QStringLiteral("Plant Süd"),
                     QStringLiteral("=A. Assessor"), QDate(2026, 3, 1)};
    const QStringList tasks = {QStringLiteral("Lifting boxes"),
                               QStringLiteral("\"quoted\" start"),
                               QStringLiteral("a, b; c"),
                               QStringLiteral("=HYPERLINK(\"x\")"),
                               QStringLiteral("-dash"),
                               QString(59, u'x') + kEmoji,
                               QStringLiteral("caf") + kAccentedE,
                               QString(),
                               QStringLiteral("@mention"),
                               QStringLiteral("back\\slash \u00e9")};
    const QStringList notes = {
        QStringLiteral("Reaches over the bin's edge.\nRaise the bin by 20 cm.\n"),
        QString(),
        kEmoji + QStringLiteral(" \"first\"\n\nthird, after an empty line"),
        QStringLiteral("\\ back\\slash"),
        QStringLiteral("one line"),
        QString(1999, u'n').replace(100, 1, u'\n') + kFamily, // 2000 as the user sees them
        QString(),
        QStringLiteral("\n"),
        QStringLiteral("caf") + kAccentedE,
        QStringLiteral("last")};
    for (int row = 1; row <= kChartRows; ++row) {
        ChartRow chartRow;
        chartRow.task = tasks[row - 1];
        chartRow.side = row % 3 == 1 ? Side::Right : row % 3 == 2 ? Side::Left : Side::NotSaid;
        chartRow.notes = notes[row - 1];
        // Rows 3, 8 and 10 as a study that kept only scores has them.
        if (row == 3 || row == 8 || row == 10) {
            chartRow.scores = RowScores(row);
        } else {
            chartRow.answers = RowAnswers(row, chartRow.side);
            chartRow.scores = ScoresText(*chartRow.answers);
        }
        if (row == 1 || row == 5 || row == 9)
            chartRow.measurement = RowMeasurement(row);
        study.rows.append(chartRow);
    }
    return study;
}

QJsonObject ValidObject() {
    const QByteArray bytes = WriteStudyJson(TenRowStudy());
    QJsonObject object = QJsonDocument::fromJson(bytes).object();
    QJsonArray rows = object[QStringLiteral("rows")].toArray();
    while (rows.size() > 3)
        rows.removeLast();
    object[QStringLiteral("rows")] = rows;
    return object;
}

// A valid study with one change made to it.
QByteArray Changed(const std::function<void(QJsonObject&)>& change) {
    QJsonObject object = ValidObject();
    change(object);
    return QJsonDocument(object).toJson();
}

// A change to row `number`'s object.
QByteArray RowChanged(int number, const std::function<void(QJsonObject&)>& change) {
    return Changed([&](QJsonObject& study) {
        QJsonArray rows = study[QStringLiteral("rows")].toArray();
        QJsonObject row = rows[number - 1].toObject();
        change(row);
        rows[number - 1] = row;
        study[QStringLiteral("rows")] = rows;
    });
}

QByteArray ScoreSet(int number, const char* name, const QJsonValue& value) {
    return RowChanged(number, [&](QJsonObject& row) {
        QJsonObject scores = row[QStringLiteral("scores")].toObject();
        if (value.isUndefined())
            scores.remove(QLatin1String(name));
        else
            scores[QLatin1String(name)] = value;
        row[QStringLiteral("scores")] = scores;
    });
}

// A change to row 1's measurement, or to the part of it named.
QByteArray MeasurementChanged(const char* part, const std::function<void(QJsonObject&)>& change) {
    return RowChanged(1, [&](QJsonObject& row) {
        QJsonObject measurement = row[QStringLiteral("measurement")].toObject();
        if (*part == '\0') {
            change(measurement);
        } else {
            QJsonObject inner = measurement[QLatin1String(part)].toObject();
            change(inner);
            measurement[QLatin1String(part)] = inner;
        }
        row[QStringLiteral("measurement")] = measurement;
    });
}

// Row 1 with another JPEG in its place, given as `width` x `height`.
QByteArray PhotoReplaced(const QByteArray& jpeg, int width, int height) {
    return MeasurementChanged("photo", [&](QJsonObject& photo) {
        photo[QStringLiteral("data")] = QString::fromLatin1(jpeg.toBase64());
        photo[QStringLiteral("width")] = width;
        photo[QStringLiteral("height")] = height;
    });
}

// Row 1's JPEG with its frame header saying another size.
QByteArray JpegSaying(int width, int height) {
    QByteArray jpeg = QByteArray::fromStdString(RowMeasurement(1).jpeg);
    const qsizetype frame = jpeg.indexOf("\xFF\xC0");
    const char size[] = {char(height >> 8), char(height & 0xFF), char(width >> 8),
                         char(width & 0xFF)};
    return frame < 0 ? QByteArray() : jpeg.replace(frame + 5, 4, QByteArray(size, 4));
}

// A change to row 2's answers.
QByteArray AnswersChanged(const std::function<void(QJsonObject&)>& change) {
    return RowChanged(2, [&](QJsonObject& row) {
        QJsonObject answers = row[QStringLiteral("answers")].toObject();
        change(answers);
        row[QStringLiteral("answers")] = answers;
    });
}

// Why a study was refused; empty when it was read.
QString Refusal(const std::variant<Study, StudyError>& read) {
    const auto* error = std::get_if<StudyError>(&read);
    return error ? error->message : QString();
}

bool RunsAsRoot() {
    return ::geteuid() == 0;
}

bool Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// By the file's name as the system knows it, which need not be UTF-8.
QByteArray NativeFileBytes(const QByteArray& native) {
    QFile file;
    FILE* stream = std::fopen(native.constData(), "rb");
    const bool opened = stream && file.open(stream, QIODevice::ReadOnly);
    const QByteArray bytes = opened ? file.readAll() : QByteArray("(unreadable)");
    if (stream)
        std::fclose(stream);
    return bytes;
}

} // namespace

class StudyTest : public QObject {
    Q_OBJECT
private slots:
    void textRules_data();
    void textRules();
    void recordKeepsTrackOfChanges();

    void delimitedFields_data();
    void delimitedFields();
    void tablesReadBackCellForCell();

    void tenRowsSaveAndOpenAsTheyWere();
    void brokenStudiesAreRefused_data();
    void brokenStudiesAreRefused();
    void filesThatAreNotStudies_data();
    void filesThatAreNotStudies();
    void failedSaveKeepsTheEarlierFile_data();
    void failedSaveKeepsTheEarlierFile();
    void recoveryCopyIsOfferedOnlyOnceItsProgramHasGone();
};

void StudyTest::textRules_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("visible");
    QTest::newRow("empty") << "" << 60 << "" << 0;
    QTest::newRow("cut at the limit") << "abcdef" << 4 << "abcd" << 4;
    QTest::newRow("emoji at the limit kept whole")
        << QString(59, u'x') + kEmoji << 60 << QString(59, u'x') + kEmoji << 60;
    QTest::newRow("emoji over the limit dropped whole")
        << QString(60, u'x') + kEmoji << 60 << QString(60, u'x') << 60;
    QTest::newRow("combining accent counts once")
        << QString(59, u'x') + kAccentedE << 60 << QString(59, u'x') + kAccentedE << 60;
    QTest::newRow("joined emoji is one character") << kFamily + "ab" << 2 << kFamily + "a" << 2;
    QTest::newRow("NUL and controls dropped")
        << QString::fromUtf16(u"a\u0000b\u0007c\u001Bd\u007Fe\u0085", 10) << 60 << "abcde" << 5;
    QTest::newRow("CR LF keeps the first line") << "first\r\nsecond" << 60 << "first" << 5;
    QTest::newRow("LF keeps the first line") << "one\ntwo" << 60 << "one" << 3;
    QTest::newRow("line separator") << QString::fromUtf16(u"one\u2028two") << 60 << "one" << 3;
    QTest::newRow("tab becomes a space") << "a\tb" << 60 << "a b" << 3;
    QTest::newRow("lone high surrogate dropped")
        << QString::fromUtf16(u"a") + QChar(0xD83D) + "b" << 60 << "ab" << 2;
    QTest::newRow("lone low surrogate dropped")
        << QString::fromUtf16(u"a") + QChar(0xDE00) << 60 << "a" << 1;
}

void StudyTest::textRules() {
    QFETCH(QString, typed);
    QFETCH(int, limit);
    QFETCH(QString, kept);
    QFETCH(int, visible);
    QCOMPARE(CleanLine(typed, limit), kept);
    QCOMPARE(VisibleLength(kept), visible);
    QVERIFY(IsCleanLine(kept, limit));
    QCOMPARE(IsCleanLine(typed, limit), typed == kept);
}

void StudyTest::recordKeepsTrackOfChanges() {
    ChartRecord record;
    QSignalSpy changed(&record, &ChartRecord::changed);
    QSignalSpy modified(&record, &ChartRecord::modifiedChanged);
    QCOMPARE(record.study().details.observed, QDate::currentDate());
    QVERIFY(record.isEmpty() && !record.isModified());

    QCOMPARE(record.addRow(RowScores(1)), 1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(modified.count(), 1);
    QVERIFY(record.isModified() && !record.isEmpty());

    record.setTask(1, QStringLiteral("Packing\nsecond line"));
    QCOMPARE(record.row(1).task, QStringLiteral("Packing"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(modified.count(), 1); // already modified: no flip
    record.markSaved();
    QCOMPARE(modified.count(), 2);
    record.setTask(1, QStringLiteral("Packing\r\n")); // the same once cleaned
    record.setTask(7, QStringLiteral("no such row"));
    QCOMPARE(changed.count(), 2);
    QVERIFY(!record.isModified());

    StudyDetails details = record.study().details;
    details.title = QString(130, u't');
    details.assessor = QStringLiteral("Ann\u0000Lee");
    record.setDetails(details);
    QCOMPARE(record.study().details.title, QString(kDetailMaxCharacters, u't'));
    QCOMPARE(record.study().details.assessor, QStringLiteral("AnnLee"));
    QVERIFY(record.isModified());
    const qsizetype before = changed.count();
    record.setDetails(record.study().details);
    QCOMPARE(changed.count(), before);

    for (int row = 2; row <= kChartRows + 2; ++row)
        record.addRow(RowScores(row));
    QCOMPARE(record.rowCount(), kChartRows);
    QCOMPARE(record.addRow(RowScores(1)), 0);
    QCOMPARE(record.row(kChartRows).scores, RowScores(kChartRows));

    record.clearRows();
    QCOMPARE(record.rowCount(), 0);
    QVERIFY(!record.isEmpty()); // the details still hold something

    record.replace(TenRowStudy());
    QCOMPARE(record.study(), TenRowStudy());
    QVERIFY(!record.isModified());
    record.replace(Study{{{}, {}, {}, QDate::currentDate()}, {}});
    QVERIFY(record.isEmpty());
}

void StudyTest::delimitedFields_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("comma");
    QTest::addColumn<bool>("isText");
    QTest::addColumn<QString>("field");
    QTest::newRow("comma in TSV") << "a,b" << false << true << "a,b";
    QTest::newRow("tab in TSV") << "a\tb" << false << true << "\"a\tb\"";
    QTest::newRow("tab in CSV") << "a\tb" << true << true << "\"a\tb\"";
    QTest::newRow("quote doubled") << "say \"hi\"" << false << true << "\"say \"\"hi\"\"\"";
    QTest::newRow("line break") << "one\r\ntwo" << true << true << "\"one\r\ntwo\"";
    QTest::newRow("plus guarded") << "+1" << false << true << "'+1";
    QTest::newRow("guarded and quoted") << "=1,2" << true << true << "\"'=1,2\"";
    QTest::newRow("score never guarded") << "-1" << true << false << "-1";
    QTest::newRow("inner equals") << "a=b" << true << true << "a=b";
}

void StudyTest::delimitedFields() {
    QFETCH(QString, text);
    QFETCH(bool, comma);
    QFETCH(bool, isText);
    QFETCH(QString, field);
    QCOMPARE(DelimitedField(text, comma ? Separator::Comma : Separator::Tab, isText), field);
}

void StudyTest::tablesReadBackCellForCell() {
    const Study study = TenRowStudy();
    QStringList headings;
    for (const char* name : AssessmentScores::kFieldNames)
        headings << QString::fromLatin1(name);
    headings[0] = QStringLiteral("Upper\nArm"); // a heading on two lines, as on screen
    const auto guarded = [](const QString& text) {
        return text.isEmpty() || !QStringLiteral("=+-@").contains(text.front()) ? text
                                                                                : u'\'' + text;
    };
    QList<QStringList> expected = {QStringList{QStringLiteral("Row")} + headings +
                                   QStringList{"Side", "Task", "Notes"}};
    for (int row = 1; row <= kChartRows; ++row) {
        const ChartRow& chartRow = study.rows[row - 1];
        const QString side = row % 3 == 1 ? "R" : row % 3 == 2 ? "L" : "";
        expected << QStringList{QString::number(row)} +
                        QStringList(chartRow.scores.begin(), chartRow.scores.end()) +
                        QStringList{side, guarded(chartRow.task), chartRow.notes};
    }

    const QString tab = ChartTable(study, headings, Separator::Tab);
    QCOMPARE(ReadDelimited(tab, u'\t'), expected);

    const QByteArray csv = ChartCsv(study, headings);
    QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
    const QList<QStringList> records = ReadDelimited(QString::fromUtf8(csv.mid(3)), u',');
    const QList<QStringList> details = {
        {QStringLiteral("Title"), study.details.title},
        {QStringLiteral("Site"), study.details.site},
        {QStringLiteral("Assessor"), guarded(study.details.assessor)},
        {QStringLiteral("Observed"), QStringLiteral("2026-03-01")},
        {QString()}};
    QCOMPARE(records.mid(0, 5), details);
    QCOMPARE(records.mid(5), expected);
}

void StudyTest::tenRowsSaveAndOpenAsTheyWere() {
    const Study study = TenRowStudy();
    const QByteArray bytes = WriteStudyJson(study);
    const auto read = ReadStudyJson(bytes);
    QVERIFY2(std::holds_alternative<Study>(read), qPrintable(Refusal(read)));
    QCOMPARE(std::get<Study>(read), study);

    // The documented shape: keys in this order, sixteen scores in field order, as numbers,
    // every answer by its name, the photo as base64, the angles to one decimal.
    QStringList names;
    for (const char* name : AssessmentScores::kFieldNames)
        names << QString::fromLatin1(name);
    const QJsonObject document = QJsonDocument::fromJson(bytes).object();
    QCOMPARE(document.keys().size(), 7);
    QCOMPARE(document["format"], "rula-study");
    QCOMPARE(document["version"], 2);
    QCOMPARE(document["observed"], "2026-03-01");
    const QJsonArray rows = document["rows"].toArray();
    QCOMPARE(rows.size(), kChartRows);
    for (int row = 1; row <= kChartRows; ++row) {
        const ChartRow& chartRow = study.rows[row - 1];
        const QJsonObject object = rows[row - 1].toObject();
        QJsonObject scores;
        for (int field = 0; field < kChartColumns; ++field)
            scores[names[field]] = chartRow.scores[field].isEmpty()
                                       ? QJsonValue(QJsonValue::Null)
                                       : chartRow.scores[field].toInt();
        QCOMPARE(object["scores"].toObject(), scores);
        QCOMPARE(object["notes"].toString(), chartRow.notes);
        QCOMPARE(object.keys().size(), 6);
    }
    const QJsonObject first = rows[0].toObject();
    QCOMPARE(first["side"], "right");
    QCOMPARE(rows[1].toObject()["side"], "left");
    QCOMPARE(rows[2].toObject()["side"], QJsonValue::Null);
    QCOMPARE(rows[2].toObject()["answers"], QJsonValue::Null);
    QCOMPARE(rows[2].toObject()["measurement"], QJsonValue::Null);
    // Row 1's answers (RowAnswers(1)), every field by its name.
    const QJsonObject answers{{"upperArm", "extension"},
                              {"shoulderRaised", true},
                              {"upperArmAbducted", false},
                              {"armSupported", false},
                              {"lowerArm", "below-60-or-beyond-100"},
                              {"lowerArmAcrossOrOut", false},
                              {"wrist", "neutral"},
                              {"wristBentFromMidline", true},
                              {"wristTwist", "mid-range"},
                              {"neck", "flexed-10-20"},
                              {"neckTwisted", false},
                              {"neckSideBent", true},
                              {"trunk", "flexed-20-60"},
                              {"trunkTwisted", false},
                              {"trunkSideBent", false},
                              {"trunkSupportedSeated", false},
                              {"legsSupported", true},
                              {"muscleUseA", "moderate"},
                              {"forceLoadA", "medium-static-or-repeated"},
                              {"muscleUseB", "mainly-static"},
                              {"forceLoadB", "light-intermittent"}};
    QCOMPARE(first["answers"].toObject(), answers);
    const QStringList answerNames = {"upperArm",
                                     "shoulderRaised",
                                     "upperArmAbducted",
                                     "armSupported",
                                     "lowerArm",
                                     "lowerArmAcrossOrOut",
                                     "wrist",
                                     "wristBentFromMidline",
                                     "wristTwist",
                                     "neck",
                                     "neckTwisted",
                                     "neckSideBent",
                                     "trunk",
                                     "trunkTwisted",
                                     "trunkSideBent",
                                     "trunkSupportedSeated",
                                     "legsSupported",
                                     "muscleUseA",
                                     "forceLoadA",
                                     "muscleUseB",
                                     "forceLoadB"};
    const MeasuredPhoto& photo = *study.rows[0].measurement;
    const QJsonObject measurement = first["measurement"].toObject();
    QCOMPARE(measurement["photo"].toObject(),
             (QJsonObject{
                 {"type", "image/jpeg"},
                 {"width", 120},
                 {"height", 100},
                 {"data", QString::fromLatin1(QByteArray::fromStdString(photo.jpeg).toBase64())}}));
    QCOMPARE(measurement["facing"], "right");
    QCOMPARE(measurement["points"].toObject()["elbow"],
             (QJsonArray{photo.points[3]->x, photo.points[3]->y}));
    QCOMPARE(measurement["plumbLine"].toObject()["bottom"],
             (QJsonArray{photo.plumb->bottom.x, photo.plumb->bottom.y}));
    // The worker was drawn at 12.34, 8.76, 45.62, 80.04 and -5.17 degrees.
    QCOMPARE(measurement["angles"].toObject(), (QJsonObject{{"trunk", 12.3},
                                                            {"neck", 8.8},
                                                            {"upperArm", 45.6},
                                                            {"lowerArm", 80},
                                                            {"wrist", -5.2}}));
    QCOMPARE(rows[4].toObject()["measurement"].toObject()["points"].toObject()["ear"],
             QJsonValue::Null);
    const auto inOrder = [&](const QStringList& keys, qsizetype from) {
        for (const QString& key : keys)
            if (from >= 0)
                from = bytes.indexOf('"' + key.toUtf8() + "\":", from);
        return from;
    };
    qsizetype from =
        inOrder({"format", "version", "title", "site", "assessor", "observed", "rows"}, 0);
    QVERIFY(inOrder(QStringList{"task", "side", "notes", "answers"} + answerNames, from) > 0);
    for (int row = 1; row <= kChartRows; ++row)
        from = inOrder(QStringList{"task", "side", "notes", "answers", "scores"} + names +
                           QStringList{"measurement"},
                       from);
    QVERIFY(from > 0);

    // A version 1 study, rows of a task and scores, opens: no side, notes or answers.
    QJsonObject older = document;
    older["version"] = 1;
    QJsonArray olderRows;
    Study opened1 = study;
    for (int row = 0; row < kChartRows; ++row) {
        const QJsonObject object = rows[row].toObject();
        olderRows.append(QJsonObject{{"task", object["task"]}, {"scores", object["scores"]}});
        opened1.rows[row] = ChartRow{study.rows[row].scores, study.rows[row].task};
    }
    older["rows"] = olderRows;
    const auto readOlder = ReadStudyJson(QJsonDocument(older).toJson());
    QVERIFY2(std::holds_alternative<Study>(readOlder), qPrintable(Refusal(readOlder)));
    QCOMPARE(std::get<Study>(readOlder), opened1);
    QCOMPARE(std::get<Study>(readOlder).rows[0].answers, std::nullopt);

    QTemporaryDir dir;
    // A name that is no UTF-8 (Latin-1 "é") is written and read by its own bytes.
    const QByteArray native = QFile::encodeName(dir.path()) + "/caf\xE9.rula";
    const QString path = PathFromNative(native);
    QVERIFY(!WriteStudyFile(path, study));
    QCOMPARE(NativeFileBytes(native), bytes);
    const auto opened = ReadStudyFile(path);
    QVERIFY2(std::holds_alternative<Study>(opened), qPrintable(Refusal(opened)));
    QCOMPARE(std::get<Study>(opened), study);

    // What could not be opened again is not saved.
    Study odd = study;
    odd.rows[0].scores[0] = QStringLiteral("02");
    const auto refused = WriteStudyFile(path, odd);
    QVERIFY(refused && refused->message.contains(QStringLiteral("UpperArmScore")));
    QCOMPARE(NativeFileBytes(native), bytes);
}

void StudyTest::brokenStudiesAreRefused_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QByteArray valid = QJsonDocument(ValidObject()).toJson();
    QVERIFY(std::holds_alternative<Study>(ReadStudyJson(valid)));
    Study threeRows = TenRowStudy();
    threeRows.rows.resize(3);
    const QByteArray written = WriteStudyJson(threeRows); // as the writer lays it out
    const auto set = [](const char* key, const QJsonValue& value) {
        return Changed([=](QJsonObject& o) { o[QLatin1String(key)] = value; });
    };
    const auto task = [](int row, const QJsonValue& value) {
        return RowChanged(row, [=](QJsonObject& o) { o[QStringLiteral("task")] = value; });
    };

    // Each row is named by the start of what the reader says.
    const std::pair<QByteArray, const char*> cases[] = {
        {QByteArray("Rula study\n"), "not JSON: illegal value at byte"},
        {QByteArray(), "not JSON: the file is empty"},
        {valid.left(valid.size() / 2), "truncated: the JSON ends"},
        {valid.left(valid.indexOf(": null") + 4), "truncated: the JSON ends at byte"},
        {valid + "x", "not JSON: garbage at the end"},
        {QByteArray("{\"title\": \"\xFF\"}"), "not JSON: invalid UTF8"},
        {QByteArray("[1, 2]"), "not a Rula study (a list, not an object)"},
        {Changed([](QJsonObject& o) { o.remove("format"); }), "not a Rula study (no \"format\")"},
        {set("format", "x"), "not a Rula study (format \"x\")"},
        {Changed([](QJsonObject& o) {
             o["version"] = 3;
             o["extra"] = 1;
         }),
         "written by a newer Rula: format 3; this one reads format 2"},
        {set("version", 1), "row 1: \"answers\" is not a key of a row"},
        {set("version", "1"), "version: \"1\" is not a whole number"},
        {set("version", 0), "version: 0 is not a version"},
        {QByteArray(valid).replace("\"site\":", "\"site\": \"x\", \"s\\u0069te\":"),
         "\"site\" is given twice (at byte"},
        {set("notes", "x"), "\"notes\" is not a key of a study"},
        {Changed([](QJsonObject& o) { o.remove("title"); }), "title is missing"},
        {set("title", 5), "title: 5, not a text"},
        {set("title", QString(121, u'a')), "title: longer than 120 characters (121)"},
        {set("site", "a\nb"), "site: holds a line break"},
        {set("assessor", QString::fromUtf16(u"a\u0007")),
         "assessor: holds a control character (U+0007)"},
        {set("observed", "2026-02-30"), "observed: \"2026-02-30\" is not a date (YYYY-MM-DD)"},
        {set("observed", "2026-02-03T10:00"), "observed: \"2026-02-03T10:00\" is not a date"},
        {set("observed", 20260203), "observed: 20260203, not a date"},
        {set("observed", "0099-12-31"),
         "observed: \"0099-12-31\" is not a date the chart shows (0100-01-01 to 9999-12-31)"},
        {set("rows", QJsonObject()), "rows: an object, not a list"},
        {Changed([](QJsonObject& o) { o.remove("rows"); }), "rows is missing"},
        {Changed([](QJsonObject& o) {
             QJsonArray rows = o["rows"].toArray();
             while (rows.size() < 11)
                 rows.append(rows.first());
             o["rows"] = rows;
         }),
         "rows: 11 rows; a chart holds at most 10"},
        {Changed([](QJsonObject& o) {
             QJsonArray rows = o["rows"].toArray();
             rows[1] = 5;
             o["rows"] = rows;
         }),
         "row 2: 5, not an object"},
        {RowChanged(2, [](QJsonObject& o) { o.remove("task"); }), "row 2: task is missing"},
        {RowChanged(1, [](QJsonObject& o) { o["note"] = 1; }),
         "row 1: \"note\" is not a key of a row"},
        {task(2, QString(61, u'a')), "row 2, task: longer than 60 characters (61)"},
        {task(3, QString(60, u'a') + kEmoji), "row 3, task: longer than 60 characters (61)"},
        {task(2, "a\r\nb"), "row 2, task: holds a line break"},
        {task(1, QString::fromUtf16(u"a\u0000b", 3)),
         "row 1, task: holds a control character (U+0000)"},
        {task(3, "a\tb"), "row 3, task: holds a control character (U+0009)"},
        {task(3, QString::fromUtf16(u"a\u007F")),
         "row 3, task: holds a control character (U+007F)"},
        {QByteArray(valid).replace("\"Lifting boxes\"", "\"\\ud83d boxes\""),
         "row 1, task: holds half a character"},
        {task(1, true), "row 1, task: true, not a text"},
        {RowChanged(1, [](QJsonObject& o) { o.remove("scores"); }), "row 1: scores is missing"},
        {RowChanged(1, [](QJsonObject& o) { o["scores"] = QJsonArray{1}; }),
         "row 1, scores: a list, not an object"},
        {ScoreSet(2, "WristScore", QJsonValue::Undefined), "row 2, scores: WristScore is missing"},
        {ScoreSet(2, "ElbowScore", 1),
         "row 2, scores: \"ElbowScore\" is not a score of this program"},
        {ScoreSet(1, "LegsScore", 1e300), "1e+300 at byte"},
        // Whole numbers only as the writer writes them, and UTF-8 as it writes it.
        {QByteArray(valid).replace("\"version\": 2", "\"version\": 2e0"), "2e0 at byte"},
        {QByteArray(written).replace("\"trunk\": 12.3,", "\"trunk\": 12.30,"), "12.30 at byte"},
        {ScoreSet(2, "FinalScore", 7).replace("\"FinalScore\": 7", "\"FinalScore\": 7.0"),
         "7.0 at byte"},
        {ScoreSet(2, "MuscleUseScoreB", 0)
             .replace("\"MuscleUseScoreB\": 0", "\"MuscleUseScoreB\": -0"),
         "-0 at byte"},
        {"\xEF\xBB\xBF" + valid, "the file starts with a byte-order mark"},
        {"\xFF\xFE" + QByteArray(reinterpret_cast<const char*>(QString::fromUtf8(valid).utf16()),
                                 QString::fromUtf8(valid).size() * 2),
         "the file is UTF-16; studies are UTF-8"},
        {QByteArray("\0{\0}", 4), "is UTF-16; studies are UTF-8"},
        {ScoreSet(1, "WristScore", 2.5), "row 1, WristScore: 2.5 is not a whole number"},
        {ScoreSet(1, "WristScore", "2"), "row 1, WristScore: \"2\" is not a whole number"},
        {ScoreSet(2, "TrunkScore", QJsonValue::Null),
         "row 2, TrunkScore: blank (null), but this score is never blank"},
        {valid + QByteArray(kStudyMaxBytes, ' '), "larger than 32 MiB"},

        // Side and notes.
        {RowChanged(1, [](QJsonObject& o) { o["side"] = "up"; }),
         "row 1, side: \"up\" is not a side (\"left\", \"right\" or null)"},
        {RowChanged(2, [](QJsonObject& o) { o["side"] = "Left"; }),
         "row 2, side: \"Left\" is not a side"},
        {RowChanged(3, [](QJsonObject& o) { o.remove("side"); }), "row 3: side is missing"},
        {RowChanged(3, [](QJsonObject& o) { o["notes"] = "a\r\nb"; }),
         "row 3, notes: holds a line break other than \\n (U+000D)"},
        {RowChanged(3, [](QJsonObject& o) { o["notes"] = "a\tb"; }),
         "row 3, notes: holds a control character (U+0009)"},
        {RowChanged(3, [](QJsonObject& o) { o["notes"] = QString(2000, u'\n') + "a"; }),
         "row 3, notes: longer than 2000 characters (2001)"},
        {RowChanged(1, [](QJsonObject& o) { o["notes"] = QJsonValue::Null; }),
         "row 1, notes: null, not a text"},

        // Answers, and the scores they give.
        {AnswersChanged([](QJsonObject& o) { o["upperArm"] = "sideways"; }),
         "row 2, answers, upperArm: \"sideways\" is not one of its answers (null, \"neutral\", "
         "\"extension\", \"raised-20-45\", \"raised-45-90\", \"raised-beyond-90\")"},
        {AnswersChanged([](QJsonObject& o) { o["forceLoadB"] = ""; }),
         "row 2, answers, forceLoadB: \"\" is not one of its answers"},
        {AnswersChanged([](QJsonObject& o) { o["neck"] = 2; }),
         "row 2, answers, neck: 2 is not one of its answers"},
        {AnswersChanged([](QJsonObject& o) { o["shoulderRaised"] = "yes"; }),
         "row 2, answers, shoulderRaised: \"yes\", not true or false"},
        {AnswersChanged([](QJsonObject& o) { o.remove("wristTwist"); }),
         "row 2, answers: wristTwist is missing"},
        {AnswersChanged([](QJsonObject& o) { o["side"] = "left"; }),
         "row 2, answers: \"side\" is not an answer of this program"},
        {RowChanged(2, [](QJsonObject& o) { o["answers"] = QJsonArray(); }),
         "row 2, answers: a list, not an object"},
        {AnswersChanged([](QJsonObject& o) { o["legsSupported"] = !o["legsSupported"].toBool(); }),
         "row 2: the scores are not those of its answers (LegsScore"},

        // The measurement and its photo.
        {MeasurementChanged("photo", [](QJsonObject& o) { o["data"] = "not base64!"; }),
         "row 1, measurement, photo: the data is not base64"},
        {MeasurementChanged("photo",
                            [](QJsonObject& o) {
                                const QString data = o["data"].toString();
                                o["data"] = data.left(40) + "\n" + data.mid(40);
                            }),
         "row 1, measurement, photo: the data is not base64"},
        {PhotoReplaced(QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), 120, 100),
         "row 1, measurement, photo: not a JPEG"},
        {PhotoReplaced(JpegSaying(30000, 30000), 30000, 30000),
         "row 1, measurement, photo: 30000 × 30000 pixels: too large (at most 100 megapixels)"},
        {PhotoReplaced(JpegSaying(3000, 2000), 3000, 2000),
         "row 1, measurement, photo: 3000 × 2000 pixels: a study keeps photos of at most 2048 "
         "pixels on their long side"},
        {PhotoReplaced(JpegSaying(120, 100).left(400), 120, 100),
         "row 1, measurement, photo: the JPEG ends too early (truncated)"},
        {PhotoReplaced(JpegSaying(120, 100), 121, 100),
         "row 1, measurement, photo: the JPEG is 120 × 100 pixels, not 121 × 100 as given"},
        {PhotoReplaced(JpegSaying(120, 100).insert(2, QByteArray("\xFF\xE1\0\x22"
                                                                 "Exif\0\0II*\0\x08\0\0\0"
                                                                 "\x01\0\x12\x01\x03\0\x01\0\0\0"
                                                                 "\x06\0\0\0\0\0\0\0",
                                                                 36)),
                       120, 100),
         "row 1, measurement, photo: the JPEG is to be turned (EXIF orientation 6)"},
        {MeasurementChanged("photo", [](QJsonObject& o) { o["type"] = "image/png"; }),
         "row 1, measurement, photo: type \"image/png\" is not \"image/jpeg\""},
        {MeasurementChanged("photo", [](QJsonObject& o) { o["width"] = 1e300; }), "1e+300 at byte"},
        {MeasurementChanged("", [](QJsonObject& o) { o["facing"] = "up"; }),
         "row 1, measurement, facing: \"up\" is not \"left\" or \"right\""},
        {MeasurementChanged("", [](QJsonObject& o) { o["scale"] = 1; }),
         "row 1, measurement: \"scale\" is not a key of a measurement"},
        {MeasurementChanged("points",
                            [](QJsonObject& o) {
                                o["hip"] = QJsonArray{500, 5};
                            }),
         "row 1, measurement, hip, x: 500 is not from 0 to 120"},
        {MeasurementChanged("points", [](QJsonObject& o) { o["ear"] = QJsonArray{1}; }),
         "row 1, measurement, ear: 1 numbers, not two ([x, y])"},
        {MeasurementChanged("points", [](QJsonObject& o) { o.remove("knuckle"); }),
         "row 1, measurement, points: knuckle is missing"},
        {MeasurementChanged("plumbLine", [](QJsonObject& o) { o.remove("bottom"); }),
         "row 1, measurement, plumbLine: bottom is missing"},
        {MeasurementChanged("angles", [](QJsonObject& o) { o["trunk"] = 12.4; }),
         "row 1, measurement, angles, trunk: 12.4 is not the angle its points give (12.3)"},
        {MeasurementChanged("angles", [](QJsonObject& o) { o["wrist"] = QJsonValue::Null; }),
         "row 1, measurement, angles, wrist: null is not the angle its points give (-5.2)"},
    };
    for (const auto& [bytes, message] : cases)
        QTest::newRow(message) << bytes << QString::fromUtf8(message);
    // Every score one step past either end of what the program gives.
    for (int field = 0; field < kChartColumns; ++field) {
        const char* name = AssessmentScores::kFieldNames[field];
        const auto& range = AssessmentScores::kFieldRanges[field];
        for (int past : {range.lowest - 1, range.highest + 1}) {
            const QString message =
                QStringLiteral("row 2, %1: %2 is not a score this program gives (%3 to %4)")
                    .arg(QLatin1String(name))
                    .arg(past)
                    .arg(range.lowest)
                    .arg(range.highest);
            QTest::newRow(qPrintable(message)) << ScoreSet(2, name, past) << message;
        }
    }
}

void StudyTest::brokenStudiesAreRefused() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const auto read = ReadStudyJson(bytes);
    QVERIFY2(std::holds_alternative<StudyError>(read), "accepted");
    const QString said = std::get<StudyError>(read).message;
    QVERIFY2(said.startsWith(message) || said.contains(message), qPrintable(said));
}

void StudyTest::filesThatAreNotStudies_data() {
    QTest::addColumn<QString>("message");
    for (const auto& [kind, message] : {std::pair{"missing", "No such file or directory"},
                                        {"folder", "a folder, not a study file"},
                                        {"fifo", "a named pipe, not a study file"},
                                        {"/dev/zero", "a device, not a study file"},
                                        {"large", "larger than 32 MiB (33554433 bytes)"},
                                        {"unreadable", "Permission denied"},
                                        {"broken", "row 1, FinalScore: 0 is not a score"}})
        QTest::newRow(kind) << QString::fromLatin1(message);
}

void StudyTest::filesThatAreNotStudies() {
    QFETCH(QString, message);
    const QString kind = QString::fromLatin1(QTest::currentDataTag());
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("study.rula"));
    if (kind == "folder") {
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("study.rula")));
    } else if (kind == "fifo") {
        QVERIFY(Run(QStringLiteral("mkfifo"), {path}));
    } else if (kind.startsWith(u'/')) {
        path = kind;
    } else if (kind == "large") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(kStudyMaxBytes + 1));
    } else if (kind == "unreadable") {
        if (RunsAsRoot())
            QSKIP("root reads every file");
        QVERIFY(!WriteStudyFile(path, TenRowStudy()));
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    } else if (kind == "broken") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ScoreSet(1, "FinalScore", 0));
    }
    QElapsedTimer timer;
    timer.start();
    const auto read = ReadStudyFile(path);
    QVERIFY(timer.elapsed() < 2000); // a pipe or device is never waited on
    QVERIFY2(std::holds_alternative<StudyError>(read), "accepted");
    const QString said = std::get<StudyError>(read).message;
    QVERIFY2(said.startsWith(QDir::toNativeSeparators(path) + ": ") && said.contains(message),
             qPrintable(said));
}

void StudyTest::failedSaveKeepsTheEarlierFile_data() {
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"read-only", "full", "gone", "folder"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void StudyTest::failedSaveKeepsTheEarlierFile() {
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkpath(folder));
    bool mounted = false;
    auto unmount = qScopeGuard([&] {
        if (mounted)
            Run(QStringLiteral("umount"), {folder});
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
    });
    const bool needsMount = kind == "full" || (kind == "read-only" && RunsAsRoot());
    if (needsMount) {
        if (!RunsAsRoot())
            QSKIP("a small disk of its own needs root (mount -t tmpfs)");
        mounted = Run(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=64k", "tmpfs", folder});
        if (!mounted)
            QSKIP("mount -t tmpfs is not allowed here");
    }
    QString path = folder + QStringLiteral("/study.rula");
    Study earlier = TenRowStudy();
    earlier.rows.resize(2);
    QVERIFY(!WriteStudyFile(path, earlier));
    const QByteArray old = FileBytes(path);

    if (kind == "read-only") {
        if (mounted)
            QVERIFY(Run(QStringLiteral("mount"), {"-o", "remount,ro", folder}));
        else
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    } else if (kind == "full") {
        QFile filler(folder + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
    } else if (kind == "gone") {
        path = folder + QStringLiteral("/gone/study.rula");
    } else if (kind == "folder") {
        path = folder;
    }
    const auto failed = WriteStudyFile(path, TenRowStudy());
    QVERIFY2(failed, "saved");
    QVERIFY2(failed->message.startsWith(QDir::toNativeSeparators(path) + ": not saved"),
             qPrintable(failed->message));
    QCOMPARE(FileBytes(folder + QStringLiteral("/study.rula")), old);
    const QStringList left = QDir(folder).entryList(QDir::Files);
    QVERIFY2(left.size() <= 2, qPrintable(left.join(u' '))); // no temporary file stays
}

void StudyTest::recoveryCopyIsOfferedOnlyOnceItsProgramHasGone() {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("state/rula"));
    {
        const QByteArray saved = qgetenv("XDG_STATE_HOME");
        auto restore = qScopeGuard([&] { qputenv("XDG_STATE_HOME", saved); });
        qputenv("XDG_STATE_HOME", QFile::encodeName(dir.filePath(QStringLiteral("state"))));
        QCOMPARE(RecoveryFolder(), folder);
        qputenv("XDG_STATE_HOME", "relative/state");
        QCOMPARE(RecoveryFolder(), QDir::homePath() + QStringLiteral("/.local/state/rula"));
    }
    const QString origin = PathFromNative(QFile::encodeName(dir.path()) + "/caf\xE9.rula");
    const FileStamp stamp{1, 2, 3, 1'700'000'000'123'456'789};
    Study study = TenRowStudy();
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    auto running = std::make_unique<RecoveryCopy>(folder);
    QVERIFY(!running->exists());
    QVERIFY(!running->write(study, origin, stamp));
    study.rows.resize(3);
    QVERIFY(!running->write(study, origin, stamp)); // the latest chart replaces the copy
    QVERIFY(running->exists());
    // Its program still runs: nobody else offers it.
    QVERIFY(!RecoveryCopy::NewestLeft(folder));

    running.reset(); // as when its program ends, however it ends
    std::unique_ptr<RecoveryCopy> left = RecoveryCopy::NewestLeft(folder);
    QVERIFY(left);
    QVERIFY(!RecoveryCopy::NewestLeft(folder)); // offered once at a time
    const auto read = left->read();
    QVERIFY(std::holds_alternative<RecoveredChart>(read));
    const RecoveredChart& chart = std::get<RecoveredChart>(read);
    // Everything but the photos, which are written nowhere but into a saved study.
    Study withoutPhotos = study;
    for (ChartRow& row : withoutPhotos.rows)
        row.measurement.reset();
    QVERIFY(withoutPhotos != study);
    QCOMPARE(chart.study, withoutPhotos);
    QVERIFY(!FileBytes(left->path()).contains("image/jpeg"));
    QCOMPARE(chart.origin, origin);
    QVERIFY(chart.stamp == stamp);
    QVERIFY(chart.written >= before && chart.written <= QDateTime::currentDateTime());

    // Not answered: it stays. A later program of the same process id keeps a copy of
    // its own beside it.
    left.reset();
    RecoveryCopy later(folder);
    QVERIFY(!later.write(TenRowStudy(), QString(), std::nullopt));
    left = RecoveryCopy::NewestLeft(folder);
    QVERIFY(left && later.path() != left->path());
    QCOMPARE(std::get<RecoveredChart>(left->read()).study, withoutPhotos);
    later.remove();
    QVERIFY(!later.exists());
    left->remove();
    QVERIFY(!left->exists());
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList());
}

QTEST_GUILESS_MAIN(StudyTest)
#include "test_study.moc"

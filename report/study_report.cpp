// A report page is laid out top to bottom in the page's dots: the heading (row, task,
// side, the study's details), then two columns (the photo and the answers on the left,
// the scores on the right), then the notes across the page in what room is left. Words
// are drawn as text, so the PDF can be searched; the photo is decoded at the resolution
// its printed size needs and drawn under the measurement's vectors.
#include "report/study_report.h"

#include "photo/kept_photo.h"
#include "photo/measurement_drawing.h"
#include "scoring/score_text.h"
#include "screens/answer_words.h"
#include "screens/screen_shell.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <cmath>

namespace rula {
namespace {

// The report's words, under its context for the translators.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(rula::StudyReport)
};

// Photos are embedded at what their printed size needs, not as kept.
constexpr double kPhotoDotsPerInch = 200;
constexpr double kScreenDotsPerInch = 96;

// Light enough for black words on them, strong enough to tell apart on paper.
const QColor kGood(0x7c, 0xc4, 0x7c);
const QColor kFair(0xf2, 0xd6, 0x4b);
const QColor kPoor(0xf3, 0x9c, 0x3d);
const QColor kBad(0xe0, 0x5a, 0x48);
const QColor kTrack(0xe6, 0xe6, 0xe6);

QColor Mix(const QColor& from, const QColor& to, double t) {
    const auto channel = [t](int a, int b) { return int(std::lround(a + (b - a) * t)); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

// 0 at a segment's best score, 1 at its worst: green through yellow to red.
QColor DistanceColour(double distance) {
    distance = std::clamp(distance, 0.0, 1.0);
    return distance < 0.5 ? Mix(kGood, kFair, distance * 2) : Mix(kFair, kBad, distance * 2 - 1);
}

std::optional<int> ScoreNumber(const QString& text) {
    const std::optional<double> value = ParseWholeScore(text.toStdString());
    return value ? std::optional<int>(int(*value)) : std::nullopt;
}

// The seven segment scores with the method's range of each: which field, and its name.
struct Segment {
    int field;
    int best;
    int worst;
    const char* name;
};
const std::array<Segment, 7> kSegments = {{
    {0, 1, 6, QT_TRANSLATE_NOOP("rula::StudyReport", "Upper arm")},
    {1, 1, 3, QT_TRANSLATE_NOOP("rula::StudyReport", "Lower arm")},
    {2, 1, 4, QT_TRANSLATE_NOOP("rula::StudyReport", "Wrist")},
    {3, 1, 2, QT_TRANSLATE_NOOP("rula::StudyReport", "Wrist twist")},
    {8, 1, 6, QT_TRANSLATE_NOOP("rula::StudyReport", "Neck")},
    {9, 1, 6, QT_TRANSLATE_NOOP("rula::StudyReport", "Trunk")},
    {10, 1, 2, QT_TRANSLATE_NOOP("rula::StudyReport", "Legs")},
}};

// The scores the segment scores lead to, as the final score screen names them.
struct Total {
    int field;
    const char* name;
};
const std::array<Total, 8> kTotals = {{
    {4, QT_TRANSLATE_NOOP("rula::StudyReport", "Posture score A (Table A)")},
    {5, QT_TRANSLATE_NOOP("rula::StudyReport", "Muscle use A")},
    {6, QT_TRANSLATE_NOOP("rula::StudyReport", "Force or load A")},
    {7, QT_TRANSLATE_NOOP("rula::StudyReport", "Score C")},
    {11, QT_TRANSLATE_NOOP("rula::StudyReport", "Posture score B (Table B)")},
    {12, QT_TRANSLATE_NOOP("rula::StudyReport", "Muscle use B")},
    {13, QT_TRANSLATE_NOOP("rula::StudyReport", "Force or load B")},
    {14, QT_TRANSLATE_NOOP("rula::StudyReport", "Score D")},
}};
constexpr int kFinalField = 15;

QString SideWords(Side side) {
    switch (side) {
    case Side::Left:
        return Words::tr("Left side");
    case Side::Right:
        return Words::tr("Right side");
    case Side::NotSaid:
        break;
    }
    return Words::tr("Side not said");
}

// Draws a posture and its boxes as one answer line's value.
template <class Posture>
QString PostureWords(Posture posture, std::initializer_list<bool Assessment::*> boxes,
                     const Assessment& answers) {
    QStringList parts = {posture == Posture::None ? Words::tr("no posture chosen")
                                                  : DrawingCaption(DrawingOf(posture))};
    for (bool Assessment::*box : boxes)
        if (answers.*box)
            parts << BoxCaption(box);
    //: Between a posture and each ticked box on the report, as the language sets a
    //: semicolon
    return parts.join(Words::tr("; "));
}

template <class Option> QString OptionWords(Option option) {
    return option == Option::None ? Words::tr("not chosen") : OptionCaption(option);
}

// The text broken into lines that fit `width`, at its own line breaks and between words.
QStringList WrapLines(QPaintDevice* device, const QString& text, const QFont& font, double width) {
    QStringList lines;
    for (const QString& paragraph : text.split(u'\n')) {
        if (paragraph.isEmpty()) {
            lines << QString();
            continue;
        }
        QTextLayout layout(paragraph, font, device);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines << paragraph.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
    }
    return lines;
}

// The height the text takes wrapped into `width`.
double WrappedHeight(QPaintDevice* device, const QString& text, const QFont& font, double width) {
    return double(WrapLines(device, text, font, width).size()) *
           QFontMetricsF(font, device).lineSpacing();
}

// Draws the text wrapped into `width` from `top`, as far as `bottom`; returns where it
// ended. When not all of it fits, the last line there is room for ends in "…".
double DrawWrapped(QPainter& painter, const QString& text, const QFont& font, double left,
                   double top, double width, double bottom = 1e12) {
    const QFontMetricsF metrics(font, painter.device());
    const QStringList lines = WrapLines(painter.device(), text, font, width);
    painter.setFont(font);
    double y = top;
    for (qsizetype i = 0; i < lines.size() && y + metrics.lineSpacing() <= bottom; ++i) {
        const bool cut = y + 2 * metrics.lineSpacing() > bottom && i + 1 < lines.size();
        QString line = lines[i];
        if (cut)
            line = metrics.horizontalAdvance(line + QStringLiteral(" …")) <= width
                       ? line + QStringLiteral(" …")
                       : metrics.elidedText(line + QStringLiteral(" …"), Qt::ElideRight, width);
        painter.drawText(QPointF(left, y + metrics.ascent()), line);
        y += metrics.lineSpacing();
    }
    return y;
}

class PagePainter {
public:
    PagePainter(QPainter& painter, const QSizeF& area, double dotsPerInch)
        : p_(painter)
        , area_(area)
        , dpi_(dotsPerInch) {}

    double mm(double millimetres) const { return millimetres * dpi_ / 25.4; }

    void page(const Study& study, const QString& details, int number);

private:
    double heading(const ChartRow& row, const QString& details, int number);
    double photo(const MeasuredPhoto& measured, double top, double width, double height);
    double answers(const ChartRow& row, double top, double width);
    double scores(const ChartRow& row, double left, double top, double width);
    void notes(const QString& notes, double top);

    QPainter& p_;
    QSizeF area_;
    double dpi_;
};

double PagePainter::heading(const ChartRow& row, const QString& details, int number) {
    const QFont title = TimesFont(14, true);
    const QFontMetricsF titleMetrics(title, p_.device());
    const QString side = SideWords(row.side);
    const double sideWidth = titleMetrics.horizontalAdvance(side);
    const QString task = row.task.isEmpty() ? Words::tr("Row %L1").arg(number)
                                            : Words::tr("Row %L1: %2").arg(number).arg(row.task);
    p_.setPen(Qt::black);
    p_.setFont(title);
    p_.drawText(QPointF(0, titleMetrics.ascent()),
                titleMetrics.elidedText(task, Qt::ElideRight, area_.width() - sideWidth - mm(5)));
    p_.drawText(QPointF(area_.width() - sideWidth, titleMetrics.ascent()), side);
    double y = titleMetrics.lineSpacing() + mm(1);
    y = DrawWrapped(p_, details, TimesFont(9.5), 0, y, area_.width());
    y += mm(1.5);
    p_.setPen(QPen(Qt::black, mm(0.3)));
    p_.drawLine(QPointF(0, y), QPointF(area_.width(), y));
    return y + mm(4);
}

double PagePainter::photo(const MeasuredPhoto& measured, double top, double width, double height) {
    if (measured.width <= 0 || measured.height <= 0)
        return top;
    const double scale = std::min(width / measured.width, height / measured.height);
    const QRectF box(0, top, measured.width * scale, measured.height * scale);
    const QSize needed(int(std::ceil(box.width() / dpi_ * kPhotoDotsPerInch)),
                       int(std::ceil(box.height() / dpi_ * kPhotoDotsPerInch)));
    QImage image;
    if (auto opened = OpenKeptPhoto(measured.jpeg);
        auto* file = std::get_if<std::unique_ptr<PhotoFile>>(&opened)) {
        auto decoded = (*file)->decodeToFit(needed);
        if (auto* decodedImage = std::get_if<QImage>(&decoded))
            image = decodedImage->scaled(needed, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_RGB32);
    }
    if (image.isNull()) {
        p_.setPen(QPen(Qt::black, mm(0.2)));
        p_.drawRect(box);
        DrawWrapped(p_, Words::tr("The photo kept with this row could not be read."),
                    TimesFont(9.5), mm(3), top + mm(3), box.width() - mm(6));
        return box.bottom() + mm(4);
    }
    p_.drawImage(box, image);
    // The measurement in screen pixels, as the Photo window draws and prints it.
    const double pixel = dpi_ / kScreenDotsPerInch;
    p_.save();
    p_.translate(box.topLeft());
    p_.scale(pixel, pixel);
    MeasurementShown shown;
    shown.points = measured.points;
    shown.facing = measured.facing;
    shown.plumb = measured.plumb;
    const double toScreen = scale / pixel;
    PaintMeasurement(p_, shown, QTransform::fromScale(toScreen, toScreen),
                     QRectF(0, 0, box.width() / pixel, box.height() / pixel));
    p_.restore();
    p_.setPen(QPen(Qt::black, mm(0.2)));
    p_.setBrush(Qt::NoBrush);
    p_.drawRect(box);
    return box.bottom() + mm(4);
}

double PagePainter::answers(const ChartRow& row, double top, double width) {
    const QFont headingFont = TimesFont(11, true);
    const QFontMetricsF headingMetrics(headingFont, p_.device());
    p_.setPen(Qt::black);
    p_.setFont(headingFont);
    p_.drawText(QPointF(0, top + headingMetrics.ascent()), Words::tr("Answers"));
    double y = top + headingMetrics.lineSpacing() + mm(1);
    if (!row.answers)
        return DrawWrapped(p_,
                           Words::tr("This row was kept by an earlier version of Rula, without its "
                                     "answers: only its scores are known."),
                           TimesFont(9.5, false), 0, y, width);
    for (const QString& line : AnswerLines(*row.answers))
        y = DrawWrapped(p_, line, TimesFont(9.5), 0, y, width) + mm(0.8);
    return y;
}

double PagePainter::scores(const ChartRow& row, double left, double top, double width) {
    const QFont headingFont = TimesFont(11, true);
    const QFontMetricsF headingMetrics(headingFont, p_.device());
    const QFont text = TimesFont(9.5);
    const QFontMetricsF metrics(text, p_.device());
    p_.setPen(Qt::black);
    p_.setFont(headingFont);
    p_.drawText(QPointF(left, top + headingMetrics.ascent()), Words::tr("Scores"));
    double y = top + headingMetrics.lineSpacing() + mm(1);

    // Each segment: its name, its range as cells from best to worst with the cells up to
    // its score filled in the colour of its distance from its best, and the score.
    const double nameWidth = width * 0.34;
    const double valueWidth = mm(14);
    const double barLeft = left + nameWidth;
    const double barWidth = width - nameWidth - valueWidth;
    const double rowHeight = std::max(metrics.lineSpacing(), mm(5)) + mm(1.5);
    const double cellHeight = mm(4);
    p_.setFont(text);
    for (const Segment& segment : kSegments) {
        const QString shown = row.scores[std::size_t(segment.field)];
        const std::optional<int> score = ScoreNumber(shown);
        const double centre = y + rowHeight / 2;
        p_.setPen(Qt::black);
        p_.drawText(QPointF(left, centre - metrics.height() / 2 + metrics.ascent()),
                    Words::tr(segment.name));
        const int cells = segment.worst - segment.best + 1;
        const double cellWidth = barWidth / cells;
        const QColor fill = DistanceColour(
            score ? double(*score - segment.best) / (segment.worst - segment.best) : 0.0);
        for (int cell = 0; cell < cells; ++cell) {
            const QRectF box(barLeft + cell * cellWidth, centre - cellHeight / 2,
                             cellWidth - mm(0.6), cellHeight);
            const bool filled = score && segment.best + cell <= *score;
            p_.fillRect(box, filled ? fill : kTrack);
        }
        //: A segment's score against the worst it can be: "3 of 6"
        const QString value = shown.isEmpty()
                                  ? QStringLiteral("–")
                                  : Words::tr("%1 of %L2").arg(shown).arg(segment.worst);
        p_.drawText(QRectF(barLeft + barWidth, y, valueWidth, rowHeight),
                    Qt::AlignRight | Qt::AlignVCenter, value);
        y += rowHeight;
    }
    y += mm(2);
    for (const Total& total : kTotals) {
        const QString shown = row.scores[std::size_t(total.field)];
        p_.drawText(QPointF(left, y + metrics.ascent()), Words::tr(total.name));
        p_.drawText(QRectF(left, y, width, metrics.lineSpacing()), Qt::AlignRight | Qt::AlignTop,
                    shown.isEmpty() ? QStringLiteral("–") : shown);
        y += metrics.lineSpacing() + mm(0.5);
    }

    // The final score, large, in its action level's colour, and the level in words.
    y += mm(3);
    const QString final = row.scores[kFinalField];
    const ActionLevel level = ActionLevelOf(final);
    const double side = mm(20);
    const QRectF box(left, y, side, side);
    p_.fillRect(box, level.level ? level.colour : kTrack);
    p_.setPen(QPen(Qt::black, mm(0.3)));
    p_.drawRect(box);
    p_.setFont(TimesFont(32, true));
    p_.drawText(box, Qt::AlignCenter, final.isEmpty() ? QStringLiteral("–") : final);
    const double wordsLeft = left + side + mm(3);
    const double wordsWidth = width - side - mm(3);
    const QFont strong = TimesFont(11, true);
    const QFontMetricsF strongMetrics(strong, p_.device());
    p_.setFont(strong);
    p_.drawText(QPointF(wordsLeft, y + strongMetrics.ascent()), Words::tr("Final score"));
    double wordsY = y + strongMetrics.lineSpacing();
    const QString levelWords =
        level.level ? Words::tr("Action level %L1: %2").arg(level.level).arg(level.words)
                    : Words::tr("No final score: an answer is missing.");
    wordsY = DrawWrapped(p_, levelWords, TimesFont(10), wordsLeft, wordsY, wordsWidth);
    return std::max(y + side, wordsY);
}

void PagePainter::notes(const QString& notes, double top) {
    const QFont headingFont = TimesFont(11, true);
    const QFontMetricsF headingMetrics(headingFont, p_.device());
    p_.setPen(Qt::black);
    p_.setFont(headingFont);
    p_.drawText(QPointF(0, top + headingMetrics.ascent()), Words::tr("Notes"));
    const double y = top + headingMetrics.lineSpacing() + mm(1);
    const QString text = notes.trimmed().isEmpty() ? Words::tr("No notes.") : notes;
    // Smaller where long notes need it, never below 7 points; what still does not fit
    // ends in "…" at the foot of the page.
    double points = 9.5;
    while (points > 7 &&
           y + WrappedHeight(p_.device(), text, TimesFont(points), area_.width()) > area_.height())
        points -= 0.5;
    DrawWrapped(p_, text, TimesFont(points), 0, y, area_.width(), area_.height());
}

void PagePainter::page(const Study& study, const QString& details, int number) {
    const ChartRow& row = study.rows.at(number - 1);
    const double top = heading(row, details, number);
    const double gap = mm(6);
    const double leftWidth = area_.width() * 0.56;
    double leftBottom = top;
    if (row.measurement)
        leftBottom = photo(*row.measurement, top, leftWidth, mm(115));
    leftBottom = answers(row, leftBottom, leftWidth);
    const double rightBottom = scores(row, leftWidth + gap, top, area_.width() - leftWidth - gap);
    notes(row.notes, std::max(leftBottom, rightBottom) + mm(6));
}

} // namespace

ActionLevel ActionLevelOf(const QString& finalScore) {
    switch (ScoreNumber(finalScore).value_or(0)) {
    case 1:
    case 2:
        return {1, Words::tr("acceptable if not maintained or repeated for long periods"), kGood};
    case 3:
    case 4:
        return {2, Words::tr("further investigation is needed and changes may be required"), kFair};
    case 5:
    case 6:
        return {3, Words::tr("investigation and changes are required soon"), kPoor};
    case 7:
        return {4, Words::tr("investigation and changes are required immediately"), kBad};
    default:
        return {0, QString(), QColor()};
    }
}

QStringList AnswerLines(const Assessment& a) {
    const QString legs = BoxCaption(&Assessment::legsSupported);
    return {
        Words::tr("Upper arm: %1")
            .arg(PostureWords(a.upperArm,
                              {&Assessment::shoulderRaised, &Assessment::upperArmAbducted,
                               &Assessment::armSupported},
                              a)),
        Words::tr("Lower arm: %1")
            .arg(PostureWords(a.lowerArm, {&Assessment::lowerArmAcrossOrOut}, a)),
        Words::tr("Wrist: %1").arg(PostureWords(a.wrist, {&Assessment::wristBentFromMidline}, a)),
        Words::tr("Wrist twist: %1").arg(OptionWords(a.wristTwist)),
        Words::tr("Neck: %1")
            .arg(PostureWords(a.neck, {&Assessment::neckTwisted, &Assessment::neckSideBent}, a)),
        Words::tr("Trunk: %1")
            .arg(PostureWords(a.trunk,
                              {&Assessment::trunkTwisted, &Assessment::trunkSideBent,
                               &Assessment::trunkSupportedSeated},
                              a)),
        a.legsSupported ? Words::tr("Legs: %1: yes").arg(legs)
                        : Words::tr("Legs: %1: no").arg(legs),
        Words::tr("Muscle use A: %1").arg(OptionWords(a.muscleUseA)),
        Words::tr("Force or load A: %1").arg(OptionWords(a.forceLoadA)),
        Words::tr("Muscle use B: %1").arg(OptionWords(a.muscleUseB)),
        Words::tr("Force or load B: %1").arg(OptionWords(a.forceLoadB)),
    };
}

StudyReport::StudyReport(Study study, QString details)
    : study_(std::move(study))
    , details_(std::move(details)) {}

int StudyReport::count() const {
    return int(study_.rows.size());
}

void StudyReport::draw(QPainter& painter, int index, const QSizeF& area, double dotsPerInch) const {
    PagePainter(painter, area, dotsPerInch).page(study_, details_, index + 1);
}

} // namespace rula

#include "photo/angle_words.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace rula {
namespace {

// The words are the Photo window's, under its context for the translators.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(rula::PhotoWindow)
};

// A segment's words. An angle is "%1: <direction> %2" with the segment's name and the
// value; a band's range is "<range> <direction>", where the range holds the numbers.
// The upper arm and the wrist also have words for a range on both sides of 0°.
struct SegmentWords {
    const char* name;
    const char* screen; // "the %1 screen"
    const char* positive;
    const char* negative;
    const char* positiveRange;
    const char* negativeRange;
    const char* bothRange; // null where a range across 0° names both sides
};

SegmentWords WordsFor(PostureSegment segment) {
    switch (segment) {
    case PostureSegment::Trunk:
        return {QT_TRANSLATE_NOOP("rula::PhotoWindow", "Trunk"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "trunk"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "%1: flexion %2"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "%1: leaning back %2"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "%1 of flexion"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "%1 leaning back"),
                nullptr};
    case PostureSegment::Neck:
        return {QT_TRANSLATE_NOOP("rula::PhotoWindow", "Neck"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "neck"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "%1: flexion %2"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "%1: extension %2"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "%1 of flexion"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "%1 of extension"),
                nullptr};
    case PostureSegment::UpperArm:
        return {QT_TRANSLATE_NOOP("rula::PhotoWindow", "Upper arm"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "upper arm"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "%1: raised forward %2"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "%1: raised behind the trunk %2"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "%1 raised forward"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "%1 raised behind the trunk"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "%1 forward or behind the trunk")};
    case PostureSegment::LowerArm:
        return {QT_TRANSLATE_NOOP("rula::PhotoWindow", "Lower arm"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "lower arm"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "%1: flexion %2"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "%1: flexion %2"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "%1 of flexion"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "%1 of flexion"),
                nullptr};
    case PostureSegment::Wrist:
        // A side view cannot tell the palm from the back of the hand: the wrist's bands hold
        // both directions alike, and its words name both.
        return {QT_TRANSLATE_NOOP("rula::PhotoWindow", "Wrist"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "wrist"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "%1: flexion or extension %2"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "%1: flexion or extension %2"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "%1 of flexion or extension"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "%1 of flexion or extension"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "%1 of flexion or extension")};
    }
    return {"", "", "", "", "", "", nullptr};
}

// An angle as the user reads it: whole degrees, or tenths where the tenths lie within the
// near-edge distance of a band's edge (so that noise far below a tenth never decides).
// Rounded onto an edge that the other band holds (19.96° to "20.0°", which the edge rule
// puts in the band above), it is shown a tenth further on its own side, so that the number
// read always lies in the band that the angle chooses.
struct Reading {
    double value; // rounded; never -0
    int decimals;
};

Reading Read(PostureSegment segment, double degrees) {
    double tenths = std::round(degrees * 10) / 10;
    if (!NearBandEdge(segment, tenths)) {
        const double whole = std::round(degrees);
        return {whole == 0 ? 0 : whole, 0};
    }
    if (BandHolding(segment, tenths) != BandHolding(segment, degrees))
        tenths = (std::round(degrees * 10) + (degrees > tenths ? 1 : -1)) / 10;
    return {tenths == 0 ? 0 : tenths, 1};
}

QString Degrees(double magnitude, int decimals = 0) {
    return Words::tr("%1°").arg(QLocale().toString(magnitude, 'f', decimals));
}

// Without its sign, which the words give.
QString Magnitude(Reading reading) {
    return Degrees(std::abs(reading.value), reading.decimals);
}

// A band edge far out means the band is open on that side.
bool Open(double edge) {
    return std::abs(edge) >= 180;
}

// One side of 0°, from `low` to `high` degrees away from it (`high` open where the band
// goes on to the end), each end held or not by the edge rule.
QString OneSide(double low, bool holdsLow, std::optional<double> high, bool holdsHigh) {
    if (!high)
        return (holdsLow ? Words::tr("%1 or more") : Words::tr("more than %1")).arg(Degrees(low));
    if (low <= 0)
        return (holdsHigh ? Words::tr("%1 or less") : Words::tr("under %1")).arg(Degrees(*high));
    if (holdsLow)
        return (holdsHigh ? Words::tr("%1 to %2") : Words::tr("%1 to under %2"))
            .arg(Degrees(low), Degrees(*high));
    return (holdsHigh ? Words::tr("more than %1 to %2") : Words::tr("more than %1 and under %2"))
        .arg(Degrees(low), Degrees(*high));
}

QString RangeWords(PostureSegment segment, const PostureBand& band) {
    const SegmentWords words = WordsFor(segment);
    const bool holdsFrom = !Open(band.from) && HoldsItsEdge(segment, band, band.from);
    const bool holdsTo = !Open(band.to) && HoldsItsEdge(segment, band, band.to);
    const auto upTo = [](double edge) { return Open(edge) ? std::nullopt : std::optional(edge); };
    if (band.from >= 0 || (Open(band.from) && band.to > 0))
        return Words::tr(words.positiveRange)
            .arg(OneSide(Open(band.from) ? 0 : band.from, holdsFrom, upTo(band.to), holdsTo));
    if (band.to <= 0)
        return Words::tr(words.negativeRange)
            .arg(OneSide(-band.to, holdsTo, upTo(-band.from), holdsFrom));
    // Across 0°: as far as the edge on each side, held or not.
    const auto end = [](double edge, bool holds) {
        return holds ? Degrees(std::abs(edge)) : Words::tr("under %1").arg(Degrees(std::abs(edge)));
    };
    if (words.bothRange && -band.from == band.to && holdsFrom == holdsTo)
        return Words::tr(words.bothRange).arg(end(band.to, holdsTo));
    return Words::tr("%1 to %2")
        .arg(Words::tr(words.negativeRange).arg(end(band.from, holdsFrom)),
             Words::tr(words.positiveRange).arg(end(band.to, holdsTo)));
}

QString ScreenName(PostureSegment segment) {
    return Words::tr(WordsFor(segment).screen);
}

} // namespace

std::array<AngleLine, 5> ListedAngles(const BodyAngles& angles) {
    return {{{PostureSegment::Trunk, angles.trunk},
             {PostureSegment::Neck, angles.neck},
             {PostureSegment::UpperArm, angles.upperArm},
             {PostureSegment::LowerArm, angles.lowerArm},
             {PostureSegment::Wrist, angles.wrist}}};
}

QString ArcValue(PostureSegment segment, double degrees) {
    return Magnitude(Read(segment, degrees));
}

QString AngleWords(PostureSegment segment, std::optional<double> degrees) {
    const SegmentWords words = WordsFor(segment);
    if (!degrees)
        return Words::tr("%1: not measured yet").arg(Words::tr(words.name));
    const Reading reading = Read(segment, *degrees);
    if (reading.value == 0)
        return Words::tr("%1: %2").arg(Words::tr(words.name), Magnitude(reading));
    return Words::tr(reading.value > 0 ? words.positive : words.negative)
        .arg(Words::tr(words.name), Magnitude(reading));
}

QString BandWords(PostureSegment segment, double degrees) {
    const PostureBand* band = BandHolding(segment, degrees);
    QString words =
        band ? Words::tr("band %1, base score %2").arg(RangeWords(segment, *band)).arg(band->base())
             : Words::tr("no option of the %1 screen fits; choose it by eye")
                   .arg(ScreenName(segment));
    // Each mark follows what is said before it.
    if (OnBandEdge(segment, degrees))
        words =
            Words::tr("%1; on an edge, which counts in the band with the higher score").arg(words);
    else if (NearBandEdge(segment, degrees))
        words = Words::tr("%1; near the edge of a band").arg(words);
    if (LeftToTheEye(segment, degrees))
        words = Words::tr("%1; check by eye: rounded shoulders can read as extension").arg(words);
    return words;
}

QString ListedLine(const AngleLine& line) {
    QString text = AngleWords(line.segment, line.degrees);
    if (line.degrees)
        text = Words::tr("%1 (%2)").arg(text, BandWords(line.segment, *line.degrees));
    return text;
}

QStringList UsedLines(const std::vector<MeasuredChoice>& choices) {
    using Outcome = MeasuredChoice::Outcome;
    QStringList lines;
    bool chosen = false;
    for (const MeasuredChoice& c : choices) {
        const QString angle = AngleWords(c.segment, c.degrees);
        const QString screen = ScreenName(c.segment);
        switch (c.outcome) {
        case Outcome::NotMeasured:
            lines << Words::tr("%1: not measured; the %2 screen is left as it was")
                         .arg(Words::tr(WordsFor(c.segment).name), screen);
            break;
        case Outcome::Chosen:
            lines << Words::tr("%1: chosen on the %2 screen").arg(angle, screen);
            chosen = true;
            break;
        case Outcome::NoOption:
            lines << Words::tr("%1: no option of the %2 screen fits; choose it by eye")
                         .arg(angle, screen);
            break;
        case Outcome::CheckByEye:
            lines << Words::tr(
                         "%1: not chosen; check by eye: rounded shoulders can read as extension")
                         .arg(angle);
            break;
        }
    }
    if (chosen)
        lines << Words::tr("A click on a screen changes the choice there.");
    return lines;
}

QString TiltWords(double degrees) {
    const double magnitude = std::abs(degrees);
    return Words::tr("Plumb line: camera tilted %1: corrected")
        .arg(Degrees(magnitude, magnitude < 0.95 ? 1 : 0));
}

} // namespace rula

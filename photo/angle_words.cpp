#include "photo/angle_words.h"

#include <QCoreApplication>

#include <cmath>

namespace rula {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("rula::PhotoWindow", text);
}

struct SegmentWords {
    const char* name;
    const char* positive;
    const char* negative;
};

SegmentWords WordsFor(PostureSegment segment) {
    switch (segment) {
    case PostureSegment::Trunk:
        return {QT_TRANSLATE_NOOP("rula::PhotoWindow", "Trunk"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "forward"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "backward")};
    case PostureSegment::Neck:
        return {QT_TRANSLATE_NOOP("rula::PhotoWindow", "Neck"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "flexion"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "extension")};
    case PostureSegment::UpperArm:
        return {QT_TRANSLATE_NOOP("rula::PhotoWindow", "Upper arm"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "forward"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "extension")};
    case PostureSegment::LowerArm:
        return {QT_TRANSLATE_NOOP("rula::PhotoWindow", "Lower arm"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "flexion"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "flexion")};
    case PostureSegment::Wrist:
        return {QT_TRANSLATE_NOOP("rula::PhotoWindow", "Wrist"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "up"),
                QT_TRANSLATE_NOOP("rula::PhotoWindow", "down")};
    }
    return {"", "", ""};
}

// An angle as the user reads it: whole degrees, or tenths where the tenths lie within the
// near-edge distance of a band's edge (so that noise far below a tenth never decides).
// Rounded onto the other band's side of an edge (20.04° to "20.0°", which the edge rule
// puts in the band below), it is shown a tenth further on its own side, so that the number
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

// Without its sign, which the words give.
QString Magnitude(Reading reading) {
    return QString::number(std::abs(reading.value), 'f', reading.decimals);
}

// A band edge far out (or infinite) means the band is open on that side.
bool Open(double edge) {
    return !std::isfinite(edge) || std::abs(edge) >= 180;
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
    return QStringLiteral("%1°").arg(Magnitude(Read(segment, degrees)));
}

QString AngleWords(PostureSegment segment, std::optional<double> degrees) {
    const SegmentWords words = WordsFor(segment);
    if (!degrees)
        return tr("%1: not measured yet").arg(tr(words.name));
    const Reading reading = Read(segment, *degrees);
    if (reading.value == 0)
        return QStringLiteral("%1: 0°").arg(tr(words.name));
    return QStringLiteral("%1: %2° %3")
        .arg(tr(words.name), Magnitude(reading),
             tr(reading.value > 0 ? words.positive : words.negative));
}

QString BandWords(PostureSegment segment, double degrees) {
    const PostureBand* band = BandHolding(segment, degrees);
    QString words;
    if (!band) {
        words = tr("no option of its screen holds it");
    } else {
        QString range;
        if (Open(band->from) && Open(band->to))
            range = tr("any angle");
        else if (Open(band->from))
            range = tr("up to %1°").arg(band->to);
        else if (Open(band->to))
            range = tr("over %1°").arg(band->from);
        else
            range = tr("%1° to %2°").arg(band->from).arg(band->to);
        words = tr("band %1, base score %2").arg(range).arg(band->base);
    }
    if (NearBandEdge(segment, degrees))
        words += tr("; near the edge of a band");
    return words;
}

QString ListedLine(const AngleLine& line) {
    QString text = AngleWords(line.segment, line.degrees);
    if (line.degrees)
        text += QStringLiteral(" (%1)").arg(BandWords(line.segment, *line.degrees));
    return text;
}

} // namespace rula

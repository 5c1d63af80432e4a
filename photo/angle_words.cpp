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

// Whole degrees, as the user reads them; -0 is 0.
long Whole(double degrees) {
    const long whole = std::lround(degrees);
    return whole == 0 ? 0 : whole;
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

QString ArcValue(double degrees) {
    return QStringLiteral("%1°").arg(std::labs(Whole(degrees)));
}

QString AngleWords(PostureSegment segment, std::optional<double> degrees) {
    const SegmentWords words = WordsFor(segment);
    if (!degrees)
        return tr("%1: not measured yet").arg(tr(words.name));
    const long whole = Whole(*degrees);
    if (whole == 0)
        return QStringLiteral("%1: 0°").arg(tr(words.name));
    return QStringLiteral("%1: %2° %3")
        .arg(tr(words.name))
        .arg(std::labs(whole))
        .arg(tr(whole > 0 ? words.positive : words.negative));
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

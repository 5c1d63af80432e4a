// Joint angles measured on drawn stick figures, facing either way and on tilted photos;
// the band each angle lands in, at and beside every edge; the measurement record's order
// of steps and its undo.
#include "angles/body_angles.h"
#include "angles/photo_measurement.h"
#include "assessment/posture_bands.h"
#include "stick_figure.h"

#include <QTest>

using namespace rula;
using namespace rula::testing;

Q_DECLARE_METATYPE(rula::testing::FigureAngles)

namespace {

constexpr double kTolerance = 0.5;
constexpr PostureSegment kSegments[] = {PostureSegment::UpperArm, PostureSegment::LowerArm,
                                        PostureSegment::Wrist, PostureSegment::Neck,
                                        PostureSegment::Trunk};

// The number of the screen's option for the posture whose band holds the angle, or
// "none". The wrist screen names its third option Option5.
QString OptionHolding(PostureSegment segment, double degrees) {
    const PostureBand* band = BandHolding(segment, degrees);
    if (!band)
        return QStringLiteral("none");
    const bool wristBeyond15 = segment == PostureSegment::Wrist &&
                               band->posture == static_cast<int>(WristPosture::Beyond15);
    return QString::number(wristBeyond15 ? 5 : band->posture);
}

} // namespace

class AnglesTest : public QObject {
    Q_OBJECT
private slots:
    void drawnFigures_data();
    void drawnFigures();
    void bandEdges();
    void placedFigures_data();
    void placedFigures();
    void missingAndDegeneratePoints();
    void measurementStepsAndUndo();
};

void AnglesTest::drawnFigures_data() {
    // The figure as drawn (trunk, neck, upper arm, lower arm, wrist), which way it faces,
    // the camera's tilt, whether a plumb line is given, and the option numbers the angles
    // choose in the order upper arm, lower arm, wrist, neck, trunk.
    QTest::addColumn<FigureAngles>("drawn");
    QTest::addColumn<bool>("facingLeft");
    QTest::addColumn<double>("tilt");
    QTest::addColumn<bool>("plumb");
    QTest::addColumn<QString>("options");
    const auto row = [](const char* name, FigureAngles drawn, bool left, double tilt, bool plumb,
                        const char* options) {
        QTest::newRow(name) << drawn << left << tilt << plumb << QString(options);
    };
    row("standing straight", {0, 0, 0, 0, 0}, false, 0, false, "1 2 1 1 1");
    // Each segment 1° either side of one of its edges.
    row("edges 1, below", {4, 9, 19, 59, 4}, false, 0, false, "1 2 1 1 1");
    row("edges 1, above", {6, 11, 21, 61, 6}, true, 0, false, "3 1 2 2 2");
    row("edges 2, below", {19, 19, 44, 99, 14}, true, 7, true, "3 1 2 2 2");
    row("edges 2, above", {21, 21, 46, 101, 16}, false, -12, true, "4 2 5 3 3");
    row("edges 3, below", {59, -4, 89, 61, -4}, false, 15, true, "4 1 1 1 3");
    row("edges 3, above", {61, -6, 91, 99, -6}, true, -9, true, "5 1 2 4 4");
    row("edges 4, below", {-4, 0, -19, 120, -14}, true, 3, true, "1 2 2 1 1");
    row("edges 4, above", {-6, 30, -21, 150, -16}, false, 0, false, "2 2 5 3 none");
    row("reaching high", {80, 35, 150, 30, 40}, true, 20, true, "5 2 5 3 4");
    // Without a plumb line the trunk is against the tilted photo's edge; the rest are
    // relative angles and stay as drawn. Facing right, a clockwise tilt leans it forward.
    row("tilted, no plumb line, facing right", {10, 15, 30, 80, 10}, false, 8, false, "3 1 2 2 2");
    row("tilted, no plumb line, facing left", {10, 15, 30, 80, 10}, true, 8, false, "3 1 2 2 1");
}

void AnglesTest::drawnFigures() {
    QFETCH(FigureAngles, drawn);
    QFETCH(bool, facingLeft);
    QFETCH(double, tilt);
    QFETCH(bool, plumb);
    QFETCH(QString, options);
    const Facing facing = facingLeft ? Facing::Left : Facing::Right;
    const StickFigure figure = DrawStickFigure(drawn, facing, tilt);
    const BodyAngles measured = MeasureBodyAngles(
        figure.points, facing, plumb ? std::optional(figure.plumb) : std::nullopt);

    const double trunk = plumb ? drawn.trunk : drawn.trunk + (facingLeft ? -tilt : tilt);
    const std::optional<double> got[] = {measured.upperArm, measured.lowerArm, measured.wrist,
                                         measured.neck, measured.trunk};
    const double want[] = {drawn.upperArm, drawn.lowerArm, drawn.wrist, drawn.neck, trunk};
    const QStringList wantOptions = options.split(' ');
    for (std::size_t i = 0; i < std::size(got); ++i) {
        QVERIFY2(got[i].has_value(), qPrintable(QString::number(i)));
        QVERIFY2(
            std::abs(*got[i] - want[i]) <= kTolerance,
            qPrintable(QStringLiteral("segment %1: %2 for %3").arg(i).arg(*got[i]).arg(want[i])));
        QCOMPARE(OptionHolding(kSegments[i], *got[i]), wantOptions[int(i)]);
    }
}

void AnglesTest::bandEdges() {
    using enum PostureSegment;
    // Each edge, and the options a tenth below it, on it and a tenth above it: on an edge,
    // shared or the start of a top band, the band with the higher base score holds it. A
    // neck bent back less than 5° is upright, from 5° on in extension; a trunk leaning back
    // beyond 5° is in no band.
    const struct {
        PostureSegment segment;
        double edge;
        const char* options; // below, on, above
    } edges[] = {
        {UpperArm, -90, "5 5 2"}, {UpperArm, -20, "2 2 1"}, {UpperArm, 20, "1 3 3"},
        {UpperArm, 45, "3 4 4"},  {UpperArm, 90, "4 5 5"},  {LowerArm, 60, "2 2 1"},
        {LowerArm, 100, "1 2 2"}, {Wrist, -15, "5 5 2"},    {Wrist, -5, "2 2 1"},
        {Wrist, 5, "1 2 2"},      {Wrist, 15, "2 5 5"},     {Neck, -5, "4 4 1"},
        {Neck, 10, "1 2 2"},      {Neck, 20, "2 3 3"},      {Trunk, -5, "none 1 1"},
        {Trunk, 5, "1 2 2"},      {Trunk, 20, "2 3 3"},     {Trunk, 60, "3 4 4"},
    };
    for (const auto& e : edges) {
        const QStringList want = QString(e.options).split(' ');
        const double at[] = {e.edge - 0.1, e.edge, e.edge + 0.1};
        for (int i = 0; i < 3; ++i) {
            const QString got = OptionHolding(e.segment, at[i]);
            QVERIFY2(got == want[i] && NearBandEdge(e.segment, at[i]) &&
                         OnBandEdge(e.segment, at[i]) == (i == 1),
                     qPrintable(QStringLiteral("segment %1 at %2°: option %3")
                                    .arg(int(e.segment))
                                    .arg(at[i])
                                    .arg(got)));
        }
        // As arithmetic may give an edge: a hair below or above it is on it.
        QCOMPARE(OptionHolding(e.segment, e.edge - 1e-12), want[1]);
        QCOMPARE(OptionHolding(e.segment, e.edge + 1e-12), want[1]);
    }
    // Away from every edge.
    const struct {
        PostureSegment segment;
        double degrees;
        const char* option;
    } far[] = {
        {UpperArm, 0, "1"}, {UpperArm, 30, "3"}, {UpperArm, 180, "5"}, {UpperArm, -120, "5"},
        {LowerArm, 0, "2"}, {LowerArm, 80, "1"}, {LowerArm, 140, "2"}, {Wrist, 0, "1"},
        {Wrist, -40, "5"},  {Neck, -30, "4"},    {Neck, 45, "3"},      {Trunk, -30, "none"},
        {Trunk, 40, "3"},   {Trunk, 90, "4"},
    };
    for (const auto& r : far)
        QVERIFY2(
            OptionHolding(r.segment, r.degrees) == r.option && !NearBandEdge(r.segment, r.degrees),
            qPrintable(QStringLiteral("segment %1 at %2°").arg(int(r.segment)).arg(r.degrees)));
}

void AnglesTest::placedFigures_data() {
    // Points clicked on a photo (hip, shoulder, ear, elbow, wrist, knuckle; pixels, y down,
    // facing right); the angles they read in the order upper arm, lower arm, wrist, neck,
    // trunk, to a tenth; and the options whose bands hold them.
    QTest::addColumn<QList<double>>("points");
    QTest::addColumn<QList<double>>("angles");
    QTest::addColumn<QString>("options");
    // A horizontal arm on a plumb trunk, easy to click to the pixel: exactly 90°.
    QTest::newRow("arm level, trunk plumb")
        << QList<double>{500, 500, 500, 300, 500, 220, 600, 300, 600, 200, 600, 170}
        << QList<double>{90, 90, 0, 0, 0} << "5 1 1 1 1";
    // The arm hanging plumb beside a trunk bent 40° is 40° off the trunk line.
    QTest::newRow("trunk bent 40°, arm plumb")
        << QList<double>{500,   700,   757.1, 393.6, 808.52, 332.32,
                         757.1, 633.6, 857.1, 633.6, 897.1,  633.6}
        << QList<double>{40, 90, 0, 0, 40} << "3 1 1 1 3";
    // Rounded shoulders: the shoulder 3 cm (24 px) forward of the ear's plumb line, the head
    // upright over the hip. The neck reads as extension, which the window leaves to the
    // eye rather than choosing.
    QTest::newRow("rounded shoulders, head upright")
        << QList<double>{500, 700, 524, 300, 500, 172, 524, 540, 700, 540, 760, 540}
        << QList<double>{3.4, 90, 0, -14.1, 3.4} << "1 1 1 4 1";
    // The head bent forward 25° at the neck's base, on an upright trunk.
    QTest::newRow("neck bent 25° forward")
        << QList<double>{500, 700, 500, 300, 554.0951, 183.9926, 500, 540, 676, 540, 736, 540}
        << QList<double>{0, 90, 0, 25, 0} << "1 1 1 3 1";
}

void AnglesTest::placedFigures() {
    QFETCH(QList<double>, points);
    QFETCH(QList<double>, angles);
    QFETCH(QString, options);
    Landmarks placed;
    for (std::size_t i = 0; i < kLandmarkCount; ++i)
        placed[i] = PhotoPoint{points[int(2 * i)], points[int(2 * i + 1)]};
    const BodyAngles measured = MeasureBodyAngles(placed, Facing::Right);
    const std::optional<double> got[] = {measured.upperArm, measured.lowerArm, measured.wrist,
                                         measured.neck, measured.trunk};
    const QStringList wantOptions = options.split(' ');
    for (std::size_t i = 0; i < std::size(got); ++i) {
        QVERIFY(got[i].has_value());
        QVERIFY2(std::abs(*got[i] - angles[int(i)]) <= 0.05,
                 qPrintable(QStringLiteral("segment %1: %2").arg(i).arg(*got[i], 0, 'f', 3)));
        QCOMPARE(OptionHolding(kSegments[i], *got[i]), wantOptions[int(i)]);
    }
}

void AnglesTest::missingAndDegeneratePoints() {
    StickFigure figure = DrawStickFigure({30, 10, 50, 90, -20}, Facing::Right, 10);
    const PlumbLine upsideDown{figure.plumb.bottom, figure.plumb.top};
    QCOMPARE(MeasureBodyAngles(figure.points, Facing::Right, upsideDown).trunk,
             MeasureBodyAngles(figure.points, Facing::Right, figure.plumb).trunk);
    QVERIFY(!MeasureBodyAngles(figure.points, Facing::Right,
                               PlumbLine{figure.plumb.top, figure.plumb.top})
                 .trunk);

    // The ear on the shoulder, the wrist not placed.
    figure.points[std::size_t(Landmark::Ear)] = figure.points[std::size_t(Landmark::Shoulder)];
    figure.points[std::size_t(Landmark::Wrist)].reset();
    const BodyAngles a = MeasureBodyAngles(figure.points, Facing::Right);
    QVERIFY(a.trunk && a.upperArm);
    QVERIFY(!a.neck && !a.lowerArm && !a.wrist);
}

void AnglesTest::measurementStepsAndUndo() {
    const StickFigure figure = DrawStickFigure({30, 10, 50, 90, -20}, Facing::Left, 10);
    PhotoMeasurement m;
    QCOMPARE(m.step(), PhotoMeasurement::Step::Facing);
    m.placeNext({1, 1});
    QVERIFY(!m.wantedPoint());
    QVERIFY(!m.canUndo());

    m.setFacing(Facing::Left);
    m.setFacing(Facing::Left);
    QCOMPARE(m.step(), PhotoMeasurement::Step::Point);
    for (std::size_t i = 0; i < kLandmarkCount; ++i) {
        QCOMPARE(m.wantedPoint(), std::optional(static_cast<Landmark>(i)));
        m.placeNext(*figure.points[i]);
    }
    QCOMPARE(m.step(), PhotoMeasurement::Step::Done);
    QVERIFY(!m.wantedPoint());
    QVERIFY(std::abs(*m.angles().trunk - 20) <= kTolerance); // tilted, no plumb line yet
    m.setPlumb(figure.plumb);
    m.setPlumb(figure.plumb);
    QVERIFY(std::abs(*m.angles().trunk - 30) <= kTolerance);
    QVERIFY(std::abs(*m.angles().wrist + 20) <= kTolerance);

    // A drag is one change; a separate move is another.
    const PhotoPoint elbow = *figure.points[std::size_t(Landmark::Elbow)];
    m.move(Landmark::Elbow, {elbow.x + 5, elbow.y});
    m.move(Landmark::Elbow, {elbow.x + 10, elbow.y}, true);
    m.move(Landmark::Elbow, {elbow.x + 20, elbow.y + 4}, true);
    m.move(Landmark::Wrist, {0, 0}, true);
    QVERIFY(m.undo());
    QCOMPARE(m.points()[std::size_t(Landmark::Elbow)],
             std::optional(PhotoPoint{elbow.x + 20, elbow.y + 4}));
    QVERIFY(m.undo());
    QCOMPARE(m.points()[std::size_t(Landmark::Elbow)], std::optional(elbow));
    QVERIFY(std::abs(*m.angles().upperArm - 50) <= kTolerance);

    m.setFacing(Facing::Right);
    QVERIFY(m.undo());
    QCOMPARE(m.facing(), std::optional(Facing::Left));
    QVERIFY(m.undo());
    QVERIFY(!m.plumb());
    // Each further Undo takes back a point, the last placed first.
    for (std::size_t i = kLandmarkCount; i-- > 0;) {
        QVERIFY(m.undo());
        QCOMPARE(m.wantedPoint(), std::optional(static_cast<Landmark>(i)));
    }
    m.move(Landmark::Hip, {3, 3});
    QVERIFY(!m.points()[0]);
    QVERIFY(m.undo());
    QCOMPARE(m.step(), PhotoMeasurement::Step::Facing);
    QVERIFY(!m.undo());

    m.setFacing(Facing::Right);
    m.placeNext({4, 4});
    m.reset();
    QCOMPARE(m.step(), PhotoMeasurement::Step::Facing);
    QVERIFY(!m.points()[0]);
    QVERIFY(!m.canUndo());
}

QTEST_APPLESS_MAIN(AnglesTest)
#include "test_angles.moc"

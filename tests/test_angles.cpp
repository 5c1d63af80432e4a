// Joint angles measured on drawn stick figures, facing either way and on tilted photos;
// the band each angle lands in, at and beside every edge; the measurement record's order
// of steps and its undo.
#include "angles/body_angles.h"
#include "angles/photo_measurement.h"
#include "scoring/posture_bands.h"
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

// The number of the option whose band holds the angle, or "none".
QString OptionHolding(PostureSegment segment, double degrees) {
    const PostureBand* band = BandHolding(segment, degrees);
    return band ? QString::fromLatin1(band->option).remove("Option") : QStringLiteral("none");
}

} // namespace

class AnglesTest : public QObject {
    Q_OBJECT
private slots:
    void drawnFigures_data();
    void drawnFigures();
    void bandEdges();
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
    // An angle on an edge belongs to the band with the lower base score. A neck bent back
    // within 5° is upright, beyond that in extension; a trunk leaning back beyond 5° is in
    // no band.
    const struct {
        PostureSegment segment;
        double degrees;
        const char* option;
        bool near;
    } rows[] = {
        {UpperArm, -20, "1", true},  {UpperArm, 20, "1", true},   {UpperArm, 45, "3", true},
        {UpperArm, 90, "4", true},   {UpperArm, 15.5, "1", true}, {UpperArm, 25, "3", false},
        {UpperArm, 180, "5", false}, {UpperArm, -90, "2", true},  {UpperArm, -120, "5", false},
        {LowerArm, 60, "1", true},   {LowerArm, 100, "1", true},  {LowerArm, 0, "2", false},
        {LowerArm, 80, "1", false},  {LowerArm, 140, "2", false}, {Wrist, 5, "1", true},
        {Wrist, -5, "1", true},      {Wrist, 15, "2", true},      {Wrist, -15, "2", true},
        {Wrist, 0, "1", false},      {Wrist, -40, "5", false},    {Neck, -5, "1", true},
        {Neck, -5.5, "4", true},     {Neck, -30, "4", false},     {Neck, 10, "1", true},
        {Neck, 20, "2", true},       {Neck, 45, "3", false},      {Trunk, -5, "1", true},
        {Trunk, -5.5, "none", true}, {Trunk, -30, "none", false}, {Trunk, 5, "1", true},
        {Trunk, 20, "2", true},      {Trunk, 60, "3", true},      {Trunk, 40, "3", false},
        {Trunk, 90, "4", false},
    };
    for (const auto& r : rows) {
        const QString got = OptionHolding(r.segment, r.degrees);
        const bool near = NearBandEdge(r.segment, r.degrees);
        QVERIFY2(got == r.option && near == r.near,
                 qPrintable(QStringLiteral("segment %1 at %2°: option %3, near %4")
                                .arg(int(r.segment))
                                .arg(r.degrees)
                                .arg(got)
                                .arg(near)));
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

// The Photo window driven in-process: a drawn stick figure opened as a photo, the
// facing and the six points clicked on the view, the angles listed, and Use These
// Angles choosing the options on the five posture screens; the same with the keyboard's
// cross alone, zoomed; moving points with the arrow keys and the mouse, undo, the numbers
// near a band's edge, bad files, printing, opening from the screens; the photo decoding on a
// worker thread while the window stays responsive, and results no longer wanted dropped.
#include "photo/angle_words.h"
#include "photo/measurement_drawing.h"
#include "photo/photo_view.h"
#include "photo/photo_window.h"
#include "screen_driver.h"
#include "screens/live_assessment.h"
#include "stick_figure.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTimer>

using namespace rula;
using namespace rula::testing;

Q_DECLARE_METATYPE(rula::testing::FigureAngles)
Q_DECLARE_METATYPE(rula::PostureSegment)

namespace {

// Upright, taller than wide, so that a photo shown turned would not fit the same way.
constexpr QSize kFigurePhoto{1000, 1200};
constexpr PhotoPoint kHip{500, 600};

// The figure as a photo: its segments drawn dark on white, and the plumb line. `stored`
// is how a camera may have saved it: "png"; "jpeg6" and "jpeg8", the pixels turned a
// quarter and the EXIF orientation saying how to turn them back; "heic". Empty when the
// tool that writes it is missing.
QString SaveFigure(const QTemporaryDir& dir, const StickFigure& figure, const char* name,
                   const QString& stored = QStringLiteral("png")) {
    QImage image(kFigurePhoto, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 5));
    const auto at = [&](int which) {
        const PhotoPoint p = *figure.points[std::size_t(which)];
        return QPointF(p.x, p.y);
    };
    // Hip to shoulder, shoulder to ear and elbow, elbow to wrist, wrist to knuckle.
    for (auto [from, to] : {std::pair{0, 1}, {1, 2}, {1, 3}, {3, 4}, {4, 5}})
        painter.drawLine(at(from), at(to));
    painter.drawLine(QPointF(figure.plumb.top.x, figure.plumb.top.y),
                     QPointF(figure.plumb.bottom.x, figure.plumb.bottom.y));
    painter.end();
    const QString path = dir.filePath(QLatin1String(name));
    if (stored == QLatin1String("png")) {
        image.save(path, "PNG");
    } else if (stored.startsWith(QLatin1String("jpeg"))) {
        const bool six = stored == QLatin1String("jpeg6");
        image.transformed(QTransform().rotate(six ? -90 : 90)).save(path, "JPEG", 95);
        const QString orientation = QStringLiteral("-Orientation=%1").arg(six ? 6 : 8);
        if (QProcess::execute("exiftool", {"-q", "-overwrite_original", "-n", orientation, path}) !=
            0)
            return {};
    } else {
        image.save(path + ".png", "PNG");
        if (QProcess::execute("heif-enc", {"-q", "90", "-o", path, path + ".png"}) != 0)
            return {};
    }
    return path;
}

// A left click at a point between pixels, as a precise pointer gives it.
void ClickAt(QWidget* widget, QPointF at) {
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(widget, &release);
}

QPointF OnView(const PhotoView& view, PhotoPoint p) {
    return view.photoToView().map(QPointF(p.x, p.y));
}

// The view's cross moved onto the point with the arrow keys alone, Shift's larger steps
// first, and Enter pressed; false when no cross is shown.
bool KeyTo(PhotoView& view, PhotoPoint target) {
    for (int axis = 0; axis < 2; ++axis) {
        const auto left = [&] {
            const PhotoPoint at = view.shown().cross->at;
            return axis == 0 ? target.x - at.x : target.y - at.y;
        };
        if (!view.shown().cross)
            return false;
        const double perPress = 1 / view.photoToView().m11();
        const Qt::Key key = axis == 0 ? (left() > 0 ? Qt::Key_Right : Qt::Key_Left)
                                      : (left() > 0 ? Qt::Key_Down : Qt::Key_Up);
        for (int n = int(std::abs(left()) / (10 * perPress)); n > 0; --n)
            QTest::keyClick(&view, key, Qt::ShiftModifier);
        for (long n = std::lround(std::abs(left()) / perPress); n > 0; --n)
            QTest::keyClick(&view, key);
    }
    QTest::keyClick(&view, Qt::Key_Return);
    return true;
}

QPushButton* Button(PhotoWindow& window, const char* name) {
    auto* button = window.findChild<QPushButton*>(QLatin1String(name));
    if (!button)
        qFatal("The Photo window has no %s", name);
    return button;
}

QString Shown(PhotoWindow& window, const char* name) {
    return window.findChild<QLabel*>(QLatin1String(name))->text();
}

// Waits while the photo being opened decodes on its worker thread; whether a photo is on
// view then.
bool DecodedAndShown(PhotoWindow& window) {
    return QTest::qWaitFor([&] { return !window.opening(); }, 30000) && window.view()->hasPhoto();
}

} // namespace

class PhotoWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void figures_data();
    void figures();
    void arrowKeysDragAndUndo();
    void nearEdgeReadings_data();
    void nearEdgeReadings();
    void bandWords_data();
    void bandWords();
    void labelsKeepClearOfNames_data();
    void labelsKeepClearOfNames();
    void useTheseAnglesSaysWhatItChose_data();
    void useTheseAnglesSaysWhatItChose();
    void badFilesKeepThePhotoItPrintsAndADropOpens();
    void decodesOffTheUserInterfaceThread_data();
    void decodesOffTheUserInterfaceThread();
    void opensFromTheScreensAndClosesWithThem();
    void theAssessmentKeepsItsPhotoAndSide();
    void standsBesideTheScreenOnView_data();
    void standsBesideTheScreenOnView();

private:
    PhotoWindow& openFigure(const StickFigure& figure, Facing facing, const QString& path = {});
    void placeAll(const StickFigure& figure);

    std::unique_ptr<Program> program_;
    std::unique_ptr<PhotoWindowOnDemand> photo_;
    QTemporaryDir dir_;
};

void PhotoWindowTest::init() {
    program_ = std::make_unique<Program>();
    photo_ = std::make_unique<PhotoWindowOnDemand>(program_->screens);
}

void PhotoWindowTest::cleanup() {
    photo_.reset();
    program_.reset();
}

PhotoWindow& PhotoWindowTest::openFigure(const StickFigure& figure, Facing facing,
                                         const QString& path) {
    PhotoWindow& window = photo_->window();
    window.showBeside();
    [&] {
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.openFile(path.isEmpty() ? SaveFigure(dir_, figure, "figure.png") : path));
        QVERIFY(DecodedAndShown(window));
    }();
    Click(Button(window, facing == Facing::Left ? "FacingLeft" : "FacingRight"));
    return window;
}

void PhotoWindowTest::placeAll(const StickFigure& figure) {
    PhotoView& view = *photo_->window().view();
    for (const auto& point : figure.points)
        ClickAt(&view, OnView(view, *point));
}

void PhotoWindowTest::figures_data() {
    // The figure as drawn (trunk, neck, upper arm, lower arm, wrist), the camera's tilt;
    // how the photo is stored, which way the figure faces, whether the plumb line is drawn
    // and whether the points are placed with the keyboard's cross instead of clicks; the
    // first two lines of the list, and the options chosen on Form2, 3, 4, 6 and 7 ("-" for
    // none: a neck read as extension is left to the eye).
    QTest::addColumn<FigureAngles>("drawn");
    QTest::addColumn<double>("tilt");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("options");
    QTest::newRow("facing left, bent back")
        << FigureAngles{30, -12, -30, 110, -25} << 0.0 << "jpeg6 left"
        << QStringList{"Trunk: flexion 30°", "Neck: extension 12°"} << "225-3";
    QTest::newRow("tilted camera, plumb line")
        << FigureAngles{70, 25, 100, 40, 0} << 8.0 << "png plumb"
        << QStringList{"Trunk: flexion 70°", "Neck: flexion 25°"} << "52134";
    QTest::newRow("turned the other way")
        << FigureAngles{0, 5, 15, 120, 20} << 0.0 << "jpeg8"
        << QStringList{"Trunk: 0°", "Neck: flexion 5°"} << "12511";
    QTest::newRow("as phones save it")
        << FigureAngles{50, 30, 95, 70, -10} << 0.0 << "heic left"
        << QStringList{"Trunk: flexion 50°", "Neck: flexion 30°"} << "51233";
    QTest::newRow("keyboard alone, plumb line, near an edge")
        << FigureAngles{20.4, 30, 30, 80, 8} << 6.0 << "png plumb keyboard"
        << QStringList{"Trunk: flexion 20.4°", "Neck: flexion 30°"} << "31233";
}

void PhotoWindowTest::figures() {
    QFETCH(FigureAngles, drawn);
    QFETCH(double, tilt);
    QFETCH(QString, how);
    QFETCH(QStringList, words);
    QFETCH(QString, options);
    const QString stored = how.section(' ', 0, 0);
    const bool plumb = how.contains("plumb"), keyboard = how.contains("keyboard");
    const Facing facing = how.contains("left") ? Facing::Left : Facing::Right;
    const StickFigure figure = DrawStickFigure(drawn, facing, tilt, kHip);
    const QString path = SaveFigure(dir_, figure, "figure", stored);
    if (path.isEmpty())
        QSKIP("exiftool or heif-enc is missing (libimage-exiftool-perl, libheif-examples)");
    PhotoWindow& window = openFigure(figure, facing, path);
    PhotoView& view = *window.view();
    // Fitted whole and centred, and shown upright: the figure's lines lie under its points.
    const QRectF whole = view.photoToView().mapRect(QRectF(QPointF(), QSizeF(kFigurePhoto)));
    QVERIFY(QRectF(view.rect()).adjusted(-0.5, -0.5, 0.5, 0.5).contains(whole));
    const QPointF off = whole.center() - QRectF(view.rect()).center();
    QVERIFY(std::abs(off.x()) < 1 && std::abs(off.y()) < 1);
    const QImage& shown = view.fitted();
    QVERIFY(std::abs(shown.height() -
                     shown.width() * kFigurePhoto.height() / double(kFigurePhoto.width())) <= 1);
    const double k = shown.width() / double(kFigurePhoto.width());
    for (const auto& p : figure.points)
        QVERIFY2(qGray(shown.pixel(int(p->x * k), int(p->y * k))) < 128, qPrintable(stored));
    QCOMPARE(
        Shown(window, "Prompt"),
        QStringLiteral("Click the hip, or move the cross with the arrow keys and press Enter"));
    QVERIFY(view.accessibleDescription().startsWith(QStringLiteral("Asks for the hip")));
    if (keyboard) {
        // Zoomed in as far as the view goes, about the cross, for eighth-pixel steps.
        QVERIFY(!view.showsDetail());
        for (int i = 0; i < 20; ++i) // more than the view takes, at any window size
            QTest::keyClick(&view, Qt::Key_Plus);
        QVERIFY(view.photoToView().m11() > 7);
        QTRY_VERIFY(view.showsDetail());
    }
    if (plumb) {
        if (keyboard) {
            QTest::keyClick(Button(window, "PlumbLine"), Qt::Key_Space);
            QVERIFY(view.hasFocus() && view.drawingPlumb());
            QVERIFY(KeyTo(view, figure.plumb.bottom));
            QVERIFY(KeyTo(view, figure.plumb.top));
            QVERIFY(!view.drawingPlumb());
        } else {
            Click(Button(window, "PlumbLine"));
            ClickAt(&view, OnView(view, figure.plumb.bottom));
            ClickAt(&view, OnView(view, figure.plumb.top));
        }
    }
    if (keyboard) {
        for (const auto& point : figure.points)
            QVERIFY(KeyTo(view, *point));
    } else {
        placeAll(figure);
    }
    // Each point lands where it was clicked on the photo, or within half a key press.
    const double within = keyboard ? 0.75 / view.photoToView().m11() : 0.01;
    for (std::size_t i = 0; i < kLandmarkCount; ++i) {
        const PhotoPoint placed = *window.measurement().points()[i];
        QVERIFY(std::hypot(placed.x - figure.points[i]->x, placed.y - figure.points[i]->y) <
                within);
    }

    for (int i = 0; i < 2; ++i) {
        const QString line = Shown(window, i ? "Angle2" : "Angle1");
        QVERIFY2(line.startsWith(words[i]), qPrintable(line));
    }
    QCOMPARE(Shown(window, "Tilt"),
             plumb ? QStringLiteral("Plumb line: camera tilted %1°: corrected").arg(tilt)
                   : QString());
    if (keyboard) {
        // Undo takes back the knuckle placed with Enter; the cross stayed where it was.
        const auto knuckle = window.measurement().points()[std::size_t(Landmark::Knuckle)];
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!window.measurement().points()[std::size_t(Landmark::Knuckle)]);
        QVERIFY(Shown(window, "Prompt").startsWith(QStringLiteral("Click the knuckle, or")));
        QTest::keyClick(&view, Qt::Key_Space);
        QCOMPARE(window.measurement().points()[std::size_t(Landmark::Knuckle)], knuckle);
        QTest::keyClick(&view, Qt::Key_0); // back to the whole photo
        QCOMPARE(view.zoom(), 1.0);
        QCOMPARE(view.photoToView().mapRect(QRectF(QPointF(), QSizeF(kFigurePhoto))), whole);
    }

    // The whole photo in view: no angle's value over a point's name, and every name and
    // value inside the view.
    const auto labels = MeasurementLabels(view.shown(), view.photoToView(), QRectF(view.rect()));
    QCOMPARE(labels.size(), std::size_t(kLandmarkCount + 5));
    for (const MeasurementLabel& label : labels) {
        QVERIFY2(QRectF(view.rect()).contains(label.box), qPrintable(label.text));
        for (const MeasurementLabel& other : labels)
            QVERIFY2(label.name || !other.name || !label.box.intersects(other.box),
                     qPrintable(label.text + " on " + other.text));
    }
    Click(Button(window, "UseAngles"));
    const int screens[] = {2, 3, 4, 6, 7};
    for (int i = 0; i < 5; ++i) {
        for (int n = 1; n <= 5; ++n) {
            const QString option = QStringLiteral("Option%1").arg(n);
            if (auto* button = program_->form(screens[i]).findChild<QAbstractButton*>(option))
                QVERIFY2(button->isChecked() == (options[i] == QChar('0' + n)),
                         qPrintable(QStringLiteral("Form%1.%2").arg(screens[i]).arg(option)));
        }
    }
    // A line for each screen: chosen, or why not.
    QCOMPARE(Shown(window, "Used").count(QStringLiteral(": chosen on the ")),
             5 - options.count('-'));
    // The screens were answered where they are; the introduction is still the one on view.
    QCOMPARE(program_->visibleScreen(), 1);
    QVERIFY(window.isVisible());
}

void PhotoWindowTest::arrowKeysDragAndUndo() {
    const StickFigure figure = DrawStickFigure({20, 10, 45, 90, 0}, Facing::Right);
    PhotoWindow& window = openFigure(figure, Facing::Right);
    PhotoView& view = *window.view();
    placeAll(figure);
    const auto point = [&](Landmark which) {
        return *window.measurement().points()[static_cast<std::size_t>(which)];
    };
    const double photoPixelsPerStep = 1 / view.photoToView().m11();
    const PhotoPoint knuckle = point(Landmark::Knuckle);
    // The point placed last is selected: the arrow keys move it, Shift by ten steps.
    QTest::keyClick(&view, Qt::Key_Right);
    QCOMPARE(point(Landmark::Knuckle).x, knuckle.x + photoPixelsPerStep);
    QTest::keyClick(&view, Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(point(Landmark::Knuckle).y, knuckle.y - 10 * photoPixelsPerStep);
    // N and P select the points in turn, round through none selected.
    QTest::keyClick(&view, Qt::Key_N);
    QVERIFY(!view.selected());
    QTest::keyClick(&view, Qt::Key_N);
    QCOMPARE(view.selected(), Landmark::Hip);
    QTest::keyClick(&view, Qt::Key_P);
    QTest::keyClick(&view, Qt::Key_P);
    QCOMPARE(view.selected(), Landmark::Knuckle);

    // A drag moves a point; one undo takes the whole drag back.
    const PhotoPoint elbow = point(Landmark::Elbow);
    const QPoint from = OnView(view, elbow).toPoint();
    QTest::mousePress(&view, Qt::LeftButton, {}, from);
    for (int step = 1; step <= 5; ++step)
        QTest::mouseMove(&view, from + QPoint(6 * step, 0));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, from + QPoint(30, 0));
    QVERIFY(point(Landmark::Elbow).x > elbow.x + 20 * photoPixelsPerStep);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(point(Landmark::Elbow), elbow);
    // Back over both key moves and the knuckle's placing: the window asks for it again.
    Click(Button(window, "Undo"));
    Click(Button(window, "Undo"));
    QCOMPARE(point(Landmark::Knuckle), knuckle);
    Click(Button(window, "Undo"));
    QVERIFY(!window.measurement().points()[static_cast<std::size_t>(Landmark::Knuckle)]);
    // The elbow dragged is still selected, and the arrow keys its own until Esc lets go.
    QCOMPARE(view.selected(), Landmark::Elbow);
    QVERIFY(Shown(window, "Prompt").startsWith(QStringLiteral("Click the knuckle, or press Esc")));
    QTest::keyClick(&view, Qt::Key_Escape);
    QCOMPARE(Shown(window, "Prompt"), QStringLiteral("Click the knuckle, or move the cross with "
                                                     "the arrow keys and press Enter"));
    QVERIFY(!Button(window, "UseAngles")->isEnabled());
    QVERIFY(Shown(window, "Angle5").contains(QStringLiteral("not measured")));
}

void PhotoWindowTest::nearEdgeReadings_data() {
    // An angle and its line in the list without the band; the arc shows the same value.
    QTest::addColumn<PostureSegment>("segment");
    QTest::addColumn<double>("degrees");
    QTest::addColumn<QString>("words");
    const auto row = [](const char* name, PostureSegment segment, double degrees,
                        const char* words) {
        QTest::newRow(name) << segment << degrees << QString::fromUtf8(words);
    };
    using enum PostureSegment;
    row("whole degrees off an edge", Trunk, 40.4, "Trunk: flexion 40°");
    row("tenths near an edge", Trunk, 20.4, "Trunk: flexion 20.4°");
    row("upright", Trunk, -0.04, "Trunk: 0°");
    row("upright, near the edge", Trunk, -0.3, "Trunk: leaning back 0.3°");
    row("either way at the wrist", Wrist, -20, "Wrist: flexion or extension 20°");
    // Rounded onto an edge that the band on the other side holds, a tenth further out.
    row("just under an edge", UpperArm, 19.96, "Upper arm: raised forward 19.9°");
    row("just behind an edge", UpperArm, -19.96, "Upper arm: raised behind the trunk 19.9°");
    row("just over an edge", LowerArm, 60.03, "Lower arm: flexion 60.1°");
    row("leaning back out of every band", Trunk, -5.04, "Trunk: leaning back 5.1°");
    // Rounded onto an edge its own band holds.
    row("onto its own edge", Neck, 10.04, "Neck: flexion 10.0°");
    row("on an edge, as arithmetic gives it", UpperArm, 89.99999999999999,
        "Upper arm: raised forward 90.0°");
}

void PhotoWindowTest::nearEdgeReadings() {
    QFETCH(PostureSegment, segment);
    QFETCH(double, degrees);
    QFETCH(QString, words);
    QCOMPARE(AngleWords(segment, degrees), words);
    QCOMPARE(ArcValue(segment, degrees), words.section(' ', -1));
}

void PhotoWindowTest::bandWords_data() {
    // An angle and its line in the list: the band in words without negative numbers, with
    // the edge rule in them, and the marks.
    QTest::addColumn<PostureSegment>("segment");
    QTest::addColumn<double>("degrees");
    QTest::addColumn<QString>("line");
    const auto row = [](const char* name, PostureSegment segment, double degrees,
                        const char* line) {
        QTest::newRow(name) << segment << degrees << QString::fromUtf8(line);
    };
    using enum PostureSegment;
    row("a top band's edge", UpperArm, 90,
        "Upper arm: raised forward 90.0° (band 90° or more raised forward, base score 4; on "
        "an edge, which counts in the band with the higher score)");
    row("behind the trunk", UpperArm, -30,
        "Upper arm: raised behind the trunk 30° (band 20° to under 90° raised behind the "
        "trunk, base score 2)");
    row("either side of the trunk", UpperArm, 2,
        "Upper arm: raised forward 2° (band under 20° forward or behind the trunk, base "
        "score 1)");
    row("between two edges", LowerArm, 80,
        "Lower arm: flexion 80° (band more than 60° and under 100° of flexion, base score 1)");
    row("up to an edge", LowerArm, 30,
        "Lower arm: flexion 30° (band 60° or less of flexion, "
        "base score 2)");
    row("a wrist either way", Wrist, -11,
        "Wrist: flexion or extension 11.0° (band 5° to under 15° of flexion or extension, "
        "base score 2; near the edge of a band)");
    row("upright", Trunk, 0,
        "Trunk: 0° (band 5° leaning back to under 5° of flexion, base score 1)");
    row("a neck in extension", Neck, -14.05,
        "Neck: extension 14° (band 5° or more of extension, base score 4; check by eye: "
        "rounded shoulders can read as extension)");
    row("a neck nearly upright", Neck, -3,
        "Neck: extension 3.0° (band under 5° of extension to under 10° of flexion, base "
        "score 1; near the edge of a band)");
    row("a trunk leaning back", Trunk, -12,
        "Trunk: leaning back 12° (no option of the trunk screen fits; choose it by eye)");
}

void PhotoWindowTest::bandWords() {
    QFETCH(PostureSegment, segment);
    QFETCH(double, degrees);
    QFETCH(QString, line);
    QCOMPARE(ListedLine({segment, degrees}), line);
    // No band of any screen is told with a negative number.
    static const QRegularExpression negative(QStringLiteral("[-\\x{2212}]\\d"));
    for (double d = -180; d <= 180; d += 0.25)
        QVERIFY2(!ListedLine({segment, d}).contains(negative),
                 qPrintable(ListedLine({segment, d})));
}

void PhotoWindowTest::labelsKeepClearOfNames_data() {
    // Points in a photo's pixels (hip, shoulder, ear, elbow, wrist, knuckle), drawn at about
    // half size on a view that shows that photo whole.
    QTest::addColumn<QList<double>>("points");
    // Rounded shoulders: the trunk's value would sit on the elbow's name.
    QTest::newRow("rounded shoulders")
        << QList<double>{500, 700, 524, 300, 500, 172, 524, 540, 700, 540, 760, 540};
    // The knuckle at the photo's right edge and the ear at its top: their names would be cut.
    QTest::newRow("at the edges") << QList<double>{700, 700, 724, 300, 700, 4,
                                                   724, 540, 900, 540, 997, 540};
}

void PhotoWindowTest::labelsKeepClearOfNames() {
    QFETCH(QList<double>, points);
    MeasurementShown shown;
    for (std::size_t i = 0; i < kLandmarkCount; ++i)
        shown.points[i] = PhotoPoint{points[int(2 * i)], points[int(2 * i + 1)]};
    shown.facing = Facing::Right;
    const QRectF view(0, 0, 520, 624);
    const auto labels = MeasurementLabels(shown, QTransform::fromScale(0.52, 0.52), view);
    QCOMPARE(labels.size(), std::size_t(kLandmarkCount + 5));
    for (const MeasurementLabel& label : labels) {
        QVERIFY2(view.contains(label.box), qPrintable(label.text));
        for (const MeasurementLabel& other : labels)
            QVERIFY2(label.name || !other.name || !label.box.intersects(other.box),
                     qPrintable(label.text + " on " + other.text));
    }
}

void PhotoWindowTest::useTheseAnglesSaysWhatItChose_data() {
    // Points clicked on the photo (hip, shoulder, ear, elbow, wrist, knuckle), an option
    // chosen earlier on the trunk or neck screen, the options Use These Angles leaves on
    // Form2, 3, 4, 6 and 7 ("-" for none), and its words.
    QTest::addColumn<QList<double>>("points");
    QTest::addColumn<QString>("earlier");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QStringList>("used");
    const StickFigure back = DrawStickFigure({-12, 0, 0, 90, 0}, Facing::Right, 0, kHip);
    QList<double> leaningBack;
    for (const auto& p : back.points)
        leaningBack << p->x << p->y;
    QTest::newRow("trunk leaning back over an earlier choice")
        << leaningBack << "Form7.Option3"
        << "1111-"
        << QStringList{"Upper arm: 0°: chosen on the upper arm screen",
                       "Lower arm: flexion 90°: chosen on the lower arm screen",
                       "Wrist: 0°: chosen on the wrist screen",
                       "Neck: 0°: chosen on the neck screen",
                       "Trunk: leaning back 12°: no option of the trunk screen fits; choose it "
                       "by eye",
                       "A click on a screen changes the choice there."};
    QTest::newRow("rounded shoulders over an earlier choice")
        << QList<double>{500, 700, 524, 300, 500, 172, 524, 540, 700, 540, 760, 540}
        << "Form6.Option2"
        << "111-1"
        << QStringList{"Upper arm: raised forward 3°: chosen on the upper arm screen",
                       "Lower arm: flexion 90°: chosen on the lower arm screen",
                       "Wrist: 0°: chosen on the wrist screen",
                       "Neck: extension 14°: not chosen; check by eye: rounded shoulders can "
                       "read as extension",
                       "Trunk: flexion 3.4°: chosen on the trunk screen",
                       "A click on a screen changes the choice there."};
    // Every point on one pixel measures nothing: there is nothing to choose.
    QTest::newRow("six points on one pixel")
        << QList<double>{500, 600, 500, 600, 500, 600, 500, 600, 500, 600, 500, 600}
        << "Form7.Option3"
        << "----3" << QStringList{};
}

void PhotoWindowTest::useTheseAnglesSaysWhatItChose() {
    QFETCH(QList<double>, points);
    QFETCH(QString, earlier);
    QFETCH(QString, options);
    QFETCH(QStringList, used);
    StickFigure figure;
    for (std::size_t i = 0; i < kLandmarkCount; ++i)
        figure.points[i] = PhotoPoint{points[int(2 * i)], points[int(2 * i + 1)]};
    figure.plumb = {{100, 100}, {100, 1100}};
    const int earlierForm = earlier.mid(4, 1).toInt();
    Control<QAbstractButton>(program_->form(earlierForm), qPrintable(earlier.section('.', 1)))
        ->click();
    PhotoWindow& window = openFigure(figure, Facing::Right);
    if (figure.points[0] == figure.points[1]) {
        // A click on a point takes it up; Esc lets go, and Enter places at the cross.
        ClickAt(window.view(), OnView(*window.view(), *figure.points[0]));
        for (int i = 1; i < 6; ++i) {
            QTest::keyClick(window.view(), Qt::Key_Escape);
            QTest::keyClick(window.view(), Qt::Key_Return);
        }
    } else {
        placeAll(figure);
    }
    QCOMPARE(window.measurement().step(), PhotoMeasurement::Step::Done);
    QCOMPARE(Button(window, "UseAngles")->isEnabled(), !used.isEmpty());
    window.useTheseAngles();
    const int screens[] = {2, 3, 4, 6, 7};
    const char* bases[] = {"Label6", "Label3", "Label4", "Label5", "Label7"};
    for (int i = 0; i < 5; ++i) {
        ScreenShell& form = program_->form(screens[i]);
        for (int n = 1; n <= 5; ++n) {
            const QString option = QStringLiteral("Option%1").arg(n);
            if (auto* button = form.findChild<QAbstractButton*>(option))
                QVERIFY2(button->isChecked() == (options[i] == QChar('0' + n)),
                         qPrintable(QStringLiteral("Form%1.%2").arg(screens[i]).arg(option)));
        }
        // Cleared as on a new screen: no base score left behind.
        if (options[i] == '-')
            QCOMPARE(Text(form, bases[i]), QStringLiteral("0"));
    }
    QCOMPARE(Shown(window, "Used").split('\n', Qt::SkipEmptyParts), used);
    QCOMPARE(program_->visibleScreen(), 1);
}

void PhotoWindowTest::badFilesKeepThePhotoItPrintsAndADropOpens() {
    auto* target = new CapturingTarget;
    program_->screens.setPrintTarget(std::unique_ptr<PrintTarget>(target));
    const StickFigure figure = DrawStickFigure({20, 10, 45, 90, 0}, Facing::Right);
    PhotoWindow& window = openFigure(figure, Facing::Right);
    placeAll(figure);
    const qint64 shown = window.view()->fitted().cacheKey();
    const auto before = window.measurement().points();
    QFile text(dir_.filePath(QStringLiteral("notes.png")));
    QVERIFY(text.open(QIODevice::WriteOnly) && text.write("not a photo\n") > 0);
    text.close();
    for (const QString& path : {text.fileName(), dir_.path(), dir_.filePath("missing.jpg")}) {
        const QString message = TextOfMessageBox([&] { QVERIFY(!window.openFile(path)); });
        QVERIFY2(!message.isEmpty(), qPrintable(path));
        QCOMPARE(window.view()->fitted().cacheKey(), shown);
        QCOMPARE(window.measurement().points(), before);
    }
    // Printed: the photo fitted across the page, with its points drawn red at their places.
    Click(Button(window, "Print"));
    QCOMPARE(target->pages.size(), std::size_t(1));
    const QImage& page = target->pages.front();
    QVERIFY(page.width() >= 600 && page.height() > page.width());
    const double scale = page.width() / double(kFigurePhoto.width());
    for (const auto& p : figure.points) {
        const QColor drawn = page.pixelColor(QPointF(p->x * scale, p->y * scale).toPoint());
        QVERIFY2(drawn.red() > 200 && drawn.green() < 80, qPrintable(drawn.name()));
    }
    // A photo dropped on the window opens, and its measurement starts afresh.
    QMimeData dropped;
    dropped.setUrls({QUrl::fromLocalFile(SaveFigure(dir_, figure, "dropped.png"))});
    const QPoint at = window.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QApplication::sendEvent(&window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QApplication::sendEvent(&window, &drop);
    QVERIFY(DecodedAndShown(window));
    QVERIFY(window.view()->fitted().cacheKey() != shown);
    QCOMPARE(window.measurement().step(), PhotoMeasurement::Step::Facing);
}

void PhotoWindowTest::decodesOffTheUserInterfaceThread_data() {
    // What comes while a HEIC photo decodes over a photo shown before, and which photo
    // the view shows once every worker has ended: "heic", "second" or "before".
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<QString>("shown");
    QTest::newRow("nothing") << ""
                             << "heic";
    QTest::newRow("another photo opened") << "second"
                                          << "second";
    QTest::newRow("Esc") << "Esc"
                         << "before";
    QTest::newRow("the window closed") << "close"
                                       << "before";
    QTest::newRow("the window destroyed") << "destroy"
                                          << "";
    QTest::newRow("a decode that fails") << "fails"
                                         << "before";
}

// The photo decodes on a worker thread: meanwhile the window runs its event loop and
// repaints, says what it is doing, and takes nothing on the photo; a result that is no
// longer wanted never shows.
void PhotoWindowTest::decodesOffTheUserInterfaceThread() {
    QFETCH(QString, meanwhile);
    QFETCH(QString, shown);
    const StickFigure figure = DrawStickFigure({20, 10, 45, 90, 0}, Facing::Right, 0, kHip);
    const QString heic = SaveFigure(dir_, figure, "figure.heic", QStringLiteral("heic"));
    if (heic.isEmpty())
        QSKIP("heif-enc is missing (libheif-examples)");
    QString opened = heic;
    if (meanwhile == "fails") {
        // The HEVC stream zeroed: the file opens, and its decode fails.
        QFile file(heic);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        const qsizetype data = bytes.indexOf("mdat") + 12;
        QVERIFY(data > 12 && data < bytes.size());
        bytes.replace(data, bytes.size() - data, QByteArray(bytes.size() - data, '\0'));
        opened = dir_.filePath(QStringLiteral("blank.heic"));
        QFile blank(opened);
        QVERIFY(blank.open(QIODevice::WriteOnly) && blank.write(bytes) == bytes.size());
    }
    const auto photo = [&](const char* name, QSize size, Qt::GlobalColor colour) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = dir_.filePath(QLatin1String(name));
        return image.save(path) ? path : QString();
    };
    const QSize beforeSize(1500, 1000), secondSize(800, 600);
    PhotoWindow& window = photo_->window();
    window.showBeside();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.openFile(photo("before.png", beforeSize, Qt::darkGreen)));
    QVERIFY(DecodedAndShown(window));
    PhotoView& view = *window.view();
    const qint64 before = view.fitted().cacheKey();
    Click(Button(window, "FacingRight")); // a click on the photo would place the hip now

    // Counted while the photo decodes: the event loop's timer and the view's repaints.
    int ticks = 0, paints = 0;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, [&] { ticks += window.opening(); });
    timer.start(1);
    struct Paints : QObject {
        int* count;
        const PhotoWindow* window;
        bool eventFilter(QObject*, QEvent* event) override {
            *count += event->type() == QEvent::Paint && window->opening();
            return false;
        }
    } paintCounter;
    paintCounter.count = &paints;
    paintCounter.window = &window;
    view.installEventFilter(&paintCounter);

    QVERIFY(window.openFile(opened));
    // Handed to the worker: the view says so over no photo, busy, and nothing is placed.
    const QString name = QFileInfo(opened).fileName();
    QVERIFY(window.opening());
    QCOMPARE(Shown(window, "Prompt"), QStringLiteral("Opening %1… Esc gives up.").arg(name));
    QCOMPARE(view.accessibleDescription(), Shown(window, "Prompt"));
    QCOMPARE(view.cursor().shape(), Qt::BusyCursor);
    QVERIFY(!view.hasPhoto());
    for (const char* button : {"FacingRight", "UseAngles", "Print", "PlumbLine", "Undo"})
        QVERIFY2(!Button(window, button)->isEnabled(), button);
    QCOMPARE(window.view()->grab().toImage().pixelColor(5, view.height() / 2), QColor(64, 64, 64));
    ClickAt(&view, QRectF(view.rect()).center());
    QVERIFY(!window.measurement().points()[0]);

    if (meanwhile == "second") {
        QVERIFY(window.openFile(photo("second.png", secondSize, Qt::darkRed)));
    } else if (meanwhile == "Esc") {
        QTest::keyClick(&view, Qt::Key_Escape);
        QVERIFY(!window.opening());
    } else if (meanwhile == "close") {
        window.close();
        QVERIFY(!window.isVisible() && !window.opening());
        // Closed at once, the decode still under way.
        QVERIFY(!PhotoWindowOnDemand::AwaitDecodes(std::chrono::milliseconds(0)));
    } else if (meanwhile == "destroy") {
        view.removeEventFilter(&paintCounter);
        timer.stop();
        photo_.reset();
    }
    if (meanwhile.isEmpty() || meanwhile == "fails") {
        const QString message = TextOfMessageBox(
            [&] { QVERIFY(QTest::qWaitFor([&] { return !window.opening(); }, 30000)); });
        // A timer fired and the view repainted during the decode; a failing one may end
        // before any timer is due.
        QVERIFY2((ticks > 0 || meanwhile == "fails") && paints > 0,
                 qPrintable(QStringLiteral("%1 ticks, %2 paints").arg(ticks).arg(paints)));
        qInfo("while decoding: %d ticks of a 1 ms timer, %d paints", ticks, paints);
        QCOMPARE(message.section(':', 0, 0),
                 meanwhile == "fails" ? QStringLiteral("blank.heic cannot be decoded") : QString());
    }
    // Every worker ended, and whatever it handed back delivered: only the wanted photo shows.
    QVERIFY(PhotoWindowOnDemand::AwaitDecodes(std::chrono::seconds(30)));
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    if (!photo_)
        return; // what ASan and LeakSanitizer say of the worker is the check
    QVERIFY(!window.opening() && view.hasPhoto());
    if (shown == "heic") {
        QCOMPARE(view.photoSize(), kFigurePhoto);
        QCOMPARE(view.cursor().shape(), Qt::ArrowCursor);
        QVERIFY(Button(window, "FacingRight")->isEnabled());
        QVERIFY(Shown(window, "Prompt").startsWith(QStringLiteral("Which way")));
        const double k = view.fitted().width() / double(kFigurePhoto.width());
        for (const auto& p : figure.points)
            QVERIFY(qGray(view.fitted().pixel(int(p->x * k), int(p->y * k))) < 128);
    } else if (shown == "second") {
        QCOMPARE(view.photoSize(), secondSize);
    } else {
        QCOMPARE(view.photoSize(), beforeSize);
        QCOMPARE(view.fitted().cacheKey(), before);
    }
    // Nothing was placed on the photo before while the other one decoded.
    QVERIFY(!window.measurement().points()[0]);
    QCOMPARE(window.measurement().step(),
             shown == "before" ? PhotoMeasurement::Step::Point : PhotoMeasurement::Step::Facing);
}

void PhotoWindowTest::opensFromTheScreensAndClosesWithThem() {
    // The shortcut works on the introduction and the posture screens, and no other.
    for (int n = 1; n <= 8; ++n) {
        auto* action = program_->form(n).findChild<QAction*>(QStringLiteral("MeasureOnPhoto"));
        QCOMPARE(action != nullptr, n <= 7);
    }
    QVERIFY(!photo_->existing());
    ScreenShell& form1 = program_->form(1);
    QVERIFY(QTest::qWaitForWindowActive(&form1));
    QTest::keyClick(&form1, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(photo_->existing() && photo_->existing()->isVisible());
    QCOMPARE(program_->visibleScreen(), 1);
    // The introduction's text box, which covers most of it, offers it in its own menu.
    auto* text = Control<QPlainTextEdit>(form1, "Text1");
    QStringList offered;
    QTimer::singleShot(0, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (const QAction* item : menu->actions())
                offered << item->text();
            menu->close();
        }
    });
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {5, 5},
                              text->viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(text->viewport(), &menuKey);
    QVERIFY(offered.size() >= 2); // the text box's own items stay
    QCOMPARE(offered.last(), QStringLiteral("Measure on a &Photo…"));
    // The menu on a posture screen offers it as well.
    Click(form1, "Command1");
    program_->form(2).findChild<QAction*>(QStringLiteral("MeasureOnPhoto"))->trigger();
    QVERIFY(photo_->existing()->isVisible());
    Click(program_->form(2), "Command4");
    QCOMPARE(program_->allClosedCalls, 1);
    QVERIFY(!photo_->existing()->isVisible());
}

// Use These Angles gives the assessment the side the photo shows and the photo itself,
// small enough for a study, with the points in its pixels; a kept photo shows again with
// them, read from memory.
void PhotoWindowTest::theAssessmentKeepsItsPhotoAndSide() {
    StickFigure figure;
    const double points[] = {500, 700, 500, 300, 500, 220, 600, 300, 600, 200, 600, 170};
    for (std::size_t i = 0; i < kLandmarkCount; ++i)
        figure.points[i] = PhotoPoint{points[2 * i], points[2 * i + 1]};
    PhotoWindow& window = openFigure(figure, Facing::Left);
    placeAll(figure);
    QCOMPARE(window.findChild<QComboBox*>("Side")->currentText(), "Left side facing the camera");
    window.useTheseAngles();
    LiveAssessment& live = program_->screens.assessment();
    QCOMPARE(live.record().side, Side::Left);
    QVERIFY(live.photo());
    const MeasuredPhoto kept = *live.photo();
    const QImage jpeg = QImage::fromData(QByteArray::fromStdString(kept.jpeg), "JPEG");
    QCOMPARE(jpeg.size(), QSize(kept.width, kept.height));
    QVERIFY(std::max(kept.width, kept.height) <= kKeptPhotoLongSide);
    const double scale = double(kept.width) / window.view()->photoSize().width();
    for (std::size_t i = 0; i < kLandmarkCount; ++i) {
        QVERIFY(std::abs(kept.points[i]->x - window.measurement().points()[i]->x * scale) < 1e-9);
        QVERIFY(std::abs(kept.points[i]->y - window.measurement().points()[i]->y * scale) < 1e-9);
    }
    // The user says otherwise: the next use takes that side.
    auto* side = window.findChild<QComboBox*>("Side");
    side->setCurrentIndex(0);
    emit side->activated(0);
    window.useTheseAngles();
    QCOMPARE(live.record().side, Side::Right);

    // Opened again from the kept bytes: the same points, and the angles they give.
    QVERIFY(window.openFile(SaveFigure(dir_, figure, "other.png")));
    QVERIFY(window.showKept(kept)); // the photo still decoding gives way to the kept one
    QVERIFY(DecodedAndShown(window));
    QCOMPARE(window.measurement().points(), kept.points);
    QCOMPARE(window.measurement().facing(), std::optional<Facing>(Facing::Left));
    QCOMPARE(window.view()->photoSize(), QSize(kept.width, kept.height));
    QCOMPARE(window.measurement().angles().upperArm, kept.angles().upperArm);
}

// Run by photo_window_1366x768 and photo_window_1600x1200 on screens of those sizes.
void PhotoWindowTest::standsBesideTheScreenOnView_data() {
    QTest::addColumn<int>("screen"); // on view: 1, 2, or 10 reached from 2
    QTest::addColumn<QSize>("photo");
    QTest::addColumn<QStringList>("beside"); // the screen sizes where both fit side by side
    const QStringList both = {"1366x768", "1600x1200"};
    QTest::newRow("introduction, landscape photo") << 1 << QSize(1500, 1000) << both;
    QTest::newRow("introduction, portrait photo") << 1 << QSize(1000, 1500) << both;
    QTest::newRow("upper arm screen, landscape photo") << 2 << QSize(1500, 1000) << both;
    // The chart, 1248 pixels wide with its side, task and notes, leaves no room beside it.
    QTest::newRow("upper arm screen, then the chart") << 10 << QSize(1500, 1000) << QStringList{};
}

void PhotoWindowTest::standsBesideTheScreenOnView() {
    QFETCH(int, screen);
    QFETCH(QSize, photo);
    QFETCH(QStringList, beside);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QString size = QStringLiteral("%1x%2").arg(area.width()).arg(area.height());
    if (!QStringList{"1366x768", "1600x1200"}.contains(size))
        QSKIP("runs on the screens of photo_window_1366x768 and photo_window_1600x1200");
    QImage image(photo, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    const QString path = dir_.filePath(QStringLiteral("photo.png"));
    QVERIFY(image.save(path));
    if (screen > 1)
        Click(program_->form(1), "Command1");
    PhotoWindow& window = photo_->window();
    QVERIFY(window.openFile(path));
    window.showBeside();
    QVERIFY(DecodedAndShown(window));
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (screen == 10) {
        program_->form(2).goTo(ScreenId::Form10);
        QTest::qWait(20); // the window steps aside once the chart is on view
    }
    const ScreenShell* onView = program_->screens.onView();
    QCOMPARE(onView, &program_->form(screen));

    // Within the area; beside the screen where both fit, else the screen stays whole.
    const QRect frame = window.frameGeometry();
    QVERIFY2(area.contains(frame), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                  .arg(frame.x())
                                                  .arg(frame.y())
                                                  .arg(frame.width())
                                                  .arg(frame.height())));
    QCOMPARE(!frame.intersects(onView->frameGeometry()), beside.contains(size));
    // A landscape photo fills its view: no dark bars.
    const PhotoView& view = *window.view();
    const QRectF shown = view.photoToView().mapRect(QRectF(QPointF(), QSizeF(photo)));
    if (photo.width() > photo.height())
        QVERIFY2(shown.width() * shown.height() >= 0.95 * view.width() * view.height(),
                 qPrintable(QStringLiteral("%1x%2 of %3x%4")
                                .arg(shown.width())
                                .arg(shown.height())
                                .arg(view.width())
                                .arg(view.height())));
    // Every control within the window, or brought into view by its panel's scrolling.
    auto* panel = window.findChild<QScrollArea*>();
    QVERIFY(panel);
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        panel->ensureWidgetVisible(button, 0, 0);
        const QRect at(button->mapTo(panel->viewport(), QPoint()), button->size());
        QVERIFY2(panel->viewport()->rect().contains(at), qPrintable(button->text()));
        QVERIFY2(window.rect().contains(QRect(button->mapTo(&window, QPoint()), button->size())),
                 qPrintable(button->text()));
    }
}

QTEST_MAIN(PhotoWindowTest)
#include "test_photo_window.moc"

// A study of ten rows, each measured on a 12-megapixel photo (4000 x 3000, kept in the
// study at 2048 pixels on its long side as the program keeps it): the time to read the
// study file, and the time and the extra peak memory of exporting its report through
// the chart's Export, as a user exports it. Targets: the report within 3 s and 150 MiB.
//
// The photo is RULA_BENCH_PHOTO_12MP when given, else drawn here; the chart is driven on
// the offscreen platform.
#include "app/screen_factory.h"
#include "chart/form10.h"
#include "photo/kept_photo.h"
#include "photo/photo_window.h"
#include "screens/screen_set.h"
#include "study/study_file.h"

#include "drawn_photo.h"
#include "peak_memory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>
#include <vector>

using namespace rula;

namespace {

double MiB(qint64 kib) {
    return double(kib) / 1024.0;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

class ReportBench : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void readStudy();
    void reviewRows();
    void exportReport();

private:
    QTemporaryDir dir_;
    QString study_;
    std::unique_ptr<ScreenSet> screens_;
    std::unique_ptr<PhotoWindowOnDemand> photoWindow_; // as the program has it
};

void ReportBench::initTestCase() {
    QString photo = qEnvironmentVariable("RULA_BENCH_PHOTO_12MP");
    if (photo.isEmpty()) {
        photo = dir_.filePath(QStringLiteral("12mp.jpg"));
        QVERIFY(SaveDrawnPhoto({4000, 3000}, photo));
    }
    auto opened = PhotoFile::open(photo);
    auto* file = std::get_if<std::unique_ptr<PhotoFile>>(&opened);
    QVERIFY(file);
    PhotoMeasurement measurement;
    measurement.setFacing(Facing::Right);
    for (PhotoPoint at : {PhotoPoint{2000, 2700}, PhotoPoint{2050, 1250}, PhotoPoint{2150, 950},
                          PhotoPoint{2500, 1900}, PhotoPoint{3100, 1750}, PhotoPoint{3300, 1720}})
        measurement.placeNext(at);
    const std::optional<MeasuredPhoto> kept = KeepPhoto(**file, measurement);
    QVERIFY(kept);

    Study study;
    study.details = {QStringLiteral("Line 3, packing"), QStringLiteral("Hall B"),
                     QStringLiteral("A. Nowak"), QDate(2026, 12, 10)};
    for (int row = 0; row < kChartRows; ++row) {
        Assessment answers;
        answers.upperArm = UpperArmPosture(1 + row % 5);
        answers.lowerArm = LowerArmPosture::Flexed60To100;
        answers.wrist = WristPosture(1 + row % 3);
        answers.wristTwist = WristTwist::MidRange;
        answers.neck = NeckPosture(1 + row % 4);
        answers.trunk = TrunkPosture(1 + row % 4);
        answers.legsSupported = row % 2 == 0;
        answers.muscleUseA = MuscleUse::Repeated;
        answers.forceLoadA = ForceLoad::MediumIntermittent;
        answers.side = row % 2 ? Side::Left : Side::Right;
        ChartRow chartRow;
        chartRow.scores = ScoreCells(ScoresOf(answers));
        chartRow.answers = answers;
        chartRow.side = answers.side;
        chartRow.task = QStringLiteral("Task %1 at the packing line").arg(row + 1);
        chartRow.notes = QStringLiteral("Reaches over the bin.\nRaise the bin by 20 cm.");
        chartRow.measurement = kept;
        study.rows.append(chartRow);
    }
    study_ = dir_.filePath(QStringLiteral("ten-photos.rula"));
    QFile out(study_);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(WriteStudyJson(study)) > 0);
    out.close();
    qInfo("study of ten rows with 12-megapixel photos: %lld KiB", out.size() / 1024);

    screens_ = std::make_unique<ScreenSet>(&CreateScreen);
    photoWindow_ = std::make_unique<PhotoWindowOnDemand>(*screens_);
    screens_->get(ScreenId::Form10).showScreen();
}

void ReportBench::cleanupTestCase() {
    photoWindow_.reset();
    for (ScreenId id : kAllScreens)
        if (ScreenShell* s = screens_->find(id))
            s->hide();
    screens_.reset();
}

void ReportBench::readStudy() {
    QFile file(study_);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    std::vector<double> times;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        const auto read = ReadStudyJson(bytes);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        QVERIFY(std::holds_alternative<Study>(read));
    }
    qInfo("reading the study of ten rows with photos: %.1f ms (median of 5)", Median(times));
}

void ReportBench::reviewRows() {
    // The study opened on the chart, then each row reviewed in turn: its answers on the
    // screens, its scores on the final score screen, its photo in the Photo window.
    auto& chart = screens_->get<Form10>();
    chart.setFileDialog([this](Form10::FileQuestion) { return Form10::FileAnswer{study_, {}}; });
    const qint64 before = StatusKib("VmRSS:");
    ResetPeak();
    chart.openButton->click();
    QCOMPARE(chart.record().rowCount(), kChartRows);
    QCoreApplication::processEvents();
    const qint64 opened = StatusKib("VmHWM:");
    std::vector<double> times;
    for (int row = 1; row <= kChartRows; ++row) {
        QElapsedTimer timer;
        timer.start();
        chart.reviewRow(row);
        QCoreApplication::processEvents();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        QTest::qWait(300); // the photo decodes on its worker meanwhile
        screens_->get(ScreenId::Form10).showScreen();
    }
    const double each = Median(times);
    qInfo("opening the study of ten rows with photos: peak memory +%.1f MiB; reviewing each "
          "row: %.0f ms (median); peak memory over the ten reviews +%.1f MiB",
          MiB(opened - before), each, MiB(StatusKib("VmHWM:") - before));
}

void ReportBench::exportReport() {
    auto& chart = screens_->get<Form10>();
    QString answer;
    chart.setFileDialog([&answer](Form10::FileQuestion) { return Form10::FileAnswer{answer, {}}; });
    QCoreApplication::processEvents();

    std::vector<double> times;
    double extra = 0;
    for (int run = 0; run < 5; ++run) {
        answer = dir_.filePath(QStringLiteral("report-%1.pdf").arg(run));
        const qint64 before = StatusKib("VmRSS:");
        ResetPeak();
        QElapsedTimer timer;
        timer.start();
        chart.exportButton->click();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        extra = std::max(extra, MiB(StatusKib("VmHWM:") - before));
        QVERIFY(QFile::exists(answer));
    }
    qInfo("exporting the report of ten rows with photos: %.0f ms (median of 5), extra peak "
          "memory %.1f MiB (the most of 5), %lld KiB of PDF",
          Median(times), extra, QFile(answer).size() / 1024);
}

QTEST_MAIN(ReportBench)
#include "bench_report.moc"

// Opening a large JPEG to fit the photo view, against djpeg decoding the same file at a
// quarter scale, in one run, alternating: the wall time of each (djpeg's as a program
// started and waited for, as a user would run it) and the peak memory the photo adds
// (VmHWM, reset before each open through /proc/self/clear_refs, less the resident memory
// before it; djpeg's whole peak, from wait4). The first open also loads the decoder
// module; it is reported apart. Then a zoomed view's region at full resolution, its time
// and the peak memory the first one adds.
//
//   bench_photo PHOTO.jpg [--runs N] [--fit WxH] [--json OUT]
#include "photo/photo_file.h"

#include "peak_memory.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

// The decoders' libraries mapped now.
QStringList Mapped() {
    QFile maps("/proc/self/maps");
    QStringList found;
    if (!maps.open(QIODevice::ReadOnly | QIODevice::Text))
        return found;
    static const QRegularExpression decoders("(libjpeg|libheif|libde265|photo-decoders)[^/]*$");
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const auto match = decoders.match(QString::fromLocal8Bit(line));
        if (match.hasMatch() && !found.contains(match.captured(0)))
            found << match.captured(0);
    }
    return found;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty()      ? 0
           : v.size() % 2 ? v[v.size() / 2]
                          : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// One open and decode to fit: milliseconds and the peak memory added, in KiB.
bool OpenAndFit(const QString& path, QSize fit, double& ms, qint64& addedKib, QSize& got) {
    const qint64 before = StatusKib("VmRSS:");
    ResetPeak();
    QElapsedTimer timer;
    timer.start();
    auto opened = rula::PhotoFile::open(path);
    auto* photo = std::get_if<std::unique_ptr<rula::PhotoFile>>(&opened);
    if (!photo) {
        std::fprintf(stderr, "%s\n", qPrintable(std::get<rula::PhotoError>(opened).message));
        return false;
    }
    auto decoded = (*photo)->decodeToFit(fit);
    ms = double(timer.nsecsElapsed()) / 1e6;
    addedKib = StatusKib("VmHWM:") - before;
    if (auto* image = std::get_if<QImage>(&decoded)) {
        got = image->size();
        return true;
    }
    std::fprintf(stderr, "%s\n", qPrintable(std::get<rula::PhotoError>(decoded).message));
    return false;
}

// djpeg's wall time in milliseconds, and its peak resident memory in KiB.
double Djpeg(const QString& path, qint64& peakKib) {
    const QByteArray file = QFile::encodeName(path);
    const char* argv[] = {"djpeg",     "-scale",         "1/4",  "-outfile",
                          "/dev/null", file.constData(), nullptr};
    QElapsedTimer timer;
    timer.start();
    pid_t pid;
    if (posix_spawnp(&pid, "djpeg", nullptr, nullptr, const_cast<char**>(argv), environ) != 0)
        return -1;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    peakKib = usage.ru_maxrss;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ms : -1;
}

double QtScaledRead(const QString& path, QSize size) {
    QElapsedTimer timer;
    timer.start();
    QImageReader reader(path);
    reader.setScaledSize(size);
    const QImage image = reader.read();
    return image.isNull() ? -1 : double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int runs = 15;
    QSize fit(1600, 1066);
    QString json, path;
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a == "--runs" && !args.isEmpty())
            runs = args.takeFirst().toInt();
        else if (a == "--fit" && !args.isEmpty()) {
            const QStringList wh = args.takeFirst().split('x');
            fit = QSize(wh.value(0).toInt(), wh.value(1).toInt());
        } else if (a == "--json" && !args.isEmpty())
            json = args.takeFirst();
        else
            path = a;
    }
    if (path.isEmpty() || runs < 1 || fit.isEmpty()) {
        std::fprintf(stderr, "usage: bench_photo PHOTO.jpg [--runs N] [--fit WxH] [--json OUT]\n");
        return 2;
    }

    const QStringList mappedBefore = Mapped();
    double coldMs = 0;
    qint64 coldKib = 0;
    QSize decoded;
    if (!OpenAndFit(path, fit, coldMs, coldKib, decoded))
        return 1;
    const QStringList mappedAfter = Mapped();

    std::vector<double> ours, djpeg, qt;
    std::vector<double> added, djpegPeak;
    for (int i = 0; i < runs; ++i) {
        qint64 peakKib = 0;
        const double d = Djpeg(path, peakKib);
        if (d < 0) {
            std::fprintf(stderr, "djpeg failed (install libjpeg-turbo-progs)\n");
            return 1;
        }
        djpeg.push_back(d);
        djpegPeak.push_back(double(peakKib));
        double ms = 0;
        qint64 kib = 0;
        if (!OpenAndFit(path, fit, ms, kib, decoded))
            return 1;
        ours.push_back(ms);
        added.push_back(double(kib));
    }
    // Zoomed in: a view's worth of full-resolution pixels at the photo's far corner, where
    // the most data lies before them.
    std::vector<double> region;
    qint64 regionKib = 0;
    QSize regionSize(fit.width() / 2, fit.height() / 2);
    {
        auto opened = rula::PhotoFile::open(path);
        auto& photo = *std::get<std::unique_ptr<rula::PhotoFile>>(opened);
        const QSize whole = photo.uprightSize();
        regionSize = regionSize.boundedTo(whole);
        const QRect corner(
            QPoint(whole.width() - regionSize.width(), whole.height() - regionSize.height()),
            regionSize);
        for (int i = 0; i < runs; ++i) {
            const qint64 before = StatusKib("VmRSS:");
            ResetPeak();
            QElapsedTimer timer;
            timer.start();
            auto part = photo.decodeRegion(corner);
            if (!std::holds_alternative<QImage>(part))
                return 1;
            region.push_back(double(timer.nsecsElapsed()) / 1e6);
            if (i == 0)
                regionKib = StatusKib("VmHWM:") - before;
        }
    }
    // Qt's own scaled read of the photo fitted into the view, for comparison, after the
    // rest (its plugin maps libjpeg).
    QSize fitted;
    {
        auto opened = rula::PhotoFile::open(path);
        fitted = std::get<std::unique_ptr<rula::PhotoFile>>(opened)->uprightSize().scaled(
            fit, Qt::KeepAspectRatio);
    }
    for (int i = 0; i < std::min(runs, 5); ++i)
        qt.push_back(QtScaledRead(path, fitted));

    QTextStream out(stdout);
    const double ratio = Median(ours) / Median(djpeg);
    out << QString("  djpeg -scale 1/4:            %1 ms (median of %2), peak memory %3 MiB\n")
               .arg(Median(djpeg), 0, 'f', 1)
               .arg(runs)
               .arg(Median(djpegPeak) / 1024, 0, 'f', 1);
    out << QString("  open + decode to fit %1x%2: %3 ms (median; %4x%5 decoded), %6 of djpeg\n")
               .arg(fit.width())
               .arg(fit.height())
               .arg(Median(ours), 0, 'f', 1)
               .arg(decoded.width())
               .arg(decoded.height())
               .arg(ratio, 0, 'f', 2);
    out << QString("  first open, module loaded:   %1 ms, peak memory added %2 MiB\n")
               .arg(coldMs, 0, 'f', 1)
               .arg(double(coldKib) / 1024, 0, 'f', 1);
    // Later opens find the first one's freed memory still with the process.
    out << QString("  peak memory added, later:    %1 MiB (median; the allocator reuses)\n")
               .arg(Median(added) / 1024, 0, 'f', 1);
    out << QString("  Qt's reader scaling to %1x%2: %3 ms (median of %4)\n")
               .arg(fitted.width())
               .arg(fitted.height())
               .arg(Median(qt), 0, 'f', 1)
               .arg(qt.size());
    out << QString("  region of %1x%2 at the far corner, full resolution: %3 ms (median), "
                   "peak memory added %4 MiB\n")
               .arg(regionSize.width())
               .arg(regionSize.height())
               .arg(Median(region), 0, 'f', 1)
               .arg(double(regionKib) / 1024, 0, 'f', 1);
    out << "  decoder libraries mapped before the first photo: "
        << (mappedBefore.isEmpty() ? "none" : mappedBefore.join(", ")) << "\n";
    out << "  mapped after it: " << mappedAfter.join(", ") << "\n";
    out.flush();

    if (!json.isEmpty()) {
        auto array = [](const std::vector<double>& v) {
            QJsonArray a;
            for (double x : v)
                a.append(x);
            return a;
        };
        const QJsonObject result{
            {"djpeg_ms", QJsonObject{{"median", Median(djpeg)}, {"runs", array(djpeg)}}},
            {"djpeg_peak_kib",
             QJsonObject{{"median", Median(djpegPeak)}, {"runs", array(djpegPeak)}}},
            {"decode_ms", QJsonObject{{"median", Median(ours)}, {"runs", array(ours)}}},
            {"qt_scaled_read_ms", QJsonObject{{"median", Median(qt)}, {"runs", array(qt)}}},
            {"first_open_ms", coldMs},
            {"first_open_added_kib", double(coldKib)},
            {"added_kib", QJsonObject{{"median", Median(added)}, {"runs", array(added)}}},
            {"decoded", QString("%1x%2").arg(decoded.width()).arg(decoded.height())},
            {"mapped_before", QJsonArray::fromStringList(mappedBefore)},
            {"mapped_after", QJsonArray::fromStringList(mappedAfter)},
            {"region_ms", QJsonObject{{"median", Median(region)}, {"runs", array(region)}}},
            {"region_added_kib", double(regionKib)},
        };
        QFile f(json);
        if (!f.open(QIODevice::WriteOnly) || f.write(QJsonDocument(result).toJson()) < 0)
            return 1;
    }
    return 0;
}

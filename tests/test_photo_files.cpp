// Opening photos: files of every kind the user may pick, made here, each refused with its
// message at once or decoded upright at the size asked for.
#include "photo/decoder_module.h"
#include "photo/photo_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QMap>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTransform>

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace rula;

namespace {

// Whether this run is the one where the decoder module is missing.
bool WithoutDecoders() {
    return qEnvironmentVariableIsSet("RULA_TEST_WITHOUT_DECODERS");
}

// Makes a file in the folder and returns its path, or "skip:" and why it cannot.
using Maker = std::function<QString(const QDir&)>;
QString Skip(const QString& why) {
    return "skip:" + why;
}

constexpr QRgb kTopLeft = 0xffd02020;     // red
constexpr QRgb kBottomRight = 0xff2040d0; // blue
constexpr QRgb kRest = 0xffe0e0c0;

// The upright picture every good file holds: marked corners on a light ground.
QImage Drawn(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kRest);
    const int mark = std::max(16, size.height() / 5);
    QPainter painter(&image);
    painter.fillRect(0, 0, mark, mark, QColor(kTopLeft));
    painter.fillRect(size.width() - mark, size.height() - mark, mark, mark, QColor(kBottomRight));
    return image;
}

bool Near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) < 40 && std::abs(qGreen(a) - qGreen(b)) < 40 &&
           std::abs(qBlue(a) - qBlue(b)) < 40;
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString Written(const QDir& dir, const QString& name, const QByteArray& data) {
    const QString path = dir.filePath(name);
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size() ? path : QString();
}

// What an opening or decoding gave, or null when it failed, and the message then.
template <typename T> T* Got(std::variant<T, PhotoError>& result) {
    return std::get_if<T>(&result);
}
template <typename T> QString Why(const std::variant<T, PhotoError>& result) {
    const auto* error = std::get_if<PhotoError>(&result);
    return error ? error->message : QString();
}

// `image` saved in `format`, or empty when Qt cannot write it.
QString Saved(const QDir& dir, const QString& name, const QImage& image, const char* format) {
    const QString path = dir.filePath(name);
    QImageWriter writer(path, format);
    writer.setQuality(95);
    return writer.write(image) ? path : QString();
}

// `path` once `program` has run well on it, or why the row is skipped.
QString Tool(const QString& program, const QStringList& arguments, const QString& path,
             const char* package) {
    QProcess p;
    if (!QStandardPaths::findExecutable(program).isEmpty())
        p.start(program, arguments);
    if (p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
        return path;
    return Skip(program + " is missing: install " + package);
}

QString Heic(const QDir& dir, const QString& name, const QImage& upright) {
    const QString path = dir.filePath(name);
    return Tool("heif-enc", {"-q", "90", "-o", path, Saved(dir, name + ".png", upright, "png")},
                path, "libheif-examples");
}

QByteArray BigEndian(quint32 v) {
    const char bytes[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    return QByteArray(bytes, 4);
}

QByteArray PngChunk(const QByteArray& type, const QByteArray& data) {
    quint32 crc = 0xffffffffu;
    for (char c : type + data) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return BigEndian(quint32(data.size())) + type + data + BigEndian(~crc);
}

// A black PNG (8-bit grey) of width × height whose data holds its first `rows` rows.
QByteArray BlackPng(int width, int height, int rows) {
    const QByteArray header = BigEndian(quint32(width)) + BigEndian(quint32(height)) +
                              QByteArray("\x08\x00\x00\x00\x00", 5);
    // Each row: filter type 0, then its pixels; qCompress puts a zlib stream after 4 bytes.
    const QByteArray data = qCompress(QByteArray(qsizetype(width + 1) * rows, '\0')).mid(4);
    return QByteArray("\x89PNG\r\n\x1A\n", 8) + PngChunk("IHDR", header) + PngChunk("IDAT", data) +
           PngChunk("IEND", {});
}

// A small JPEG whose frame header is rewritten to declare width × height; the file ends
// as a whole JPEG does, so only the declared size stands in the way.
QString JpegDeclaring(const QDir& dir, const QString& name, quint16 width, quint16 height) {
    QByteArray data = ReadAll(Saved(dir, "small.jpg", Drawn({64, 48}), "jpeg"));
    const qsizetype sof = data.indexOf("\xFF\xC0");
    if (sof < 0)
        return QString();
    const char size[4] = {char(height >> 8), char(height), char(width >> 8), char(width)};
    data.replace(sof + 5, 4, QByteArray(size, 4));
    return Written(dir, name, data);
}

quint32 Get(const QByteArray& d, qsizetype at, int bytes) {
    quint32 v = 0;
    for (int i = 0; i < bytes; ++i)
        v = (v << 8) | quint8(d[at + i]);
    return v;
}

void Put(QByteArray& d, qsizetype at, int bytes, quint32 v) {
    for (int i = bytes - 1; i >= 0; --i, v >>= 8)
        d[at + i] = char(v);
}

// The boxes directly inside [begin, end): type to offset.
QMap<QByteArray, qsizetype> Boxes(const QByteArray& d, qsizetype begin, qsizetype end) {
    QMap<QByteArray, qsizetype> found;
    for (qsizetype at = begin; at + 8 <= end && Get(d, at, 4) >= 8; at += Get(d, at, 4))
        found.insert(d.mid(at + 4, 4), at);
    return found;
}

// A HEIF file whose primary image gets a rotation property (irot) of `quarters` quarter
// turns anticlockwise, as a phone stores a photo taken sideways; empty when the file's
// layout is not the one heif-enc writes.
QByteArray WithRotation(QByteArray d, int quarters) {
    const qsizetype meta = Boxes(d, 0, d.size()).value("meta", -1);
    if (meta < 0)
        return {};
    const auto inMeta = Boxes(d, meta + 12, meta + Get(d, meta, 4));
    const qsizetype iprp = inMeta.value("iprp", -1), iloc = inMeta.value("iloc", -1);
    const qsizetype pitm = inMeta.value("pitm", -1);
    if (iprp < 0 || iloc < 0 || pitm < 0 || d[pitm + 8] != 0)
        return {};
    const auto inIprp = Boxes(d, iprp + 8, iprp + Get(d, iprp, 4));
    const qsizetype ipco = inIprp.value("ipco", -1), ipma = inIprp.value("ipma", -1);
    if (ipco < 0 || ipma < 0 || ipma < ipco || Get(d, ipma + 8, 4) != 0) // ipma v0, 1-byte
        return {};
    qsizetype count = 0;
    for (qsizetype at = ipco + 8; at < ipco + Get(d, ipco, 4); at += Get(d, at, 4))
        ++count;
    constexpr int kGrowth = 10; // the property and its association
    // Items stored in the file after the boxes that grow move along (iloc with 4-byte
    // offsets and lengths in a base offset and no index).
    const int version = d[iloc + 8];
    if (version > 1 || Get(d, iloc + 12, 2) != 0x4440)
        return {};
    const int method = version == 1 ? 2 : 0; // the construction method's field
    qsizetype at = iloc + 16;
    for (quint32 item = 0, items = Get(d, iloc + 14, 2); item < items; ++item) {
        const bool inFile = !method || (Get(d, at + 2, 2) & 0xf) == 0;
        const qsizetype base = at + 4 + method;
        if (inFile && Get(d, base, 4) > quint32(meta))
            Put(d, base, 4, Get(d, base, 4) + kGrowth);
        at = base + 6 + 8 * qsizetype(Get(d, base + 4, 2));
    }
    // The association, at the end of the primary item's list.
    const quint32 primary = Get(d, pitm + 12, 2);
    at = ipma + 16;
    for (quint32 entry = 0, entries = Get(d, ipma + 12, 4); entry < entries; ++entry) {
        const quint32 n = Get(d, at + 2, 1);
        if (Get(d, at, 2) == primary) {
            Put(d, at + 2, 1, n + 1);
            d.insert(at + 3 + n, char(0x80 | (count + 1)));
            break;
        }
        at += 3 + n;
    }
    Put(d, ipma, 4, Get(d, ipma, 4) + 1);
    QByteArray irot("\0\0\0\x09irot", 8);
    irot.append(char(quarters & 3));
    d.insert(ipco + Get(d, ipco, 4), irot);
    for (qsizetype box : {ipco, iprp})
        Put(d, box, 4, Get(d, box, 4) + 9 + (box == iprp));
    Put(d, meta, 4, Get(d, meta, 4) + kGrowth);
    return d;
}

} // namespace

class PhotoFilesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void badFilesAreRefusedAtOnce_data();
    void badFilesAreRefusedAtOnce();
    void goodFilesDecodeUpright_data();
    void goodFilesDecodeUpright();
    void progressiveJpegDecodesAsBaseline_data();
    void progressiveJpegDecodesAsBaseline();
    void largePhotosWithinTheLimitOpen_data();
    void largePhotosWithinTheLimitOpen();

private:
    QTemporaryDir folder_;
};

// The decoders' libraries are mapped only once a photo needs them.
void PhotoFilesTest::initTestCase() {
    QVERIFY(folder_.isValid());
    const QByteArray maps = ReadAll("/proc/self/maps");
    QVERIFY(!maps.isEmpty());
    for (const char* library : {"libjpeg", "libheif", "photo-decoders"})
        QVERIFY2(!maps.contains(library), library);
}

void PhotoFilesTest::badFilesAreRefusedAtOnce_data() {
    QTest::addColumn<Maker>("make");
    QTest::addColumn<QString>("message");
    auto file = [](const QString& name, const QByteArray& data) {
        return Maker([=](const QDir& dir) { return Written(dir, name, data); });
    };
    // The first `keep` bytes of a good photo of the suffix's format (below 1: that share).
    auto cut = [](const QString& suffix, double keep) {
        return Maker([=](const QDir& dir) {
            const QImage drawn = Drawn({400, 300});
            const QString whole = suffix == "heic" ? Heic(dir, "whole.heic", drawn)
                                                   : Saved(dir, "whole." + suffix, drawn, nullptr);
            if (whole.startsWith("skip:"))
                return whole;
            const QByteArray data = ReadAll(whole);
            return Written(dir, "cut." + suffix,
                           data.left(qsizetype(keep < 1 ? double(data.size()) * keep : keep)));
        });
    };
    const QString truncated = "%1 ends too early (truncated)";
    QTest::newRow("not an image") << file("notes.jpg", "Notes on the second shift.\n")
                                  << "notes.jpg is not a photo Rula can open";
    QTest::newRow("empty") << file("empty.png", {}) << "empty.png is empty";
    QTest::newRow("truncated JPEG") << cut("jpg", 0.5) << truncated.arg("cut.jpg");
    QTest::newRow("truncated PNG") << cut("png", 0.5) << truncated.arg("cut.png");
    QTest::newRow("JPEG cut inside its header") << cut("jpeg", 40) << truncated.arg("cut.jpeg");
    if (!WithoutDecoders())
        QTest::newRow("truncated HEIC") << cut("heic", 2 / 3.0) << truncated.arg("cut.heic");
    // A text chunk that claims almost 2 GB: a reader would set that much memory aside.
    QTest::newRow("PNG chunk longer than the file") << Maker([](const QDir& dir) {
        const QByteArray png = ReadAll(Saved(dir, "whole.png", Drawn({40, 30}), "png"));
        const QByteArray claim = BigEndian(0x7f000000u) + "tEXtComment";
        return Written(dir, "claim.png", png.left(png.size() - 12) + claim + png.right(12));
    }) << truncated.arg("claim.png");
    QTest::newRow("unreadable") << Maker([](const QDir& dir) {
        if (::geteuid() == 0)
            return Skip("as root, permission bits do not apply");
        const QString path = Saved(dir, "locked.png", Drawn({40, 30}), "png");
        ::chmod(QFile::encodeName(path).constData(), 0);
        return path;
    }) << "locked.png cannot be read: Permission denied";
    QTest::newRow("missing") << Maker([](const QDir& dir) { return dir.filePath("gone.jpg"); })
                             << "gone.jpg cannot be read: No such file or directory";
    QTest::newRow("folder") << Maker([](const QDir& dir) {
        dir.mkdir("Photos.jpg");
        return dir.filePath("Photos.jpg");
    }) << "Photos.jpg is a folder";
    QTest::newRow("named pipe") << Maker([](const QDir& dir) {
        const QString path = dir.filePath("pipe.jpg");
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
    }) << "pipe.jpg is a named pipe";
    QTest::newRow("device") << Maker([](const QDir&) { return QString("/dev/zero"); })
                            << "zero is a device";
    const QString tooLarge = "%1 is %2 pixels: too large to open (at most 100 megapixels)";
    QTest::newRow("pixel bomb PNG")
        << file("bomb.png", BlackPng(30000, 30000, 1)) << tooLarge.arg("bomb.png", "30000 × 30000");
    QTest::newRow("JPEG declaring a huge size")
        << Maker([](const QDir& dir) { return JpegDeclaring(dir, "huge.jpg", 60000, 50000); })
        << tooLarge.arg("huge.jpg", "60000 × 50000");
    // Just past the limit: 100,000,002 pixels, the fewest above 100 megapixels that a JPEG
    // can declare (100,000,001 is only 17 × 5,882,353, taller than JPEG and libpng allow).
    QTest::newRow("PNG just past 100 megapixels")
        << file("past.png", BlackPng(2217, 45106, 1)) << tooLarge.arg("past.png", "2217 × 45106");
    QTest::newRow("JPEG just past 100 megapixels")
        << Maker([](const QDir& dir) { return JpegDeclaring(dir, "past.jpg", 2217, 45106); })
        << tooLarge.arg("past.jpg", "2217 × 45106");
}

void PhotoFilesTest::badFilesAreRefusedAtOnce() {
    QFETCH(Maker, make);
    QFETCH(QString, message);
    const QString path = make(QDir(folder_.path()));
    if (path.startsWith("skip:"))
        QSKIP(qPrintable(path.mid(5)));
    QVERIFY2(!path.isEmpty(), "the file could not be made");
    QElapsedTimer timer;
    timer.start();
    auto opened = PhotoFile::open(path);
    // A file that opens must fail when decoded, with the same care.
    if (Got(opened)) {
        auto decoded = (*Got(opened))->decodeToFit({800, 600});
        QVERIFY2(!Got(decoded), "decoded a bad file");
        QCOMPARE(Why(decoded), message);
    } else {
        QCOMPARE(Why(opened), message);
    }
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString("took %1 ms").arg(timer.elapsed())));
}

void PhotoFilesTest::goodFilesDecodeUpright_data() {
    QTest::addColumn<Maker>("make");
    QTest::addColumn<QSize>("upright");
    QTest::addColumn<QSize>("fit");
    QTest::addColumn<QSize>("decoded"); // what decodeToFit yields
    const QImage drawn = Drawn({240, 160});
    const QSize whole(240, 160), fit(1600, 1066), small(120, 120), fitted(120, 80);
    // Each format Qt reads and JPEG, whole (a.*); PNG and JPEG scaled down to fit (b.*).
    for (const char* name : {"a.png", "a.jpg", "a.webp", "a.tif", "a.bmp", "b.png", "b.jpg"}) {
        const bool scaled = name[0] == 'b';
        QTest::newRow(name) << Maker([=](const QDir& dir) {
            const QString path = Saved(dir, name, drawn, nullptr); // the format from the suffix
            return path.isEmpty() ? Skip("no writer: install qt6-image-formats-plugins") : path;
        }) << whole << (scaled ? small : fit)
                            << (scaled ? fitted : whole);
    }
    // As a camera held sideways stores it: turned, with the EXIF orientation to turn it back.
    for (const auto& [format, orientation] :
         {std::pair("jpg", 6), std::pair("jpg", 8), std::pair("webp", 6)})
        QTest::addRow("%s with EXIF orientation %d", format, orientation)
            << Maker([=](const QDir& dir) {
                   const QString path =
                       Saved(dir, QString("turned%1.%2").arg(orientation).arg(format),
                             drawn.transformed(QTransform().rotate(orientation == 6 ? -90 : 90)),
                             nullptr);
                   if (path.isEmpty())
                       return Skip("no writer: install qt6-image-formats-plugins");
                   return Tool("exiftool",
                               {"-q", "-overwrite_original", "-n",
                                QString("-Orientation=%1").arg(orientation), path},
                               path, "libimage-exiftool-perl");
               })
            << whole << fit << whole;
    QTest::newRow("CMYK JPEG") << Maker([drawn](const QDir& dir) {
        const QString png = Saved(dir, "forcmyk.png", drawn, "png"),
                      path = dir.filePath("cmyk.jpg");
        return Tool("convert", {png, "-colorspace", "CMYK", "-quality", "95", path}, path,
                    "imagemagick");
    }) << whole << fit << whole;
    // HEIC, stored upright and stored turned with a rotation property that turns it back.
    for (int quarters : {0, 1, 3})
        QTest::addRow("HEIC turned %d quarters", quarters) << Maker([=](const QDir& dir) {
            const QString path = Heic(dir, QString("turned%1.heic").arg(quarters),
                                      drawn.transformed(QTransform().rotate(90 * quarters)));
            if (quarters == 0 || path.startsWith("skip:"))
                return path;
            const QByteArray turned = WithRotation(ReadAll(path), quarters);
            if (turned.isEmpty()) // the row fails on an empty file
                qWarning("heif-enc wrote a layout this test does not know");
            return Written(dir, path, turned);
        }) << whole << fit << whole;
    // 24 megapixels to fit a view of 1600 x 1066: the decoder's quarter scale.
    QTest::newRow("24-megapixel JPEG") << Maker([](const QDir& dir) {
        return Saved(dir, "big.jpg", Drawn({6000, 4000}), "jpeg");
    }) << QSize(6000, 4000) << fit << QSize(1500, 1000);
}

void PhotoFilesTest::goodFilesDecodeUpright() {
    QFETCH(Maker, make);
    QFETCH(QSize, upright);
    QFETCH(QSize, fit);
    QFETCH(QSize, decoded);
    const QString path = make(QDir(folder_.path()));
    if (path.startsWith("skip:"))
        QSKIP(qPrintable(path.mid(5)));
    QVERIFY2(!path.isEmpty(), "the file could not be made");
    if (WithoutDecoders() && path.endsWith(".heic"))
        QSKIP("HEIC needs the decoder module");
    auto opened = PhotoFile::open(path);
    QVERIFY2(Got(opened), qPrintable(Why(opened)));
    PhotoFile& photo = **Got(opened);
    QCOMPARE(photo.uprightSize(), upright);

    auto fitted = photo.decodeToFit(fit);
    QVERIFY(Got(fitted));
    const QImage& image = *Got(fitted);
    QCOMPARE(image.size(), decoded);
    QVERIFY2(Near(image.pixel(2, 2), kTopLeft), "the top left corner is not where it belongs");
    QVERIFY(Near(image.pixel(image.width() - 3, image.height() - 3), kBottomRight));
    QVERIFY(Near(image.pixel(image.width() - 3, 2), kRest));

    // Regions at full resolution: a corner, and across a mark's edge; two points in each.
    const int mark = std::max(16, upright.height() / 5);
    const std::tuple<QRect, QPoint, QRgb, QPoint, QRgb> regions[] = {
        {{upright.width() - mark - 20, upright.height() - 30, 40, 30},
         {35, 25},
         kBottomRight,
         {2, 2},
         kRest},
        {{mark - 10, 3, 20, 8}, {5, 4}, kTopLeft, {15, 4}, kRest}};
    for (const auto& [rect, a, colourA, b, colourB] : regions) {
        auto region = photo.decodeRegion(rect);
        QVERIFY(Got(region));
        QCOMPARE(Got(region)->size(), rect.size());
        QVERIFY(Near(Got(region)->pixel(a), colourA) && Near(Got(region)->pixel(b), colourB));
    }

    const QString suffix = QFileInfo(path).suffix();
    if (suffix == "jpg" && WithoutDecoders()) {
        QVERIFY2(!PhotoDecoders(), "this run was to find no decoder module");
    } else if (suffix == "jpg" || suffix == "heic") {
        QString whyNot;
        QVERIFY2(PhotoDecoders(&whyNot), qPrintable(whyNot));
        QVERIFY(ReadAll("/proc/self/maps").contains("photo-decoders.so"));
    }
}

// A progressive JPEG holds the same coefficients as the baseline one saved from the same
// picture at the same quality, so both decode to the same pixels at every scale: the
// decoder keeps a progressive file's coefficients compact, and drops the values the
// reduced scale does not read. The picture is noisy, so that every coefficient counts.
void PhotoFilesTest::progressiveJpegDecodesAsBaseline_data() {
    QTest::addColumn<QSize>("fit");
    QTest::addColumn<QSize>("decoded");
    QTest::newRow("an eighth") << QSize(60, 40) << QSize(60, 40);
    QTest::newRow("a quarter") << QSize(120, 80) << QSize(120, 80);
    QTest::newRow("a half") << QSize(240, 160) << QSize(240, 160);
    QTest::newRow("whole") << QSize(1600, 1066) << QSize(480, 320);
}

void PhotoFilesTest::progressiveJpegDecodesAsBaseline() {
    QFETCH(QSize, fit);
    QFETCH(QSize, decoded);
    QImage picture(480, 320, QImage::Format_RGB32);
    quint32 noise = 12345;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            noise = noise * 1103515245u + 12345u;
            const int n = int(noise >> 24) % 96;
            picture.setPixel(x, y, qRgb((x / 2 + n) % 256, (y + 2 * n) % 256, (x + y) / 4 + n));
        }
    const QDir dir(folder_.path());
    QStringList paths;
    for (bool progressive : {false, true}) {
        const QString path = dir.filePath(progressive ? "progressive.jpg" : "baseline.jpg");
        QImageWriter writer(path, "jpeg");
        writer.setQuality(90);
        writer.setProgressiveScanWrite(progressive);
        QVERIFY(writer.write(picture));
        paths << path;
    }
    QVERIFY2(ReadAll(paths[1]).contains("\xFF\xC2"), "the JPEG written is not progressive");
    std::vector<QImage> images;
    for (const QString& path : paths) {
        auto opened = PhotoFile::open(path);
        QVERIFY2(Got(opened), qPrintable(Why(opened)));
        auto fitted = (*Got(opened))->decodeToFit(fit);
        QVERIFY2(Got(fitted), qPrintable(Why(fitted)));
        QCOMPARE(Got(fitted)->size(), decoded);
        images.push_back(*Got(fitted));
        auto region = (*Got(opened))->decodeRegion({205, 97, 150, 120});
        QVERIFY2(Got(region), qPrintable(Why(region)));
        images.push_back(*Got(region));
    }
    QVERIFY2(images[0] == images[2], "the progressive file decodes to other pixels");
    QVERIFY2(images[1] == images[3], "a region of the progressive file decodes to other pixels");
}

// Photos larger than Qt's reader allows by default, within the program's limit: 40
// megapixels decoded, and headers of exactly 100 megapixels opened (their data holds one
// row: only the size they declare is at stake).
void PhotoFilesTest::largePhotosWithinTheLimitOpen_data() {
    QTest::addColumn<Maker>("make");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("decoded"); // to fit 1600 x 1066; empty: not decoded
    QTest::newRow("40-megapixel PNG") << Maker([](const QDir& dir) {
        return Written(dir, "large.png", BlackPng(8000, 5000, 5000));
    }) << QSize(8000, 5000) << QSize(1600, 1000);
    QTest::newRow("100-megapixel PNG header") << Maker([](const QDir& dir) {
        return Written(dir, "limit.png", BlackPng(10000, 10000, 1));
    }) << QSize(10000, 10000) << QSize();
    QTest::newRow("100-megapixel JPEG header")
        << Maker([](const QDir& dir) { return JpegDeclaring(dir, "limit.jpg", 12500, 8000); })
        << QSize(12500, 8000) << QSize();
}

void PhotoFilesTest::largePhotosWithinTheLimitOpen() {
    QFETCH(Maker, make);
    QFETCH(QSize, size);
    QFETCH(QSize, decoded);
    auto opened = PhotoFile::open(make(QDir(folder_.path())));
    QVERIFY2(Got(opened), qPrintable(Why(opened)));
    QCOMPARE((*Got(opened))->uprightSize(), size);
    if (decoded.isEmpty())
        return;
    auto fitted = (*Got(opened))->decodeToFit({1600, 1066});
    QVERIFY2(Got(fitted), qPrintable(Why(fitted)));
    QCOMPARE(Got(fitted)->size(), decoded);
    QCOMPARE(Got(fitted)->pixel(decoded.width() / 2, decoded.height() / 2), qRgb(0, 0, 0));
}

QTEST_GUILESS_MAIN(PhotoFilesTest)
#include "test_photo_files.moc"

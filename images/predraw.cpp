// Draws an SVG at build time into the raw picture the program reads back (screens/
// drawing_module.h): width and height as two little-endian 32-bit numbers, then the
// premultiplied ARGB pixels row after row.
//
//   rula_predraw OUT SVG WIDTH HEIGHT paper|clear
//
// "paper" draws it on white, as the screens draw a drawing in its picture box; "clear"
// on nothing, as the window icon is drawn.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QtEndian>

#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool wide = false, high = false;
    const QSize size(args.value(3).toInt(&wide), args.value(4).toInt(&high));
    const QString background = args.value(5);
    if (args.size() != 6 || !wide || !high || size.isEmpty() ||
        (background != "paper" && background != "clear")) {
        std::fprintf(stderr, "usage: rula_predraw OUT SVG WIDTH HEIGHT paper|clear\n");
        return 2;
    }
    QSvgRenderer drawing(args[2]);
    if (!drawing.isValid()) {
        std::fprintf(stderr, "rula_predraw: %s is not a drawing\n", qPrintable(args[2]));
        return 1;
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background == "paper" ? Qt::white : Qt::transparent);
    QPainter painter(&image);
    drawing.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();

    QByteArray data(8, '\0');
    qToLittleEndian<quint32>(quint32(size.width()), data.data());
    qToLittleEndian<quint32>(quint32(size.height()), data.data() + 4);
    for (int y = 0; y < size.height(); ++y)
        data.append(reinterpret_cast<const char*>(image.constScanLine(y)), size.width() * 4);
    QSaveFile out(args[1]);
    if (!out.open(QIODevice::WriteOnly) || out.write(data) != data.size() || !out.commit()) {
        std::fprintf(stderr, "rula_predraw: cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}

#include "screens/drawing_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QMutex>
#include <QResource>
#include <QtEndian>

#include <cstring>

namespace rula {
namespace {

const DrawingModuleTable* Module() {
    static QMutex mutex;
    static bool tried = false;
    static const DrawingModuleTable* table = nullptr;
    QMutexLocker lock(&mutex);
    if (!tried) {
        tried = true;
        QLibrary module(QDir(QCoreApplication::applicationDirPath())
                            .filePath(QStringLiteral(RULA_DRAWING_MODULE)));
        module.setLoadHints(QLibrary::PreventUnloadHint);
        auto entry = reinterpret_cast<DrawingModuleEntry>(module.resolve(kDrawingModuleEntry));
        table = entry ? entry(kDrawingModuleVersion) : nullptr;
        if (!table)
            qWarning(
                "The drawings cannot be drawn: %s",
                qPrintable(
                    entry ? QStringLiteral("%1 belongs to another version.").arg(module.fileName())
                          : module.errorString()));
    }
    return table;
}

// The words written in the drawings, beside their angles.
const char* const kDrawingWords[] = {QT_TRANSLATE_NOOP("rula::PictureBox", "in extension")};

} // namespace

void PaintSvg(QPainter& painter, const QString& resource, const QRectF& area) {
    const DrawingModuleTable* module = Module();
    if (!module)
        return;
    QByteArray svg = QResource(resource).uncompressedData();
    for (const char* words : kDrawingWords) {
        const QString translated = QCoreApplication::translate("rula::PictureBox", words);
        if (translated != QLatin1String(words))
            svg.replace(QByteArray(">") + words + '<',
                        '>' + translated.toHtmlEscaped().toUtf8() + '<');
    }
    module->paint(painter, svg, area);
}

QString PreDrawnName(const QString& resource, QSize pixels) {
    const QFileInfo svg(resource);
    return QStringLiteral("%1/drawn/%2-%3x%4.argb")
        .arg(svg.path(), svg.completeBaseName())
        .arg(pixels.width())
        .arg(pixels.height());
}

QImage PreDrawn(const QString& resource, QSize pixels) {
    // Width and height as two little-endian 32-bit numbers, then the premultiplied ARGB
    // pixels, row after row.
    const QResource file(PreDrawnName(resource, pixels));
    if (!file.isValid())
        return {};
    const QByteArray data = file.uncompressedData();
    const qsizetype bytes = qsizetype(pixels.width()) * pixels.height() * 4;
    if (data.size() != 8 + bytes)
        return {};
    quint32 size[2];
    std::memcpy(size, data.constData(), sizeof size);
    if (qFromLittleEndian(size[0]) != quint32(pixels.width()) ||
        qFromLittleEndian(size[1]) != quint32(pixels.height()))
        return {};
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < pixels.height(); ++y)
        std::memcpy(image.scanLine(y), data.constData() + 8 + qsizetype(y) * pixels.width() * 4,
                    size_t(pixels.width()) * 4);
    return image;
}

} // namespace rula

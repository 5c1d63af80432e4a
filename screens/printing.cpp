#include "screens/printing.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>

namespace rula {
namespace {

constexpr double kScreenDotsPerInch = 96.0;

QString tr(const char* text) {
    return QCoreApplication::translate("Printing", text);
}

} // namespace

std::unique_ptr<QPrinter> DefaultPrinterTarget::open(QString& whyNot) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        whyNot = tr("No default printer is set up on this computer.");
        return nullptr;
    }
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

std::unique_ptr<QPrinter> PdfFileTarget::open(QString&) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path_);
    return printer;
}

QString PrintTarget::print(const QPixmap& image) {
    QString whyNot;
    const std::unique_ptr<QPrinter> printer = open(whyNot);
    if (!printer)
        return whyNot;
    printer->setDocName(QStringLiteral("Rula"));

    QPainter painter;
    if (!painter.begin(printer.get()))
        return tr("The printer \"%1\" could not be started.").arg(printer->printerName());
    const QSizeF logical = image.deviceIndependentSize();
    const double scale = printer->resolution() / kScreenDotsPerInch;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRectF(QPointF(0, 0), logical * scale), image, QRectF(image.rect()));
    if (!painter.end())
        return tr("The printer \"%1\" did not accept the page.").arg(printer->printerName());
    if (printer->printerState() == QPrinter::Error)
        return tr("The printer \"%1\" reported an error.").arg(printer->printerName());
    return {};
}

} // namespace rula

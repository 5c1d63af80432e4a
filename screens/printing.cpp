#include "screens/printing.h"

#include <QCoreApplication>
#include <QPageLayout>
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

    // True size: 96 screen pixels to the inch. A screen too wide for the page upright
    // (the chart on A4) is printed across it; one too large either way is shrunk to fit.
    const QSizeF inches = image.deviceIndependentSize() / kScreenDotsPerInch;
    const auto printable = [&] {
        return printer->pageLayout().paintRect(QPageLayout::Inch).size();
    };
    if (inches.width() > printable().width())
        printer->setPageOrientation(QPageLayout::Landscape);
    QSizeF target = inches;
    if (target.width() > printable().width() || target.height() > printable().height())
        target = target.scaled(printable(), Qt::KeepAspectRatio);

    QPainter painter;
    if (!painter.begin(printer.get()))
        return tr("The printer \"%1\" could not be started.").arg(printer->printerName());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRectF(QPointF(0, 0), target * printer->resolution()), image,
                       QRectF(image.rect()));
    if (!painter.end())
        return tr("The printer \"%1\" did not accept the page.").arg(printer->printerName());
    if (printer->printerState() == QPrinter::Error)
        return tr("The printer \"%1\" reported an error.").arg(printer->printerName());
    return {};
}

} // namespace rula

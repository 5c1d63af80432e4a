#include "screens/printing.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QStyle>
#include <QWidget>

namespace rula {
namespace {

constexpr double kScreenDotsPerInch = 96.0;
constexpr int kPageDotsPerInch = 1200;
constexpr double kDateLinePoints = 8.0;
// Recorded turned a quarter: styles then draw every control as lines and fills, where
// upright they would reuse bitmaps of it drawn for the screen. Played back turned back.
constexpr double kRecordingTurn = 90.0;

QString tr(const char* text) {
    return QCoreApplication::translate("Printing", text);
}

QFont DateLineFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(kDateLinePoints);
    return font;
}

} // namespace

ScreenRecording RecordScreen(QWidget& screen) {
    ScreenRecording page;
    page.pixels = screen.size();
    page.caption = screen.windowTitle();
    page.printedAt = QDateTime::currentDateTime();
    // Paper is light whatever the desktop's colour style: for the recording, the colours
    // the screen sets itself (the chart's white page) stand, the rest are the standard
    // light ones. Nothing is repainted in between, so the screen never shows them.
    const bool ownPalette = screen.testAttribute(Qt::WA_SetPalette);
    const QPalette shown = screen.palette();
    screen.setPalette(shown.resolve(screen.style()->standardPalette()));
    QPainter painter(&page.picture);
    painter.rotate(kRecordingTurn);
    screen.render(&painter);
    painter.end();
    screen.setPalette(ownPalette ? shown : QPalette());
    return page;
}

void DrawRecording(QPainter& painter, const ScreenRecording& page) {
    // The picture plays back at its true size on any resolution by itself.
    painter.save();
    painter.rotate(-kRecordingTurn);
    painter.drawPicture(0, 0, page.picture);
    painter.restore();
}

QString DateLine(const ScreenRecording& page) {
    return QStringLiteral("%1   %2").arg(
        page.caption, page.printedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}

QPageLayout FallbackPaper() {
    const bool inches = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(inches ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch);
}

QByteArray ComposePdf(const ScreenRecording& page, const QPageLayout& paper) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kPageDotsPerInch);
    // The archival form of PDF: fonts embedded and nothing translucent, so that no print
    // system needs to turn the page into a bitmap on its way to the paper.
    writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    writer.setCreator(QCoreApplication::applicationName());
    writer.setTitle(page.caption);

    const QFont font = DateLineFont();
    const QFontMetricsF metrics(font, &writer);
    const double gap = metrics.height() / 2;
    const double lineHeight = gap + metrics.height();

    // True size: 96 screen pixels to the inch. A screen too wide for the paper upright
    // (the chart on A4) is turned to run across it, its top at the paper's left edge; the
    // page itself stays upright, as the paper is in the printer. A screen too large
    // either way is shrunk to fit.
    QPageLayout layout = paper;
    layout.setUnits(QPageLayout::Inch);
    layout.setOrientation(QPageLayout::Portrait);
    const QSizeF inches = QSizeF(page.pixels) / kScreenDotsPerInch;
    const bool across = inches.width() > layout.paintRect().width();
    const QSizeF upright = layout.paintRect().size() * kPageDotsPerInch;
    const QSizeF printable = across ? upright.transposed() : upright;
    const QSizeF wanted = inches * kPageDotsPerInch;
    const double shrink = std::min({1.0, printable.width() / wanted.width(),
                                    (printable.height() - lineHeight) / wanted.height()});
    writer.setPageLayout(layout);

    QPainter painter(&writer);
    if (across) {
        painter.translate(0, upright.height());
        painter.rotate(-90);
    }
    painter.save();
    painter.scale(shrink, shrink);
    DrawRecording(painter, page);
    painter.restore();
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(0, wanted.height() * shrink + gap + metrics.ascent()), DateLine(page));
    painter.end();
    return bytes;
}

void PdfFileTarget::send(ScreenRecording page, Done done) {
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(ComposePdf(page, paper_)) < 0 ||
        !file.flush()) {
        done(tr("the file %1 could not be written: %2.").arg(path_, file.errorString()));
        return;
    }
    done({});
}

} // namespace rula

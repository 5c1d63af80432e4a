#include "printing/printing.h"

#include "printing/paper_drawing.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

namespace rula {
namespace {

constexpr double kScreenDotsPerInch = 96.0;
constexpr int kPageDotsPerInch = 1200;
constexpr double kDateLinePoints = 8.0;
constexpr double kHeadingPoints = 10.0;
// Recorded turned a quarter: styles then draw every control as lines and fills, where
// upright they would reuse bitmaps of it drawn for the screen. Played back turned back.
constexpr double kRecordingTurn = 90.0;

// What printing says, under one context with the print module's messages.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(Printing)
};

QFont PageFont(double points) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(points);
    return font;
}

} // namespace

QPalette PaperPalette() {
    const QColor white(Qt::white);
    const QColor grey(0xf0, 0xf0, 0xf0);
    const QColor black(Qt::black);
    // Window text, button, light, dark, mid, text, bright text, base, window.
    QPalette paper(black, grey, white, QColor(0xa0, 0xa0, 0xa0), QColor(0xc0, 0xc0, 0xc0), black,
                   white, white, grey);
    paper.setColor(QPalette::Shadow, QColor(0x69, 0x69, 0x69));
    paper.setColor(QPalette::Highlight, QColor(0x00, 0x55, 0xb3));
    paper.setColor(QPalette::HighlightedText, white);
    paper.setColor(QPalette::Link, QColor(0x00, 0x00, 0xee));
    paper.setColor(QPalette::PlaceholderText, QColor(0x60, 0x60, 0x60));
    paper.setColor(QPalette::ToolTipBase, white);
    paper.setColor(QPalette::ToolTipText, black);
    // A screen is printed as it is on view, so it is drawn active.
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = static_cast<QPalette::ColorRole>(role);
        paper.setColor(QPalette::Inactive, r, paper.color(QPalette::Active, r));
    }
    paper.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x6d, 0x6d, 0x6d));
    paper.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x6d, 0x6d, 0x6d));
    paper.setColor(QPalette::Disabled, QPalette::Text, QColor(0x6d, 0x6d, 0x6d));
    return paper;
}

ScreenRecording RecordScreen(QWidget& screen, const QString& name) {
    ScreenRecording page;
    page.pixels = screen.size();
    // The caption as the title bar shows it: "[*]" is where the changed-mark goes.
    page.caption = screen.windowTitle().remove(QLatin1String("[*]"));
    page.name = name;
    page.printedAt = QDateTime::currentDateTime();
    if (const auto* heading = dynamic_cast<const PaperHeading*>(&screen))
        page.heading = heading->paperHeading();
    // For the recording, the colours the screen sets itself (the chart's white page)
    // stand, the rest are paper's. Nothing is repainted in between, so the screen never
    // shows them.
    const bool ownPalette = screen.testAttribute(Qt::WA_SetPalette);
    const QPalette shown = screen.palette();
    QPalette paper = PaperPalette();
    if (ownPalette) // what a screen sets itself is a background with its text colour
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText})
            paper.setBrush(role, shown.brush(role));
    screen.setPalette(paper);
    {
        const DrawingForPaper forPaper;
        QPainter painter(&page.picture);
        painter.rotate(kRecordingTurn);
        if (auto* layout = dynamic_cast<PaperLayout*>(&screen))
            page.pixels = layout->drawForPaper(painter);
        else
            screen.render(&painter);
    }
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

namespace {

// The caption and which screen it is: the page's title, and the start of its date line.
QString Heading(const ScreenRecording& page) {
    return page.name.isEmpty() ? page.caption
                               : QStringLiteral("%1 · %2").arg(page.caption, page.name);
}

} // namespace

QString DateLine(const ScreenRecording& page) {
    const int offsetMinutes = page.printedAt.offsetFromUtc() / 60;
    const QString offset = QStringLiteral("%1%2:%3")
                               .arg(offsetMinutes < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                               .arg(std::abs(offsetMinutes) / 60, 2, 10, QLatin1Char('0'))
                               .arg(std::abs(offsetMinutes) % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1   %2 %3")
        .arg(Heading(page), page.printedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm")), offset);
}

QString DateLine(const ScreenRecording& page, int number, int pages) {
    if (pages <= 1)
        return DateLine(page);
    //: The date line, then the page's number: "Rula · Report   2026-12-08 20:36 +01:00   Page 2 of
    //: 7"
    return Words::tr("%1   Page %2 of %3")
        .arg(DateLine(page), QLocale().toString(number), QLocale().toString(pages));
}

QPageLayout FallbackPaper() {
    const bool inches = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(inches ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF());
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
    writer.setTitle(Heading(page));

    const QFont font = PageFont(kDateLinePoints);
    const QFontMetricsF metrics(font, &writer);
    const double gap = metrics.height() / 2;
    const double lineHeight = gap + metrics.height();
    const QFont headingFont = PageFont(kHeadingPoints);
    const QFontMetricsF headingMetrics(headingFont, &writer);

    // The same margin on every side: the paper's widest unprintable edge, and never less
    // than the minimum, so that the page can be printed again on another printer.
    const QMarginsF edges = paper.margins(QPageLayout::Millimeter);
    const double margin =
        std::max({kMinimumMarginMm, edges.left(), edges.top(), edges.right(), edges.bottom()});
    QPageLayout layout(paper.pageSize(), QPageLayout::Portrait,
                       QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
    // True size: 96 screen pixels to the inch. A screen too wide for the paper upright
    // (the chart on A4) goes on a landscape page, which viewers show the right way round
    // and printers turn to run across the paper. A screen too large either way is shrunk.
    const QSizeF inches = QSizeF(page.pixels) / kScreenDotsPerInch;
    if (inches.width() > layout.paintRect(QPageLayout::Inch).width())
        layout.setOrientation(QPageLayout::Landscape);
    writer.setPageLayout(layout);
    const QSizeF printable = layout.paintRect(QPageLayout::Inch).size() * kPageDotsPerInch;
    const QSizeF wanted = inches * kPageDotsPerInch;
    // The heading's lines wrap within the page's width, a line's gap above the picture.
    const int headingFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QRectF headingArea =
        page.heading.isEmpty()
            ? QRectF()
            : headingMetrics.boundingRect(QRectF(0, 0, printable.width(), printable.height()),
                                          headingFlags, page.heading);
    const double above = page.heading.isEmpty() ? 0.0 : headingArea.height() + gap;
    const double shrink = std::min({1.0, printable.width() / wanted.width(),
                                    (printable.height() - lineHeight - above) / wanted.height()});

    QPainter painter(&writer);
    painter.setPen(Qt::black);
    if (!page.heading.isEmpty()) {
        painter.setFont(headingFont);
        painter.drawText(QRectF(0, 0, printable.width(), headingArea.height()), headingFlags,
                         page.heading);
    }
    painter.save();
    painter.translate(0, above);
    painter.scale(shrink, shrink);
    DrawRecording(painter, page);
    painter.restore();
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int pages = 1 + (page.following ? page.following->count() : 0);
    painter.drawText(QPointF(0, above + wanted.height() * shrink + gap + metrics.ascent()),
                     DateLine(page, 1, pages));

    // The pages that follow stand upright, their date line at the foot of the page.
    if (pages > 1) {
        layout.setOrientation(QPageLayout::Portrait);
        writer.setPageLayout(layout);
    }
    for (int index = 0; index + 1 < pages; ++index) {
        writer.newPage();
        const QSizeF area = layout.paintRect(QPageLayout::Inch).size() * kPageDotsPerInch;
        painter.save();
        page.following->draw(painter, index, QSizeF(area.width(), area.height() - lineHeight),
                             kPageDotsPerInch);
        painter.restore();
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(0, area.height() - metrics.descent()),
                         DateLine(page, index + 2, pages));
    }
    painter.end();
    return bytes;
}

void PdfFileTarget::send(ScreenRecording page, Done done) {
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly) || file.write(ComposePdf(page, paper_)) < 0 ||
        !file.flush()) {
        done(Words::tr("the file %1 could not be written: %2.").arg(path_, file.errorString()));
        return;
    }
    done({});
}

} // namespace rula

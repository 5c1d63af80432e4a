// Printing a screen. When Print is pressed, the screen's client area is recorded as it
// looks, in the program's own light paper colours and without focus or hover, as a
// vector picture: words stay text, rules and frames stay lines, drawings stay vectors.
// The page is then composed at the printer's resolution: the picture at its true size
// (96 screen pixels to the inch) inside margins of at least 10 mm, on a landscape page
// when too wide for an upright one, shrunk when too large either way, and under it one
// line naming the screen, with the time of printing.
//
// Where the page goes sits behind PrintTarget. The default printer is reached through
// the print system's own API on a worker thread, so that a slow or silent print system
// never blocks the screens; the outcome comes back on the user-interface thread. Tests
// print into a PDF file instead.
#pragma once

#include <QDateTime>
#include <QPageLayout>
#include <QPalette>
#include <QPicture>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class QPainter;
class QWidget;

namespace rula {

// Pages that follow a recorded screen on paper (the study report's page for each row),
// drawn by whoever made them. ComposePdf gives each an upright page of its own and
// writes the date line with the page's number under it.
class FollowingPages {
public:
    virtual ~FollowingPages() = default;
    virtual int count() const = 0;
    // Draws page `index` (0 for the first after the recording) into `area`, the part of
    // the page above its date line, from the painter's origin in the page's dots.
    virtual void draw(QPainter& painter, int index, const QSizeF& area,
                      double dotsPerInch) const = 0;
};

// One screen as it looked when Print was pressed.
struct ScreenRecording {
    QPicture picture; // the client area; DrawRecording() plays it back
    QSize pixels;
    QString caption; // the window's
    QString name;    // which screen it is: "Upper arm"
    QDateTime printedAt;
    QString heading; // words printed above the picture (the chart's study details), or none
    std::shared_ptr<const FollowingPages> following; // or none: one page
};

// A screen that prints words of its own above its picture implements this; RecordScreen
// asks it.
class PaperHeading {
public:
    virtual QString paperHeading() const = 0;

protected:
    ~PaperHeading() = default;
};

// A screen laid out otherwise on paper than on view (the chart, whose rows grow for long
// tasks) implements this; RecordScreen asks it to draw itself instead of drawing it as it
// looks.
class PaperLayout {
public:
    // Draws the screen for paper from the painter's origin, one screen pixel a unit, in
    // paper's colours and while DrawingForPaper is active; returns the size it drew.
    virtual QSize drawForPaper(QPainter& painter) = 0;

protected:
    ~PaperLayout() = default;
};

// Records the widget and its visible children in the paper colours; the widget itself
// keeps its look on screen. The caption is the window's without its changed-mark.
ScreenRecording RecordScreen(QWidget& screen, const QString& name);

// The colours of paper: black words on white and light grey, whatever the desktop's.
// Colours a screen sets itself stand.
QPalette PaperPalette();

// Draws the recorded screen at the painter's origin, one screen pixel to 1/96 inch.
void DrawRecording(QPainter& painter, const ScreenRecording& page);

// The line under the picture: the caption, the screen's name and the local time with
// its offset from UTC, "Rula · Chart   2026-12-08 20:36 +01:00".
QString DateLine(const ScreenRecording& page);
// The date line of page `number` of `pages`: DateLine alone for a single page.
QString DateLine(const ScreenRecording& page, int number, int pages);

// One PDF page holding the recording, under its heading if it has one, on paper of the
// given size, whose margins are the printer's unprintable edges. The page keeps at least
// kMinimumMarginMm on every side, and the orientation is chosen here. Pages that follow
// come after it, upright, and then every page's date line ends with its number ("Page 2
// of 7").
QByteArray ComposePdf(const ScreenRecording& page, const QPageLayout& paper);
inline constexpr double kMinimumMarginMm = 10.0;

// The paper to assume when the printer does not tell: A4, or Letter where the locale
// measures in inches, with no unprintable edge.
QPageLayout FallbackPaper();

class PrintTarget {
public:
    // Runs on the user-interface thread: an empty text when the job was accepted,
    // otherwise why nothing was printed.
    using Done = std::function<void(const QString& whyNot)>;

    virtual ~PrintTarget() = default;
    // Sends the page. `done` runs exactly once, later, unless the target is destroyed
    // first (which ends every job still being sent).
    virtual void send(ScreenRecording page, Done done) = 0;
};

// The system's default printer, through CUPS.
std::unique_ptr<PrintTarget> MakeDefaultPrinterTarget();

// A PDF file on the given paper, for tests and previews.
class PdfFileTarget final : public PrintTarget {
public:
    explicit PdfFileTarget(QString path, QPageLayout paper = FallbackPaper())
        : path_(std::move(path))
        , paper_(std::move(paper)) {}
    void send(ScreenRecording page, Done done) override;

private:
    QString path_;
    QPageLayout paper_;
};

} // namespace rula

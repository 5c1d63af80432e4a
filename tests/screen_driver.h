// Drives the program's screens in-process the way a user does: through the real
// controls, found by their names, with real mouse clicks and key presses.
#pragma once

#include "app/screen_factory.h"
#include "printing/printing.h"
#include "screens/screen_set.h"
#include "screens/screen_shell.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace rula::testing {

// A program as main() starts it: the ten screens, the introduction shown.
struct Program {
    ScreenSet screens;
    int allClosedCalls = 0;

    explicit Program(ScreenSet::Factory factory = &CreateScreen)
        : screens(std::move(factory)) {
        screens.setOnAllClosed([this] { ++allClosedCalls; });
        OpenStudiesThroughTheChart(screens);
        screens.get(ScreenId::Form1).showScreen();
    }
    ~Program() {
        for (ScreenId id : kAllScreens)
            if (ScreenShell* s = screens.find(id))
                s->hide();
    }

    ScreenShell& form(int n) { return screens.get(static_cast<ScreenId>(n)); }
    ScreenShell* existing(int n) const { return screens.find(static_cast<ScreenId>(n)); }

    // The one visible screen's number, or 0 when none or several are visible.
    int visibleScreen() const {
        int visible = 0;
        for (ScreenId id : kAllScreens) {
            ScreenShell* s = screens.find(id);
            if (s && s->isVisible()) {
                if (visible != 0)
                    return 0;
                visible = static_cast<int>(id);
            }
        }
        return visible;
    }
};

template <class W = QWidget> W* Control(ScreenShell& screen, const char* name) {
    W* w = screen.findChild<W*>(QLatin1String(name));
    if (!w)
        qFatal("%s has no control %s", qPrintable(screen.objectName()), name);
    return w;
}

inline QString Text(ScreenShell& screen, const char* labelName) {
    return Control<QLabel>(screen, labelName)->text();
}

// A left click in the middle of the control.
inline void Click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

inline void Click(ScreenShell& screen, const char* name) {
    Click(Control(screen, name));
}

// Walks the wizard from the introduction to screen n with Continue; from Form9 the
// chart is reached with "Goto Chart".
inline void WalkTo(Program& program, int n) {
    for (int screen = 1; screen < n && screen < 9; ++screen)
        Click(program.form(screen), "Command1");
    if (n == 10)
        Click(program.form(9), "Command5");
    QCOMPARE(program.visibleScreen(), n);
}

inline bool Checked(ScreenShell& screen, const char* name) {
    return Control<QAbstractButton>(screen, name)->isChecked();
}

// Every label text and every option or box state of every screen that exists, by name.
inline std::map<QString, QString> Snapshot(const Program& program) {
    std::map<QString, QString> state;
    for (int n = 1; n <= 10; ++n) {
        ScreenShell* s = program.existing(n);
        if (!s)
            continue;
        for (QLabel* label : s->findChildren<QLabel*>())
            state[s->objectName() + "." + label->objectName()] = label->text();
        for (QAbstractButton* b : s->findChildren<QAbstractButton*>())
            if (b->isCheckable())
                state[s->objectName() + "." + b->objectName()] = b->isChecked() ? "on" : "off";
    }
    return state;
}

// Runs `action`, which is expected to open a message box; returns the box's text
// after closing it, or an empty text when none opened.
inline QString TextOfMessageBox(const std::function<void()>& action) {
    action();
    QString text;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
            text = box->text();
            box->accept();
        }
    return text;
}

// A print target with no printer behind it.
class NoPrinterTarget final : public PrintTarget {
public:
    void send(ScreenRecording, Done done) override {
        done(QStringLiteral("no default printer is set up on this computer."));
    }
};

// A printer that keeps each page, drawn as it was recorded, for the test to look at.
// With `answerLater` it answers only when the test calls answer().
class CapturingTarget final : public PrintTarget {
public:
    void send(ScreenRecording page, Done done) override {
        QImage image(page.pixels, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        DrawRecording(painter, page);
        painter.end();
        pages.push_back(image);
        if (answerLater)
            pending = std::move(done);
        else
            done({});
    }
    void answer(const QString& whyNot) { std::exchange(pending, nullptr)(whyNot); }

    std::vector<QImage> pages;
    bool answerLater = false;
    Done pending;
};

// What a PDF page shows, read with poppler's tools: its text layer, its pictures (one
// line of `pdfimages -list` each) and the page rendered at 96 dots per inch.
struct PdfPage {
    QString text;
    QStringList images;
    QImage rendered;
};

inline QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        qWarning("%s failed: %s", qPrintable(program), qPrintable(process.errorString()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline PdfPage ReadPdf(const QString& pdf) {
    PdfPage page;
    page.text = Run("pdftotext", {"-layout", pdf, "-"});
    page.images = Run("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
    Run("pdftoppm", {"-r", "96", "-png", "-singlefile", pdf, pdf});
    page.rendered.load(pdf + ".png");
    return page;
}

// The names of the sixteen value boxes of the final score screen, in field order; the
// last is the final score.
inline constexpr std::array<const char*, 16> kFinalBoxNames = {
    "Label2",  "Label4",  "Label6",  "Label8",  "Label10", "Label12", "Label14", "Label16",
    "Label19", "Label21", "Label23", "Label25", "Label27", "Label29", "Label31", "Label33"};

// The texts of the sixteen value boxes, in field order.
inline QStringList FinalScores(ScreenShell& form9) {
    QStringList texts;
    for (const char* name : kFinalBoxNames)
        texts << Text(form9, name);
    return texts;
}

// The answers of one assessment: the controls clicked on each of Form2 to Form8.
using Answers = std::array<QStringList, 7>;

// Walks from the screen showing now (Form1, or Form9 for a further assessment) through
// Form2 to Form8, clicking each screen's answers, and Continues to the final score.
inline void Assess(Program& program, const Answers& answers) {
    if (program.visibleScreen() == 9)
        for (int n = 9; n > 1; --n)
            Click(program.form(n), "Command2");
    QCOMPARE(program.visibleScreen(), 1);
    Click(program.form(1), "Command1");
    for (int n = 2; n <= 8; ++n) {
        for (const QString& name : answers[n - 2])
            Click(program.form(n), qPrintable(name));
        Click(program.form(n), "Command1");
    }
    QCOMPARE(program.visibleScreen(), 9);
}

} // namespace rula::testing

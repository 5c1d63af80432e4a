// The results chart: rows added from the final score screen fill from the top, the
// tenth disables "Add to chart", Clear Chart asks and then empties every row and enables
// it again, the tasks typed beside the rows print and copy with them, and printing
// leaves the buttons off the page but on the screen.
#include "delimited_reader.h"
#include "screen_driver.h"

#include "app/open_study.h"
#include "chart/form10.h"
#include "report/study_report.h"
#include "screens/form9.h"
#include "screens/live_assessment.h"
#include "screens/measured_posture.h"
#include "study/study_file.h"
#include "study/text_rules.h"

#include <QAccessible>
#include <QBuffer>
#include <QClipboard>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPageSize>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <unistd.h>

using namespace rula;
using namespace rula::testing;

namespace {

// Upper arm postures 1 to 5 give five different rows.
Answers Worker(const char* upperArm) {
    return Answers{{{upperArm},
                    {"Option1"},
                    {"Option2"},
                    {"Option1"},
                    {"Option2"},
                    {"Option2"},
                    {"Option2", "Option5", "Option9", "Option12"}}};
}

QStringList Row(Program& program, int row) {
    auto& chart = program.screens.get<Form10>();
    QStringList texts;
    for (int c = 0; c < Form10::kColumns; ++c)
        texts << chart.cell(row, c)->text();
    return texts;
}

// The index of the first empty row, and a check that every row after it is empty.
int FilledRows(Program& program) {
    auto& chart = program.screens.get<Form10>();
    int filled = 0;
    while (filled < Form10::kRows && chart.rowFilled(filled + 1))
        ++filled;
    for (int row = filled + 1; row <= Form10::kRows; ++row)
        for (int c = 0; c < Form10::kColumns; ++c)
            if (!chart.cell(row, c)->text().isEmpty())
                return -1;
    return filled;
}

bool AddEnabled(Program& program) {
    return program.screens.get<Form9>().Command1->isEnabled();
}

void AddShown(Program& program) {
    Click(program.form(9), "Command1");
    QCOMPARE(program.visibleScreen(), 10);
}

void BackToFinal(Program& program) {
    Click(program.form(10), "Command1");
    QCOMPARE(program.visibleScreen(), 9);
}

QMessageBox* OpenBox() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible())
            return box;
    return nullptr;
}

// Answers Clear Chart's question with a click on the button of that caption, or a key;
// true once the question has gone.
bool Answer(QMessageBox* box, const QString& how) {
    // As a window manager does, and the offscreen platform does not.
    box->activateWindow();
    if (!QTest::qWaitFor([box] { return QApplication::activeWindow() == box; }, 2000))
        return false;
    if (how == "Enter")
        QTest::keyClick(box, Qt::Key_Return);
    else if (how == "Esc")
        QTest::keyClick(box, Qt::Key_Escape);
    else if (how == "Alt+C")
        QTest::keyClick(box, Qt::Key_C, Qt::AltModifier);
    else
        for (QAbstractButton* b : box->buttons())
            if (b->text().remove('&') == how)
                Click(b);
    return QTest::qWaitFor([] { return !OpenBox(); }, 2000);
}

void ClearChart(Program& program) {
    Click(program.form(10), "Command3");
    if (QMessageBox* box = OpenBox())
        QVERIFY(Answer(box, "Clear All Rows"));
}

QStringList Tasks(Program& program) {
    QStringList texts;
    for (int row = 1; row <= Form10::kRows; ++row)
        texts << program.screens.get<Form10>().task(row)->text();
    return texts;
}

// Every cell and task of the chart.
QStringList ChartTexts(Program& program) {
    QStringList texts = Tasks(program);
    for (int row = 1; row <= Form10::kRows; ++row)
        texts << Row(program, row);
    return texts;
}

} // namespace

class ChartTest : public QObject {
    Q_OBJECT
private slots:
    void emptyChart();
    void rowsFillFromTheTopAndKeepTheirValues();
    void tenthRowDisablesAddingUntilCleared();
    void emptyFinalScoreStillFillsTheRow();
    void printLeavesTheButtonsOffThePage();
    void printWithoutAPrinterKeepsTheChart();
    void printedChartIsTextOnALightPage_data();
    void printedChartIsTextOnALightPage();
    void printThenEnterKeepsTheChart();
    void clearChartAsksFirst_data();
    void clearChartAsksFirst();
    void tasksAreTypedAndCopiedWithTheRows();
    void aTaskIsOneLineOfSixtyCharacters_data();
    void aTaskIsOneLineOfSixtyCharacters();
    void chartShowsItsRecord();
    void copiedAndExportedTextReadsBackAsTheChart_data();
    void copiedAndExportedTextReadsBackAsTheChart();
    void exportedPdfIsTheReport();
    void studySavesAndOpensAsTheChart();
    void saveAsksWhenAnotherProgramChangedTheFile_data();
    void saveAsksWhenAnotherProgramChangedTheFile();
    void refusedOpenAndFailedSaveKeepTheChart_data();
    void refusedOpenAndFailedSaveKeepTheChart();
    void studyNamedOnTheCommandLine_data();
    void studyNamedOnTheCommandLine();
    void reviewUpdateAndOtherSide();
    void changedAnswersHoldBackAddAndUpdate();
    void newAssessmentEmptiesEveryScreen();
    void deleteRowAsksAndMovesRowsUp_data();
    void deleteRowAsksAndMovesRowsUp();
};

void ChartTest::emptyChart() {
    Program program;
    Assess(program, Answers{});
    Click(program.form(9), "Command5"); // Goto Chart
    QCOMPARE(program.visibleScreen(), 10);
    ScreenShell& chart = program.form(10);
    QCOMPARE(FilledRows(program), 0);
    QCOMPARE(Text(chart, "Label1"), "Upper Arm");
    QCOMPARE(Text(chart, "Label10"), "Force/ Load A");
    QCOMPARE(Text(chart, "Label2"), "Final Score");
    QCOMPARE(Text(chart, "Label23"), "1");
    QCOMPARE(Text(chart, "Label32"), "10");
    // Two-word headings wrap onto a second line inside their narrow labels.
    auto* heading = Control<QLabel>(chart, "Label11");
    QVERIFY(heading->heightForWidth(heading->width()) > heading->fontMetrics().height() * 3 / 2);
    QCOMPARE(chart.palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(Control(chart, "Line10_15")->geometry(), QRect(760, 360, 25, 25));
    QCOMPARE(Control(chart, "Line1_4")->geometry(), QRect(224, 72, 25, 25));
    // The task column right of the sixteen, Copy in the row of buttons under it.
    QCOMPARE(Text(chart, "Label35"), "Task");
    QCOMPARE(Control(chart, "Task10")->geometry(), QRect(852, 360, 360, 25));
    QCOMPARE(Control(chart, "Side10")->geometry(), QRect(800, 360, 48, 25));
    QCOMPARE(Control(chart, "Command5")->geometry(), QRect(800, 400, 137, 33));
    QVERIFY(!Control(chart, "Task1")->isEnabled());
    // No row to write notes for.
    QCOMPARE(Text(chart, "NotesCaption"), "Notes:");
    QVERIFY(!Control(chart, "Notes")->isEnabled());
    // Nothing is default: Enter clicks the button that has the focus, and nothing else.
    for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command5"}) {
        auto* button = Control<QPushButton>(chart, name);
        QVERIFY2(!button->isDefault() || chart.focusWidget() == button, name);
    }
    chart.focusWidget()->clearFocus();
    QCOMPARE(chart.focusWidget(), nullptr);
    QTest::keyClick(&chart, Qt::Key_Return);
    QTest::keyClick(&chart, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(program.visibleScreen(), 10);
    QWidget* back = Control(chart, "Command1");
    back->setFocus();
    QTest::keyClick(back, Qt::Key_Return);
    QCOMPARE(program.visibleScreen(), 9);
}

void ChartTest::rowsFillFromTheTopAndKeepTheirValues() {
    Program program;
    Assess(program, Worker("Option1"));
    const QStringList first = FinalScores(program.form(9));
    AddShown(program);
    QCOMPARE(FilledRows(program), 1);
    QCOMPARE(Row(program, 1), first);

    // Added again without changes: two identical rows.
    BackToFinal(program);
    AddShown(program);
    QCOMPARE(FilledRows(program), 2);
    QCOMPARE(Row(program, 2), first);

    // A changed assessment goes to row 3; rows 1 and 2 keep their values.
    BackToFinal(program);
    Assess(program, Worker("Option5"));
    const QStringList third = FinalScores(program.form(9));
    QVERIFY(third != first);
    AddShown(program);
    QCOMPARE(FilledRows(program), 3);
    QCOMPARE(Row(program, 1), first);
    QCOMPARE(Row(program, 2), first);
    QCOMPARE(Row(program, 3), third);

    // Back and Goto Chart show the same rows.
    BackToFinal(program);
    Click(program.form(9), "Command5");
    QCOMPARE(Row(program, 3), third);
    QCOMPARE(FilledRows(program), 3);
}

void ChartTest::tenthRowDisablesAddingUntilCleared() {
    Program program;
    const char* postures[] = {"Option1", "Option2", "Option3", "Option4", "Option5"};
    for (int added = 1; added <= 10; ++added) {
        if (added > 1)
            BackToFinal(program);
        Assess(program, Worker(postures[added % 5]));
        QVERIFY(AddEnabled(program));
        AddShown(program);
        QCOMPARE(FilledRows(program), added);
        QCOMPARE(AddEnabled(program), added < 10);
    }
    // A new assessment computed while the chart is full reaches the final score screen
    // with the button still disabled.
    BackToFinal(program);
    Assess(program, Worker("Option3"));
    QVERIFY(!AddEnabled(program));
    Click(program.form(9), "Command1"); // disabled: nothing happens
    QCOMPARE(program.visibleScreen(), 9);
    Click(program.form(9), "Command5");
    QCOMPARE(FilledRows(program), 10);

    ClearChart(program);
    QCOMPARE(program.visibleScreen(), 10);
    QCOMPARE(FilledRows(program), 0);
    QVERIFY(AddEnabled(program));
    BackToFinal(program);
    const QStringList shown = FinalScores(program.form(9));
    AddShown(program);
    QCOMPARE(FilledRows(program), 1);
    QCOMPARE(Row(program, 1), shown);

    // Clear Chart on a chart that was not full still enables the button.
    ClearChart(program);
    QVERIFY(AddEnabled(program));
    QCOMPARE(FilledRows(program), 0);
}

void ChartTest::emptyFinalScoreStillFillsTheRow() {
    Program program;
    Assess(program, Answers{});
    QCOMPARE(Text(program.form(9), "Label33"), "");
    AddShown(program);
    QCOMPARE(FilledRows(program), 1);
    QCOMPARE(Row(program, 1).last(), "");
    QCOMPARE(Row(program, 1).first(), "0");
    BackToFinal(program);
    AddShown(program);
    QCOMPARE(FilledRows(program), 2);
}

void ChartTest::printLeavesTheButtonsOffThePage() {
    Program program;
    auto capture = std::make_unique<CapturingTarget>();
    CapturingTarget* printer = capture.get();
    program.screens.setPrintTarget(std::move(capture));
    Assess(program, Worker("Option2"));
    AddShown(program);
    ScreenShell& chart = program.form(10);
    Click(chart, "Command2");
    QCOMPARE(printer->pages.size(), std::size_t(1));
    const QImage page = printer->pages.front();
    QCOMPARE(page.size(), QSize(Form10::kPaperWidth, 538));
    // Where the buttons stand, the page is white.
    for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command5"}) {
        const QRect area = Control(chart, name)->geometry();
        for (int y = area.top(); y <= area.bottom(); y += 3)
            for (int x = area.left(); x <= area.right(); x += 3)
                QVERIFY2(page.pixelColor(x, y) == QColor(Qt::white),
                         qPrintable(QString("%1 at %2,%3").arg(name).arg(x).arg(y)));
        QVERIFY(Control(chart, name)->isVisible());
    }
    // The grid is on the page: a blue rule and a filled cell's border.
    QCOMPARE(page.pixelColor(16, 200), QColor(0, 0, 255));
    const QRect cell = Control(chart, "Line1_0")->geometry();
    QVERIFY(page.pixelColor(cell.topLeft()) != QColor(Qt::white));
    // The buttons are back in their places.
    QCOMPARE(Control(chart, "Command3")->geometry(), QRect(496, 400, 137, 33));
}

void ChartTest::printWithoutAPrinterKeepsTheChart() {
    Program program;
    program.screens.setPrintTarget(std::make_unique<NoPrinterTarget>());
    Assess(program, Worker("Option4"));
    AddShown(program);
    const QStringList row = Row(program, 1);
    ScreenShell& chart = program.form(10);
    const QString message = TextOfMessageBox([&] { Click(chart, "Command2"); });
    QVERIFY2(message.contains("Nothing was printed"), qPrintable(message));
    QCOMPARE(program.visibleScreen(), 10);
    for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command5"})
        QVERIFY(Control(chart, name)->isVisible());
    QCOMPARE(Row(program, 1), row);
}

namespace {

constexpr const char* kHeadingNames[Form10::kColumns] = {
    "Label1",  "Label33", "Label15", "Label13", "Label12", "Label11", "Label10", "Label9",
    "Label34", "Label8",  "Label7",  "Label6",  "Label5",  "Label4",  "Label3",  "Label2"};

QPalette DarkPalette() {
    QPalette dark(QColor(53, 53, 53));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(238, 238, 238));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    return dark;
}

// The words of a PDF page with their boxes, in points, from pdftotext.
struct PdfWord {
    QRectF box;
    QString text;
};
std::vector<PdfWord> PdfWords(const QString& pdf) {
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<PdfWord> words;
    const QString xhtml = Run("pdftotext", {"-bbox", pdf, "-"});
    for (auto match = word.globalMatch(xhtml); match.hasNext();) {
        const auto m = match.next();
        words.push_back({QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                         m.captured(5)});
    }
    return words;
}

// The darkest grey value in a rectangle of the image.
int Darkest(const QImage& image, const QRect& area) {
    int darkest = 255;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

} // namespace

void ChartTest::printedChartIsTextOnALightPage_data() {
    QTest::addColumn<bool>("darkDesktop");
    QTest::addColumn<QString>("longTask"); // too long for its cell at the field's size
    QTest::newRow("light desktop")
        << false << "Palletising, right arm, second shift, boxes of 12 kg";
    QTest::newRow("dark desktop, a long word")
        << true
        << QString::fromUtf8(
               "Verpackungsmaschinenbedienungsanleitungs\u00fcberpr\u00fcfung, links");
    QTest::newRow("sixty wide letters") << false << QString(60, 'W');
}

void ChartTest::printedChartIsTextOnALightPage() {
    QFETCH(bool, darkDesktop);
    QFETCH(QString, longTask);
    const QPalette desktop = QApplication::palette();
    if (darkDesktop)
        QApplication::setPalette(DarkPalette());
    const auto restore = qScopeGuard([&] { QApplication::setPalette(desktop); });

    QTemporaryDir dir;
    const QString path = dir.filePath("chart.pdf");
    Program program;
    // A4 with quarter-inch margins: the chart at its true size is wider than the paper.
    program.screens.setPrintTarget(std::make_unique<PdfFileTarget>(
        path, QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                          QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch)));
    const QStringList tasks = {"Packing, left arm", longTask, "Lifting"};
    for (int row = 0; row < tasks.size(); ++row) {
        if (row > 0)
            BackToFinal(program);
        Assess(program, Worker(row == 1 ? "Option5" : "Option1"));
        AddShown(program);
        QApplication::clipboard()->setText(tasks[row]); // keys type ASCII only
        QTest::keySequence(program.form(10).focusWidget(), QKeySequence::Paste);
    }
    QCOMPARE(program.screens.get<Form10>().task(2)->text(), longTask);
    const QString message = TextOfMessageBox([&] { Click(program.form(10), "Command2"); });
    QVERIFY2(message.isEmpty(), qPrintable(message));

    const PdfPage page = ReadPdf(path);
    // A4 at 96 dots per inch, on a landscape page: the chart runs across it, and a viewer
    // shows it the right way round.
    QCOMPARE(page.rendered.size(), QSize(1123, 794));
    // Words are text: a row is a line of its number, its sixteen values and its task.
    const QStringList lines = page.text.split('\n');
    const QString expected = "1 " + Row(program, 1).join(' ') + ' ' + tasks[0];
    QVERIFY2(std::any_of(lines.begin(), lines.end(),
                         [&](const QString& line) { return line.simplified() == expected; }),
             qPrintable(expected + " not in\n" + page.text));
    for (int c = 0; c < Form10::kColumns; ++c)
        for (const QString& word : Text(program.form(10), kHeadingNames[c]).split(' '))
            QVERIFY2(page.text.contains(word), qPrintable(word));
    const QString dateLine = "Rula · Chart " + QDate::currentDate().toString("yyyy-MM-dd") + ' ';
    QVERIFY2(page.text.simplified().contains(dateLine), qPrintable(page.text));
    QVERIFY(!page.text.contains("Clear Chart"));
    // No picture of the screen: at most a button-sized bitmap drawn by the style.
    for (const QString& image : page.images) {
        const QStringList columns = image.split(' ', Qt::SkipEmptyParts);
        QVERIFY2(columns.size() > 4 && columns[3].toInt() * columns[4].toInt() < 100 * 100,
                 qPrintable(image));
    }
    // Dark words on a white page: a heading and a value are drawn dark, the page between
    // them is white. The chart starts at the left, at the 10 mm margin (the printer's
    // quarter inch is less), 38 pixels in, under the study's details: its first rule
    // is the first blue on the page.
    const QImage& rendered = page.rendered;
    int top = 38;
    const auto rule = [&](int y) {
        for (int x = 38 + 14; x <= 38 + 18; ++x)
            if (const QColor c = rendered.pixelColor(x, y); c.red() < 100 && c.blue() > 200)
                return true;
        return false;
    };
    while (top < rendered.height() / 2 && !rule(top))
        ++top;
    QVERIFY2(top > 38 + 10 && top < 38 + 40, qPrintable(QString::number(top)));
    const QPoint origin(38, top);
    QVERIFY(Darkest(rendered, Control(program.form(10), "Label1")->geometry().translated(origin)) <
            96);
    QVERIFY(Darkest(rendered, Control(program.form(10), "Line1_0")
                                  ->geometry()
                                  .adjusted(3, 3, -3, -3)
                                  .translated(origin)) < 96);
    QCOMPARE(Darkest(rendered, QRect(origin + QPoint(30, 4), QSize(8, 8))), 255);
    // A task is words alone, in the paper's task column: no frame around them, no field
    // where there is no task.
    const auto taskOnPaper = [&](int row) {
        const QRect screen =
            Control(program.form(10), qPrintable(QString("Task%1").arg(row)))->geometry();
        return QRect(Form10::kPaperTaskLeft, screen.y(),
                     Form10::kPaperWidth - Form10::kPaperTaskLeft, screen.height())
            .translated(origin);
    };
    const QRect field = taskOnPaper(1);
    QVERIFY(Darkest(rendered, field) < 96);
    QCOMPARE(Darkest(rendered, QRect(field.topLeft(), QSize(3, field.height()))), 255);
    QCOMPARE(Darkest(rendered, QRect(field.topLeft(), QSize(field.width(), 2))), 255);
    QCOMPARE(Darkest(rendered, taskOnPaper(10)), 255);

    // Each task prints whole, in the task column from the first row down, at 7 points or
    // more: the long one no smaller than 7/9.75 of the first, which prints at the field's
    // size; and its lines end above the next row's task.
    const double pointsPerPixel = 0.75;
    const QRect first = taskOnPaper(1);
    std::vector<PdfWord> words = PdfWords(path);
    std::erase_if(words, [&](const PdfWord& w) {
        return w.box.left() < (first.left() - 4) * pointsPerPixel ||
               w.box.top() < (first.top() - 4) * pointsPerPixel;
    });
    std::sort(words.begin(), words.end(), [](const PdfWord& a, const PdfWord& b) {
        return std::pair(a.box.top(), a.box.left()) < std::pair(b.box.top(), b.box.left());
    });
    QString printed;
    std::vector<int> rowOf; // which task each word belongs to
    const QString wanted = tasks.join(QString()).remove(' ');
    for (const PdfWord& w : words) {
        printed += w.text;
        int row = 0;
        for (qsizetype length = 0; row < tasks.size(); ++row)
            if ((length += QString(tasks[row]).remove(' ').size()) >= printed.size())
                break;
        rowOf.push_back(row);
    }
    QCOMPARE(printed, wanted);
    double shortHeight = 0, lowestOfLong = 0, highestOfNext = 1e9;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const QRectF& box = words[i].box;
        if (rowOf[i] == 0)
            shortHeight = std::max(shortHeight, box.height());
        if (rowOf[i] == 1) {
            QVERIFY2(box.height() >= shortHeight * 7 / 9.75 - 0.05,
                     qPrintable(QString("%1 is %2 pt high, the first task %3 pt")
                                    .arg(words[i].text)
                                    .arg(box.height())
                                    .arg(shortHeight)));
            lowestOfLong = std::max(lowestOfLong, box.bottom());
        }
        if (rowOf[i] == 2)
            highestOfNext = std::min(highestOfNext, box.top());
    }
    QVERIFY2(lowestOfLong < highestOfNext, qPrintable(QString::number(highestOfNext)));
}

void ChartTest::printThenEnterKeepsTheChart() {
    Program program;
    auto capture = std::make_unique<CapturingTarget>();
    CapturingTarget* printer = capture.get();
    printer->answerLater = true;
    program.screens.setPrintTarget(std::move(capture));
    Assess(program, Worker("Option3"));
    AddShown(program);
    const QStringList row = Row(program, 1);
    ScreenShell& chart = program.form(10);
    auto* print = Control<QPushButton>(chart, "Command2");
    const auto enter = [&] { QTest::keyClick(chart.focusWidget(), Qt::Key_Return); };

    Click(print);
    QCOMPARE(chart.focusWidget(), print);
    QVERIFY(QGuiApplication::overrideCursor());
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
    // While the page is being sent, Print again (by Enter or a click) does nothing.
    enter();
    Click(print);
    QCOMPARE(printer->pages.size(), std::size_t(1));
    printer->answer({});
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(chart.focusWidget(), print);

    // Enter after printing prints again, and after a failed print too: the chart stays.
    enter();
    QCOMPARE(printer->pages.size(), std::size_t(2));
    const QString message =
        TextOfMessageBox([&] { printer->answer("the printer is out of paper."); });
    QCOMPARE(message, "Nothing was printed: the printer is out of paper.");
    QCOMPARE(chart.focusWidget(), print);
    enter();
    printer->answer({});
    QVERIFY(!program.screens.allClosed());
    QCOMPARE(program.visibleScreen(), 10);
    QCOMPARE(Row(program, 1), row);
    QCOMPARE(printer->pages.size(), std::size_t(3));
}

void ChartTest::clearChartAsksFirst_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("clears");
    QTest::newRow("Clear All Rows") << "Clear All Rows" << true;
    QTest::newRow("Cancel") << "Cancel" << false;
    QTest::newRow("Enter") << "Enter" << false;
    QTest::newRow("Esc") << "Esc" << false;
    QTest::newRow("Alt+C again") << "Alt+C" << false;
}

void ChartTest::clearChartAsksFirst() {
    QFETCH(QString, answer);
    QFETCH(bool, clears);
    Program program;
    Assess(program, Worker("Option2"));
    AddShown(program);
    BackToFinal(program);
    AddShown(program);
    ScreenShell& chart = program.form(10);
    QTest::keyClicks(chart.focusWidget(), "Packing");
    const QStringList row = Row(program, 1);
    const QStringList before = ChartTexts(program);

    // Alt+C, as on the screens where it is Continue, from the task field.
    QVERIFY(QTest::qWaitForWindowActive(&chart));
    QTest::keyClick(chart.focusWidget(), Qt::Key_C, Qt::AltModifier);
    QVERIFY(QTest::qWaitFor([] { return OpenBox() != nullptr; }, 2000));
    QMessageBox* box = OpenBox();
    QCOMPARE(box->text(), "Clear all 2 rows of the chart? They cannot be brought back.");
    QCOMPARE(box->defaultButton()->text().remove('&'), "Cancel");
    for (QAbstractButton* b : box->buttons())
        QVERIFY2(b->text().remove('&') == "Cancel" ||
                     !b->text().contains("&C", Qt::CaseInsensitive),
                 qPrintable(b->text()));
    QCOMPARE(ChartTexts(program), before);
    QVERIFY(Answer(box, answer));

    QCOMPARE(program.visibleScreen(), 10);
    if (clears) {
        QCOMPARE(FilledRows(program), 0);
        QCOMPARE(Tasks(program), QStringList(Form10::kRows, QString()));
        QVERIFY(!program.screens.get<Form10>().task(1)->isEnabled());
    } else {
        QCOMPARE(ChartTexts(program), before);
        QCOMPARE(Row(program, 2), row);
        QCOMPARE(Tasks(program).at(1), "Packing");
        QVERIFY(program.screens.get<Form10>().task(2)->isEnabled());
    }
    // An empty chart is cleared at once.
    if (clears) {
        Click(chart, "Command3");
        QCOMPARE(OpenBox(), nullptr);
        QVERIFY(AddEnabled(program));
    }
}

namespace {

const QString kHeadingLine =
    "Row\tUpper Arm\tLower Arm\tWrist\tWrist Twist\tPosture A\t"
    "Muscle Use A\tForce/ Load A\tFinal A\tNeck\tTrunk\tLegs\t"
    "Posture B\tMuscle Use B\tForce/ Load B\tFinal B\tFinal Score\tSide\tTask\tNotes";

// The rows of the clipboard's HTML table, each as its cell texts; empty when the HTML
// is not one table.
QList<QStringList> HtmlTable(const QString& html) {
    if (html.count("<table") != 1 || html.count("</table>") != 1)
        return {};
    QList<QStringList> rows;
    static const QRegularExpression rowPattern("<tr>(.*?)</tr>");
    static const QRegularExpression cellPattern("<t[hd]>(.*?)</t[hd]>");
    for (const auto& tr : rowPattern.globalMatch(html)) {
        QStringList cells;
        for (const auto& td : cellPattern.globalMatch(tr.captured(1)))
            cells << td.captured(1)
                         .replace("&lt;", "<")
                         .replace("&gt;", ">")
                         .replace("&quot;", "\"")
                         .replace("&amp;", "&");
        rows << cells;
    }
    return rows;
}

} // namespace

void ChartTest::tasksAreTypedAndCopiedWithTheRows() {
    Program program;
    const char* postures[] = {"Option1", "Option3", "Option5"};
    const QStringList tasks = {"Packing, left arm", "", "Packing <right> & \"B\""};
    QList<QStringList> expected = {kHeadingLine.split('\t')};
    for (int row = 1; row <= 3; ++row) {
        if (row > 1)
            BackToFinal(program);
        Assess(program, Worker(postures[row - 1]));
        AddShown(program);
        // The focus is in the new row's task field; Enter there does nothing else.
        Form10& chart = program.screens.get<Form10>();
        QCOMPARE(chart.focusWidget(), chart.task(row));
        QTest::keyClicks(chart.focusWidget(), tasks[row - 1]);
        QTest::keyClick(chart.focusWidget(), Qt::Key_Return);
        QCOMPARE(program.visibleScreen(), 10);
        expected << QStringList{QString::number(row)} + Row(program, row) +
                        QStringList{"", tasks[row - 1], ""};
    }
    Form10& chart = program.screens.get<Form10>();
    QCOMPARE(Tasks(program).mid(0, 4), tasks + QStringList{""});
    QVERIFY(!chart.task(4)->isEnabled());
    const auto before = Snapshot(program);

    // Copy, and the Copy shortcut with the focus on a button or in a task field that has
    // no selected text, copy the chart.
    QClipboard* clipboard = QApplication::clipboard();
    const std::vector<std::function<void()>> copies = {
        [&] { Click(chart.Command5); },
        [&] { QTest::keySequence(chart.Command1, QKeySequence::Copy); },
        [&] { QTest::keySequence(chart.task(3), QKeySequence::Copy); }};
    for (const auto& copy : copies) {
        clipboard->setText("not the chart");
        copy();
        const QMimeData* copied = clipboard->mimeData();
        QCOMPARE(ReadDelimited(copied->text(), u'\t'), expected);
        QCOMPARE(HtmlTable(copied->html()), expected);
        QVERIFY(copied->html().contains("Packing &lt;right&gt; &amp; &quot;B&quot;"));
        QCOMPARE(Snapshot(program), before);
        QCOMPARE(Tasks(program).mid(0, 3), tasks);
    }
    // A task field with selected text copies that.
    chart.task(1)->setFocus();
    chart.task(1)->setSelection(0, 7);
    QTest::keySequence(chart.task(1), QKeySequence::Copy);
    QCOMPARE(clipboard->text(), "Packing");
    QVERIFY(!clipboard->mimeData()->hasHtml());

    // Cleared, the chart copies its heading line alone.
    ClearChart(program);
    QCOMPARE(Tasks(program), QStringList(Form10::kRows, QString()));
    Click(chart.Command5);
    QCOMPARE(clipboard->text(), kHeadingLine + "\r\n");
    QCOMPARE(HtmlTable(clipboard->mimeData()->html()), expected.mid(0, 1));
}

void ChartTest::aTaskIsOneLineOfSixtyCharacters_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("task");
    const QString sixty = QString("Packing, left arm, ").repeated(4).left(60);
    QTest::newRow("61 characters") << "" << sixty + "x" << sixty;
    QTest::newRow("typed, then two lines pasted") << "Packing, "
                                                  << "left arm\nright arm\n"
                                                  << "Packing, left arm";
    QTest::newRow("lines of a spreadsheet") << ""
                                            << "left\tarm\r\nright\tarm\r\n"
                                            << "left arm";
    QTest::newRow("a long first line") << "" << sixty + "yz\nright" << sixty;
    // Characters as the user sees them: never half of one.
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("an emoji as the sixtieth")
        << "" << QString(59, 'x') + emoji << QString(59, 'x') + emoji;
    QTest::newRow("an emoji as the sixty-first") << "" << sixty + emoji << sixty;
    QTest::newRow("an emoji typed onto 59")
        << QString(59, 'x') << emoji + emoji << QString(59, 'x') + emoji;
    const QString accented = QString::fromUtf8("e\xCC\x81");
    QTest::newRow("accents typed as two each")
        << "" << accented.repeated(61) << accented.repeated(60);
    QTest::newRow("control characters") << "a"
                                        << QString::fromLatin1("b\0c\x07"
                                                               "d\x7f\x1b",
                                                               7)
                                        << "abcd";
}

void ChartTest::aTaskIsOneLineOfSixtyCharacters() {
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, task);
    Program program;
    Assess(program, Answers{});
    AddShown(program);
    QLineEdit* field = program.screens.get<Form10>().task(1);
    QTest::keyClicks(field, typed);
    QApplication::clipboard()->setText(pasted);
    QTest::keySequence(field, QKeySequence::Paste);
    QCOMPARE(field->text(), task);
    // Text typed after a paste goes on the same line.
    QTest::keyClicks(field, "!");
    QCOMPARE(field->text(), VisibleLength(task) < TaskField::kMaxLength ? task + "!" : task);
    QCOMPARE(program.screens.get<Form10>().record().row(1).task, field->text());
}

namespace {

// The details fields' texts and date.
QStringList Details(Form10& chart) {
    return {chart.titleField()->text(), chart.siteField()->text(), chart.assessorField()->text(),
            chart.observedField()->date().toString(Qt::ISODate)};
}

// Answers, once it is up, the question the next action asks and waits for.
void AnswerWhenAsked(const QString& how) {
    QTimer::singleShot(0, [how] {
        if (QTest::qWaitFor([] { return OpenBox() != nullptr; }, 2000))
            Answer(OpenBox(), how);
    });
}

// The file dialog as the user answers it: always the same file, counted.
struct FileChoice {
    QString path, filter;
    int asked = 0;
    void answerFor(Form10& chart) {
        chart.setFileDialog([this](Form10::FileQuestion) {
            ++asked;
            return Form10::FileAnswer{path, filter};
        });
    }
};

// A chart of `rows` assessments, each with a task, and its details typed in.
Form10& FilledChart(Program& program, int rows) {
    const char* postures[] = {"Option1", "Option2", "Option3", "Option4", "Option5"};
    for (int row = 1; row <= rows; ++row) {
        if (row > 1)
            BackToFinal(program);
        Assess(program, Worker(postures[row % 5]));
        AddShown(program);
        // As an input method enters what a keyboard has no key for.
        qobject_cast<QLineEdit*>(program.form(10).focusWidget())
            ->insert(QString("Task %1, «ü»").arg(row));
    }
    auto& chart = program.screens.get<Form10>();
    QTest::keyClicks(chart.titleField(), "Line 3, packing");
    QTest::keyClicks(chart.siteField(), "Hall B");
    QTest::keyClicks(chart.assessorField(), "A. Nowak");
    chart.observedField()->setDate(QDate(2026, 3, 4));
    return chart;
}

} // namespace

void ChartTest::chartShowsItsRecord() {
    Program program;
    Assess(program, Worker("Option1"));
    Click(program.form(9), "Command5");
    auto& chart = program.screens.get<Form10>();
    Study study;
    study.details = {"Line 3", "Hall B", "A. Nowak", QDate(100, 1, 1)}; // the first date kept
    for (int row = 1; row <= Form10::kRows; ++row) {
        ChartRow shown;
        for (int c = 0; c < Form10::kColumns; ++c)
            shown.scores[c] = c == 15 && row == 2 ? QString() : QString::number((row + c) % 7 + 1);
        shown.task = QString("Task %1").arg(row);
        study.rows << shown;
    }
    chart.record().replace(study);
    for (int row = 1; row <= Form10::kRows; ++row) {
        const ChartRow& shown = study.rows[row - 1];
        QCOMPARE(Row(program, row), QStringList(shown.scores.begin(), shown.scores.end()));
        QCOMPARE(chart.task(row)->text(), shown.task);
        QVERIFY(chart.task(row)->isEnabled());
    }
    QCOMPARE(Details(chart), QStringList({"Line 3", "Hall B", "A. Nowak", "0100-01-01"}));
    QVERIFY(!chart.hasUnsavedChanges());
    QVERIFY(!AddEnabled(program));
    // Each detail is typed into the record.
    QTest::keyClicks(chart.siteField(), ", door 2");
    QCOMPARE(chart.record().study().details.site, "Hall B, door 2");
    QVERIFY(chart.hasUnsavedChanges());
    ClearChart(program);
    QCOMPARE(FilledRows(program), 0);
    QVERIFY(AddEnabled(program));
    QCOMPARE(Details(chart), QStringList({"Line 3", "Hall B, door 2", "A. Nowak", "0100-01-01"}));
}

void ChartTest::copiedAndExportedTextReadsBackAsTheChart_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("cell"); // as a spreadsheet shows it
    for (const char* text : {"\"Boxes\" on the left", "left, right"})
        QTest::newRow(text) << text << text;
    QTest::newRow("a formula") << "=SUM(A1:A9)"
                               << "'=SUM(A1:A9)";
}

void ChartTest::copiedAndExportedTextReadsBackAsTheChart() {
    QFETCH(QString, typed);
    QFETCH(QString, cell);
    Program program;
    Assess(program, Worker("Option2"));
    AddShown(program);
    auto& chart = program.screens.get<Form10>();
    QTest::keyClicks(chart.task(1), typed);
    QTest::keyClicks(chart.titleField(), typed);
    // The notes on two lines, the side chosen by its letter.
    QTest::keyClicks(chart.notesField(), typed);
    QTest::keyClick(chart.notesField(), Qt::Key_Return);
    QTest::keyClicks(chart.notesField(), typed);
    QTest::keyClick(chart.side(1), Qt::Key_R);
    const QStringList expected =
        QStringList{"1"} + Row(program, 1) + QStringList{"R", cell, cell + '\n' + typed};

    Click(chart.Command5);
    const QList<QStringList> copied = ReadDelimited(QApplication::clipboard()->text(), u'\t');
    QCOMPARE(copied.size(), 2);
    QCOMPARE(copied.at(1), expected);

    QTemporaryDir dir;
    FileChoice choice{dir.filePath("chart"), "CSV table (*.csv)"};
    choice.answerFor(chart);
    Click(chart.exportButton);
    QFile file(dir.filePath("chart.csv"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const QList<QStringList> csv = ReadDelimited(QString::fromUtf8(bytes.mid(3)), u',');
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    QCOMPARE(csv.mid(0, 5),
             QList<QStringList>(
                 {{"Title", cell}, {"Site", ""}, {"Assessor", ""}, {"Observed", today}, {""}}));
    QCOMPARE(csv.mid(5), copied);
    // Exporting saves nothing.
    QVERIFY(chart.hasUnsavedChanges());
    QCOMPARE(chart.windowTitle(), "Rula");
}

namespace {

// A row of a study as the program keeps it: the answers' scores as the chart shows them.
ChartRow RowOf(const Assessment& answers, const QString& task, const QString& notes) {
    ChartRow row;
    row.scores = ScoreCells(ScoresOf(answers));
    row.answers = answers;
    row.side = answers.side;
    row.task = task;
    row.notes = notes;
    return row;
}

// Each page of a PDF with its size and its words' boxes, in points.
struct PdfSheet {
    QSizeF size;
    std::vector<QRectF> words;
};
std::vector<PdfSheet> PdfSheets(const QString& pdf) {
    static const QRegularExpression page(R"re(<page width="([\d.]+)" height="([\d.]+)">)re");
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">)re");
    std::vector<PdfSheet> sheets;
    const QString xhtml = Run("pdftotext", {"-bbox", pdf, "-"});
    for (const QString& part : xhtml.split("</page>")) {
        const auto size = page.match(part);
        if (!size.hasMatch())
            continue;
        PdfSheet sheet{{size.captured(1).toDouble(), size.captured(2).toDouble()}, {}};
        for (auto match = word.globalMatch(part); match.hasNext();) {
            const auto m = match.next();
            sheet.words.emplace_back(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                     QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
        }
        sheets.push_back(sheet);
    }
    return sheets;
}

} // namespace

void ChartTest::exportedPdfIsTheReport() {
    // Three rows: measured on a 1600 x 1200 photo, chosen by eye, and one kept by the
    // first version of studies, without answers.
    Assessment measured;
    measured.upperArm = UpperArmPosture::Raised45To90;
    measured.shoulderRaised = true;
    measured.lowerArm = LowerArmPosture::Flexed60To100;
    measured.wrist = WristPosture::UpTo15;
    measured.wristTwist = WristTwist::MidRange;
    measured.neck = NeckPosture::Flexed10To20;
    measured.trunk = TrunkPosture::Flexed20To60;
    measured.legsSupported = true;
    measured.muscleUseA = MuscleUse::Repeated;
    measured.forceLoadA = ForceLoad::MediumStaticOrRepeated;
    measured.side = Side::Right;
    Assessment byEye;
    byEye.upperArm = UpperArmPosture::Neutral;
    byEye.lowerArm = LowerArmPosture::Flexed60To100;
    byEye.wrist = WristPosture::Neutral;
    byEye.wristTwist = WristTwist::MidRange;
    byEye.neck = NeckPosture::Flexed0To10;
    byEye.trunk = TrunkPosture::Upright;
    byEye.legsSupported = true;
    byEye.side = Side::Left;
    Study study;
    study.details = {"Line 3, packing", "Hall B", "A. Nowak", QDate(2026, 3, 4)};
    study.rows = {RowOf(measured, "Packing boxes", "Raise the bin by 20 cm."),
                  RowOf(byEye, "Labelling", {}), RowOf(byEye, "Old row", {})};
    QImage photo(1600, 1200, QImage::Format_RGB32);
    photo.fill(QColor(90, 120, 150));
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    QVERIFY(buffer.open(QIODevice::WriteOnly) && photo.save(&buffer, "JPEG"));
    MeasuredPhoto kept{jpeg.toStdString(), 1600, 1200, Facing::Right, {}, std::nullopt};
    kept.points = {PhotoPoint{800, 1100}, PhotoPoint{820, 500},  PhotoPoint{860, 380},
                   PhotoPoint{1000, 760}, PhotoPoint{1240, 700}, PhotoPoint{1320, 690}};
    study.rows[0].measurement = kept;
    study.rows[2].answers.reset();
    study.rows[2].side = Side::NotSaid;

    QTemporaryDir dir;
    QFile file(dir.filePath("study.rula"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(WriteStudyJson(study)) > 0);
    file.close();
    Program program;
    program.screens.setPrintTarget(std::make_unique<PdfFileTarget>(dir.filePath("printed.pdf")));
    Assess(program, Answers{});
    Click(program.form(9), "Command5"); // Goto Chart
    Form10& chart = program.screens.get<Form10>();
    FileChoice choice{file.fileName(), {}};
    choice.answerFor(chart);
    Click(chart.openButton);
    QCOMPARE(chart.record().study(), study);
    QVERIFY(TextOfMessageBox([&] { Click(chart.Command2); }).isEmpty());
    choice = {dir.filePath("exported.pdf"), "CSV table (*.csv)"};
    choice.answerFor(chart);
    chart.exportButton->setFocus();
    QTest::keyClick(chart.exportButton, Qt::Key_Space);
    QCOMPARE(chart.focusWidget(), chart.exportButton);

    // The chart's page as Print makes it, then a page for each row.
    const QString exported = dir.filePath("exported.pdf");
    const QStringList pages = Run("pdftotext", {"-raw", exported, "-"}).split('\f');
    QCOMPARE(pages.size(), 5); // and what follows the last page's form feed
    static const QRegularExpression dateLine("Rula · \\w+ +\\d{4}-.*");
    const QString printed = ReadPdf(dir.filePath("printed.pdf")).text.split('\f').front();
    const QString layoutFirst = Run("pdftotext", {"-layout", "-l", "1", exported, "-"});
    QCOMPARE(QString(layoutFirst).remove(dateLine).simplified(),
             QString(printed).remove(dateLine).simplified());
    QVERIFY(layoutFirst.contains(QRegularExpression("Page 1 of 4\\s*$")));
    const QStringList sides = {"Right side", "Left side", "Side not said"};
    for (int row = 1; row <= 3; ++row) {
        const QString text = pages[row].simplified();
        const ChartRow& shown = study.rows[row - 1];
        for (const QString& words :
             {QString("Row %1: %2").arg(row).arg(shown.task), sides[row - 1],
              "Action level " + QString::number(ActionLevelOf(shown.scores[15]).level),
              ActionLevelOf(shown.scores[15]).words, QString("Page %1 of 4").arg(row + 1)})
            QVERIFY2(text.contains(words), qPrintable(words + " in " + text));
        const QStringList answers = shown.answers ? AnswerLines(*shown.answers) : QStringList();
        for (const QString& line : answers)
            QVERIFY2(text.contains(line), qPrintable(line + " in " + text));
        QCOMPARE(text.contains("without its answers"), !shown.answers);
    }
    QVERIFY(pages[1].contains("Raise the bin by 20 cm."));
    QCOMPARE(ActionLevelOf(study.rows[0].scores[15]).level, 3);

    // One photo, on the first row's page, at the 200 dpi its printed size needs.
    const QStringList images = ReadPdf(exported).images;
    QCOMPARE(images.size(), 1);
    const QStringList columns = images.front().split(' ', Qt::SkipEmptyParts);
    QCOMPARE(columns.at(0), "2");
    QCOMPARE(columns.at(8), "jpeg");
    QVERIFY2(std::abs(columns.at(12).toInt() - 200) <= 2, qPrintable(images.front()));

    // Every word within the 10 mm margins of its page.
    const double margin = 10 / 25.4 * 72 - 1; // less what a glyph's box may reach past
    const std::vector<PdfSheet> sheets = PdfSheets(exported);
    QCOMPARE(sheets.size(), 4u);
    for (const PdfSheet& sheet : sheets) {
        const QRectF inside =
            QRectF(QPointF(), sheet.size).adjusted(margin, margin, -margin, -margin);
        for (const QRectF& word : sheet.words)
            QVERIFY2(inside.contains(word),
                     qPrintable(QString("%1,%2").arg(word.x()).arg(word.y())));
    }
    QVERIFY(!chart.hasUnsavedChanges());
}

void ChartTest::studySavesAndOpensAsTheChart() {
    QTemporaryDir dir;
    Program program;
    Form10& chart = FilledChart(program, 3);
    const QStringList details = Details(chart);

    // Save As, the file named without its ending, with a dot in the name. The dialog
    // asked about the name typed: replacing the study of the full name is asked here.
    FileChoice choice{dir.filePath("Packing v1.2"), {}};
    choice.answerFor(chart);
    const QString path = dir.filePath("Packing v1.2.rula");
    QFile older(path);
    QVERIFY(older.open(QIODevice::WriteOnly) && older.write("older") == 5);
    older.close();
    for (const char* answer : {"Cancel", "Replace"}) {
        AnswerWhenAsked(answer);
        Click(chart.saveAsButton);
        QCOMPARE(QFileInfo(path).size() == 5, answer == QLatin1String("Cancel"));
    }
    QCOMPARE(chart.windowTitle(), "Packing v1.2.rula[*] - Rula");
    QVERIFY(!chart.isWindowModified());

    // A typed change marks the caption; the Save shortcut saves it to the same file.
    QTest::keyClicks(chart.task(2), "!");
    QVERIFY(chart.isWindowModified());
    chart.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&chart));
    QTest::keySequence(chart.task(2), QKeySequence::Save);
    QCOMPARE(choice.asked, 2);
    QVERIFY(!chart.isWindowModified());
    const QStringList saved = ChartTexts(program);

    // Cleared and retitled: opening asks first; Cancel keeps it all and asks no file.
    ClearChart(program);
    QTest::keyClicks(chart.titleField(), " (new)");
    const QStringList changed = ChartTexts(program);
    AnswerWhenAsked("Cancel");
    Click(chart.openButton);
    QCOMPARE(choice.asked, 2);
    QCOMPARE(ChartTexts(program), changed);
    QVERIFY(chart.hasUnsavedChanges());

    // Opened without saving: the chart as it was saved, unmodified.
    choice.path = path;
    chart.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&chart));
    AnswerWhenAsked("Open Without Saving");
    QTest::keySequence(chart.Command1, QKeySequence::Open);
    QCOMPARE(choice.asked, 3);
    QCOMPARE(ChartTexts(program), saved);
    QCOMPARE(Details(chart), details);
    QVERIFY(!chart.hasUnsavedChanges());
    QCOMPARE(chart.windowTitle(), "Packing v1.2.rula[*] - Rula");

    // A study of no details, emptied: the caption's mark and the closing question agree.
    chart.record().setDetails({{}, {}, {}, QDate::currentDate()});
    QVERIFY(chart.save());
    ClearChart(program);
    QVERIFY(chart.record().isEmpty());
    QVERIFY(chart.isWindowModified());
    QVERIFY(chart.hasUnsavedChanges());
}

void ChartTest::saveAsksWhenAnotherProgramChangedTheFile_data() {
    QTest::addColumn<QString>("how");  // the answer; empty when the file was left alone
    QTest::addColumn<QString>("kept"); // the file that holds the chart afterwards, if any
    QTest::newRow("unchanged") << ""
                               << "study.rula";
    QTest::newRow("Cancel") << "Cancel"
                            << "";
    QTest::newRow("Enter") << "Enter"
                           << "";
    QTest::newRow("Esc") << "Esc"
                         << "";
    QTest::newRow("Save Anyway") << "Save Anyway"
                                 << "study.rula";
    QTest::newRow("Save As") << "Save As…"
                             << "other.rula";
}

void ChartTest::saveAsksWhenAnotherProgramChangedTheFile() {
    QFETCH(QString, how);
    QFETCH(QString, kept);
    QTemporaryDir dir;
    Program program;
    Form10& chart = FilledChart(program, 2);
    FileChoice choice{dir.filePath("study.rula"), {}};
    choice.answerFor(chart);
    QVERIFY(chart.save());
    // Another program writes its own study there, as large as this one.
    QByteArray theirs;
    if (!how.isEmpty()) {
        QFile file(choice.path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        theirs = file.readAll().replace("Task 1", "Task 9");
        QVERIFY(file.seek(0) && file.write(theirs) == theirs.size());
    }
    QTest::keyClicks(chart.task(2), " more");
    choice.path = dir.filePath("other.rula");
    // The question and its default button, answered once it is up.
    const auto asked = std::make_shared<QString>();
    if (!how.isEmpty())
        QTimer::singleShot(0, [asked, how] {
            if (QTest::qWaitFor([] { return OpenBox() != nullptr; }, 2000)) {
                QMessageBox* box = OpenBox();
                *asked = box->text() + " / " + box->defaultButton()->text();
                Answer(box, how);
            }
        });
    QCOMPARE(chart.save(), !kept.isEmpty());
    QCOMPARE(*asked,
             how.isEmpty()
                 ? QString()
                 : "The study was changed by another program since you opened it. / &Cancel");
    QFile file(dir.filePath("study.rula"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().contains(" more"), kept == "study.rula");
    QCOMPARE(QFile::exists(dir.filePath("other.rula")), kept == "other.rula");
    QCOMPARE(chart.hasUnsavedChanges(), kept.isEmpty());
    if (!kept.isEmpty())
        QCOMPARE(chart.windowTitle(), kept + "[*] - Rula");
}

void ChartTest::refusedOpenAndFailedSaveKeepTheChart_data() {
    QTest::addColumn<QString>("name");     // in the temporary folder: opened, or saved as
    QTest::addColumn<QByteArray>("bytes"); // written there first, unless null
    QTest::addColumn<QString>("said");     // "not saved" when saving
    QTest::newRow("not JSON") << "broken.rula" << QByteArray("{\"format\": ") << "";
    QTest::newRow("a newer version")
        << "newer.rula"
        << QByteArray(R"({"format": "rula-study", "version": 3, "title": "", "site": "",)"
                      R"( "assessor": "", "observed": "2026-01-01", "rows": []})")
        << "format 3";
    QTest::newRow("a folder") << "" << QByteArray() << "folder";
    QTest::newRow("saved into a missing folder")
        << "gone/study.rula" << QByteArray() << "not saved";
}

void ChartTest::refusedOpenAndFailedSaveKeepTheChart() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, said);
    const bool save = said == "not saved";
    QTemporaryDir dir;
    Program program;
    Form10& chart = FilledChart(program, 2);
    FileChoice choice{dir.filePath("kept.rula"), {}};
    choice.answerFor(chart);
    if (!save)
        QVERIFY(chart.save());
    const QStringList before = ChartTexts(program) + Details(chart);
    const QString caption = chart.windowTitle();
    const bool modified = chart.hasUnsavedChanges();

    choice.path = dir.filePath(name);
    if (!bytes.isNull()) {
        QFile file(choice.path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    const QString message =
        TextOfMessageBox([&] { Click(save ? chart.saveAsButton : chart.openButton); });
    QVERIFY2(message.contains(QDir::toNativeSeparators(choice.path)), qPrintable(message));
    QVERIFY2(message.contains(said), qPrintable(message));
    QCOMPARE(ChartTexts(program) + Details(chart), before);
    QCOMPARE(chart.windowTitle(), caption);
    QCOMPARE(chart.hasUnsavedChanges(), modified);
    QCOMPARE(chart.filePath().isEmpty(), save);
}

void ChartTest::studyNamedOnTheCommandLine_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<int>("shown"); // the screen on view
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("caption");
    QTest::newRow("a study") << "study.rula" << 10 << 2 << "study.rula[*] - Rula";
    // Named by its bytes, as main() passes them on: Latin-1 "é".
    QTest::newRow("a name that is no UTF-8") << PathFromNative("caf\xE9.rula") << 10 << 2
                                             << QString::fromUtf8("caf\uFFFD.rula[*] - Rula");
    QTest::newRow("a broken study") << "broken.RULA" << 1 << 0 << "Rula";
    QTest::newRow("a missing study") << "missing.rula" << 1 << 0 << "Rula";
    QTest::newRow("no study") << "" << 0 << 0 << "Rula";
}

void ChartTest::studyNamedOnTheCommandLine() {
    QFETCH(QString, argument);
    QFETCH(int, shown);
    QFETCH(int, rows);
    QFETCH(QString, caption);
    QTemporaryDir dir;
    {
        Program program;
        FileChoice choice{dir.filePath("study.rula"), {}};
        Form10& chart = FilledChart(program, 2);
        choice.answerFor(chart);
        QVERIFY(chart.saveAs());
    }
    const QByteArray latin1 = QFile::encodeName(dir.path()) + "/caf\xE9.rula";
    QVERIFY(::link(QFile::encodeName(dir.filePath("study.rula")), latin1) == 0);
    QFile broken(dir.filePath("broken.RULA"));
    QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("[]") == 2);
    broken.close();

    ScreenSet screens(&CreateScreen);
    QStringList arguments = {"rula", "--verbose"};
    if (!argument.isEmpty())
        arguments << dir.filePath(argument);
    const QString message =
        TextOfMessageBox([&] { QCOMPARE(OpenFromCommandLine(screens, arguments), shown != 0); });
    QCOMPARE(message.contains(argument) && !argument.isEmpty(), shown == 1);
    for (ScreenId id : kAllScreens)
        if (ScreenShell* screen = screens.find(id)) {
            QCOMPARE(screen->isVisible(), static_cast<int>(id) == shown);
            screen->hide();
        }
    if (Form10* chart = screens.find<Form10>()) {
        QCOMPARE(chart->record().rowCount(), rows);
        QVERIFY(!chart->hasUnsavedChanges());
        QCOMPARE(chart->windowTitle(), caption);
        if (rows) {
            // Saved again under the same name, whatever its bytes.
            chart->record().setTask(1, "saved again");
            QVERIFY(chart->save());
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
        }
    }
}

namespace {

// From the upper arm screen on view, the answers of Form2 to Form8 clicked and each
// Continue pressed, to the final score screen.
void AnswerFromUpperArm(Program& program, const Answers& answers) {
    QCOMPARE(program.visibleScreen(), 2);
    for (int n = 2; n <= 8; ++n) {
        for (const QString& name : answers[n - 2])
            Click(program.form(n), qPrintable(name));
        Click(program.form(n), "Command1");
    }
    QCOMPARE(program.visibleScreen(), 9);
}

QStringList ScoresAsTexts(const Assessment& answers) {
    const AssessmentScores scores = ScoresOf(answers);
    QStringList texts;
    for (std::size_t i = 0; i < AssessmentScores::kFieldCount; ++i)
        texts << QString::fromStdString(scores.field(i));
    return texts;
}

} // namespace

// A row reviewed, corrected and updated in place; its other side assessed from it with
// group B kept, added with the same task and the other side.
void ChartTest::reviewUpdateAndOtherSide() {
    Program program;
    Assess(program, Worker("Option3"));
    AddShown(program);
    auto& chart = program.screens.get<Form10>();
    auto& form9 = program.screens.get<Form9>();
    QTest::keyClicks(chart.focusWidget(), "Packing");
    const Assessment added = program.screens.assessment().record();
    QCOMPARE(chart.record().row(1).answers, added);
    QVERIFY(!Control(form9, "UpdateRow")->isVisible());

    // The screens moved on to another posture; Review brings row 1 back.
    BackToFinal(program);
    for (int n = 9; n > 2; --n)
        Click(program.form(n), "Command2");
    Click(program.form(2), "Option1");
    for (int n = 2; n <= 8; ++n)
        Click(program.form(n), "Command1");
    Click(form9, "Command5");
    chart.selectRow(1);
    Click(chart, "Review");
    QCOMPARE(program.visibleScreen(), 9);
    QCOMPARE(FinalScores(form9), Row(program, 1));
    QVERIFY(Checked(program.form(2), "Option3") && Checked(program.form(4), "Option2"));
    auto* update = Control<QPushButton>(form9, "UpdateRow");
    QVERIFY(update->isVisible() && update->isEnabled());
    QCOMPARE(update->text(), "&Update Row 1");

    // The wrist was wrong: back to it, change it, score again, update row 1.
    for (int n = 9; n > 4; --n)
        Click(program.form(n), "Command2");
    Click(program.form(4), "Option5");
    for (int n = 4; n <= 8; ++n)
        Click(program.form(n), "Command1");
    Assessment corrected = added;
    corrected.wrist = WristPosture::Beyond15;
    QCOMPARE(FinalScores(form9), ScoresAsTexts(corrected));
    Click(update);
    QCOMPARE(program.visibleScreen(), 10);
    QCOMPARE(chart.record().rowCount(), 1);
    QCOMPARE(Row(program, 1), ScoresAsTexts(corrected));
    QCOMPARE(chart.record().row(1).answers, corrected);
    QCOMPARE(chart.task(1)->text(), "Packing");

    // The other side: row 1's side is not said, so the user is asked first, over the final
    // score screen, which the question blocks.
    BackToFinal(program);
    QPointer<QWidget> askedOver;
    QTimer::singleShot(0, [&askedOver] {
        if (QTest::qWaitFor([] { return OpenBox() != nullptr; }, 2000)) {
            askedOver = OpenBox()->parentWidget();
            Answer(OpenBox(), "Left");
        }
    });
    Click(form9, "OtherSide");
    QCOMPARE(askedOver.data(), static_cast<QWidget*>(&form9));
    QCOMPARE(program.visibleScreen(), 2);
    QCOMPARE(chart.record().row(1).side, Side::Left);
    const Assessment other = program.screens.assessment().record();
    QCOMPARE(other.side, Side::Right);
    QCOMPARE(other.upperArm, UpperArmPosture::None);
    QCOMPARE(other.muscleUseA, MuscleUse::None);
    QCOMPARE(other.neck, corrected.neck);
    QCOMPARE(other.trunk, corrected.trunk);
    QCOMPARE(other.forceLoadB, corrected.forceLoadB);
    Answers groupA = Worker("Option4");
    for (int n = 6; n <= 7; ++n)
        groupA[n - 2].clear();
    groupA[6] = QStringList{"Option2", "Option5"};
    AnswerFromUpperArm(program, groupA);
    AddShown(program);
    QCOMPARE(chart.record().rowCount(), 2);
    QCOMPARE(chart.task(2)->text(), "Packing");
    QCOMPARE(chart.side(1)->currentText(), "L");
    QCOMPARE(chart.side(2)->currentText(), "R");
    QCOMPARE(chart.record().row(2).answers->neck, corrected.neck);
    // What a screen reader hears of a side chosen names its row: on Linux the list's
    // accessible name is then its letter.
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(chart.side(2));
    const QString words =
        heard->text(QAccessible::Name) + u' ' + heard->text(QAccessible::Description);
    QVERIFY2(words.contains("row 2", Qt::CaseInsensitive), qPrintable(words));
}

// Answers changed after the final score (here by angles from a photo) are not the
// scores on view: neither Add nor Update until the frequency and force screen's Continue.
void ChartTest::changedAnswersHoldBackAddAndUpdate() {
    Program program;
    Assess(program, Worker("Option1"));
    auto& form9 = program.screens.get<Form9>();
    QVERIFY(AddEnabled(program));
    QVERIFY(Text(form9, "OutOfDate").isEmpty());
    UsePostureAngles(program.screens,
                     {std::nullopt, std::nullopt, 122, std::nullopt, std::nullopt});
    QVERIFY(!AddEnabled(program));
    QVERIFY(!Text(form9, "OutOfDate").isEmpty());
    Click(form9, "Command1"); // disabled: nothing is added
    QCOMPARE(program.visibleScreen(), 9);
    Click(form9, "Command2");
    Click(program.form(8), "Command1");
    QVERIFY(AddEnabled(program));
    QVERIFY(Text(form9, "OutOfDate").isEmpty());
    QCOMPARE(Text(form9, "Label2"), "4"); // over 90°: the photo's angle, scored
}

// New Assessment leaves nothing chosen on any screen and names what is unanswered.
void ChartTest::newAssessmentEmptiesEveryScreen() {
    Program program;
    Assess(program, Worker("Option5"));
    auto& form9 = program.screens.get<Form9>();
    QVERIFY(Text(form9, "NotAnswered").isEmpty());
    Click(form9, "NewAssessment");
    QCOMPARE(program.visibleScreen(), 2);
    for (const auto& [name, state] : Snapshot(program))
        if (state == "on")
            QFAIL(qPrintable(name + " is still chosen"));
    QCOMPARE(Text(program.form(2), "Label6"), "0");
    QCOMPARE(Text(program.form(7), "Label8"), "2");
    for (int n = 2; n <= 8; ++n)
        Click(program.form(n), n == 5 ? "Option1" : "Command1");
    QCOMPARE(program.visibleScreen(), 5);
    for (int n = 5; n <= 8; ++n)
        Click(program.form(n), "Command1");
    QCOMPARE(Text(form9, "NotAnswered"),
             "Not answered: " + QLocale().createSeparatedList(
                                    {"upper arm", "lower arm", "wrist", "neck", "trunk",
                                     "muscle use of group A", "force or load of group A",
                                     "muscle use of group B", "force or load of group B"}));
}

void ChartTest::deleteRowAsksAndMovesRowsUp_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("deletes");
    QTest::newRow("Delete Row") << "Delete Row" << true;
    QTest::newRow("Cancel") << "Cancel" << false;
    QTest::newRow("Enter") << "Enter" << false;
    QTest::newRow("Esc") << "Esc" << false;
}

void ChartTest::deleteRowAsksAndMovesRowsUp() {
    QFETCH(QString, answer);
    QFETCH(bool, deletes);
    Program program;
    auto& chart = program.screens.get<Form10>();
    for (const char* upperArm : {"Option1", "Option3", "Option5"}) {
        Assess(program, Worker(upperArm));
        AddShown(program);
        QTest::keyClicks(chart.focusWidget(), upperArm);
        BackToFinal(program);
    }
    BackToFinal(program);
    Click(program.form(9), "Command5");
    const QStringList before = ChartTexts(program);
    AnswerWhenAsked(answer);
    chart.deleteRow(2);
    QTRY_VERIFY(!OpenBox());
    if (!deletes) {
        QCOMPARE(ChartTexts(program), before);
        return;
    }
    QCOMPARE(chart.record().rowCount(), 2);
    QCOMPARE(Tasks(program).mid(0, 3), QStringList({"Option1", "Option5", ""}));
    QVERIFY(chart.record().isModified());
}

QTEST_MAIN(ChartTest)
#include "test_chart.moc"

#include "chart/form10.h"

#include "screens/form9.h"
#include "screens/screen_set.h"
#include "screens/screen_style.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QValidator>

#include <algorithm>
#include <vector>

namespace rula {
namespace {

constexpr QSize kClient{14580, 6735};

struct Column {
    const char* headingName;
    const char* heading;
    int headingLeft;
    int headingWidth;
    int cellLeft;
};

// In field order: column c shows field c of the assessment.
constexpr std::array<Column, Form10::kColumns> kColumnLayout = {{
    {"Label1", QT_TRANSLATE_NOOP("rula::Form10", "Upper Arm"), 360, 525, 360},
    {"Label33", QT_TRANSLATE_NOOP("rula::Form10", "Lower Arm"), 1080, 525, 1080},
    {"Label15", QT_TRANSLATE_NOOP("rula::Form10", "Wrist"), 1800, 525, 1800},
    {"Label13", QT_TRANSLATE_NOOP("rula::Form10", "Wrist Twist"), 2520, 525, 2520},
    {"Label12", QT_TRANSLATE_NOOP("rula::Form10", "Posture A"), 3240, 645, 3360},
    {"Label11", QT_TRANSLATE_NOOP("rula::Form10", "Muscle Use A"), 4080, 645, 4200},
    {"Label10", QT_TRANSLATE_NOOP("rula::Form10", "Force/ Load A"), 4920, 645, 5040},
    {"Label9", QT_TRANSLATE_NOOP("rula::Form10", "Final A"), 5760, 405, 5760},
    {"Label34", QT_TRANSLATE_NOOP("rula::Form10", "Neck"), 6360, 405, 6360},
    {"Label8", QT_TRANSLATE_NOOP("rula::Form10", "Trunk"), 6960, 525, 6960},
    {"Label7", QT_TRANSLATE_NOOP("rula::Form10", "Legs"), 7680, 405, 7680},
    {"Label6", QT_TRANSLATE_NOOP("rula::Form10", "Posture B"), 8280, 645, 8400},
    {"Label5", QT_TRANSLATE_NOOP("rula::Form10", "Muscle Use B"), 9120, 645, 9240},
    {"Label4", QT_TRANSLATE_NOOP("rula::Form10", "Force/ Load B"), 9960, 645, 10080},
    {"Label3", QT_TRANSLATE_NOOP("rula::Form10", "Final B"), 10800, 405, 10800},
    {"Label2", QT_TRANSLATE_NOOP("rula::Form10", "Final Score"), 11400, 450, 11400},
}};

constexpr int kHeadingTop = 360;
constexpr int kHeadingHeight = 465;
constexpr int kCellSize = 375;
constexpr int kFirstRowTop = 1080;
constexpr int kRowPitch = 480;

// The last rule stands before the task column.
constexpr std::array<int, 17> kRuleLefts = {240,  960,  1680, 2400, 3120, 3960,  4800,  5640, 6240,
                                            6840, 7560, 8160, 9000, 9840, 10680, 11280, 11880};
constexpr Twips kRuleSize{0, 0, 15, 5895};
constexpr Twips kBottomRule{0, 5880, 14595, 15};
const QColor kRuleBlue(0, 0, 255);

// The task column, right of the sixteen score columns: its heading, and a field in
// each row as high as the cells.
constexpr Twips kTaskHeading{12000, kHeadingTop, 2460, kHeadingHeight};
constexpr int kTaskLeft = 12000;
constexpr int kTaskWidth = 2460;

constexpr int kButtonTop = 6000;
constexpr QSize kButtonTwips{2055, 495};
constexpr std::array<int, 5> kButtonLefts = {2880, 5160, 7440, 9720, 12000};

int RowTop(int row) {
    return kFirstRowTop + kRowPitch * (row - 1);
}

bool IsLineBreak(QChar c) {
    return c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' || c == QChar::LineSeparator ||
           c == QChar::ParagraphSeparator || c == QChar(0x85);
}

// Keeps a task on one line. Whatever arrives with line breaks (a paste, a drop) keeps
// its first line only; the text around the insertion stays. A tab becomes a space, so
// that the chart copied as tab-separated text keeps its columns.
class OneLine final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override {
        qsizetype first = -1;
        qsizetype last = -1;
        for (qsizetype i = 0; i < input.size(); ++i)
            if (IsLineBreak(input.at(i))) {
                if (first < 0)
                    first = i;
                last = i;
            }
        if (first >= 0) {
            // The cursor stands at the end of what was just inserted.
            const qsizetype rest = std::max<qsizetype>(pos, last + 1);
            input = input.left(first) + input.mid(rest);
            pos = static_cast<int>(first);
        }
        input.replace(u'\t', u' ');
        return Acceptable;
    }
};

// On paper a long task shrinks to fit its cell, on up to two lines, before it is cut.
constexpr double kSmallestPrintPoints = 6.5;

} // namespace

TaskField::TaskField(QWidget* parent)
    : QLineEdit(parent) {
    setMaxLength(kMaxLength);
    setValidator(new OneLine(this));
}

void TaskField::keyPressEvent(QKeyEvent* event) {
    // Copy without selected text is the chart's: the field leaves it to the screen.
    if (event->matches(QKeySequence::Copy) && !hasSelectedText()) {
        event->ignore();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TaskField::paintEvent(QPaintEvent* event) {
    if (!DrawingForPaper::active())
        return QLineEdit::paintEvent(event);
    // On paper: the words alone, where the field shows them.
    if (text().isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    const QRect area = rect().adjusted(4, 1, -4, -1);
    QFont font = this->font();
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
    for (double points = font.pointSizeF(); points >= kSmallestPrintPoints; points -= 0.5) {
        font.setPointSizeF(points);
        const QFontMetrics metrics(font, this);
        const QRect needed = metrics.boundingRect(area, flags, text());
        if (needed.width() <= area.width() && needed.height() <= area.height()) {
            painter.setFont(font);
            painter.drawText(area, flags, text());
            return;
        }
    }
    painter.setFont(font);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetrics(font, this).elidedText(text(), Qt::ElideRight, area.width()));
}

Form10::Form10(ScreenSet& screens)
    : ScreenShell(screens, kId, tr("Rula"), kClient, WindowStyle::SizableMinimizable) {
    // A white page with black words whatever the desktop's colours; the buttons keep
    // the desktop's.
    SetColours(this, Qt::white, Qt::black);

    const QFont buttons = TimesFont(12, true);
    const auto button = [&](const char* name, const QString& caption, int left) {
        QPushButton* b =
            addButton(name, caption,
                      {left, kButtonTop, kButtonTwips.width(), kButtonTwips.height()}, buttons);
        // No default button: Enter acts only on the button that has the focus.
        b->setAutoDefault(false);
        return b;
    };
    Command1 = button("Command1", tr("&Back"), kButtonLefts[0]);
    Command2 = button("Command2", tr("&Print"), kButtonLefts[1]);
    Command3 = button("Command3", tr("&Clear Chart"), kButtonLefts[2]);
    Command4 = button("Command4", tr("E&xit"), kButtonLefts[3]);
    Command5 = button("Command5", tr("C&opy"), kButtonLefts[4]);
    connect(Command1, &QPushButton::clicked, this, [this] { goTo(ScreenId::Form9); });
    connect(Command2, &QPushButton::clicked, this, &Form10::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form10::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &QWidget::close);
    connect(Command5, &QPushButton::clicked, this, &Form10::Command5_Click);
    printButton = Command2;

    const auto addRule = [this](Twips at) {
        auto* rule = new QWidget(this);
        rule->setGeometry(at.pixels());
        SetColours(rule, kRuleBlue, Qt::white);
    };
    for (int left : kRuleLefts)
        addRule({left, 0, kRuleSize.width, kRuleSize.height});
    addRule(kBottomRule);

    const QFont headingFont = TimesFont(9.75);
    const QFont cellFont = TimesFont(12, true);
    for (int c = 0; c < kColumns; ++c) {
        const Column& column = kColumnLayout[c];
        addLabel(column.headingName, tr(column.heading),
                 {column.headingLeft, kHeadingTop, column.headingWidth, kHeadingHeight},
                 headingFont);
    }
    addLabel("Label35", tr("Task"), kTaskHeading, headingFont);
    // The task fields: white with black words like the cells, whatever the desktop's
    // colours; an empty row's field is greyed.
    QPalette taskColours = palette();
    taskColours.setColor(QPalette::Base, Qt::white);
    taskColours.setColor(QPalette::Text, Qt::black);
    taskColours.setColor(QPalette::Disabled, QPalette::Base, QColor(240, 240, 240));
    taskColours.setColor(QPalette::Disabled, QPalette::Text, QColor(80, 80, 80));
    for (int row = 1; row <= kRows; ++row) {
        // Row numbers: Label23 to Label31 for rows 1 to 9, Label32 for row 10.
        const QByteArray name = QStringLiteral("Label%1").arg(22 + row).toLatin1();
        QLabel* number =
            addLabel(name.constData(), QString::number(row), {0, RowTop(row), 0, 0}, cellFont);
        number->setWordWrap(false);
        number->setAutoFillBackground(true);
        number->adjustSize();
        for (int c = 0; c < kColumns; ++c) {
            const QByteArray cellName = QStringLiteral("Line%1_%2").arg(row).arg(c).toLatin1();
            QLabel* cellLabel =
                addLabel(cellName.constData(), QString(),
                         {kColumnLayout[c].cellLeft, RowTop(row), kCellSize, kCellSize}, cellFont);
            cellLabel->setFrameStyle(QFrame::Box | QFrame::Plain);
            cellLabel->setAlignment(Qt::AlignCenter);
            cellLabel->setWordWrap(false);
            cellLabel->setAccessibleDescription(
                tr("Row %1, %2").arg(row).arg(tr(kColumnLayout[c].heading)));
            cells_[row - 1][c] = cellLabel;
        }
        auto* field = new TaskField(this);
        field->setObjectName(QStringLiteral("Task%1").arg(row));
        field->setGeometry(Twips{kTaskLeft, RowTop(row), kTaskWidth, kCellSize}.pixels());
        field->setFont(headingFont);
        field->setPalette(taskColours);
        field->setAccessibleName(tr("Task, row %1").arg(row));
        field->setEnabled(false);
        tasks_[row - 1] = field;
    }
    addFooter({0, kButtonTop});

    // The tab order: the tasks from the top, then the buttons.
    std::vector<QWidget*> order(tasks_.begin(), tasks_.end());
    order.insert(order.end(), {Command1, Command2, Command3, Command4, Command5});
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

QLabel* Form10::cell(int row, int column) const {
    return cells_.at(row - 1).at(column);
}

bool Form10::rowFilled(int row) const {
    return !cell(row, 0)->text().isEmpty();
}

QLineEdit* Form10::task(int row) const {
    return tasks_.at(row - 1);
}

int Form10::nextRow() const {
    // The row below the last filled one among rows 9 to 1. Row 10 is never looked at:
    // a full chart is the disabled "Add to chart" button.
    for (int row = kRows - 1; row >= 1; --row)
        if (rowFilled(row))
            return row + 1;
    return 1;
}

void Form10::writeRow(int row, const AssessmentScores& scores) {
    for (int c = 0; c < kColumns; ++c)
        cell(row, c)->setText(QString::fromStdString(scores.field(c)));
    tasks_[row - 1]->setEnabled(rowFilled(row));
}

void Form10::addFrom(Form9& finalScreen) {
    const int row = nextRow();
    writeRow(row, finalScreen.shownScores());
    if (row == kRows)
        finalScreen.Command1->setEnabled(false);
    // The user can name the task at once.
    if (task(row)->isEnabled())
        task(row)->setFocus(Qt::OtherFocusReason);
    finalScreen.goTo(kId);
}

void Form10::Command2_Click() {
    if (isPrinting())
        return;
    // The screen is recorded while the buttons are hidden; they come back at once, while
    // the page is being sent, whether or not it will be printed.
    const std::array<QPushButton*, 5> buttons = {Command1, Command2, Command3, Command4, Command5};
    for (QPushButton* b : buttons)
        b->hide();
    printScreen();
    for (QPushButton* b : buttons)
        b->show();
    // Hiding the focused Print passed the focus along to Exit; Enter must not reach it.
    Command2->setFocus(Qt::OtherFocusReason);
}

void Form10::Command3_Click() {
    if (askingToClear_)
        return;
    int filled = 0;
    for (int row = 1; row <= kRows; ++row)
        filled += rowFilled(row) ? 1 : 0;
    if (filled == 0)
        return clearChart();
    // Alt+C is Continue on the other screens: pressed here out of habit, and again, it
    // must not wipe the chart. Cancel is the default; Enter, Esc and Alt+C choose it.
    const QString question =
        filled == 1
            ? tr("Clear the 1 row of the chart? It cannot be brought back.")
            : tr("Clear all %1 rows of the chart? They cannot be brought back.").arg(filled);
    auto* box =
        new QMessageBox(QMessageBox::Warning, windowTitle(), question, QMessageBox::NoButton, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* clear = box->addButton(tr("Clear All &Rows"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box->addButton(QMessageBox::Cancel);
    cancel->setText(tr("&Cancel"));
    box->setDefaultButton(cancel);
    box->setEscapeButton(cancel);
    connect(box, &QDialog::finished, this, [this, box, clear] {
        askingToClear_ = nullptr;
        if (box->clickedButton() == clear && !isClosing())
            clearChart();
    });
    askingToClear_ = box;
    box->open();
}

void Form10::clearChart() {
    for (int row = 1; row <= kRows; ++row)
        for (int c = 0; c < kColumns; ++c)
            cell(row, c)->clear();
    for (TaskField* field : tasks_) {
        field->clear();
        field->setEnabled(false);
    }
    screens().get<Form9>().Command1->setEnabled(true);
}

void Form10::Command5_Click() {
    // Tab-separated lines for spreadsheets and plain editors, an HTML table with ruled
    // cells for word processors; the same heading line and rows in both.
    QStringList headings = {tr("Row")};
    for (const Column& column : kColumnLayout)
        headings << tr(column.heading);
    headings << tr("Task");
    QList<QStringList> rows;
    for (int row = 1; row <= kRows; ++row) {
        if (!rowFilled(row))
            continue;
        QStringList texts = {QString::number(row)};
        for (int c = 0; c < kColumns; ++c)
            texts << cell(row, c)->text();
        texts << task(row)->text();
        rows << texts;
    }

    QString plain = headings.join(u'\t') + QLatin1String("\r\n");
    for (const QStringList& texts : rows)
        plain += texts.join(u'\t') + QLatin1String("\r\n");

    const auto htmlRow = [](const QStringList& texts, QLatin1String tag) {
        QString line = QStringLiteral("<tr>");
        for (const QString& text : texts)
            line += QStringLiteral("<%1>%2</%1>").arg(tag, text.toHtmlEscaped());
        return line + QStringLiteral("</tr>\n");
    };
    QString html = QStringLiteral("<meta charset=\"utf-8\">\n<table border=\"1\">\n");
    html += htmlRow(headings, QLatin1String("th"));
    for (const QStringList& texts : rows)
        html += htmlRow(texts, QLatin1String("td"));
    html += QStringLiteral("</table>\n");

    auto* table = new QMimeData;
    table->setText(plain);
    table->setHtml(html);
    QApplication::clipboard()->setMimeData(table);
}

void Form10::keyPressEvent(QKeyEvent* event) {
    // The platform's Copy shortcut copies the chart, unless a task field has selected
    // text; then the field copies that.
    if (event->matches(QKeySequence::Copy)) {
        Command5_Click();
        return;
    }
    ScreenShell::keyPressEvent(event);
}

} // namespace rula

#include "chart/form10.h"

#include "screens/form9.h"
#include "screens/screen_set.h"

#include <QLabel>
#include <QPushButton>

namespace rula {
namespace {

constexpr QSize kClient{11880, 6735};

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

constexpr std::array<int, 16> kRuleLefts = {240,  960,  1680, 2400, 3120, 3960, 4800,  5640,
                                            6240, 6840, 7560, 8160, 9000, 9840, 10680, 11280};
constexpr Twips kRuleSize{0, 0, 15, 5895};
constexpr Twips kBottomRule{0, 5880, 11895, 15};
const QColor kRuleBlue(0, 0, 255);

constexpr QSize kButtonTwips{2055, 495};

int RowTop(int row) {
    return kFirstRowTop + kRowPitch * (row - 1);
}

} // namespace

Form10::Form10(ScreenSet& screens)
    : ScreenShell(screens, kId, tr("Rula"), kClient, WindowStyle::SizableMinimizable) {
    // A white page with black words whatever the desktop's colours; the buttons keep
    // the desktop's.
    SetColours(this, Qt::white, Qt::black);

    const QFont buttons = TimesFont(12, true);
    const auto button = [&](const char* name, const QString& caption, int left) {
        QPushButton* b = addButton(
            name, caption, {left, 6000, kButtonTwips.width(), kButtonTwips.height()}, buttons);
        // No default button: Enter acts only on the button that has the focus.
        b->setAutoDefault(false);
        return b;
    };
    Command1 = button("Command1", tr("&Back"), 2880);
    Command2 = button("Command2", tr("&Print"), 5160);
    Command3 = button("Command3", tr("&Clear Chart"), 7440);
    Command4 = button("Command4", tr("E&xit"), 9720);
    connect(Command1, &QPushButton::clicked, this, [this] { goTo(ScreenId::Form9); });
    connect(Command2, &QPushButton::clicked, this, &Form10::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form10::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &QWidget::close);
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
    }
    addFooter({0, 6000});
}

QLabel* Form10::cell(int row, int column) const {
    return cells_.at(row - 1).at(column);
}

bool Form10::rowFilled(int row) const {
    return !cell(row, 0)->text().isEmpty();
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
}

void Form10::addFrom(Form9& finalScreen) {
    const int row = nextRow();
    writeRow(row, finalScreen.shownScores());
    if (row == kRows)
        finalScreen.Command1->setEnabled(false);
    finalScreen.goTo(kId);
}

void Form10::Command2_Click() {
    if (isPrinting())
        return;
    // The screen is recorded while the buttons are hidden; they come back at once, while
    // the page is being sent, whether or not it will be printed.
    const std::array<QPushButton*, 4> buttons = {Command1, Command2, Command3, Command4};
    for (QPushButton* b : buttons)
        b->hide();
    printScreen();
    for (QPushButton* b : buttons)
        b->show();
    // Hiding the focused Print passed the focus along to Exit; Enter must not reach it.
    Command2->setFocus(Qt::OtherFocusReason);
}

void Form10::Command3_Click() {
    for (int row = 1; row <= kRows; ++row)
        for (int c = 0; c < kColumns; ++c)
            cell(row, c)->clear();
    screens().get<Form9>().Command1->setEnabled(true);
}

} // namespace rula

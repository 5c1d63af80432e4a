#include "chart/form10.h"

#include "report/study_report.h"
#include "screens/form9.h"
#include "screens/live_assessment.h"
#include "screens/screen_set.h"
#include "screens/screen_style.h"
#include "study/delimited_text.h"
#include "study/study_file.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopedValueRollback>

#include <algorithm>
#include <vector>

namespace rula {
namespace {

// The sixteen columns, the side and task columns and the first row of buttons fill the
// top 6495 twips; the study's details and the row of file buttons are bands below them,
// with the selected row's notes at their right, and the footer stands at the bottom,
// beside the file buttons. The side, the task's width for sixty characters and the
// notes widened the chart from 14580 twips; it still fits a screen 1366 pixels wide.
constexpr QSize kClient{18720, 8070};

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
constexpr Twips kBottomRule{0, 5880, kClient.width() + 15, 15};
const QColor kRuleBlue(0, 0, 255);

// The side and task columns, right of the sixteen score columns: their headings, and in
// each row a side ("L", "R" or none) and a task field as high as the cells.
constexpr Twips kSideHeading{12000, kHeadingTop, 720, kHeadingHeight};
constexpr int kSideLeft = 12000;
constexpr int kSideWidth = 720;
constexpr Twips kTaskHeading{12780, kHeadingTop, 2460, kHeadingHeight};
constexpr int kTaskLeft = 12780;
constexpr int kTaskWidth = 5400;

constexpr int kButtonTop = 6000;
constexpr QSize kButtonTwips{2055, 495};
constexpr std::array<int, 7> kButtonLefts = {2880, 5160, 7440, 9720, 12000, 14280, 16560};

// The notes of the selected row, right of the details and file buttons.
constexpr Twips kNotesCaption{14280, 6525, 4320, 255};
constexpr Twips kNotesBox{14280, 6780, 4320, 1230};

// The study's details, one band under the footer: each field with its caption to the
// left of it, right-aligned.
struct Detail {
    const char* fieldName;
    const char* labelName;
    const char* caption;
    Twips label;
    Twips field;
};
constexpr int kDetailsTop = 6780;
constexpr int kDetailHeight = 375;
constexpr int kDetailCaptionTop = kDetailsTop + 60;
constexpr std::array<Detail, 4> kDetailLayout = {{
    {"Title",
     "Label42",
     QT_TRANSLATE_NOOP("rula::Form10", "&Title:"),
     {120, kDetailCaptionTop, 660, 285},
     {840, kDetailsTop, 3600, kDetailHeight}},
    {"Site",
     "Label43",
     QT_TRANSLATE_NOOP("rula::Form10", "S&ite:"),
     {4500, kDetailCaptionTop, 600, 285},
     {5160, kDetailsTop, 2400, kDetailHeight}},
    {"Assessor",
     "Label44",
     QT_TRANSLATE_NOOP("rula::Form10", "Assessed b&y:"),
     {7620, kDetailCaptionTop, 1320, 285},
     {9000, kDetailsTop, 1920, kDetailHeight}},
    {"Observed",
     "Label45",
     QT_TRANSLATE_NOOP("rula::Form10", "Observe&d:"),
     {10980, kDetailCaptionTop, 1080, 285},
     {12120, kDetailsTop, 1800, kDetailHeight}},
}};
// The file buttons, a second row under the details, in the columns of the first, level
// with the footer.
constexpr int kFileButtonTop = 7335;
constexpr int kFooterTop = kClient.height() - 735;

// The observed date as the details field shows it and the chart prints it: in English
// and the C locale 2026-12-08 as ever, otherwise the locale's short form with the year in
// four digits (08.12.2026, 8/12/2026). The study file and the CSV keep the ISO date.
QString ObservedDateFormat(const QLocale& locale) {
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return QStringLiteral("yyyy-MM-dd");
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
    return format;
}

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
    const auto button = [&](const char* name, const QString& caption, int left, int top) {
        QPushButton* b = addButton(
            name, caption, {left, top, kButtonTwips.width(), kButtonTwips.height()}, buttons);
        // No default button: Enter acts only on the button that has the focus.
        b->setAutoDefault(false);
        offPaper_.push_back(b);
        return b;
    };
    Command1 = button("Command1", tr("&Back"), kButtonLefts[0], kButtonTop);
    Command2 = button("Command2", tr("&Print"), kButtonLefts[1], kButtonTop);
    Command3 = button("Command3", tr("&Clear Chart"), kButtonLefts[2], kButtonTop);
    Command4 = button("Command4", tr("E&xit"), kButtonLefts[3], kButtonTop);
    Command5 = button("Command5", tr("C&opy"), kButtonLefts[4], kButtonTop);
    reviewButton = button("Review", tr("Re&view"), kButtonLefts[5], kButtonTop);
    // Alt+N is Open's on the chart.
    newAssessmentButton =
        button("NewAssessment", tr("Ne&w Assessment"), kButtonLefts[6], kButtonTop);
    connect(reviewButton, &QPushButton::clicked, this, [this] { reviewRow(selectedRow_); });
    connect(newAssessmentButton, &QPushButton::clicked, this,
            [this] { this->screens().get<Form9>().startAssessment({}, *this); });
    connect(Command1, &QPushButton::clicked, this, [this] {
        // A chart opened at start-up meets a final score screen made after it.
        this->screens().get<Form9>();
        syncAddButton();
        goTo(ScreenId::Form9);
    });
    connect(Command2, &QPushButton::clicked, this, &Form10::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form10::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &QWidget::close);
    connect(Command5, &QPushButton::clicked, this, &Form10::Command5_Click);
    printButton = Command2;
    saveButton = button("CommandSave", tr("&Save"), kButtonLefts[0], kFileButtonTop);
    saveAsButton = button("CommandSaveAs", tr("Save &As…"), kButtonLefts[1], kFileButtonTop);
    openButton = button("CommandOpen", tr("Ope&n…"), kButtonLefts[2], kFileButtonTop);
    exportButton = button("CommandExport", tr("&Export…"), kButtonLefts[3], kFileButtonTop);
    reportButton = button("CommandReport", tr("Print &Report"), kButtonLefts[4], kFileButtonTop);
    connect(reportButton, &QPushButton::clicked, this, &Form10::printReport);
    connect(saveButton, &QPushButton::clicked, this, &Form10::save);
    connect(saveAsButton, &QPushButton::clicked, this, &Form10::saveAs);
    connect(openButton, &QPushButton::clicked, this, &Form10::open);
    connect(exportButton, &QPushButton::clicked, this, &Form10::exportStudy);

    // The platform's shortcuts, wherever the focus is on the chart.
    const auto action = [this](const QString& text, QList<QKeySequence> keys, auto slot) {
        auto* a = new QAction(text, this);
        a->setShortcuts(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, slot);
        addAction(a);
    };
    QList<QKeySequence> saveAsKeys = QKeySequence::keyBindings(QKeySequence::SaveAs);
    if (saveAsKeys.isEmpty()) // desktops with no binding of their own
        saveAsKeys << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    action(tr("Copy"), QKeySequence::keyBindings(QKeySequence::Copy), &Form10::Command5_Click);
    action(tr("Save"), QKeySequence::keyBindings(QKeySequence::Save), &Form10::save);
    action(tr("Save As"), saveAsKeys, &Form10::saveAs);
    action(tr("Open"), QKeySequence::keyBindings(QKeySequence::Open), &Form10::open);

    const auto addRule = [this](Twips at) {
        auto* rule = new QWidget(this);
        rule->setGeometry(at.pixels());
        SetColours(rule, kRuleBlue, Qt::white);
        return rule;
    };
    for (int left : kRuleLefts)
        columnRules_.push_back(addRule({left, 0, kRuleSize.width, kRuleSize.height}));
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
    addLabel("Label36", tr("Side"), kSideHeading, headingFont);
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
        // A double-click on the row's number reviews it; its menu holds the row's commands.
        number->installEventFilter(this);
        number->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(number, &QWidget::customContextMenuRequested, this, [this, row, number](QPoint at) {
            auto* menu = new QMenu(this);
            menu->setAttribute(Qt::WA_DeleteOnClose);
            addRowCommands(menu, row);
            menu->popup(number->mapToGlobal(at));
        });
        numbers_[row - 1] = number;
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
        connect(field, &QLineEdit::textChanged, this, [this, row](const QString& text) {
            if (!showing_ && row <= record_.rowCount() && record_.row(row).task != text)
                record_.setTask(row, text);
        });
        field->setRowCommands([this, row](QMenu* menu) { addRowCommands(menu, row); });
        field->installEventFilter(this);
        tasks_[row - 1] = field;

        auto* side = new SideField(this);
        side->setObjectName(QStringLiteral("Side%1").arg(row));
        side->setGeometry(Twips{kSideLeft, RowTop(row), kSideWidth, kCellSize}.pixels());
        side->setFont(headingFont);
        side->setPalette(taskColours);
        side->setAccessibleName(tr("Side, row %1").arg(row));
        // On Linux a list's accessible name is its current text once a side is chosen
        // ("L"): the description still tells the row, as the cells' do.
        side->setAccessibleDescription(tr("Row %1, %2").arg(row).arg(tr("Side")));
        side->setEnabled(false);
        side->installEventFilter(this);
        connect(side, &QComboBox::currentIndexChanged, this, [this, row, side] {
            if (!showing_ && row <= record_.rowCount())
                record_.setSide(row, side->side());
        });
        sides_[row - 1] = side;
    }
    addFooter({0, kFooterTop});

    // The study's details. On paper they are words above the chart (paperHeading), so
    // the band is left off the page like the buttons.
    std::array<QWidget*, kDetailLayout.size()> detailFields{};
    for (std::size_t i = 0; i < kDetailLayout.size(); ++i) {
        const Detail& detail = kDetailLayout[i];
        QWidget* field = nullptr;
        if (i + 1 < kDetailLayout.size()) {
            auto* line = new OneLineField(this, kDetailMaxCharacters);
            line->setPalette(taskColours);
            connect(line, &QLineEdit::textChanged, this, &Form10::detailsEdited);
            field = line;
        } else {
            observed_ = new QDateEdit(this);
            observed_->setDisplayFormat(ObservedDateFormat(observed_->locale()));
            // Every date a study keeps, and no other.
            observed_->setDateRange(kFirstObservedDate(), kLastObservedDate());
            observed_->setCalendarPopup(true);
            ShowLight(observed_, taskColours);
            connect(observed_, &QDateEdit::dateChanged, this, &Form10::detailsEdited);
            field = observed_;
        }
        field->setObjectName(QLatin1String(detail.fieldName));
        field->setGeometry(detail.field.pixels());
        field->setFont(headingFont);
        QLabel* caption = addLabel(detail.labelName, tr(detail.caption), detail.label, headingFont);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setWordWrap(false);
        caption->setBuddy(field);
        field->setAccessibleName(caption->text().remove(u'&').remove(u':').trimmed());
        offPaper_.push_back(caption);
        offPaper_.push_back(field);
        detailFields[i] = field;
    }
    // The selected row's notes.
    notesCaption_ = addLabel("NotesCaption", {}, kNotesCaption, headingFont);
    notesCaption_->setWordWrap(false);
    notes_ = new QPlainTextEdit(this);
    notes_->setObjectName(QStringLiteral("Notes"));
    notes_->setGeometry(kNotesBox.pixels());
    notes_->setFont(headingFont);
    notes_->setPalette(taskColours);
    notes_->setTabChangesFocus(true);
    notes_->setEnabled(false);
    connect(notes_, &QPlainTextEdit::textChanged, this, [this] {
        if (!showing_ && rowFilled(selectedRow_))
            record_.setNotes(selectedRow_, notes_->toPlainText());
    });
    offPaper_.push_back(notesCaption_);
    offPaper_.push_back(notes_);

    title_ = static_cast<OneLineField*>(detailFields[0]);
    site_ = static_cast<OneLineField*>(detailFields[1]);
    assessor_ = static_cast<OneLineField*>(detailFields[2]);

    // The tab order: each row's task and side from the top, the buttons, the details, the
    // file buttons, the notes.
    std::vector<QWidget*> order;
    for (int row = 0; row < kRows; ++row)
        order.insert(order.end(), {tasks_[row], sides_[row]});
    order.insert(order.end(), {Command1, Command2, Command3, Command4, Command5, reviewButton,
                               newAssessmentButton});
    order.insert(order.end(), detailFields.begin(), detailFields.end());
    order.insert(order.end(), {saveButton, saveAsButton, openButton, exportButton, notes_});
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(&record_, &ChartRecord::changed, this, &Form10::showRecord);
    connect(&record_, &ChartRecord::modifiedChanged, this, &Form10::showCaption);
    showRecord();
}

QLabel* Form10::cell(int row, int column) const {
    return cells_.at(row - 1).at(column);
}

bool Form10::rowFilled(int row) const {
    return row >= 1 && row <= record_.rowCount();
}

QLineEdit* Form10::task(int row) const {
    return tasks_.at(row - 1);
}

void Form10::showRecord() {
    showing_ = true;
    for (int row = 1; row <= kRows; ++row) {
        const bool filled = rowFilled(row);
        for (int c = 0; c < kColumns; ++c)
            cell(row, c)->setText(filled ? record_.row(row).scores[c] : QString());
        TaskField* field = tasks_[row - 1];
        const QString text = filled ? record_.row(row).task : QString();
        if (field->text() != text)
            field->setText(text);
        field->setEnabled(filled);
        sides_[row - 1]->setSide(filled ? record_.row(row).side : Side::NotSaid);
        sides_[row - 1]->setEnabled(filled);
    }
    if (!rowFilled(selectedRow_))
        selectedRow_ = record_.rowCount();
    showNotes();
    keepFinalScreenRow();
    const StudyDetails& details = record_.study().details;
    for (auto [field, text] : {std::pair{title_, details.title}, std::pair{site_, details.site},
                               std::pair{assessor_, details.assessor}})
        if (field && field->text() != text)
            field->setText(text);
    if (observed_) {
        const QDate date = details.observed.isValid() ? details.observed : QDate::currentDate();
        if (observed_->date() != date)
            observed_->setDate(date);
    }
    showing_ = false;
    syncAddButton();
    showCaption();
}

void Form10::showCaption() {
    if (filePath_.isEmpty()) {
        setWindowTitle(tr("Rula"));
    } else {
        setWindowTitle(tr("%1[*] - Rula").arg(ShownPath(QFileInfo(filePath_).fileName())));
        setWindowModified(hasUnsavedChanges());
    }
}

void Form10::syncAddButton() {
    if (Form9* finalScreen = screens().find<Form9>())
        finalScreen->setChartFull(record_.isFull());
}

void Form10::showNotes() {
    const bool filled = rowFilled(selectedRow_);
    notesCaption_->setText(filled ? tr("Notes, row %1:").arg(selectedRow_) : tr("Notes:"));
    notes_->setAccessibleName(notesCaption_->text().chopped(1).trimmed());
    const QString notes = filled ? record_.row(selectedRow_).notes : QString();
    if (notes_->toPlainText() != notes) {
        // What the record cut (past the limit, a control character) is gone from the box
        // too; the cursor stays at the end of what was typed.
        notes_->setPlainText(notes);
        notes_->moveCursor(QTextCursor::End);
    }
    notes_->setEnabled(filled);
    reviewButton->setEnabled(filled);
}

void Form10::selectRow(int row) {
    if (row == selectedRow_ || !rowFilled(row))
        return;
    selectedRow_ = row;
    const QScopedValueRollback showing(showing_, true);
    showNotes();
}

bool Form10::eventFilter(QObject* watched, QEvent* event) {
    for (int row = 1; row <= kRows; ++row) {
        if (event->type() == QEvent::FocusIn &&
            (watched == tasks_[row - 1] || watched == sides_[row - 1]))
            selectRow(row);
        if (event->type() == QEvent::MouseButtonDblClick && watched == numbers_[row - 1] &&
            isOnView()) {
            reviewRow(row);
            return true;
        }
    }
    return ScreenShell::eventFilter(watched, event);
}

void Form10::addRowCommands(QMenu* menu, int row) {
    const bool filled = rowFilled(row);
    const auto add = [&](const QString& text, auto slot) {
        QAction* action = menu->addAction(text, this, [this, row, slot] {
            if (isOnView())
                (this->*slot)(row);
        });
        action->setEnabled(filled);
    };
    add(tr("Re&view"), &Form10::reviewRow);
    add(tr("Assess the &Other Side"), &Form10::otherSide);
    add(tr("&Delete Row"), &Form10::deleteRow);
}

Form9& Form10::finalScreen() {
    Form9& form9 = screens().get<Form9>();
    syncAddButton();
    return form9;
}

void Form10::reviewRow(int row) {
    if (!rowFilled(row))
        return;
    const ChartRow& shown = record_.row(row);
    if (!shown.answers) {
        tell(tr("Row %1 holds only its scores: it was kept by an earlier version of Rula, "
                "without the answers behind them, so it cannot be reviewed.")
                 .arg(row));
        return;
    }
    Form9& form9 = finalScreen();
    const Assessment answers = *shown.answers;
    form9.forgetChartRow();
    screens().assessment().set(answers);
    screens().assessment().setPhoto(shown.measurement);
    form9.showScoresOf(answers);
    form9.setChartRow(row, answers, true);
    if (shown.measurement)
        screens().showMeasuredPhoto();
    goTo(Form9::kId);
}

void Form10::updateRowFrom(Form9& form9, int row) {
    const std::optional<Assessment>& answers = form9.scoredAnswers();
    if (!rowFilled(row) || !answers || !form9.scoresCurrent())
        return;
    record_.updateRow(row, *answers, ScoreCells(form9.shownScores()),
                      screens().assessment().photo());
    form9.setChartRow(row, *record_.row(row).answers, true);
    selectRow(row);
    if (task(row)->isEnabled())
        task(row)->setFocus(Qt::OtherFocusReason);
    form9.goTo(kId);
}

void Form10::otherSide(int row) {
    if (!rowFilled(row))
        return;
    const ChartRow& from = record_.row(row);
    if (!from.answers) {
        tell(tr("Row %1 holds only its scores: it was kept by an earlier version of Rula, "
                "without the answers behind them, so its other side cannot be started from it.")
                 .arg(row));
        return;
    }
    Side side = from.side;
    if (side == Side::NotSaid) {
        const Answer answer =
            Ask(tr("Which side does row %1 show?").arg(row), tr("&Left"), tr("&Right"));
        if (answer == Answer::Cancel)
            return;
        side = answer == Answer::Yes ? Side::Left : Side::Right;
        record_.setSide(row, side);
    }
    // Group B is the same body whichever arm is assessed; group A starts afresh.
    const Assessment& shown = *record_.row(row).answers;
    Assessment next;
    next.neck = shown.neck;
    next.neckTwisted = shown.neckTwisted;
    next.neckSideBent = shown.neckSideBent;
    next.trunk = shown.trunk;
    next.trunkTwisted = shown.trunkTwisted;
    next.trunkSideBent = shown.trunkSideBent;
    next.trunkSupportedSeated = shown.trunkSupportedSeated;
    next.legsSupported = shown.legsSupported;
    next.muscleUseB = shown.muscleUseB;
    next.forceLoadB = shown.forceLoadB;
    next.side = side == Side::Left ? Side::Right : Side::Left;
    const QString task = record_.row(row).task;
    ScreenShell* onView = screens().onView();
    finalScreen().startAssessment(next, onView ? *onView : static_cast<ScreenShell&>(*this));
    pendingTask_ = task;
}

void Form10::deleteRow(int row) {
    if (!rowFilled(row))
        return;
    const QString task = record_.row(row).task;
    const QString question =
        task.isEmpty()
            ? tr("Delete row %1? It cannot be brought back.").arg(row)
            : tr("Delete row %1, \u201c%2\u201d? It cannot be brought back.").arg(row).arg(task);
    if (Ask(question, tr("&Delete Row")) != Answer::Yes)
        return;
    // The final score screen follows its row as it moves up.
    if (Form9* form9 = screens().find<Form9>(); form9 && form9->chartRow() > row)
        form9->setChartRow(*form9->chartRow() - 1, form9->chartRowAnswers(), form9->isReviewing());
    record_.deleteRow(row);
}

Form10::Answer Form10::Ask(const QString& question, const QString& yes, const QString& other) {
    // Window-modal over a hidden chart, the question would leave the screen on view free
    // to be clicked behind it.
    ScreenShell* over = screens().onView();
    const QPointer<QMessageBox> box =
        new QMessageBox(QMessageBox::Question, windowTitle(), question, QMessageBox::NoButton,
                        over ? static_cast<QWidget*>(over) : this);
    box->setAttribute(Qt::WA_DeleteOnClose, false); // read once answered
    QPushButton* yesButton = box->addButton(yes, QMessageBox::AcceptRole);
    QPushButton* otherButton =
        other.isEmpty() ? nullptr : box->addButton(other, QMessageBox::AcceptRole);
    QPushButton* cancel = box->addButton(tr("&Cancel"), QMessageBox::RejectRole);
    box->setDefaultButton(cancel);
    box->setEscapeButton(cancel);
    const QAbstractButton* chosen = AskAndWait(box);
    const Answer answer = !chosen                 ? Answer::Cancel
                          : chosen == yesButton   ? Answer::Yes
                          : chosen == otherButton ? Answer::Other
                                                  : Answer::Cancel;
    delete box.data();
    return answer;
}

void Form10::keepFinalScreenRow() {
    // Cleared, opened over or changed under it: the final score screen's row is no longer
    // the one its answers went into.
    Form9* form9 = screens().find<Form9>();
    if (!form9 || !form9->chartRow())
        return;
    const int held = *form9->chartRow();
    if (!rowFilled(held) || record_.row(held).answers != form9->chartRowAnswers())
        form9->forgetChartRow();
}

void Form10::forgetPendingTask() {
    pendingTask_.clear();
}

void Form10::detailsEdited() {
    if (showing_ || !title_ || !site_ || !assessor_ || !observed_)
        return;
    StudyDetails details{title_->text(), site_->text(), assessor_->text(), observed_->date()};
    if (!(details == record_.study().details))
        record_.setDetails(details);
}

void Form10::addFrom(Form9& finalScreen) {
    const std::optional<Assessment>& answers = finalScreen.scoredAnswers();
    if (!answers || !finalScreen.scoresCurrent())
        return;
    ChartRow added;
    added.scores = ScoreCells(finalScreen.shownScores());
    added.answers = *answers;
    added.side = answers->side;
    added.task = pendingTask_;
    added.measurement = screens().assessment().photo();
    const int row = record_.addRow(added);
    syncAddButton();
    if (row == 0)
        return;
    pendingTask_.clear();
    finalScreen.setChartRow(row, *record_.row(row).answers, false);
    selectRow(row);
    // The user can name the task at once.
    if (task(row)->isEnabled())
        task(row)->setFocus(Qt::OtherFocusReason);
    finalScreen.goTo(kId);
}

void Form10::asOnPaper(const std::function<void()>& work) {
    // The buttons and the details' band are hidden for as long as the work runs; they come
    // back at once, and the focus where it was (hiding a focused button passes it along,
    // and Enter must not reach another button).
    const QPointer<QWidget> focus = focusWidget();
    for (QWidget* w : offPaper_)
        w->hide();
    work();
    for (QWidget* w : offPaper_)
        w->show();
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
}

ScreenRecording Form10::recordForPaper() {
    ScreenRecording page;
    asOnPaper([&] { page = RecordScreen(*this, tr("Chart")); });
    return page;
}

ScreenRecording Form10::reportForPaper() {
    ScreenRecording page;
    asOnPaper([&] { page = recordReport(); });
    return page;
}

ScreenRecording Form10::recordReport() {
    ScreenRecording page = RecordScreen(*this, tr("Report"));
    page.following = std::make_shared<StudyReport>(record_.study(), paperHeading());
    return page;
}

void Form10::printReport() {
    if (isPrinting())
        return;
    asOnPaper([this] { printPages(recordReport(), reportButton); });
    reportButton->setFocus(Qt::OtherFocusReason);
}

void Form10::Command2_Click() {
    if (isPrinting())
        return;
    // Through the shell's printing: the page is being sent while the buttons are hidden,
    // whether or not it will be printed.
    asOnPaper([this] { printScreen(); });
    Command2->setFocus(Qt::OtherFocusReason);
}

QString Form10::paperHeading() const {
    const StudyDetails& details = record_.study().details;
    QStringList parts;
    if (!details.title.isEmpty())
        parts << tr("Title: %1").arg(details.title);
    if (!details.site.isEmpty())
        parts << tr("Site: %1").arg(details.site);
    if (!details.assessor.isEmpty())
        parts << tr("Assessor: %1").arg(details.assessor);
    const QDate observed = details.observed.isValid() ? details.observed : QDate::currentDate();
    const QLocale locale;
    parts << tr("Observed: %1").arg(locale.toString(observed, ObservedDateFormat(locale)));
    return parts.join(QStringLiteral("     "));
}

QSize Form10::drawForPaper(QPainter& painter) {
    // The chart is drawn in bands: the headings, each row, and what lies below the rows.
    // A row whose task needs more lines than its cell holds is drawn that much lower than
    // the one above it, and the column rules are drawn on through the room added. The
    // sixteen columns are drawn as the screen shows them; the side and the task stand in
    // columns of the paper's own (kPaperSideLeft, kPaperTaskLeft), so that the page keeps
    // the true size on A4 and Letter across while the screen's task column is wide enough
    // for sixty characters on one line. Captions longer than the English ones may have
    // moved the columns and rows (FitCaptions): the paper's columns follow the screen's,
    // and its side column is as wide as its heading needs.
    const int firstTop = cells_[0][0]->y();
    const int pitch = cells_[1][0]->y() - firstTop;
    const int grid = sides_[0]->x(); // kPaperSideLeft as designed
    QLabel* sideHeading = findChild<QLabel*>(QStringLiteral("Label36"));
    QLabel* taskHeading = findChild<QLabel*>(QStringLiteral("Label35"));
    const int taskLeft =
        grid + std::max(kPaperTaskLeft - kPaperSideLeft,
                        sideHeading->fontMetrics().horizontalAdvance(sideHeading->text()) + 4);
    const int paperWidth = taskLeft + kPaperWidth - kPaperTaskLeft;
    render(&painter, QPoint(0, 0), QRegion(0, 0, grid, firstTop));
    sideHeading->render(&painter, QPoint(grid, sideHeading->y()));
    taskHeading->render(&painter, QPoint(taskLeft, taskHeading->y()));
    int added = 0;
    for (int row = 1; row <= kRows; ++row) {
        const int top = firstTop + pitch * (row - 1);
        render(&painter, QPoint(0, top + added), QRegion(0, top, grid, pitch));
        SideField* side = sides_[row - 1];
        side->render(&painter, QPoint(grid, side->y() + added),
                     QRegion(0, 0, taskLeft - grid, side->height()));
        TaskField* field = tasks_[row - 1];
        if (!rowFilled(row) || field->text().isEmpty())
            continue;
        // The words start where the paper's task column does, and may take the field's
        // height or more.
        const QRect room = QRect(taskLeft, field->y(), paperWidth - taskLeft, field->height())
                               .adjusted(4, 1, -4, -1);
        const TaskOnPaper words(field->text(), field->font(), this, room.size());
        const QRect area(room.left(), room.top() + added, room.width(), words.height());
        if (const int more = words.height() - room.height(); more > 0) {
            const int gapTop = top + pitch + added;
            painter.fillRect(0, gapTop, width(), more, palette().color(QPalette::Window));
            for (const QWidget* rule : columnRules_)
                painter.fillRect(rule->x(), gapTop, rule->width(), more, kRuleBlue);
            added += more;
        }
        painter.setPen(field->palette().color(QPalette::Text));
        words.draw(painter, area);
    }
    const int below = firstTop + pitch * kRows;
    render(&painter, QPoint(0, below + added), QRegion(0, below, paperWidth, height() - below));
    return {paperWidth, height() + added};
}

void Form10::Command3_Click() {
    if (askingToClear_)
        return;
    const int filled = record_.rowCount();
    if (filled == 0)
        return record_.clearRows();
    // Alt+C is Continue on the other screens: pressed here out of habit, and again, it
    // must not wipe the chart. Cancel is the default; Enter, Esc and Alt+C choose it.
    const QString question =
        filled == 1
            ? tr("Clear the 1 row of the chart? It cannot be brought back.")
            : tr("Clear all %n rows of the chart? They cannot be brought back.", nullptr, filled);
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
            record_.clearRows();
    });
    askingToClear_ = box;
    AskWindowModal(box);
}

namespace {

QStringList Headings() {
    QStringList headings = {Form10::tr("Row")};
    for (const Column& column : kColumnLayout)
        headings << Form10::tr(column.heading);
    headings << Form10::tr("Side") << Form10::tr("Task") << Form10::tr("Notes");
    return headings;
}

} // namespace

void Form10::Command5_Click() {
    // Tab-separated lines for spreadsheets and plain editors, an HTML table with ruled
    // cells for word processors; the same heading line and rows in both.
    const QStringList headings = Headings();
    const Study& study = record_.study();

    const auto htmlRow = [](const QStringList& texts, QLatin1String tag) {
        QString line = QStringLiteral("<tr>");
        for (const QString& text : texts)
            line += QStringLiteral("<%1>%2</%1>").arg(tag, text.toHtmlEscaped());
        return line + QStringLiteral("</tr>\n");
    };
    QString html = QStringLiteral("<meta charset=\"utf-8\">\n<table border=\"1\">\n");
    const QList<QStringList> cells = ChartCells(study, headings);
    html += htmlRow(cells.front(), QLatin1String("th"));
    for (qsizetype line = 1; line < cells.size(); ++line)
        html += htmlRow(cells[line], QLatin1String("td"));
    html += QStringLiteral("</table>\n");

    auto* table = new QMimeData;
    table->setText(ChartTable(study, headings, Separator::Tab));
    table->setHtml(html);
    QApplication::clipboard()->setMimeData(table);
}

bool Form10::hasUnsavedChanges() const {
    // An empty chart of no study has nothing to lose; an emptied study differs from its file.
    return record_.isModified() && (!record_.isEmpty() || !filePath_.isEmpty());
}

bool Form10::saveForClosing() {
    return save();
}

bool Form10::save() {
    if (filePath_.isEmpty())
        return saveAs();
    switch (askWhenChangedOnDisk()) {
    case OnDisk::Unchanged:
    case OnDisk::SaveAnyway:
        return writeTo(filePath_);
    case OnDisk::SaveAs:
        return saveAs();
    case OnDisk::Cancel:
        break;
    }
    return false;
}

Form10::OnDisk Form10::askWhenChangedOnDisk() {
    const std::optional<FileStamp> now = StampOf(filePath_);
    // A file that is gone holds nobody's changes.
    if (!fileStamp_ || !now || *now == *fileStamp_)
        return OnDisk::Unchanged;
    QMessageBox box(QMessageBox::Warning, windowTitle(),
                    tr("The study was changed by another program since you opened it."),
                    QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("ChangedOnDisk"));
    box.setInformativeText(QDir::toNativeSeparators(ShownPath(filePath_)));
    QPushButton* anyway = box.addButton(tr("Save &Anyway"), QMessageBox::AcceptRole);
    QPushButton* elsewhere = box.addButton(tr("Save &As…"), QMessageBox::ActionRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    cancel->setText(tr("&Cancel"));
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    const QAbstractButton* chosen = AskAndWait(&box);
    if (chosen == anyway)
        return OnDisk::SaveAnyway;
    if (chosen == elsewhere)
        return OnDisk::SaveAs;
    return OnDisk::Cancel;
}

bool Form10::saveAs() {
    QString path = askFile(FileQuestion::SaveAs).path;
    if (path.isEmpty())
        return false;
    // "Packing v1.2" is a study too: only the ending the user typed is kept as it is.
    if (!path.endsWith(QLatin1String(".rula"), Qt::CaseInsensitive)) {
        path += QLatin1String(".rula");
        // The dialog asked about the name typed, not this one.
        if (StampOf(path) && QFileInfo(path).absoluteFilePath() != filePath_) {
            QMessageBox box(
                QMessageBox::Warning, windowTitle(),
                tr("%1 already exists. Replace it?").arg(QDir::toNativeSeparators(ShownPath(path))),
                QMessageBox::NoButton, this);
            QPushButton* replace = box.addButton(tr("&Replace"), QMessageBox::AcceptRole);
            QPushButton* cancel = box.addButton(QMessageBox::Cancel);
            cancel->setText(tr("&Cancel"));
            box.setDefaultButton(cancel);
            box.setEscapeButton(cancel);
            if (AskAndWait(&box) != replace)
                return false;
        }
    }
    return writeTo(path);
}

bool Form10::writeTo(const QString& path) {
    FileStamp written;
    if (const std::optional<StudyError> failed = WriteStudyFile(path, record_.study(), &written)) {
        tell(tr("The study was not saved.\n\n%1").arg(failed->message));
        return false;
    }
    filePath_ = QFileInfo(path).absoluteFilePath();
    fileStamp_ = written;
    record_.markSaved();
    showCaption();
    return true;
}

bool Form10::askAndOpen() {
    if (hasUnsavedChanges()) {
        QMessageBox box(QMessageBox::Warning, windowTitle(),
                        tr("Save the changes to the chart before opening another study?"),
                        QMessageBox::NoButton, this);
        QPushButton* saveFirst = box.addButton(tr("&Save"), QMessageBox::AcceptRole);
        box.addButton(tr("Open &Without Saving"), QMessageBox::DestructiveRole);
        QPushButton* cancel = box.addButton(QMessageBox::Cancel);
        cancel->setText(tr("&Cancel"));
        box.setDefaultButton(cancel);
        box.setEscapeButton(cancel);
        const QAbstractButton* chosen = AskAndWait(&box);
        if (!chosen || chosen == cancel || isClosing())
            return false;
        if (chosen == saveFirst && !save())
            return false;
    }
    const QString path = askFile(FileQuestion::Open).path;
    if (path.isEmpty() || isClosing())
        return false;
    if (const std::optional<QString> refused = openStudy(path)) {
        tell(*refused);
        return false;
    }
    return true;
}

std::optional<QString> Form10::openStudy(const QString& path) {
    FileStamp stamp;
    std::variant<Study, StudyError> read = ReadStudyFile(path, &stamp);
    if (const auto* refused = std::get_if<StudyError>(&read))
        return tr("The study was not opened.\n\n%1").arg(refused->message);
    filePath_ = QFileInfo(path).absoluteFilePath();
    fileStamp_ = stamp;
    record_.replace(std::get<Study>(std::move(read)));
    showRecord();
    return std::nullopt;
}

void Form10::recover(const Study& study, const QString& path,
                     const std::optional<FileStamp>& stamp) {
    filePath_ = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    fileStamp_ = stamp;
    record_.restoreUnsaved(study);
    showRecord();
}

void Form10::exportStudy() {
    const FileAnswer answer = askFile(FileQuestion::Export);
    if (answer.path.isEmpty())
        return;
    QString path = answer.path;
    const QString suffix = QFileInfo(path).suffix().toLower();
    bool pdf = suffix == QLatin1String("pdf");
    if (!pdf && suffix != QLatin1String("csv")) {
        // No known ending: the type chosen in the dialog gives it one.
        pdf = !answer.filter.contains(QLatin1String("*.csv"));
        path += pdf ? QLatin1String(".pdf") : QLatin1String(".csv");
    }
    const QByteArray bytes =
        pdf ? ComposePdf(reportForPaper(), FallbackPaper()) : ChartCsv(record_.study(), Headings());
    if (const std::optional<StudyError> failed = WriteFileAtomically(path, bytes))
        tell(tr("The chart was not exported.\n\n%1").arg(failed->message));
}

QString Form10::suggestedName() const {
    // The title as a file name: what a file name cannot hold, or would hide it, goes.
    QString name = record_.study().details.title;
    name.replace(u'/', u'-');
    name = name.simplified();
    while (name.startsWith(u'.'))
        name.remove(0, 1);
    return name.isEmpty() ? tr("Study") : name;
}

bool Form10::openFrom(ScreenShell& from) {
    if (&from != this)
        from.goTo(kId);
    const QString before = filePath_;
    const bool opened = askAndOpen() && filePath_ != before;
    if (!opened && &from != this && isOnView())
        goTo(from.id());
    return opened;
}

Form10::FileAnswer Form10::askFile(FileQuestion question) {
    if (fileDialog_)
        return fileDialog_(question);
    const QString studies = tr("Rula studies (*.rula)");
    const QString pdf = tr("PDF document (*.pdf)");
    const QString csv = tr("CSV table (*.csv)");
    // Beside the study's file, or in the user's home folder; named after the study.
    const QFileInfo file(filePath_);
    const QString folder = filePath_.isEmpty() ? QDir::homePath() : file.absolutePath();
    const QString name = filePath_.isEmpty() ? suggestedName() : file.completeBaseName();
    QFileDialog dialog(this);
    dialog.setDirectory(folder);
    switch (question) {
    case FileQuestion::SaveAs:
        dialog.setWindowTitle(tr("Save Study As"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilter(studies);
        dialog.setDefaultSuffix(QStringLiteral("rula"));
        dialog.selectFile(name + QLatin1String(".rula"));
        break;
    case FileQuestion::Open:
        dialog.setWindowTitle(tr("Open Study"));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters({studies, tr("All files (*)")});
        break;
    case FileQuestion::Export:
        dialog.setWindowTitle(tr("Export Chart"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters({pdf, csv});
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        dialog.selectFile(name + QLatin1String(".pdf"));
        connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, csv](const QString& f) {
            dialog.setDefaultSuffix(f == csv ? QStringLiteral("csv") : QStringLiteral("pdf"));
        });
        break;
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().constFirst(), dialog.selectedNameFilter()};
}

void Form10::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy))
        return Command5_Click();
    ScreenShell::keyPressEvent(event);
}

void Form10::tell(const QString& message) {
    auto* box =
        new QMessageBox(QMessageBox::Warning, windowTitle(), message, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("StudyMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    AskWindowModal(box);
}

} // namespace rula

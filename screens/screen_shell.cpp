#include "screens/screen_shell.h"

#include "printing/printing.h"
#include "scoring/score_text.h"
#include "scoring/segment_score.h"
#include "screens/caption_fit.h"
#include "screens/live_assessment.h"
#include "screens/screen_set.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>

namespace rula {
namespace {

constexpr Twips kFooterSize{0, 0, 2715, 735};
constexpr Twips kNoticeLine1At{120, 195, 2460, 225};
constexpr Twips kNoticeLine2At{240, 420, 1365, 225};
constexpr QSize kCommonButtonTwips{1455, 375};
constexpr char kPrintMessage[] = "PrintFailure";

Qt::WindowFlags FlagsFor(WindowStyle style) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    switch (style) {
    case WindowStyle::FixedCloseOnly:
        break;
    case WindowStyle::FixedMinimizable:
    case WindowStyle::SizableMinimizable:
        flags |= Qt::WindowMinimizeButtonHint;
        break;
    case WindowStyle::SizableMaximizable:
        flags |= Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
        break;
    }
    return flags;
}

bool IsFixed(WindowStyle style) {
    return style == WindowStyle::FixedCloseOnly || style == WindowStyle::FixedMinimizable;
}

// What a printed page says it is, after the window caption: four screens share one.
QString NameOnPaper(ScreenId id) {
    static constexpr std::array<const char*, kAllScreens.size()> kNames = {
        QT_TRANSLATE_NOOP("rula::ScreenShell", "Introduction"),
        QT_TRANSLATE_NOOP("rula::ScreenShell", "Upper arm"),
        QT_TRANSLATE_NOOP("rula::ScreenShell", "Lower arm"),
        QT_TRANSLATE_NOOP("rula::ScreenShell", "Wrist"),
        QT_TRANSLATE_NOOP("rula::ScreenShell", "Wrist twist"),
        QT_TRANSLATE_NOOP("rula::ScreenShell", "Neck"),
        QT_TRANSLATE_NOOP("rula::ScreenShell", "Trunk and legs"),
        QT_TRANSLATE_NOOP("rula::ScreenShell", "Frequency and force"),
        QT_TRANSLATE_NOOP("rula::ScreenShell", "Final score"),
        QT_TRANSLATE_NOOP("rula::ScreenShell", "Chart"),
    };
    return ScreenShell::tr(kNames[static_cast<std::size_t>(id) - 1]);
}

void GiveKeyboard(QWidget* question) {
    question->raise();
    question->activateWindow();
}

// Shows a print message once no question is open over its screen: it never covers one.
void ShowWhenUnasked(QMessageBox* message) {
    if (const auto* screen = qobject_cast<const ScreenShell*>(message->parentWidget())) {
        if (!screen->isOnView())
            return; // it goes with its screen
        if (QDialog* question = screen->openQuestion()) {
            QObject::connect(
                question, &QDialog::finished, message, [message] { ShowWhenUnasked(message); },
                static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
            return;
        }
    }
    message->show();
}

// Calls back when the watched window is hidden, however: answered, or gone with its
// parent.
class WhenHidden final : public QObject {
public:
    WhenHidden(QWidget* watched, std::function<void()> hidden)
        : hidden_(std::move(hidden)) {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide)
            hidden_();
        return false;
    }

private:
    std::function<void()> hidden_;
};

// The closing question's answer: the name of the button chosen; Esc and the question's
// own close box choose Cancel.
QString AnswerOf(const QMessageBox* question) {
    const QAbstractButton* chosen = question->clickedButton();
    return chosen ? chosen->objectName() : QLatin1String(kClosingCancelButton);
}

} // namespace

void AskWindowModal(QDialog* question) {
    // Print messages already over the screen would cover the question: they step aside
    // until it is answered.
    if (QWidget* parent = question->parentWidget()) {
        for (QMessageBox* message : parent->window()->findChildren<QMessageBox*>(
                 QLatin1String(kPrintMessage), Qt::FindDirectChildrenOnly))
            if (message->isVisible()) {
                message->hide();
                QObject::connect(
                    question, &QDialog::finished, message, [message] { ShowWhenUnasked(message); },
                    static_cast<Qt::ConnectionType>(Qt::QueuedConnection |
                                                    Qt::SingleShotConnection));
            }
    }
    question->setWindowModality(Qt::WindowModal);
    question->open();
    GiveKeyboard(question);
}

QAbstractButton* AskAndWait(QMessageBox* question) {
    QPointer<QAbstractButton> chosen;
    QEventLoop waiting;
    QObject::connect(question, &QDialog::finished, &waiting, [&] {
        chosen = question->clickedButton();
        waiting.quit();
    });
    // Hidden or deleted with its screen, a question is never answered.
    const WhenHidden hidden(question, [&waiting] { waiting.quit(); });
    QObject::connect(question, &QObject::destroyed, &waiting, &QEventLoop::quit);
    AskWindowModal(question);
    waiting.exec(QEventLoop::DialogExec);
    return chosen;
}

QFont TimesFont(double points, bool bold) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QPoint FramePlacement(QSize frame, const QRect& area) {
    const auto start = [](int length, int areaStart, int areaLength) {
        return areaStart + std::max(0, (areaLength - length) / 2);
    };
    return {start(frame.width(), area.left(), area.width()),
            start(frame.height(), area.top(), area.height())};
}

double ReadScore(const QLabel* label) {
    return ReadScoreValue(label->text().toStdString());
}

ScreenShell::ScreenShell(ScreenSet& screens, ScreenId id, const QString& caption, QSize clientTwips,
                         WindowStyle style)
    : QDialog(nullptr, FlagsFor(style))
    , screens_(screens)
    , id_(id) {
    setObjectName(QStringLiteral("Form%1").arg(static_cast<int>(id)));
    setWindowTitle(caption);
    setFont(TimesFont(9.75));
    const QSize client = ToPixels(clientTwips.width(), clientTwips.height());
    if (IsFixed(style))
        setFixedSize(client);
    else
        resize(client);
    setSizeGripEnabled(false);
    if (static_cast<int>(id) <= static_cast<int>(ScreenId::Form7))
        offerPhotoWindow();
    if (id != ScreenId::Form10)
        offerStudies();
    connect(&screens.assessment(), &LiveAssessment::changed, this, &ScreenShell::showRecord);
}

void ScreenShell::offerStudies() {
    // Ctrl+O opens a study from any screen; the chart, which shows it, has its own.
    auto* open = new QAction(tr("Open a Study"), this);
    open->setObjectName(QStringLiteral("OpenStudy"));
    open->setShortcuts(QKeySequence::Open);
    open->setShortcutContext(Qt::WindowShortcut);
    connect(open, &QAction::triggered, this, [this] {
        if (isOnView())
            screens_.openStudy(*this);
    });
    addAction(open);
}

void ScreenShell::offerPhotoWindow() {
    // A menu on the screen's background and a shortcut, so that no control moves.
    auto* photo = photoAction_ = new QAction(tr("Measure on a &Photo…"), this);
    photo->setObjectName(QStringLiteral("MeasureOnPhoto"));
    photo->setShortcut(kPhotoWindowKeys);
    photo->setShortcutContext(Qt::WindowShortcut);
    connect(photo, &QAction::triggered, this, [this] {
        if (isOnView())
            screens_.openPhotoWindow();
    });
    addAction(photo);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void ScreenShell::showScreen() {
    // Lines set while the screen was hidden get their room before it is placed.
    FitCaptions(*this);
    if (!shownBefore_) {
        shownBefore_ = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            // The window manager's frame is known only once a window has been shown; a
            // screen on view has the same frame as this one will have.
            QSize frame = size();
            for (ScreenId other : kAllScreens)
                if (const ScreenShell* s = screens_.find(other); s && s != this && s->isVisible())
                    frame += s->frameGeometry().size() - s->size();
            move(FramePlacement(frame, screen->availableGeometry()));
        }
    }
    show();
    // The first stop of the tab order has the focus when a screen opens, whether or not
    // the window manager has activated the window yet.
    if (!focusWidget())
        focusNextPrevChild(true);
    activateWindow();
}

void ScreenShell::goTo(ScreenId target) {
    screens_.get(target).showScreen();
    // A print message belongs to the screen it was shown over.
    closePrintMessages();
    hide();
    // A hidden screen keeps its controls and place but not its native window and paint
    // buffer; showing it again makes new ones. Only one screen is on view at a time.
    destroy();
}

void ScreenShell::printScreen() {
    if (!printing_)
        printPages(RecordScreen(*this, NameOnPaper(id_)));
}

void ScreenShell::printPages(ScreenRecording pages, QPushButton* from) {
    if (printing_)
        return;
    printing_ = true;
    printedFrom_ = from;
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    screens_.printTarget().send(std::move(pages),
                                [this](const QString& whyNot) { printDone(whyNot); });
}

void ScreenShell::printDone(const QString& whyNot) {
    printing_ = false;
    QGuiApplication::restoreOverrideCursor();
    if (closing_)
        return;
    if (!whyNot.isEmpty()) {
        // Over whichever screen is on view by now, until the user leaves that screen. It
        // holds up nothing, not even closing, and a newer one takes the place of the one
        // already over that screen.
        ScreenShell* over = screens_.onView();
        if (!over)
            over = this;
        over->closePrintMessages();
        auto* box =
            new QMessageBox(QMessageBox::Warning, windowTitle(),
                            tr("Nothing was printed: %1").arg(whyNot), QMessageBox::Ok, over);
        box->setObjectName(QLatin1String(kPrintMessage));
        box->setWindowModality(Qt::NonModal);
        box->setAttribute(Qt::WA_DeleteOnClose);
        connect(box, &QDialog::finished, this, &ScreenShell::focusPrintButton);
        ShowWhenUnasked(box);
    }
    focusPrintButton();
}

void ScreenShell::closePrintMessages() {
    for (QMessageBox* message :
         findChildren<QMessageBox*>(QLatin1String(kPrintMessage), Qt::FindDirectChildrenOnly)) {
        // Gone with its screen, it gives the focus to no one.
        disconnect(message, &QDialog::finished, nullptr, nullptr);
        message->hide();
        message->deleteLater();
    }
}

QDialog* ScreenShell::openQuestion() const {
    QDialog* question = nullptr;
    for (QDialog* dialog : findChildren<QDialog*>())
        if (dialog->isWindow() && dialog->isVisible() && dialog->isModal())
            question = dialog;
    return question;
}

void ScreenShell::focusPrintButton() {
    QPushButton* button = printedFrom_ ? printedFrom_.data() : printButton;
    if (button && button->isVisible() && !closing_)
        button->setFocus(Qt::OtherFocusReason);
}

void ScreenShell::Form_Unload() {
    closing_ = true;
    // The cascade's own closing of the other screens never asks.
    screens_.closeAgreed_ = true;
    for (ScreenId other : kAllScreens) {
        ScreenShell* screen = screens_.find(other);
        if (screen && !screen->closing_)
            screen->close();
    }
    screens_.screenUnloaded();
}

void ScreenShell::closeEvent(QCloseEvent* event) {
    // Work that closing would lose is asked about first, whichever screen is closed and
    // however; the screens stay as they are until the user has answered. A screen asked
    // again while it closes does nothing.
    if (!closing_ && screens_.hasUnsavedWork()) {
        event->ignore();
        askBeforeClosing();
        return;
    }
    event->accept();
    if (!closing_)
        Form_Unload();
}

QMessageBox* ScreenShell::ClosingQuestion(QWidget* over) {
    auto* box = new QMessageBox(QMessageBox::Warning,
                                over ? over->windowTitle() : QApplication::applicationName(),
                                tr(kClosingQuestion), QMessageBox::NoButton, over);
    box->setObjectName(QStringLiteral("ClosingQuestion"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    const auto add = [box](const char* name, const QString& caption, QMessageBox::ButtonRole role) {
        QPushButton* button = box->addButton(caption, role);
        button->setObjectName(QLatin1String(name));
        return button;
    };
    add(kClosingSaveButton, tr("&Save"), QMessageBox::AcceptRole);
    add(kClosingDiscardButton, tr("Close &Without Saving"), QMessageBox::DestructiveRole);
    QPushButton* cancel = add(kClosingCancelButton, tr("&Cancel"), QMessageBox::RejectRole);
    box->setDefaultButton(cancel);
    box->setEscapeButton(cancel);
    return box;
}

void ScreenShell::askBeforeClosing() {
    // One question at a time: asked again, it takes the keyboard again.
    if (QMessageBox* asking = screens_.closingQuestion_) {
        GiveKeyboard(asking);
        return;
    }
    QMessageBox* box = ClosingQuestion(isVisible() ? this : screens_.onView());
    screens_.closingQuestion_ = box;
    connect(box, &QDialog::finished, this, [this, box] {
        screens_.closingQuestion_ = nullptr;
        const QString answer = AnswerOf(box);
        if (answer == QLatin1String(kClosingDiscardButton) ||
            (answer == QLatin1String(kClosingSaveButton) && screens_.saveWork())) {
            screens_.closeAgreed_ = true;
            close();
        }
    });
    AskWindowModal(box);
}

void ScreenShell::actOnlyWhileOnView() {
    installEventFilter(this);
    for (QWidget* control : findChildren<QWidget*>())
        control->installEventFilter(this);
}

bool ScreenShell::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        updateMark(watched);
    // Captions that changed get their room again: in another language, once all have
    // changed; a line of the screen's own that grew, while the screen is shown.
    if (watched == this && (event->type() == QEvent::LanguageChange ||
                            (event->type() == QEvent::LayoutRequest && isVisible())))
        QTimer::singleShot(0, this, [this] { FitCaptions(*this); });
    if (event->type() == QEvent::ContextMenu && photoAction_ && isOnView()) {
        // A text box has a menu of its own: the Photo window is offered at its end.
        auto* area = qobject_cast<QWidget*>(watched);
        auto* text = area ? qobject_cast<QPlainTextEdit*>(area->parentWidget()) : nullptr;
        if (text && area == text->viewport()) {
            const auto* click = static_cast<QContextMenuEvent*>(event);
            const std::unique_ptr<QMenu> menu(text->createStandardContextMenu(click->pos()));
            menu->addSeparator();
            menu->addAction(photoAction_);
            menu->exec(click->globalPos());
            return true;
        }
    }
    // A click on a screen behind its question activates the screen, which the question
    // blocks: the keyboard goes back to the question. A file dialog may belong to another
    // screen than the one on view: then whichever modal window is open takes it.
    if (watched == this && event->type() == QEvent::WindowActivate) {
        QWidget* question = openQuestion();
        if (!question)
            question = QApplication::activeModalWidget();
        if (question && question != this && question->isVisible())
            QTimer::singleShot(0, question, [question] {
                if (question->isVisible())
                    GiveKeyboard(question);
            });
    }
    if (isOnView())
        return false;
    // A click or key can still reach a screen that has just been hidden or is closing:
    // input queued behind the one that moved on, or sent straight to a control.
    if (event->isInputEvent() || event->type() == QEvent::Shortcut)
        return true;
    // An access key shows its button pressed for a moment and clicks it from a timer,
    // by which time the screen may have moved on: the button then finishes its click
    // without telling anyone.
    if (event->type() == QEvent::Timer && qobject_cast<QAbstractButton*>(watched)) {
        const QSignalBlocker silent(watched);
        watched->event(event);
        return true;
    }
    return false;
}

void ScreenShell::keyPressEvent(QKeyEvent* event) {
    // A command button that is not the default one leaves Enter to its screen; Enter
    // with the focus on it still clicks it.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()); enter && button) {
        if (button->isEnabled())
            button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

QLabel* ScreenShell::addLabel(const char* name, const QString& text, Twips at, const QFont& font,
                              QWidget* parent) {
    auto* label = new QLabel(text, parent ? parent : this);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(at.pixels());
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QLabel* ScreenShell::addHeading(const char* name, const QString& text, Twips at) {
    // A heading stays on one line; where the font renders a little wider than designed,
    // it reaches further right instead of breaking.
    QLabel* heading = addLabel(name, text, at, TimesFont(12, true));
    heading->setWordWrap(false);
    heading->resize(std::max(heading->width(), heading->sizeHint().width()), heading->height());
    return heading;
}

QLabel* ScreenShell::addScoreLabel(const char* name, Twips at, const char* initial,
                                   QWidget* parent) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    QLabel* label = addLabel(name, QLatin1String(initial), at, font, parent);
    label->setVisible(false);
    return label;
}

OptionButton* ScreenShell::addOption(const char* name, const QString& caption, Twips at,
                                     QWidget* parent) {
    auto* option = new OptionButton(caption, parent ? parent : this);
    option->setObjectName(QLatin1String(name));
    option->setGeometry(at.pixels());
    return option;
}

CheckBox* ScreenShell::addCheck(const char* name, const QString& caption, Twips at) {
    auto* box = new CheckBox(caption, this);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(at.pixels());
    return box;
}

PictureBox* ScreenShell::addPicture(const char* name, Twips at, const Drawing& drawing) {
    auto* picture = new PictureBox(drawing, this);
    picture->setObjectName(QLatin1String(name));
    picture->setGeometry(at.pixels());
    return picture;
}

QPushButton* ScreenShell::addButton(const char* name, const QString& caption, Twips at,
                                    const QFont& font) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(at.pixels());
    button->setFont(font);
    return button;
}

QGroupBox* ScreenShell::addFrame(const char* name, const QString& caption, Twips at) {
    auto* frame = new Frame(caption, this);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(at.pixels());
    return frame;
}

QGroupBox* ScreenShell::addFooter(TwipsAt at) {
    QGroupBox* footer =
        addFrame("Frame11", QString(), {at.left, at.top, kFooterSize.width, kFooterSize.height});
    footer->setFocusPolicy(Qt::NoFocus);
    // Behind every other control: where a button reaches its edge, the button shows whole.
    footer->lower();
    const QFont font = TimesFont(9.75, true);
    addLabel("Label41", tr(kMakerNoticeLine1), kNoticeLine1At, font, footer)->setWordWrap(false);
    addLabel("Label40", tr(kMakerNoticeLine2), kNoticeLine2At, font, footer)->setWordWrap(false);
    return footer;
}

void ScreenShell::addCommonButtons(ScreenId previous, TwipsAt continueAt, TwipsAt backAt,
                                   TwipsAt printAt, TwipsAt exitAt) {
    const QFont font = TimesFont(12);
    const auto place = [](TwipsAt at) {
        return Twips{at.left, at.top, kCommonButtonTwips.width(), kCommonButtonTwips.height()};
    };
    Command1 = addButton("Command1", tr("&Continue"), place(continueAt), font);
    Command2 = addButton("Command2", tr("&Back"), place(backAt), font);
    Command3 = addButton("Command3", tr("&Print"), place(printAt), font);
    Command4 = addButton("Command4", tr("E&xit"), place(exitAt), font);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this, previous] { goTo(previous); });
    connect(Command3, &QPushButton::clicked, this, [this] { printScreen(); });
    connect(Command4, &QPushButton::clicked, this, &QWidget::close);
    printButton = Command3;
}

void ScreenShell::showChoice(QAbstractButton* button,
                             std::function<bool(const Assessment&)> isChosen,
                             std::function<void(Assessment&)> choose) {
    connect(button, &QAbstractButton::toggled, this, [this, choose](bool selected) {
        if (selected && !showingRecord_)
            screens_.assessment().edit(choose);
    });
    shows_.push_back([button, isChosen](const Assessment& a) {
        const bool chosen = isChosen(a);
        if (button->isChecked() == chosen)
            return;
        // An exclusive option cannot be cleared by itself: the group is let go for it.
        const bool exclusive = button->autoExclusive();
        button->setAutoExclusive(false);
        button->setChecked(chosen);
        button->setAutoExclusive(exclusive);
    });
    shows_.back()(record());
}

void ScreenShell::showText(QLabel* label, std::function<QString(const Assessment&)> text) {
    shows_.push_back([label, text](const Assessment& a) { label->setText(text(a)); });
    shows_.back()(record());
}

void ScreenShell::showAnswer(CheckBox* box, bool Assessment::*answer, QLabel* label,
                             const char* ticked, const char* otherwise) {
    connect(box, &QAbstractButton::toggled, this, [this, answer](bool isTicked) {
        if (!showingRecord_)
            screens_.assessment().edit([&](Assessment& a) { a.*answer = isTicked; });
    });
    shows_.push_back([box, answer](const Assessment& a) { box->setChecked(a.*answer); });
    shows_.back()(record());
    showText(label, [answer, ticked, otherwise](const Assessment& a) {
        return QLatin1String(a.*answer ? ticked : otherwise);
    });
}

void ScreenShell::showRecord() {
    const QScopedValueRollback showing(showingRecord_, true);
    for (const auto& show : shows_)
        show(record());
}

const Assessment& ScreenShell::record() const {
    return screens_.assessment().record();
}

void ScreenShell::handOn(QLabel* target, const std::string& score) {
    target->setText(QString::fromStdString(score));
}

void ScreenShell::pairWithDrawing(PictureBox* picture, QAbstractButton* button) {
    if (button->text().isEmpty()) {
        button->setAccessibleName(picture->accessibleName());
        button->setAccessibleDescription(picture->accessibleDescription());
        button->setToolTip(picture->toolTip());
    }
    connect(picture, &PictureBox::clicked, button, [button] {
        button->setFocus(Qt::MouseFocusReason);
        button->click();
    });
    drawings_.push_back({picture, button});
    // An option that is turned off by another one of its group tells only through toggled.
    connect(button, &QAbstractButton::toggled, this, [this, button] { updateMark(button); });
}

void ScreenShell::updateMark(const QObject* button) {
    for (const DrawingPair& pair : drawings_)
        if (pair.button == button)
            update(DrawingMarkArea(pair.picture->geometry()));
}

void ScreenShell::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    screens_.screenPainted();
    if (drawings_.empty())
        return;
    QPainter painter(this);
    for (const DrawingPair& pair : drawings_)
        PaintDrawingMark(painter, pair.picture->geometry(), palette(), pair.button->isChecked(),
                         pair.button->hasFocus());
}

} // namespace rula

namespace rula {} // namespace rula

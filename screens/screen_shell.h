// What every screen shares: its window style, fonts and footer; building controls
// from twips geometry; the navigation step (show the target, then hide this screen);
// printing the screen; closing, where closing any screen closes them all once nothing
// unsaved would be lost; the questions the screens ask; and the rule that only the
// screen on view acts on clicks and keys.
//
// A screen derives from ScreenShell, lays out its own controls in its constructor and
// implements its own button handlers; the shell owns the rest.
#pragma once

#include "screens/controls.h"
#include "screens/screen_id.h"
#include "screens/twips.h"

#include "assessment/assessment.h"
#include "assessment/posture_bands.h"
#include "printing/printing.h"

#include <QDialog>
#include <QFont>
#include <QPointer>

#include <functional>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

class QAbstractButton;
class QAction;
class QGroupBox;
class QLabel;
class QMessageBox;
class QPushButton;

namespace rula {

class ScreenSet;

// The title-bar buttons and border of a screen.
enum class WindowStyle {
    FixedCloseOnly,     // fixed border, close box only
    FixedMinimizable,   // fixed border, minimize and close
    SizableMaximizable, // sizable, minimize, maximize and close
    SizableMinimizable, // sizable, minimize and close
};

// The maker's notice: two footer lines, and the end of the introduction text.
inline constexpr const char* kMakerNoticeLine1 =
    QT_TRANSLATE_NOOP("rula::ScreenShell", "Rula posture assessment");
inline constexpr const char* kMakerNoticeLine2 =
    QT_TRANSLATE_NOOP("rula::ScreenShell", "Free software");

// The shortcut that opens the Photo window from the introduction and the posture screens.
inline constexpr QKeyCombination kPhotoWindowKeys{Qt::ControlModifier | Qt::ShiftModifier,
                                                  Qt::Key_P};

// Times New Roman in the given point size.
QFont TimesFont(double points, bool bold = false);

// Asks a question (a message box or a file dialog whose parent is a screen) window-modal
// over its screen, with the keyboard. Every question of the program is asked this way:
// a click on the screen behind it gives the keyboard back to the question, and the
// screen's print messages wait until it is answered. The caller connects to finished().
void AskWindowModal(QDialog* question);

// As AskWindowModal, for a caller that needs the answer before it goes on: returns once
// the message box is answered, with the button chosen (null for none, or when the box
// went with its screen). The caller owns the box and must not let it delete itself.
QAbstractButton* AskAndWait(QMessageBox* question);

// The closing question's text and buttons, by their object names.
inline constexpr const char* kClosingQuestion =
    QT_TRANSLATE_NOOP("rula::ScreenShell", "Save the changes to the chart before closing?");
inline constexpr const char* kClosingSaveButton = "Save";
inline constexpr const char* kClosingDiscardButton = "CloseWithoutSaving";
inline constexpr const char* kClosingCancelButton = "Cancel";

class ScreenShell : public QDialog {
    Q_OBJECT
public:
    ScreenShell(ScreenSet& screens, ScreenId id, const QString& caption, QSize clientTwips,
                WindowStyle style);

    ScreenId id() const { return id_; }
    bool isClosing() const { return closing_; }
    // Shown and not closing: the one screen whose controls act on clicks and keys.
    bool isOnView() const { return isVisible() && !closing_; }
    // Makes every control of the screen, and the screen itself, ignore clicks and keys
    // while the screen is not on view. Called once the screen has all its controls.
    void actOnlyWhileOnView();

    // Shows the screen: centred the first time, afterwards where the user left it.
    void showScreen();
    // The navigation step: show the target (creating it if need be), then hide this one.
    void goTo(ScreenId target);
    // Prints the client area as it looks now. The print system is talked to in the
    // background; when it has answered, the user is told if nothing was printed, and
    // the focus is on Print again. One job at a time: while one is being sent, this
    // does nothing.
    void printScreen();
    // Sends pages recorded otherwise (the chart with its report) as printScreen sends its;
    // the focus then goes back to `from` rather than to Print.
    void printPages(ScreenRecording pages, QPushButton* from = nullptr);
    bool isPrinting() const { return printing_; }

    // The closing cascade: closes Form1 to Form10 in order, skipping screens that never
    // existed or are already closing. Runs whichever way this screen is being closed,
    // once nothing unsaved would be lost or the user has answered the closing question.
    void Form_Unload();

    // The question open over this screen, if any: a visible modal dialog of its own.
    QDialog* openQuestion() const;

    // No screen has a cancel button: Esc, with whatever modifier, and anything else that
    // would reject the dialog leave the screen on view.
    void reject() override {}

    // The command buttons every screen has; each screen gives them their captions.
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;

protected:
    // The screen's Print button, which has the focus again after printing.
    QPushButton* printButton = nullptr;

    ScreenSet& screens() const { return screens_; }

    // Controls, placed by their designed geometry in twips. `parent` is the screen or
    // a frame on it.
    QLabel* addLabel(const char* name, const QString& text, Twips at, const QFont& font,
                     QWidget* parent = nullptr);
    QLabel* addHeading(const char* name, const QString& text, Twips at);
    // A hidden label that keeps a working score as text.
    QLabel* addScoreLabel(const char* name, Twips at, const char* initial = "0",
                          QWidget* parent = nullptr);
    OptionButton* addOption(const char* name, const QString& caption, Twips at,
                            QWidget* parent = nullptr);
    CheckBox* addCheck(const char* name, const QString& caption, Twips at);
    PictureBox* addPicture(const char* name, Twips at, const Drawing& drawing);
    QPushButton* addButton(const char* name, const QString& caption, Twips at, const QFont& font);
    QGroupBox* addFrame(const char* name, const QString& caption, Twips at);
    // The footer frame Frame11 with the maker's notice.
    QGroupBox* addFooter(TwipsAt at);

    // The four buttons of the input screens: Continue (default), Back, Print, Exit.
    // Continue runs Command1_Click; Back goes to `previous`.
    void addCommonButtons(ScreenId previous, TwipsAt continueAt, TwipsAt backAt, TwipsAt printAt,
                          TwipsAt exitAt);
    virtual void Command1_Click() {}

    // The screen shows the assessment the screens share and edits it. An option group
    // stands for one answer, each option for one of its values; the label holds the
    // chosen value's score as text ("0" while none is chosen). A box stands for a yes or
    // no answer, its label for what the box adds. A click writes the record; every change
    // of the record, whatever made it, sets the options, boxes and labels from it.
    template <class Answer, class Score>
    void showAnswer(Answer Assessment::*answer,
                    std::initializer_list<std::pair<OptionButton*, Answer>> options, QLabel* label,
                    Score score) {
        for (auto [option, value] : options)
            showChoice(
                option, [answer, value](const Assessment& a) { return a.*answer == value; },
                [answer, value](Assessment& a) { a.*answer = value; });
        showText(label, [answer, score](const Assessment& a) {
            return QString::number(score(a.*answer));
        });
    }
    void showAnswer(CheckBox* box, bool Assessment::*answer, QLabel* label, const char* ticked,
                    const char* otherwise);
    const Assessment& record() const;
    // Score text written to a label of the next screen, which waits there.
    static void handOn(QLabel* target, const std::string& score);
    // A click on a drawing acts as a click on its option or check box; a caption-less
    // option takes the drawing's words for screen readers and its tooltip. The drawing is
    // framed while its option or box is on, and ringed while that has the focus.
    void pairWithDrawing(PictureBox* picture, QAbstractButton* button);
    // The score of a posture answer's base, "0" while none is chosen.
    template <class Posture> static int BaseOrZero(Posture posture) {
        return BaseScore(posture).value_or(0);
    }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class ScreenSet;
    void offerPhotoWindow();
    void offerStudies();
    void printDone(const QString& whyNot);
    void focusPrintButton();
    // Shows a print message over this screen, once no question is open over it.
    void showPrintMessage(QMessageBox* message);
    // The print messages over this screen go, shown or waiting.
    void closePrintMessages();
    void askBeforeClosing();
    // The closing question over `over` (null: no parent), not yet shown.
    static QMessageBox* ClosingQuestion(QWidget* over);

    struct DrawingPair {
        PictureBox* picture;
        QAbstractButton* button;
    };
    void updateMark(const QObject* button);
    // One option or label bound to the record; shown at once and on every change.
    void showChoice(QAbstractButton* button, std::function<bool(const Assessment&)> isChosen,
                    std::function<void(Assessment&)> choose);
    void showText(QLabel* label, std::function<QString(const Assessment&)> text);
    void showRecord();
    std::vector<std::function<void(const Assessment&)>> shows_;
    bool showingRecord_ = false;

    ScreenSet& screens_;
    ScreenId id_;
    std::vector<DrawingPair> drawings_;
    QAction* photoAction_ = nullptr; // the Photo window, where the screen offers it
    bool shownBefore_ = false;
    bool closing_ = false;
    bool printing_ = false;
    QPointer<QPushButton> printedFrom_; // the button that printed, when not Print
};

// Where a window's frame goes when it is first shown: centred on the area, and inside
// it; along a side longer than the area, at the area's top or left edge, so that the
// title bar stays within reach.
QPoint FramePlacement(QSize frame, const QRect& area);

// Reads a label's caption as a number, the way sums read score text.
double ReadScore(const QLabel* label);

} // namespace rula

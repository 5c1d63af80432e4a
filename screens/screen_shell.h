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

#include "scoring/posture_bands.h"

#include <QDialog>
#include <QFont>

#include <initializer_list>
#include <optional>
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
inline constexpr const char* kMakerNoticeLine1 = "Rula posture assessment";
inline constexpr const char* kMakerNoticeLine2 = "Free software";

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
inline constexpr const char* kClosingQuestion = "Save the changes to the chart before closing?";
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
    bool isPrinting() const { return printing_; }

    // The closing cascade: closes Form1 to Form10 in order, skipping screens that never
    // existed or are already closing. Runs whichever way this screen is being closed,
    // once nothing unsaved would be lost or the user has answered the closing question.
    void Form_Unload();

    // The question open over this screen, if any: a visible modal dialog of its own.
    QDialog* openQuestion() const;

    // A posture screen's posture back to none chosen, as on a new screen: no option of
    // its bands selected and its base label "0". Adjustment boxes stay as they are.
    void clearPosture();

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

    // Option and check box handlers that write a score into a hidden label.
    static void writeWhenSelected(OptionButton* option, QLabel* label, const char* value);
    static void writeWhenTicked(CheckBox* box, QLabel* label, const char* ticked,
                                const char* otherwise);
    // A posture screen's options, each writing its base score from the segment's bands
    // (found by the option's name) when selected; clearPosture() clears them.
    void writeBaseFromBands(PostureSegment segment, std::initializer_list<OptionButton*> options,
                            QLabel* label);
    // A click on a drawing acts as a click on its option or check box; a caption-less
    // option takes the drawing's words for screen readers and its tooltip. The drawing is
    // framed while its option or box is on, and ringed while that has the focus.
    void pairWithDrawing(PictureBox* picture, QAbstractButton* button);
    // The base score of the chosen posture, or nothing while no option is selected.
    static std::optional<double> ChosenBase(const QLabel* baseLabel,
                                            std::initializer_list<const OptionButton*> options);
    // Writes a segment score as the text of a label on the next screen.
    static void WriteSegmentScore(QLabel* target, std::optional<double> base, double adjustments);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class ScreenSet;
    void offerPhotoWindow();
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

    ScreenSet& screens_;
    ScreenId id_;
    std::vector<DrawingPair> drawings_;
    // The options and base label of writeBaseFromBands, for clearPosture().
    std::vector<OptionButton*> postureOptions_;
    QLabel* postureBase_ = nullptr;
    QAction* photoAction_ = nullptr; // the Photo window, where the screen offers it
    bool shownBefore_ = false;
    bool closing_ = false;
    bool printing_ = false;
};

// Where a window's frame goes when it is first shown: centred on the area, and inside
// it; along a side longer than the area, at the area's top or left edge, so that the
// title bar stays within reach.
QPoint FramePlacement(QSize frame, const QRect& area);

// Reads a label's caption as a number, the way sums read score text.
double ReadScore(const QLabel* label);

} // namespace rula

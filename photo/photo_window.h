// The Photo window: a photo of the worker seen from the side, the six points placed on
// it, the angles they give, and "Use These Angles", which chooses the matching postures
// on the five posture screens. It stands beside whichever screen is on view and is not
// one of the screens. The window keeps its state in a PhotoMeasurement record; the view
// and the list of angles show that record, and every change goes through it. A photo is
// opened on this thread (its header only) and decoded on a worker thread, which owns the
// PhotoFile until it hands it back with the decoded image.
#pragma once

#include "angles/measured_photo.h"
#include "angles/photo_measurement.h"
#include "assessment/assessment.h"
#include "photo/photo_file.h"

#include <QWidget>

#include <array>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <variant>

class QAction;
class QBoxLayout;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace rula {

class PhotoFile;
class PhotoView;
class ScreenSet;

class PhotoWindow final : public QWidget {
    Q_OBJECT
public:
    explicit PhotoWindow(ScreenSet& screens);
    ~PhotoWindow() override;

    // Opens the photo, which decodes on a worker thread while the view says so, and starts
    // a new measurement once it shows. Bad input is told in a message box over the window
    // and changes nothing: a photo already shown stays. False when the file is refused at
    // once; a decode that fails is told when it ends. Opening another photo, Esc or
    // closing the window gives up a photo still decoding.
    bool openFile(const QString& path);
    // A photo kept with an assessment, from memory, with its measurement as it was kept;
    // it decodes as a file does.
    bool showKept(const MeasuredPhoto& kept);
    // Whether a photo is being decoded to be shown.
    bool opening() const { return opening_ != nullptr; }
    // The side the photo shows: as the user chose it, else the side toward the camera.
    Side side() const;
    // The standard file dialog, then openFile.
    void chooseFile();
    // Shows the window beside the screen on view (where it stands, unless it meets that
    // screen), and gives it the keyboard.
    void showBeside();

    void useTheseAngles();
    void printPhoto();

    const PhotoMeasurement& measurement() const { return measurement_; }
    PhotoView* view() const { return view_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    class HandOver;
    struct Opening;
    struct Decoded;
    // Hands an opened photo to a worker to decode; `kept`: the measurement it was kept with.
    bool showOpened(std::variant<std::unique_ptr<PhotoFile>, PhotoError> opened,
                    const QString& words, std::optional<MeasuredPhoto> kept);
    // The worker's photo back on this thread: shown, or its failure told.
    void finishOpening(const HandOver& which, Decoded decoded);
    // Gives up a photo still decoding: the worker's result goes nowhere.
    void stopOpening();
    // Stands the window beside the screen on view, sized for a photo of that shape.
    void arrange(QSize photo, bool giveWay);
    QSize shape() const; // the photo's upright size, or the shape of one not opened yet
    void chooseFacing(Facing facing);
    void undo();
    void refresh();
    bool canUseAngles() const;
    // The plumb line's correction in words, or nothing without a plumb line.
    QString tiltLine() const;
    void tell(const QString& message);

    ScreenSet& screens_;
    PhotoMeasurement measurement_;
    std::unique_ptr<PhotoFile> file_;
    // The photo being decoded, if any; file_ stays the one on view until it is shown.
    std::unique_ptr<Opening> opening_;
    // The JPEG the photo on view came from, while it is a kept one.
    std::optional<std::string> kept_;
    std::optional<Side> side_; // chosen by the user over the facing's
    QComboBox* sideChoice_ = nullptr;
    PhotoView* view_;
    QWidget* panel_;
    QScrollArea* panelArea_; // scrolls the panel where the window is too short for it
    QBoxLayout* row_;
    QLabel* prompt_;
    QPushButton* facingLeft_;
    QPushButton* facingRight_;
    QPushButton* plumb_;
    QPushButton* undo_;
    std::array<QLabel*, 5> angles_{};
    QLabel* tilt_;
    QScrollArea* reading_;
    QPushButton* use_;
    QLabel* used_;
    QPushButton* print_;
    QAction* giveUp_; // Esc, while a photo decodes
    bool shownBefore_ = false;
    bool printing_ = false;
};

// Owns the Photo window, made the first time it is asked for; joins it to the screens,
// which open it from their menu and shortcut and close it when they have all closed.
class PhotoWindowOnDemand {
public:
    explicit PhotoWindowOnDemand(ScreenSet& screens);
    ~PhotoWindowOnDemand();
    PhotoWindowOnDemand(const PhotoWindowOnDemand&) = delete;
    PhotoWindowOnDemand& operator=(const PhotoWindowOnDemand&) = delete;

    PhotoWindow& window();
    PhotoWindow* existing() const { return window_.get(); }
    // Waits until no photo decodes on a worker thread, at most `within`: a worker still
    // running then is left to finish on its own. Whether none was left.
    static bool AwaitDecodes(std::chrono::milliseconds within);

private:
    ScreenSet& screens_;
    std::unique_ptr<PhotoWindow> window_;
};

} // namespace rula

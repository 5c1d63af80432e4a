// The Photo window: a photo of the worker seen from the side, the six points placed on
// it, the angles they give, and "Use These Angles", which chooses the matching postures
// on the five posture screens. It stands beside whichever screen is on view and is not
// one of the screens. The window keeps its state in a PhotoMeasurement record; the view
// and the list of angles show that record, and every change goes through it.
#pragma once

#include "angles/measured_photo.h"
#include "angles/photo_measurement.h"
#include "assessment/assessment.h"
#include "photo/photo_file.h"

#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <variant>

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

    // Opens the photo and starts a new measurement. Bad input is told in a message box
    // over the window and changes nothing: a photo already shown stays.
    bool openFile(const QString& path);
    // A photo kept with an assessment, from memory, with its measurement as it was kept.
    bool showKept(const MeasuredPhoto& kept);
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
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool showOpened(std::variant<std::unique_ptr<PhotoFile>, PhotoError> opened);
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

private:
    ScreenSet& screens_;
    std::unique_ptr<PhotoWindow> window_;
};

} // namespace rula

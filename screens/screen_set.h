// The single instances of the ten screens. A screen is created, in its design state,
// the first time it is asked for; it then lives, shown or hidden, until the program
// ends. The set also holds what all screens share: the assessment they show, where
// printing goes, what closing
// would lose (asked of the layer that keeps the work), and what happens once every
// screen has closed.
#pragma once

#include "screens/screen_id.h"

#include <QPointer>

#include <array>
#include <functional>
#include <memory>

class QMessageBox;

namespace rula {

class LiveAssessment;
class ScreenShell;
class PrintTarget;

// Work that closing the program would lose. Either function may be empty: then there
// is nothing to lose.
struct UnsavedWork {
    std::function<bool()> hasChanges;
    // Keeps the work; true only when it was written (the user may cancel, writing may fail).
    std::function<bool()> save;
};

class ScreenSet {
public:
    using Factory = std::function<std::unique_ptr<ScreenShell>(ScreenId, ScreenSet&)>;

    explicit ScreenSet(Factory factory);
    ~ScreenSet();
    ScreenSet(const ScreenSet&) = delete;
    ScreenSet& operator=(const ScreenSet&) = delete;

    // The screen, created in its design state if it does not exist yet.
    ScreenShell& get(ScreenId id);
    // The screen if it exists; never creates it.
    ScreenShell* find(ScreenId id) const;

    template <class Form> Form& get() { return static_cast<Form&>(get(Form::kId)); }
    template <class Form> Form* find() const { return static_cast<Form*>(find(Form::kId)); }

    // The assessment every screen shows and edits.
    LiveAssessment& assessment() const { return *assessment_; }

    PrintTarget& printTarget() const { return *printTarget_; }
    void setPrintTarget(std::unique_ptr<PrintTarget> target);

    // Runs once, when the closing cascade has closed every existing screen.
    void setOnAllClosed(std::function<void()> onAllClosed) {
        onAllClosed_ = std::move(onAllClosed);
    }
    bool allClosed() const { return allClosed_; }

    // The Photo window beside the screens, which lives in a layer above them: `open`
    // shows it (Form1 to Form7 offer it by their menu and shortcut), `close` runs when
    // every screen has closed.
    void setPhotoWindow(std::function<void()> open, std::function<void()> close) {
        openPhoto_ = std::move(open);
        closePhoto_ = std::move(close);
    }
    void openPhotoWindow() const {
        if (openPhoto_)
            openPhoto_();
    }
    // Opens a study from a screen other than the chart (Ctrl+O), through the chart.
    void setStudyOpener(std::function<void(ScreenShell& from)> open) {
        openStudy_ = std::move(open);
    }
    void openStudy(ScreenShell& from) const {
        if (openStudy_)
            openStudy_(from);
    }
    // Shows the assessment's photo with its points in the Photo window (a row reviewed).
    void setMeasuredPhotoViewer(std::function<void()> show) {
        showMeasuredPhoto_ = std::move(show);
    }
    void showMeasuredPhoto() const {
        if (showMeasuredPhoto_)
            showMeasuredPhoto_();
    }

    // Closing the program first asks whether to keep the work while it has changes.
    void setUnsavedWork(UnsavedWork work) { unsavedWork_ = std::move(work); }
    bool hasUnsavedWork() const;
    // The question asked before closing, while it is open.
    QMessageBox* closingQuestion() const;
    // The desktop's session is ending: true when the program may end. With `mayAsk` the
    // user is asked, as on closing, while there are changes.
    bool mayEndSession(bool mayAsk);

    // The one screen on view, or null.
    ScreenShell* onView() const;

private:
    friend class ScreenShell;
    void screenUnloaded();
    void screenPainted();
    bool saveWork();

    Factory factory_;
    std::unique_ptr<LiveAssessment> assessment_;
    std::array<std::unique_ptr<ScreenShell>, kAllScreens.size()> screens_;
    std::unique_ptr<PrintTarget> printTarget_;
    bool iconAsked_ = false;
    std::function<void()> onAllClosed_;
    std::function<void()> openPhoto_;
    std::function<void()> closePhoto_;
    std::function<void()> showMeasuredPhoto_;
    std::function<void(ScreenShell&)> openStudy_;
    bool allClosed_ = false;
    UnsavedWork unsavedWork_;
    // Set once the user has answered that the program may close, or the cascade has begun.
    bool closeAgreed_ = false;
    QPointer<QMessageBox> closingQuestion_;
    // Receives the desktop's request to end the session while the set lives.
    std::unique_ptr<QObject> sessionWatch_;
};

} // namespace rula

// The single instances of the ten screens. A screen is created, in its design state,
// the first time it is asked for; it then lives, shown or hidden, until the program
// ends. The set also holds what all screens share: where printing goes and what
// happens once every screen has closed.
#pragma once

#include "screens/screen_id.h"

#include <array>
#include <functional>
#include <memory>

namespace rula {

class ScreenShell;
class PrintTarget;

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

private:
    friend class ScreenShell;
    void screenUnloaded();
    void screenPainted();

    Factory factory_;
    std::array<std::unique_ptr<ScreenShell>, kAllScreens.size()> screens_;
    std::unique_ptr<PrintTarget> printTarget_;
    bool iconAsked_ = false;
    std::function<void()> onAllClosed_;
    std::function<void()> openPhoto_;
    std::function<void()> closePhoto_;
    bool allClosed_ = false;
};

} // namespace rula

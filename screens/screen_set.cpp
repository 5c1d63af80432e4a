#include "screens/screen_set.h"

#include "screens/printing.h"
#include "screens/screen_shell.h"
#include "screens/screen_style.h"

namespace rula {
namespace {

std::size_t IndexOf(ScreenId id) {
    return static_cast<std::size_t>(id) - 1;
}

} // namespace

ScreenSet::ScreenSet(Factory factory)
    : factory_(std::move(factory))
    , printTarget_(MakeDefaultPrinterTarget()) {
    ScreenStyle::Install();
}

ScreenSet::~ScreenSet() = default;

ScreenShell& ScreenSet::get(ScreenId id) {
    auto& slot = screens_[IndexOf(id)];
    if (!slot) {
        slot = factory_(id, *this);
        slot->actOnlyWhileOnView();
    }
    return *slot;
}

ScreenShell* ScreenSet::find(ScreenId id) const {
    return screens_[IndexOf(id)].get();
}

const QIcon& ScreenSet::windowIcon() {
    if (windowIcon_.isNull())
        windowIcon_ = QIcon(QStringLiteral(":/images/icon.svg"));
    return windowIcon_;
}

void ScreenSet::setPrintTarget(std::unique_ptr<PrintTarget> target) {
    printTarget_ = std::move(target);
}

void ScreenSet::screenUnloaded() {
    if (allClosed_)
        return;
    for (const auto& screen : screens_)
        if (screen && !screen->isClosing())
            return;
    allClosed_ = true;
    if (onAllClosed_)
        onAllClosed_();
}

} // namespace rula

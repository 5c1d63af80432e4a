#include "screens/screen_set.h"

#include "printing/printing.h"
#include "screens/screen_shell.h"
#include "screens/screen_style.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace rula {
namespace {

std::size_t IndexOf(ScreenId id) {
    return static_cast<std::size_t>(id) - 1;
}

// Drawn here, at the sizes the window system is given, rather than by Qt's SVG icon
// engine: that is a plugin of its own, which would be loaded for this alone.
QIcon DrawWindowIcon() {
    QIcon icon;
    QSvgRenderer drawing(QStringLiteral(":/images/icon.svg"));
    for (int side : {16, 32, 48, 64}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        drawing.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
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

void ScreenSet::screenPainted() {
    if (iconAsked_)
        return;
    iconAsked_ = true;
    // The window icon is drawn once the first screen is painted, so that it does not delay
    // the first window, and after the painted window has gone to the display. Set for the
    // application, it is the icon of every window without one of its own: the screens and
    // their messages.
    QMetaObject::invokeMethod(
        qApp, [] { QApplication::setWindowIcon(DrawWindowIcon()); }, Qt::QueuedConnection);
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
    if (closePhoto_)
        closePhoto_();
    if (onAllClosed_)
        onAllClosed_();
}

} // namespace rula

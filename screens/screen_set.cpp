#include "screens/screen_set.h"

#include "printing/printing.h"
#include "screens/caption_fit.h"
#include "screens/drawing_module.h"
#include "screens/live_assessment.h"
#include "screens/screen_shell.h"
#include "screens/screen_style.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#if QT_CONFIG(sessionmanager)
#include <QSessionManager>
#endif

namespace rula {
namespace {

std::size_t IndexOf(ScreenId id) {
    return static_cast<std::size_t>(id) - 1;
}

// At the sizes the window system is given, drawn when the program was built
// (images/CMakeLists.txt) rather than by Qt's SVG icon engine: that is a plugin of its
// own, and both it and the drawing module would be loaded for this alone.
QIcon DrawWindowIcon() {
    QIcon icon;
    for (int side : {16, 32, 48, 64})
        icon.addPixmap(
            QPixmap::fromImage(PreDrawn(QStringLiteral(":/images/icon.svg"), QSize(side, side))));
    return icon;
}

} // namespace

ScreenSet::ScreenSet(Factory factory)
    : factory_(std::move(factory))
    , assessment_(std::make_unique<LiveAssessment>())
    , printTarget_(MakeDefaultPrinterTarget())
    , sessionWatch_(std::make_unique<QObject>()) {
    ScreenStyle::Install();
#if QT_CONFIG(sessionmanager)
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, sessionWatch_.get(),
                     [this](QSessionManager& session) {
                         if (!mayEndSession(session.allowsInteraction()))
                             session.cancel();
                         session.release();
                     });
#endif
}

ScreenSet::~ScreenSet() = default;

ScreenShell& ScreenSet::get(ScreenId id) {
    auto& slot = screens_[IndexOf(id)];
    if (!slot) {
        slot = factory_(id, *this);
        // Captions longer than the English ones get their room once the screen is whole.
        FitCaptions(*slot);
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

ScreenShell* ScreenSet::onView() const {
    for (const auto& screen : screens_)
        if (screen && screen->isOnView())
            return screen.get();
    return nullptr;
}

bool ScreenSet::hasUnsavedWork() const {
    return !closeAgreed_ && unsavedWork_.hasChanges && unsavedWork_.hasChanges();
}

QMessageBox* ScreenSet::closingQuestion() const {
    return closingQuestion_;
}

bool ScreenSet::saveWork() {
    return unsavedWork_.save && unsavedWork_.save();
}

bool ScreenSet::mayEndSession(bool mayAsk) {
    if (!hasUnsavedWork())
        return true;
    // The user is answering the closing question already; without leave to ask, the
    // session's end is not held up.
    if (closingQuestion_)
        return false;
    if (!mayAsk)
        return true;
    // The session manager waits for the answer.
    const QPointer<QMessageBox> box = ScreenShell::ClosingQuestion(onView());
    box->setAttribute(Qt::WA_DeleteOnClose, false); // read once answered
    closingQuestion_ = box;
    const QAbstractButton* chosen = AskAndWait(box);
    const QString answer = chosen ? chosen->objectName() : QString();
    closingQuestion_ = nullptr;
    delete box.data();
    if (answer == QLatin1String(kClosingDiscardButton)) {
        closeAgreed_ = true;
        return true;
    }
    return answer == QLatin1String(kClosingSaveButton) && saveWork();
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

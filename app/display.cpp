#include "app/display.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace rula {
namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler qtHandler = nullptr;
std::vector<HeldMessage> held;

std::string NoDisplayLine() {
    std::string given;
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            given += std::string(given.empty() ? "" : ", ") + name + "=" + value;
    }
    const std::string what =
        given.empty() ? "no display is set" : "cannot open the display (" + given + ")";
    return "rula: " + what +
           "; start it from a desktop, or set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland) to a "
           "running display";
}

void HoldOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    // Making the application object fails fatally only when no platform can be opened.
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", NoDisplayLine().c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    held.push_back({type, QByteArray(context.category), text});
}

} // namespace

void HoldMessagesWhileOpeningTheDisplay() {
    qtHandler = qInstallMessageHandler(&HoldOrEnd);
}

void DisplayOpened() {
    qInstallMessageHandler(qtHandler);
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    held.clear();
    held.shrink_to_fit();
}

} // namespace rula

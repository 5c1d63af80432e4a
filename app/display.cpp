#include "app/display.h"

#include "app/languages.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QTranslator>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <memory>
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

// The line said when no display opens, in the user's language: with no application
// object to install the translation in, the line is looked up in it directly.
QString NoDisplayLine() {
    QString given;
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            given += (given.isEmpty() ? QString() : QStringLiteral(", ")) + QLatin1String(name) +
                     u'=' + value;
    }
    const char* const source =
        given.isEmpty()
            ? QT_TRANSLATE_NOOP("rula::Display",
                                "rula: no display is set; start it from a desktop, or set "
                                "DISPLAY (X11) or WAYLAND_DISPLAY (Wayland) to a running "
                                "display")
            : QT_TRANSLATE_NOOP("rula::Display",
                                "rula: cannot open the display (%1); start it from a desktop, "
                                "or set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland) to a "
                                "running display");
    const std::unique_ptr<QTranslator> words =
        ProgramWords(QLocale::system().uiLanguages(), TranslationsFolder());
    QString line = words ? words->translate("rula::Display", source) : QString();
    if (line.isEmpty())
        line = QString::fromLatin1(source);
    return given.isEmpty() ? line : line.arg(given);
}

void HoldOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    // Making the application object fails fatally only when no platform can be opened.
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", NoDisplayLine().toLocal8Bit().constData());
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

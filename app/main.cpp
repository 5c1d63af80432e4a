// Start-up: the ten screens as single instances, the introduction shown first, or the
// chart when a study is named on the command line; a photo named there opens in the
// Photo window beside the introduction; then the offer of a chart left unsaved by an
// earlier run. Its words are in the user's language where a translation is installed
// (app/languages.h). The program ends when the closing cascade has closed every screen;
// until then the chart's unsaved changes are kept in a recovery copy.
#include "app/display.h"
#include "app/font_warmup.h"
#include "app/languages.h"
#include "app/open_study.h"
#include "app/recovery_keeper.h"
#include "app/screen_factory.h"
#include "chart/form10.h"
#include "files/regular_file.h"
#include "photo/photo_window.h"
#include "screens/screen_shell.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
    rula::FontConfigWarmUp fonts;
    rula::HoldMessagesWhileOpeningTheDisplay();
    QApplication app(argc, argv);
    rula::DisplayOpened();
    QApplication::setApplicationName(QStringLiteral("Rula"));
    QApplication::setApplicationVersion(QStringLiteral(RULA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(RULA_APP_ID));
    // Before any text is made. The translations lie beside the program's folder.
    rula::InstallTranslations(QLocale::system().uiLanguages(), rula::TranslationsFolder());
    // Closing is the cascade's business: hidden screens must not keep the program alive,
    // and a visible one closing must not end it before the others have closed.
    QApplication::setQuitOnLastWindowClosed(false);
    // Every screen writes in Times New Roman; made the default, no other font is loaded.
    QApplication::setFont(rula::TimesFont(9.75));

    fonts.wait();
    rula::RecoveryKeeper keeper;
    rula::ScreenSet screens([&keeper](rula::ScreenId id, rula::ScreenSet& set) {
        std::unique_ptr<rula::ScreenShell> screen = rula::CreateScreen(id, set);
        if (id == rula::ScreenId::Form10)
            keeper.watch(static_cast<rula::Form10&>(*screen));
        return screen;
    });
    screens.setOnAllClosed([] { QCoreApplication::quit(); });
    screens.setUnsavedWork(rula::ChartWork(screens));
    rula::OpenStudiesThroughTheChart(screens);
    keeper.keepFor(screens);
    rula::PhotoWindowOnDemand photo(screens);
    // The arguments by their bytes (Qt has left out its own): a file name need not be UTF-8.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << rula::PathFromNative(QByteArray(argv[i]));
    if (!rula::OpenFromCommandLine(screens, arguments))
        screens.get(rula::ScreenId::Form1).showScreen();
    // `rula PHOTO`: the photo opens in the Photo window beside the introduction.
    if (const QStringList args = arguments.mid(1);
        !args.isEmpty() && !args.first().endsWith(QLatin1String(".rula"), Qt::CaseInsensitive)) {
        // Opened first, so that the window stands there in the photo's shape at once.
        photo.window().openFile(args.first());
        photo.window().showBeside();
    }
    keeper.offerLeftCopy();
    const int status = QApplication::exec();
    // Saved, or closed without saving as the user chose.
    keeper.finish();
    return status;
}

// Start-up: the ten screens as single instances, the introduction shown first, or the
// chart when a study is named on the command line; a photo named there opens in the
// Photo window beside the introduction. The program ends when the closing cascade has
// closed every screen.
#include "app/display.h"
#include "app/font_warmup.h"
#include "app/open_study.h"
#include "app/screen_factory.h"
#include "photo/photo_window.h"
#include "screens/screen_shell.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    rula::FontConfigWarmUp fonts;
    rula::HoldMessagesWhileOpeningTheDisplay();
    QApplication app(argc, argv);
    rula::DisplayOpened();
    QApplication::setApplicationName(QStringLiteral("Rula"));
    QApplication::setApplicationVersion(QStringLiteral(RULA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(RULA_APP_ID));
    // Closing is the cascade's business: hidden screens must not keep the program alive,
    // and a visible one closing must not end it before the others have closed.
    QApplication::setQuitOnLastWindowClosed(false);
    // Every screen writes in Times New Roman; made the default, no other font is loaded.
    QApplication::setFont(rula::TimesFont(9.75));

    fonts.wait();
    rula::ScreenSet screens(&rula::CreateScreen);
    screens.setOnAllClosed([] { QCoreApplication::quit(); });
    screens.setUnsavedWork(rula::ChartWork(screens));
    rula::PhotoWindowOnDemand photo(screens);
    if (!rula::OpenFromCommandLine(screens, QCoreApplication::arguments()))
        screens.get(rula::ScreenId::Form1).showScreen();
    // `rula PHOTO`: the photo opens in the Photo window beside the introduction.
    if (const QStringList args = QApplication::arguments().mid(1);
        !args.isEmpty() && !args.first().endsWith(QLatin1String(".rula"), Qt::CaseInsensitive)) {
        // Opened first, so that the window stands there in the photo's shape at once.
        photo.window().openFile(args.first());
        photo.window().showBeside();
    }
    return QApplication::exec();
}

// The yardstick for start-up time and memory: the smallest Qt Widgets program that opens
// one window with the introduction screen's client size (489 x 147 pixels at 96 dpi).
// With --text it also shows the introduction's words in the program's font, as a plain
// label: the floor for a window with text, which brings up the font system; with --text
// FILE the words in the file (a translated introduction).
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.setFixedSize(489, 147);
    const QStringList arguments = QApplication::arguments();
    if (arguments.contains(QStringLiteral("--text"))) {
        QFont font(QStringLiteral("Times New Roman"));
        font.setPointSizeF(9.75);
        QApplication::setFont(font);
        QString text = QStringLiteral(
            "The attached program is based upon the standards recommended \"Rula: a survey "
            "method for the investigation of work-related upper limb disorders\", by L. "
            "McAtamney and E. N. Corlett in Applied Ergonomics 1993, 24(2), 91-99.\"  Every "
            "effort has been made to ensure the accuracy of the calculations, however, no "
            "warranty, either expressed or implied has been offered with this program.  Rula "
            "posture assessment, free software.");
        // --text FILE: the words of a translated introduction instead, read as UTF-8.
        const qsizetype named = arguments.indexOf(QStringLiteral("--text")) + 1;
        if (named < arguments.size()) {
            QFile file(arguments[named]);
            if (!file.open(QIODevice::ReadOnly))
                return 1;
            text = QString::fromUtf8(file.readAll()).simplified();
        }
        auto* words = new QLabel(text, &window);
        words->setWordWrap(true);
        words->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        words->setGeometry(0, 0, 489, 100);
    }
    window.show();
    return QApplication::exec();
}

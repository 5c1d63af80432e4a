// The yardstick for start-up time and memory: the smallest Qt Widgets program that opens
// one window with the introduction screen's client size (489 x 147 pixels at 96 dpi).
// With --text it also shows the introduction's words in the program's font, as a plain
// label: the floor for a window with text, which brings up the font system.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.setFixedSize(489, 147);
    if (QApplication::arguments().contains(QStringLiteral("--text"))) {
        QFont font(QStringLiteral("Times New Roman"));
        font.setPointSizeF(9.75);
        QApplication::setFont(font);
        auto* words = new QLabel(
            QStringLiteral(
                "The attached program is based upon the standards recommended \"Rula: a survey "
                "method for the investigation of work-related upper limb disorders\", by L. "
                "McAtamney and E. N. Corlett in Applied Ergonomics 1993, 24(2), 91-99.\"  Every "
                "effort has been made to ensure the accuracy of the calculations, however, no "
                "warranty, either expressed or implied has been offered with this program.  Rula "
                "posture assessment, free software."),
            &window);
        words->setWordWrap(true);
        words->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        words->setGeometry(0, 0, 489, 100);
    }
    window.show();
    return QApplication::exec();
}

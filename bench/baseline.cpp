// The yardstick for start-up time and memory: the smallest Qt Widgets program that opens
// one window with the introduction screen's client size (489 x 147 pixels at 96 dpi).
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.setFixedSize(489, 147);
    window.show();
    return QApplication::exec();
}

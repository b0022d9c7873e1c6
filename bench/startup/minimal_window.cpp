// The yardstick of the start-up benchmark: a bare Qt main window of the same size.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("Minimal"));
    w.resize(550, 286);
    w.show();
    return QApplication::exec();
}

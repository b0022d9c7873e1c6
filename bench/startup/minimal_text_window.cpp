// A second yardstick: the bare main window with one line of text, so that it pays the font
// system's first use as every window with text does.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("Minimal"));
    w.setCentralWidget(new QLabel(QStringLiteral("0.00")));
    w.resize(550, 286);
    w.show();
    return QApplication::exec();
}

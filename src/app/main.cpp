// Process start: the application title, the help file, the main window, the message loop.
#include "Defs.h"
#include "app/FirstStart.h"
#include "Forms/QtMessenger.h"
#include "Forms/TForm1.h"
#include "Forms/VemoxStyle.h"
#include "support/Errors.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(new VemoxStyle);
    QtMessenger qtMessenger;
    setMessenger(&qtMessenger);
    try {
        QApplication::setApplicationName(Defs::kAppTitle);
        // An installed program works in the per-user data folder it prepares.
        if (const QString data = FirstStart::UserDataFolder(); !data.isEmpty() && !QDir::setCurrent(data))
            messenger().errorBox(QStringLiteral("Cannot work in the data folder %1").arg(data));
        TForm1 form;
        form.show();
        QApplication::exec();
    } catch (const VemoxError& e) {
        messenger().errorBox(e.message());
    } catch (const std::exception& e) {
        messenger().errorBox(QString::fromLocal8Bit(e.what()));
    }
    return 0;
}

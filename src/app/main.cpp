// Process start: the application title, the help file, the main window, the message loop.
#include "Defs.h"
#include "app/FirstStart.h"
#include "Forms/QtMessenger.h"
#include "Forms/TForm1.h"
#include "Forms/VemoxStyle.h"
#include "support/DataFolder.h"
#include "support/Errors.h"
#include "support/FileWriter.h"
#include "support/Translations.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char** argv)
{
    FileWriter::ignoreFileSizeSignal();
    QApplication app(argc, argv);
    // The data files are found where the program started, whatever folder it moves to later.
    DataFolder::capture();
    QApplication::setStyle(new VemoxStyle);
    QtMessenger qtMessenger;
    setMessenger(&qtMessenger);
    try {
        QApplication::setApplicationName(Defs::kAppTitle);
        // Every window and message from here on speaks the operator's language.
        Translations::installForStart(QCoreApplication::applicationDirPath());
        // An installed program works in the per-user data folder it prepares; the process's
        // current folder stays where it was.
        if (const QString data = FirstStart::UserDataFolder(); !data.isEmpty()) {
            if (QFileInfo(data).isDir())
                DataFolder::set(data);
            else
                messenger().errorBox(QStringLiteral("Cannot work in the data folder %1").arg(data));
        }
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

// AppendLine with the log window open: the memo follows each line without reloading all.
#include "Forms/TForm1.h"
#include "Forms/TTransLog.h"
#include "support/Messenger.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

static double appendMs(int lines)
{
    TForm1 form;
    form.show();
    form.TransactionLog1Click();
    QApplication::processEvents();
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < lines; ++i)
        form.AppendLine(QStringLiteral("---- Equals: %1.00").arg(i));
    QApplication::processEvents();
    const double ms = t.nsecsElapsed() / 1e6;
    form.close();
    return ms;
}

int main(int argc, char** argv)
{
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ScriptedMessenger quiet;
    setMessenger(&quiet);
    const double small = appendMs(10000);
    const double large = appendMs(100000);
    std::printf("AppendLine with the log window open: 10,000 lines %.1f ms, 100,000 lines %.1f ms "
                "(ratio %.2f; linear is 10)\n", small, large, large / small);
    return 0;
}

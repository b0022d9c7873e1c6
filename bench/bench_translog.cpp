// AppendLine with the log window open: the memo follows every line without reloading all,
// a burst of lines going in together on the next event-loop turn.
#include "Forms/TForm1.h"
#include "calc/CounterSession.h"
#include "Forms/TTransLog.h"
#include "support/Messenger.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextDocument>
#include <cstdio>

struct Run {
    double ms;
    int memoLines;   // what the window shows afterwards: every line, or the figure is void
};

// Appends the lines with the window open. eachTurn: an event-loop turn after every line,
// as when each key press is handled on its own; otherwise one burst, then one turn.
static Run append(int lines, bool eachTurn)
{
    TForm1 form;
    form.show();
    form.command(Command::ViewTransactionLog)->trigger();
    QApplication::processEvents();
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < lines; ++i) {
        form.session().log().AppendLine(QStringLiteral("---- Equals: %1.00").arg(i));
        if (eachTurn)
            QApplication::processEvents();
    }
    QApplication::processEvents();
    const double ms = t.nsecsElapsed() / 1e6;
    const QTextDocument* doc = form.findChild<TTransLog*>(QStringLiteral("TransLog"))->Memo1->document();
    // The memo starts with the log of the start-up (empty: one empty block).
    const int shown = doc->isEmpty() ? 0 : doc->blockCount();
    form.close();
    return {ms, shown};
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
    const Run small = append(10000, false);
    const Run large = append(100000, false);
    std::printf("AppendLine with the log window open: 10,000 lines %.1f ms, 100,000 lines %.1f ms "
                "(ratio %.2f; linear is 10)\n", small.ms, large.ms, large.ms / small.ms);
    const Run turns = append(10000, true);
    std::printf("10,000 lines with an event-loop turn after each: %.1f ms (%.1f us a line)\n",
                turns.ms, turns.ms * 1000 / 10000);
    std::printf("memo lines shown: %d, %d, %d\n", small.memoLines, large.memoLines, turns.memoLines);
    return 0;
}

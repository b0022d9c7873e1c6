// Exports records to the account file of the current folder until it is killed: record n,
// for n = the first argument, n + 1, ..., holds n in each of its eight conversion fields and
// a long last field, and one byte is printed on the output after each export.
#include "data/AccountingExport.h"

#include <QDir>
#include <unistd.h>

int main(int argc, char** argv)
{
    const QString padding(400, QLatin1Char('x'));
    QString panel;
    for (int n = argc > 1 ? atoi(argv[1]) : 1;; ++n) {
        const QString number = QString::number(n);
        QString record = QStringList(7, number).join(QLatin1Char(',')) + QLatin1Char(',') + padding + QLatin1Char('\r');
        if (AccountingExport::AppendToAccounts(record, QStringLiteral("Buy"), QStringLiteral("Cash"), QDir::currentPath(),
                                               panel, QDateTime::currentDateTime()) != AccountingExport::Outcome::Added)
            return 1;
        const char dot = '.';
        if (::write(STDOUT_FILENO, &dot, 1) < 0)
            return 0;
    }
}

// Exports record n, n + 1, ... (n the first argument) to the account file of the current
// folder until it is killed, printing one byte after each. Record n holds n in seven of its
// fields and a long last field.
#include "data/AccountingExport.h"

#include <QDir>
#include <QStringList>
#include <unistd.h>

int main(int, char** argv)
{
    QString panel;
    for (int n = atoi(argv[1]);; ++n) {
        QString record = QStringList(7, QString::number(n)).join(',') + ',' + QString(400, 'x') + '\r';
        if (AccountingExport::AppendToAccounts(record, "Buy", "Cash", QDir::currentPath(), panel,
                                               QDateTime::currentDateTime()) != AccountingExport::Outcome::Added ||
            ::write(STDOUT_FILENO, "", 1) != 1)
            return 1;
    }
}

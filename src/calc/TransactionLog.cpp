#include "calc/TransactionLog.h"
#include "data/DataFiles.h"

void SaveTransactionLogFile(const QStringList& lines, const QString& fileName)
{
    DataFiles::writeLines(fileName, lines);
}

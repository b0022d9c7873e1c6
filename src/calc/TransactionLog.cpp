#include "calc/TransactionLog.h"
#include "data/DataFiles.h"
#include "support/FileWriter.h"

void SaveTransactionLogFile(const QStringList& lines, const QString& fileName)
{
    FileWriter::replace(fileName, DataFiles::joinLines(lines), QStringLiteral("Cannot create file %1").arg(fileName),
                        QStringLiteral("Stream write error"));
}

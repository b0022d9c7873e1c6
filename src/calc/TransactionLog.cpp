#include "calc/TransactionLog.h"
#include "support/Errors.h"
#include <QSaveFile>

void SaveTransactionLogFile(const QStringList& lines, const QString& fileName)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw VemoxError(QStringLiteral("Cannot create file %1").arg(fileName));
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toLatin1();
        bytes += "\r\n";
    }
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw VemoxError(QStringLiteral("Stream write error"));
}

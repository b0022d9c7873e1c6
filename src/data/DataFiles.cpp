#include "data/DataFiles.h"
#include "support/Errors.h"
#include "support/FileWriter.h"

#include <QFile>

namespace DataFiles {

QStringList splitLines(const QByteArray& bytes)
{
    QStringList lines;
    const char* p = bytes.constData();
    const qsizetype n = bytes.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] == '\r' || p[i] == '\n') {
            lines << QString::fromLatin1(p + start, i - start);
            if (p[i] == '\r' && i + 1 < n && p[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines << QString::fromLatin1(p + start, n - start);
    return lines;
}

QStringList readLines(const QString& fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw VemoxError(QStringLiteral("Cannot open file %1").arg(fileName));
    return splitLines(f.readAll());
}

QByteArray joinLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toLatin1();
        bytes += "\r\n";
    }
    return bytes;
}

void writeLines(const QString& fileName, const QStringList& lines)
{
    FileWriter::replace(fileName, joinLines(lines));
}

bool copyLines(const QString& from, const QString& to)
{
    if (!QFile::exists(from))
        return false;
    const QByteArray bytes = joinLines(readLines(from));
    // A copy that is there already, byte for byte, is left as it is: no rewrite at start-up.
    QFile existing(to);
    if (existing.open(QIODevice::ReadOnly) && existing.size() == bytes.size() && existing.readAll() == bytes)
        return true;
    existing.close();
    FileWriter::replace(to, bytes);
    return true;
}

} // namespace DataFiles

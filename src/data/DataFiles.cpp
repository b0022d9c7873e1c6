#include "data/DataFiles.h"
#include "support/Errors.h"
#include "support/FileReader.h"
#include "support/FileWriter.h"

#include <QFile>
#include <QFileInfo>

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
    return splitLines(FileReader::readAll(fileName));
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
    // Only a regular file counts; a link or anything else in its place is replaced.
    const QFileInfo existing(to);
    if (!existing.isSymLink() && existing.isFile() && existing.size() == bytes.size()) {
        try {
            if (FileReader::readAll(to) == bytes)
                return true;
        } catch (const VemoxError&) {
        }
    }
    FileWriter::replace(to, bytes);
    return true;
}

} // namespace DataFiles

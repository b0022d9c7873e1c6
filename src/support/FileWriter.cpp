#include "support/FileWriter.h"
#include "support/Errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace FileWriter {

namespace {

[[noreturn]] void fail(const QString& text, const char* verb, const QString& path, const QString& reason)
{
    if (!text.isEmpty())
        throw VemoxError(text);
    throw VemoxError(QStringLiteral("Cannot %1 file %2: %3").arg(QLatin1String(verb), path, reason));
}

// Writes all bytes and checks that each reached the file. A buffered write that fails only
// when the file is closed goes unnoticed, and a commit after it would rename a short file
// over the good one; so the device is unbuffered and the flush is checked as well.
bool writeAll(QFileDevice& file, const QByteArray& bytes)
{
    return file.write(bytes) == bytes.size() && file.flush() && file.error() == QFileDevice::NoError;
}

} // namespace

void replace(const QString& path, const QByteArray& bytes, const QString& createErrorText,
             const QString& writeErrorText)
{
    QSaveFile file(path);
    // Unbuffered: each write reaches the system at once, and a short one shows at once.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(createErrorText, "create", path, file.errorString());
    if (!writeAll(file, bytes)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        fail(writeErrorText, "write", path, reason);
    }
    if (!file.commit())
        fail(writeErrorText, "write", path, file.errorString());
}

void replace(const QString& path, const QByteArray& bytes, const QString& errorText)
{
    replace(path, bytes, errorText, errorText);
}

void append(const QString& path, const QByteArray& bytes, const QString& errorText)
{
    const bool existed = QFileInfo::exists(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        fail(errorText, "open", path, file.errorString());
    const qint64 before = file.size();
    if (!writeAll(file, bytes)) {
        const QString reason = file.errorString();
        file.close();
        // Cutting back never grows the file, so it works on a full disk too.
        if (existed)
            QFile::resize(path, before);
        else
            QFile::remove(path);
        fail(errorText, "write", path, reason);
    }
    file.close();
}

} // namespace FileWriter

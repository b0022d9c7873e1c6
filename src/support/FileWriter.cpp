#include "support/FileWriter.h"
#include "support/Errors.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

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

QString errnoText(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

// Every byte or none: a write cut short by a full disk goes on until the system says why.
bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t w = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0) {
            if (w == 0)
                errno = ENOSPC;
            return false;
        }
        done += w;
    }
    return true;
}

// The mode of the file it replaces when that is a regular file, else what a new file gets.
mode_t newFileMode(const QString& path)
{
    struct stat sb {};
    if (::lstat(QFile::encodeName(path).constData(), &sb) == 0 && S_ISREG(sb.st_mode))
        return sb.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

void replace(const QString& path, const QByteArray& bytes, const QString& createErrorText,
             const QString& writeErrorText)
{
    // A folder of that name cannot be replaced by a file.
    struct stat sb {};
    if (::lstat(QFile::encodeName(path).constData(), &sb) == 0 && S_ISDIR(sb.st_mode))
        fail(createErrorText, "create", path, errnoText(EISDIR));
    // A fresh temporary name beside the file for every write: nothing left or planted under
    // a fixed name can stand in its way.
    QByteArray temp = QFile::encodeName(path) + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        fail(createErrorText, "create", path, errnoText(errno));
    bool ok = ::fchmod(fd, newFileMode(path)) == 0 && writeAll(fd, bytes);
    int err = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    // The rename replaces whatever has the name, a symbolic link itself included: the link's
    // target is never written.
    if (ok && ::rename(temp.constData(), QFile::encodeName(path).constData()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(temp.constData());
        fail(writeErrorText, "write", path, errnoText(err));
    }
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

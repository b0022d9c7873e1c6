#include "support/FileWriter.h"
#include "support/Errors.h"
#include "support/FileReader.h"
#include "support/Translate.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileWriter {

namespace {

// The caller's text when it gave one, else what failed: `what` is one of the texts below.
[[noreturn]] void fail(const QString& text, const char* what, const QString& path, const QString& reason)
{
    if (!text.isEmpty())
        throw VemoxError(text);
    throw VemoxError(translated(what).arg(path, reason));
}

const char* const kCannotCreate = QT_TRANSLATE_NOOP("Vemox", "Cannot create file %1: %2");
const char* const kCannotWrite = QT_TRANSLATE_NOOP("Vemox", "Cannot write file %1: %2");
const char* const kCannotOpen = QT_TRANSLATE_NOOP("Vemox", "Cannot open file %1: %2");
const char* const kCannotRead = QT_TRANSLATE_NOOP("Vemox", "Cannot read file %1: %2");

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
        fail(createErrorText, kCannotCreate, path, errnoText(EISDIR));
    // A fresh temporary name beside the file for every write: nothing left or planted under
    // a fixed name can stand in its way.
    QByteArray temp = QFile::encodeName(path) + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        fail(createErrorText, kCannotCreate, path, errnoText(errno));
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
        fail(writeErrorText, kCannotWrite, path, errnoText(err));
    }
}

void replace(const QString& path, const QByteArray& bytes, const QString& errorText)
{
    replace(path, bytes, errorText, errorText);
}

void append(const QString& path, const QByteArray& bytes, const QString& errorText, char separator)
{
    // Reading the last byte needs a read as well; otherwise writing alone is asked for.
    const int flags = (separator ? O_RDWR : O_WRONLY) | O_APPEND | O_CREAT;
    const QByteArray name = QFile::encodeName(path);
    struct stat sb {};
    const bool existed = ::lstat(name.constData(), &sb) == 0;
    FileReader::RegularFile file;
    if (!file.open(path, flags))
        fail(errorText, kCannotOpen, path, file.reason());
    const qint64 before = file.size();
    char last = separator;
    if (separator && before > 0 && ::pread(file.fd(), &last, 1, before - 1) != 1)
        fail(errorText, kCannotRead, path, errnoText(errno));
    if (writeAll(file.fd(), last == separator ? bytes : separator + bytes))
        return;
    QString reason = errnoText(errno);
    // Cutting back never grows the file, so it works on a full disk too.
    if (existed ? ::ftruncate(file.fd(), before) != 0 : ::unlink(name.constData()) != 0) {
        const QString undone = errnoText(errno);
        reason = translated(QT_TRANSLATE_NOOP("Vemox", "%1; the part written could not be taken back: %2"))
                     .arg(reason, undone);
    }
    fail(errorText, kCannotWrite, path, reason);
}

void ignoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

} // namespace FileWriter

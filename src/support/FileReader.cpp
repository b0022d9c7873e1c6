#include "support/FileReader.h"
#include "support/Errors.h"
#include "support/Translate.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileReader {

namespace {

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

QString sizeText(qint64 bytes)
{
    return translated(QT_TRANSLATE_NOOP("Vemox", "%1 MB")).arg(bytes / (1024 * 1024));
}

QString errnoText(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

} // namespace

bool RegularFile::open(const QString& path, int flags, mode_t mode)
{
    close();
    error_ = 0;
    notRegular_ = false;
    // Without waiting: opening a pipe would otherwise wait for the other end.
    fd_ = ::open(QFile::encodeName(path).constData(), flags | O_NONBLOCK | O_CLOEXEC, mode);
    if (fd_ < 0) {
        error_ = errno;
        // A folder opened for writing, or a pipe with no reader opened for writing only.
        notRegular_ = error_ == EISDIR || error_ == ENXIO;
        return false;
    }
    struct stat sb {};
    if (::fstat(fd_, &sb) != 0) {
        error_ = errno;
    } else if (!S_ISREG(sb.st_mode)) {
        notRegular_ = true;
    } else {
        size_ = sb.st_size;
        return true;
    }
    close();
    return false;
}

void RegularFile::close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

QString RegularFile::reason() const
{
    return notRegular_ ? translated(QT_TRANSLATE_NOOP("Vemox", "it is not a regular file")) : errnoText(error_);
}

QByteArray readAll(const QString& path, qint64 maxSize)
{
    RegularFile file;
    if (!file.open(path, O_RDONLY)) {
        if (file.notRegular())
            throw VemoxError(
                translated(QT_TRANSLATE_NOOP("Vemox", "The file %1 is not a regular file and was not read"))
                    .arg(shown(path)));
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "Cannot open file %1")).arg(path));
    }
    if (file.size() > maxSize)
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "The file %1 is larger than %2 and was not read"))
                             .arg(shown(path), sizeText(maxSize)));
    QByteArray bytes(qsizetype(file.size()), Qt::Uninitialized);
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > maxSize)
                throw VemoxError(
                    translated(QT_TRANSLATE_NOOP("Vemox", "The file %1 is larger than %2 and was not read"))
                        .arg(shown(path), sizeText(maxSize)));
            bytes.resize(got + 4096);   // the file grew while it was read
        }
        const ssize_t r = ::read(file.fd(), bytes.data() + got, size_t(bytes.size() - got));
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0) {
            const QString reason = errnoText(errno);
            throw VemoxError(
                translated(QT_TRANSLATE_NOOP("Vemox", "Cannot read file %1: %2")).arg(shown(path), reason));
        }
        if (r == 0)
            break;
        got += r;
    }
    bytes.truncate(got);
    return bytes;
}

} // namespace FileReader

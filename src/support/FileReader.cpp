#include "support/FileReader.h"
#include "support/Errors.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileReader {

namespace {

// Closes the descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

QString sizeText(qint64 bytes) { return QStringLiteral("%1 MB").arg(bytes / (1024 * 1024)); }

} // namespace

QByteArray readAll(const QString& path, qint64 maxSize)
{
    // Without waiting: opening a pipe for reading would otherwise wait for a writer.
    Descriptor fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0)
        throw VemoxError(QStringLiteral("Cannot open file %1").arg(path));
    struct stat sb {};
    if (::fstat(fd.get(), &sb) != 0)
        throw VemoxError(QStringLiteral("Cannot read file %1: %2").arg(shown(path), QString::fromLocal8Bit(std::strerror(errno))));
    if (!S_ISREG(sb.st_mode))
        throw VemoxError(QStringLiteral("The file %1 is not a regular file and was not read").arg(shown(path)));
    if (sb.st_size > maxSize)
        throw VemoxError(QStringLiteral("The file %1 is larger than %2 and was not read").arg(shown(path), sizeText(maxSize)));
    QByteArray bytes(qsizetype(sb.st_size), Qt::Uninitialized);
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > maxSize)
                throw VemoxError(QStringLiteral("The file %1 is larger than %2 and was not read").arg(shown(path), sizeText(maxSize)));
            bytes.resize(got + 4096);   // the file grew while it was read
        }
        const ssize_t r = ::read(fd.get(), bytes.data() + got, size_t(bytes.size() - got));
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            throw VemoxError(QStringLiteral("Cannot read file %1: %2").arg(shown(path), QString::fromLocal8Bit(std::strerror(errno))));
        if (r == 0)
            break;
        got += r;
    }
    bytes.truncate(got);
    return bytes;
}

} // namespace FileReader

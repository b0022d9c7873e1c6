// The store file and its lock: reading it, moving a damaged one aside, and replacing it
// atomically under the writers' lock.
#include "support/RegStore.h"

#include "support/Messenger.h"
#include "support/Translate.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace regstore {

namespace {

bool durableWrites = false;
const QString kMissingIdentity = QStringLiteral("(no file)");


QString configDir()
{
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return xdg;
    return QDir::homePath() + QStringLiteral("/.config");
}

QString storeDir() { return configDir() + QStringLiteral("/vemox"); }

QByteArray nativePath(const QString& path) { return QFile::encodeName(path); }

QString errnoText(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

enum class ReadStatus { Ok, Missing, Damaged };

struct FileState {
    ReadStatus status = ReadStatus::Missing;
    Store store;
    QString why;                            // for a damaged file
    QString identity = kMissingIdentity;    // which version of the file was read
};

// Every replacement makes a new file, so its inode, size and times tell one version from
// another.
QString identityOf(const QString& path, const struct stat& sb)
{
    return QStringLiteral("%1:%2:%3:%4:%5:%6")
        .arg(path)
        .arg(quint64(sb.st_dev))
        .arg(quint64(sb.st_ino))
        .arg(qint64(sb.st_size))
        .arg(qint64(sb.st_mtim.tv_sec) * 1000000000 + sb.st_mtim.tv_nsec)
        .arg(qint64(sb.st_ctim.tv_sec) * 1000000000 + sb.st_ctim.tv_nsec);
}

// The version of the file there now; empty when it cannot be told.
QString currentIdentity(const QString& path)
{
    struct stat sb {};
    if (::stat(nativePath(path).constData(), &sb) == 0)
        return identityOf(path, sb);
    return errno == ENOENT ? kMissingIdentity : QString();
}

FileState readFile(const QString& path)
{
    FileState st;
    // Without waiting: a pipe in the file's place must not hold up the start.
    const int fd = ::open(nativePath(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) {
            st.status = ReadStatus::Missing;
            return st;
        }
        const QString reason = errnoText(errno);
        st.status = ReadStatus::Damaged;
        st.why = translated(QT_TRANSLATE_NOOP("Vemox", "it cannot be opened: %1")).arg(reason);
        st.identity = path + QStringLiteral(":unreadable");
        return st;
    }
    struct stat sb {};
    QByteArray bytes;
    bool readOk = ::fstat(fd, &sb) == 0;
    const int statErr = errno;
    if (readOk) {
        st.identity = identityOf(path, sb);
        if (!S_ISREG(sb.st_mode)) {
            ::close(fd);
            st.status = ReadStatus::Damaged;
            st.why = translated(QT_TRANSLATE_NOOP("Vemox", "it is not a regular file"));
            return st;
        }
        if (sb.st_size > kMaxFileSize) {
            ::close(fd);
            st.status = ReadStatus::Damaged;
            st.why =
                translated(QT_TRANSLATE_NOOP("Vemox", "it is larger than %1 MB")).arg(kMaxFileSize / (1024 * 1024));
            return st;
        }
    }
    int readErr = 0;
    if (readOk) {
        bytes.resize(qsizetype(sb.st_size));
        qsizetype got = 0;
        for (;;) {
            if (got == bytes.size())
                bytes.resize(got + 4096);   // the file grew, or reports no size
            const ssize_t r = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
            if (r < 0) {
                if (errno == EINTR)
                    continue;
                readErr = errno;
                readOk = false;
                break;
            }
            if (r == 0)
                break;
            got += r;
            if (got > kMaxFileSize)
                break;
        }
        bytes.truncate(got);
    }
    ::close(fd);
    if (!readOk) {
        st.status = ReadStatus::Damaged;
        st.why =
            translated(QT_TRANSLATE_NOOP("Vemox", "it cannot be read: %1")).arg(errnoText(readErr ? readErr : statErr));
        return st;
    }
    if (bytes.size() > kMaxFileSize) {
        st.status = ReadStatus::Damaged;
        st.why = translated(QT_TRANSLATE_NOOP("Vemox", "it is larger than %1 MB")).arg(kMaxFileSize / (1024 * 1024));
        return st;
    }
    QString why;
    auto parsed = Store::parse(bytes, &why);
    if (!parsed) {
        st.status = ReadStatus::Damaged;
        st.why = why;
        return st;
    }
    st.status = ReadStatus::Ok;
    st.store = std::move(*parsed);
    return st;
}

// Damaged files this process could not move aside and has already reported.
QSet<QString>& reportedDamaged()
{
    static QSet<QString> set;
    return set;
}

// Moves a damaged store aside (the caller holds the lock). Returns the message for the
// operator, empty when this file was already reported; *moved tells whether it went.
QString moveAside(const QString& path, const FileState& st, bool* moved)
{
    *moved = false;
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = path + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    if (::rename(nativePath(path).constData(), nativePath(target).constData()) == 0) {
        *moved = true;
        reportedDamaged().remove(st.identity);
        return translated(QT_TRANSLATE_NOOP("Vemox",
                                            "The settings file %1 could not be read (%2). It has been moved to %3 "
                                            "and the program goes on with its default settings."))
            .arg(QDir::toNativeSeparators(path), st.why, QDir::toNativeSeparators(target));
    }
    const int err = errno;
    if (reportedDamaged().contains(st.identity))
        return {};
    reportedDamaged().insert(st.identity);
    return translated(QT_TRANSLATE_NOOP("Vemox",
                                        "The settings file %1 could not be read (%2), and it could not be moved "
                                        "to %3 (%4). The program goes on with its default settings and will not "
                                        "save settings until the file is repaired or removed."))
        .arg(QDir::toNativeSeparators(path), st.why, QDir::toNativeSeparators(target), errnoText(err));
}

void warn(const QString& text)
{
    if (!text.isEmpty())
        messenger().messageDialog(text, Messenger::Icon::Warning);
}

// 0 when the folder is there, else why it cannot be made.
int ensureDir()
{
    const QString dir = storeDir();
    if (QFileInfo(dir).isDir())
        return 0;
    QDir().mkpath(configDir());
    if (::mkdir(nativePath(dir).constData(), 0700) == 0) {
        ::chmod(nativePath(dir).constData(), 0700);
        return 0;
    }
    const int err = errno;
    if (err == EEXIST)
        return QFileInfo(dir).isDir() ? 0 : ENOTDIR;
    return err;
}

// The lock file, opened without following a link. Writers only ever lock a regular file, so
// a link or anything else found in its place is no writer's lock: it is removed and the
// lock file made anew.
int openLockFile(const QByteArray& lockPath)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW, 0600);
        struct stat sb {};
        if (fd >= 0 && ::fstat(fd, &sb) == 0 && S_ISREG(sb.st_mode))
            return fd;
        const int err = fd >= 0 ? EINVAL : errno;
        if (fd >= 0)
            ::close(fd);
        if (::lstat(lockPath.constData(), &sb) != 0 || S_ISREG(sb.st_mode) || S_ISDIR(sb.st_mode) ||
            ::unlink(lockPath.constData()) != 0) {
            errno = err;
            return -1;
        }
    }
    return -1;
}

// Temporary files a writer killed before its rename left beside the store; only the lock
// holder calls this, so none of them is being written.
void removeLeftTemporaries()
{
    const QFileInfo store(storeFilePath());
    const QStringList left = QDir(store.absolutePath())
                                 .entryList({store.fileName() + QStringLiteral(".tmp*")},
                                            QDir::Files | QDir::System | QDir::Hidden);
    for (const QString& name : left)
        ::unlink(nativePath(store.absolutePath() + QLatin1Char('/') + name).constData());
}

// The writers' lock: an flock() on a file that stays in place. -1 with *busy when another
// writer kept it too long, -1 alone when it cannot be created.
int takeLock(int timeoutMs, bool* busy)
{
    *busy = false;
    const QByteArray lockPath = nativePath(storeFilePath() + QStringLiteral(".lock"));
    const int fd = openLockFile(lockPath);
    if (fd < 0)
        return -1;
    for (int waited = 0;; waited += 2) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return fd;
        if (errno != EWOULDBLOCK && errno != EINTR) {
            ::close(fd);
            return -1;
        }
        if (waited >= timeoutMs) {
            ::close(fd);
            *busy = true;
            return -1;
        }
        ::usleep(2000);
    }
}

void releaseLock(int fd)
{
    if (fd >= 0)
        ::close(fd);   // drops the flock
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t w = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (w < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += w;
    }
    return true;
}

} // namespace

QString storeFilePath() { return storeDir() + QStringLiteral("/registry.reg"); }

void setDurableWrites(bool on) { durableWrites = on; }

// ---------------------------------------------------------------- load and write

Snapshot loadSnapshot()
{
    const QString path = storeFilePath();
    FileState st = readFile(path);
    if (st.status != ReadStatus::Damaged)
        return {std::move(st.store), st.identity, st.status == ReadStatus::Ok};
    // Damaged: look again under the writers' lock, since a writer may just have replaced
    // it, then move it aside. With the lock busy, leave it for the next call. A damaged
    // file is no version a change may build on: its snapshot has no identity.
    if (reportedDamaged().contains(st.identity))
        return {};
    bool busy = false;
    const int lock = takeLock(1000, &busy);
    if (lock < 0)
        return {};
    st = readFile(path);
    QString message;
    if (st.status == ReadStatus::Damaged) {
        bool moved = false;
        message = moveAside(path, st, &moved);
        st.identity = moved ? kMissingIdentity : QString();
    }
    releaseLock(lock);
    warn(message);
    return {std::move(st.store), st.identity, st.status == ReadStatus::Ok};
}

Store load() { return loadSnapshot().store; }

WriteSession::WriteSession(const QString& seen)
{
    const QString path = storeFilePath();
    if (const int err = ensureDir()) {
        fail(Failure::Unwritable, translated(QT_TRANSLATE_NOOP("Vemox", "the folder %1 cannot be made (%2)"))
                                      .arg(QDir::toNativeSeparators(storeDir()), errnoText(err)));
        return;
    }
    bool busy = false;
    lockFd_ = takeLock(kLockTimeoutMs, &busy);
    if (lockFd_ < 0) {
        const QString reason = errnoText(errno);
        if (busy)
            fail(Failure::Busy, translated(QT_TRANSLATE_NOOP("Vemox", "another program kept %1 locked"))
                                    .arg(QDir::toNativeSeparators(path + QStringLiteral(".lock"))));
        else
            fail(Failure::Unwritable, translated(QT_TRANSLATE_NOOP("Vemox", "the lock file %1 cannot be made (%2)"))
                                          .arg(QDir::toNativeSeparators(path + QStringLiteral(".lock")), reason));
        return;
    }
    if (!seen.isEmpty() && currentIdentity(path) == seen) {
        unchanged_ = true;
        return;
    }
    FileState st = readFile(path);
    if (st.status == ReadStatus::Damaged) {
        bool moved = false;
        pendingWarning_ = moveAside(path, st, &moved);
        if (!moved)
            failure_ = Failure::DamagedKept;
        return;
    }
    if (st.status == ReadStatus::Ok) {
        store_ = std::move(st.store);
        baseline_ = store_.serialize();
        existed_ = true;
    }
}

WriteSession::~WriteSession()
{
    releaseLock(lockFd_);
    try {
        warn(pendingWarning_);
    } catch (...) {
    }
}

void WriteSession::fail(Failure failure, const QString& problem)
{
    failure_ = failure;
    problem_ = problem;
}

void WriteSession::adopt(Store store, const QByteArray& baseline, bool existed)
{
    store_ = std::move(store);
    baseline_ = baseline;
    existed_ = existed;
}

bool WriteSession::commit()
{
    if (!isOpen())
        return false;
    if (!store_.modified())
        return true;
    const QString path = storeFilePath();
    const QByteArray bytes = store_.serialize();
    // Edits that end where they began (a list deleted and written again as it was) leave
    // the file alone, with any blank lines or comments an operator put in it.
    if (existed_ && bytes == baseline_) {
        store_.modified_ = false;
        return true;
    }
    const QByteArray target = nativePath(path);
    removeLeftTemporaries();
    // A fresh name for every save: nothing planted under a fixed name can block it.
    QByteArray temp = nativePath(path + QStringLiteral(".tmp.XXXXXX"));
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        const QString reason = errnoText(errno);
        problem_ = translated(QT_TRANSLATE_NOOP("Vemox", "%1 cannot be made (%2)"))
                       .arg(QDir::toNativeSeparators(QFile::decodeName(temp)), reason);
        return false;
    }
    bool ok = ::fchmod(fd, 0600) == 0 && writeAll(fd, bytes);
    if (ok && durableWrites)
        ok = ::fdatasync(fd) == 0;
    int err = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && ::rename(temp.constData(), target.constData()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        problem_ = translated(QT_TRANSLATE_NOOP("Vemox", "%1 cannot be written (%2)"))
                       .arg(QDir::toNativeSeparators(path), errnoText(err));
        ::unlink(temp.constData());
        return false;
    }
    if (durableWrites) {
        const int dfd = ::open(nativePath(storeDir()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dfd >= 0) {
            ::fsync(dfd);
            ::close(dfd);
        }
    }
    store_.modified_ = false;
    baseline_ = bytes;
    existed_ = true;
    return true;
}

} // namespace regstore

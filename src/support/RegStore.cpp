#include "support/RegStore.h"

#include "support/Messenger.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QtEndian>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace regstore {

namespace {

constexpr char kRoot[] = "HKEY_CURRENT_USER";
bool durableWrites = false;

QString fold(const QString& s) { return s.toCaseFolded(); }

bool isControl(uchar c) { return c < 0x20 || c == 0x7F; }

// ---------------------------------------------------------------- parsing helpers

bool isBlank(char c) { return c == ' ' || c == '\t'; }

QByteArrayView trimmed(QByteArrayView v)
{
    while (!v.isEmpty() && isBlank(v.front()))
        v = v.sliced(1);
    while (!v.isEmpty() && isBlank(v.back()))
        v.chop(1);
    return v;
}

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool startsWithNoCase(QByteArrayView v, QByteArrayView prefix)
{
    if (v.size() < prefix.size())
        return false;
    for (qsizetype i = 0; i < prefix.size(); ++i)
        if (asciiLower(v[i]) != asciiLower(prefix[i]))
            return false;
    return true;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

struct ParseError {
    int line;
    QString what;
};

class Parser {
public:
    explicit Parser(const QByteArray& text) : text_(text) {}

    Store run()
    {
        QByteArrayView line;
        if (text_.startsWith("\xEF\xBB\xBF"))
            pos_ = 3;
        bool header = false;
        QString section;
        bool inSection = false;
        while (nextLine(line)) {
            const QByteArrayView t = trimmed(line);
            if (t.isEmpty())
                continue;
            if (!header) {
                if (t != QByteArrayView("REGEDIT4"))
                    fail(QStringLiteral("the first line is not REGEDIT4"));
                header = true;
                continue;
            }
            if (t.front() == ';')
                continue;
            if (t.front() == '[') {
                section = parseSection(t);
                store_.createKey(section);
                inSection = true;
                continue;
            }
            if (t.front() != '"' && t.front() != '@')
                fail(QStringLiteral("unexpected text"));
            if (!inSection)
                fail(QStringLiteral("a value outside a key"));
            parseValue(t, section);
        }
        return std::move(store_);
    }

private:
    [[noreturn]] void fail(const QString& what) { throw ParseError{lineNo_, what}; }

    bool nextLine(QByteArrayView& line)
    {
        const qsizetype n = text_.size();
        if (pos_ >= n)
            return false;
        qsizetype end = text_.indexOf('\n', pos_);
        if (end < 0)
            end = n;
        line = QByteArrayView(text_.constData() + pos_, end - pos_);
        if (!line.isEmpty() && line.back() == '\r')
            line.chop(1);
        pos_ = end + 1;
        ++lineNo_;
        return true;
    }

    QString parseSection(QByteArrayView t)
    {
        if (t.back() != ']')
            fail(QStringLiteral("a key line without its closing bracket"));
        QByteArrayView inner = t.sliced(1, t.size() - 2);
        const QByteArrayView root(kRoot);
        if (!startsWithNoCase(inner, root))
            fail(QStringLiteral("a key outside HKEY_CURRENT_USER"));
        inner = inner.sliced(root.size());
        if (!inner.isEmpty() && inner.front() != '\\')
            fail(QStringLiteral("a key outside HKEY_CURRENT_USER"));
        const auto path = keyPath(QString::fromLatin1(inner));
        if (!path)
            fail(QStringLiteral("an invalid key name"));
        return *path;
    }

    // From an opening quote at t[i]; i ends after the closing one. \\ and \" are escapes;
    // any other backslash stands for itself, as a hand-typed path would expect.
    QByteArray parseQuoted(QByteArrayView t, qsizetype& i)
    {
        QByteArray out;
        ++i;
        qsizetype start = i;
        while (i < t.size()) {
            const char c = t[i];
            if (c == '"') {
                out.append(t.sliced(start, i - start));
                ++i;
                return out;
            }
            if (c == '\\' && i + 1 < t.size() && (t[i + 1] == '\\' || t[i + 1] == '"')) {
                out.append(t.sliced(start, i - start));
                out.append(t[i + 1]);
                i += 2;
                start = i;
                continue;
            }
            ++i;
        }
        fail(QStringLiteral("unterminated quoted text"));
    }

    void parseValue(QByteArrayView t, const QString& section)
    {
        qsizetype i = 0;
        QByteArray name;
        if (t.front() == '@')
            i = 1;
        else
            name = parseQuoted(t, i);
        if (name.size() > kMaxValueNameLength)
            fail(QStringLiteral("a value name longer than %1 characters").arg(kMaxValueNameLength));
        while (i < t.size() && isBlank(t[i]))
            ++i;
        if (i >= t.size() || t[i] != '=')
            fail(QStringLiteral("a value without \"=\""));
        ++i;
        while (i < t.size() && isBlank(t[i]))
            ++i;
        QByteArrayView rest = t.sliced(i);
        std::uint32_t type = RegNone;
        QByteArray data;
        if (!rest.isEmpty() && rest.front() == '"') {
            qsizetype j = 0;
            data = parseQuoted(rest, j);
            if (!trimmed(rest.sliced(j)).isEmpty())
                fail(QStringLiteral("text after a string"));
            data.append('\0');
            type = RegSz;
        } else if (startsWithNoCase(rest, "dword:")) {
            const QByteArrayView digits = trimmed(rest.sliced(6));
            if (digits.size() != 8)
                fail(QStringLiteral("a dword without 8 hex digits"));
            std::uint32_t v = 0;
            for (char c : digits) {
                const int d = hexDigit(c);
                if (d < 0)
                    fail(QStringLiteral("a dword without 8 hex digits"));
                v = v << 4 | std::uint32_t(d);
            }
            data.resize(4);
            qToLittleEndian(v, data.data());
            type = RegDword;
        } else if (startsWithNoCase(rest, "hex")) {
            qsizetype j = 3;
            type = RegBinary;
            if (j < rest.size() && rest[j] == '(') {
                const qsizetype close = rest.indexOf(')', j);
                if (close < 0 || close == j + 1 || close - j - 1 > 8)
                    fail(QStringLiteral("an invalid hex(N) type"));
                type = 0;
                for (char c : rest.sliced(j + 1, close - j - 1)) {
                    const int d = hexDigit(c);
                    if (d < 0)
                        fail(QStringLiteral("an invalid hex(N) type"));
                    type = type << 4 | std::uint32_t(d);
                }
                j = close + 1;
            }
            if (j >= rest.size() || rest[j] != ':')
                fail(QStringLiteral("an unknown value type"));
            data = parseHex(rest.sliced(j + 1));
        } else if (trimmed(rest) == QByteArrayView("-")) {
            fail(QStringLiteral("a value removal line"));
        } else {
            fail(QStringLiteral("an unknown value type"));
        }
        store_.setValue(section, QString::fromLatin1(name), type, std::move(data));
    }

    // A comma-separated list of two-digit hex bytes; a trailing backslash continues it on
    // the next line.
    QByteArray parseHex(QByteArrayView first)
    {
        QByteArray out;
        QByteArrayView part = trimmed(first);
        for (;;) {
            const bool more = !part.isEmpty() && part.back() == '\\';
            if (more)
                part = trimmed(part.first(part.size() - 1));
            qsizetype i = 0;
            while (i < part.size()) {
                while (i < part.size() && isBlank(part[i]))
                    ++i;
                if (i + 2 > part.size())
                    fail(QStringLiteral("a hex byte without 2 digits"));
                const int hi = hexDigit(part[i]);
                const int lo = hexDigit(part[i + 1]);
                if (hi < 0 || lo < 0)
                    fail(QStringLiteral("a hex byte without 2 digits"));
                out.append(char(hi << 4 | lo));
                i += 2;
                while (i < part.size() && isBlank(part[i]))
                    ++i;
                if (i < part.size()) {
                    if (part[i] != ',')
                        fail(QStringLiteral("a hex byte without 2 digits"));
                    ++i;
                    // A comma must be followed by another byte, except before a continuation.
                    if (!more && trimmed(part.sliced(i)).isEmpty())
                        fail(QStringLiteral("a hex list ending in a comma"));
                }
            }
            if (out.size() > kMaxFileSize)
                fail(QStringLiteral("a value too large"));
            if (!more)
                return out;
            QByteArrayView next;
            if (!nextLine(next))
                fail(QStringLiteral("the file ends inside a hex list"));
            part = trimmed(next);
        }
    }

    const QByteArray& text_;
    qsizetype pos_ = 0;
    int lineNo_ = 0;
    Store store_;
};

// ---------------------------------------------------------------- writing helpers

void appendQuoted(QByteArray& out, const QByteArray& bytes)
{
    out.append('"');
    for (char c : bytes) {
        if (c == '\\' || c == '"')
            out.append('\\');
        out.append(c);
    }
    out.append('"');
}

// Whether a REG_SZ can be written as "...": exactly one zero byte, at the end, and no
// control characters before it.
bool plainString(const QByteArray& data)
{
    if (data.isEmpty() || data.back() != '\0')
        return false;
    for (qsizetype i = 0; i + 1 < data.size(); ++i)
        if (isControl(uchar(data[i])))
            return false;
    return true;
}

void appendHex(QByteArray& out, qsizetype column, const QByteArray& data)
{
    static const char digits[] = "0123456789abcdef";
    for (qsizetype i = 0; i < data.size(); ++i) {
        const uchar b = uchar(data[i]);
        out.append(digits[b >> 4]);
        out.append(digits[b & 15]);
        column += 2;
        if (i + 1 < data.size()) {
            out.append(',');
            ++column;
            if (column > 76) {
                out.append("\\\r\n  ");
                column = 2;
            }
        }
    }
}

void appendValue(QByteArray& out, const Value& v)
{
    const qsizetype lineStart = out.size();
    if (v.name.isEmpty())
        out.append('@');
    else
        appendQuoted(out, v.name.toLatin1());
    out.append('=');
    if (v.type == RegSz && plainString(v.data)) {
        appendQuoted(out, v.data.first(v.data.size() - 1));
    } else if (v.type == RegDword && v.data.size() == 4) {
        out.append("dword:");
        out.append(QByteArray::number(qFromLittleEndian<quint32>(v.data.constData()), 16)
                       .rightJustified(8, '0'));
    } else {
        if (v.type == RegBinary)
            out.append("hex:");
        else
            out.append("hex(" + QByteArray::number(v.type, 16) + "):");
        appendHex(out, out.size() - lineStart, v.data);
    }
    out.append("\r\n");
}

// ---------------------------------------------------------------- the file

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
    QString why;        // for a damaged file
    QString identity;   // device, inode, size and time of a damaged file
};

FileState readFile(const QString& path)
{
    FileState st;
    const int fd = ::open(nativePath(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) {
            st.status = ReadStatus::Missing;
            return st;
        }
        st.status = ReadStatus::Damaged;
        st.why = QStringLiteral("it cannot be opened: %1").arg(errnoText(errno));
        st.identity = path + QStringLiteral(":unreadable");
        return st;
    }
    struct stat sb {};
    QByteArray bytes;
    bool readOk = ::fstat(fd, &sb) == 0;
    const int statErr = errno;
    if (readOk) {
        st.identity = QStringLiteral("%1:%2:%3:%4:%5")
                          .arg(path)
                          .arg(quint64(sb.st_dev))
                          .arg(quint64(sb.st_ino))
                          .arg(qint64(sb.st_size))
                          .arg(qint64(sb.st_mtim.tv_sec) * 1000000000 + sb.st_mtim.tv_nsec);
        if (sb.st_size > kMaxFileSize) {
            ::close(fd);
            st.status = ReadStatus::Damaged;
            st.why = QStringLiteral("it is larger than %1 MB").arg(kMaxFileSize / (1024 * 1024));
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
        st.why = QStringLiteral("it cannot be read: %1").arg(errnoText(readErr ? readErr : statErr));
        return st;
    }
    if (bytes.size() > kMaxFileSize) {
        st.status = ReadStatus::Damaged;
        st.why = QStringLiteral("it is larger than %1 MB").arg(kMaxFileSize / (1024 * 1024));
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
        return QStringLiteral("The settings file %1 could not be read (%2). It has been moved to %3 "
                              "and the program goes on with its default settings.")
            .arg(QDir::toNativeSeparators(path), st.why, QDir::toNativeSeparators(target));
    }
    const int err = errno;
    if (reportedDamaged().contains(st.identity))
        return {};
    reportedDamaged().insert(st.identity);
    return QStringLiteral("The settings file %1 could not be read (%2), and it could not be moved "
                          "to %3 (%4). The program goes on with its default settings and will not "
                          "save settings until the file is repaired or removed.")
        .arg(QDir::toNativeSeparators(path), st.why, QDir::toNativeSeparators(target), errnoText(err));
}

void warn(const QString& text)
{
    if (!text.isEmpty())
        messenger().messageDialog(text, Messenger::Icon::Warning);
}

bool ensureDir()
{
    const QString dir = storeDir();
    if (QFileInfo(dir).isDir())
        return true;
    QDir().mkpath(configDir());
    if (::mkdir(nativePath(dir).constData(), 0700) == 0) {
        ::chmod(nativePath(dir).constData(), 0700);
        return true;
    }
    return errno == EEXIST && QFileInfo(dir).isDir();
}

// The writers' lock: an flock() on a file that stays in place. -1 with *busy when another
// writer kept it too long, -1 alone when it cannot be created.
int takeLock(int timeoutMs, bool* busy)
{
    *busy = false;
    const QByteArray lockPath = nativePath(storeFilePath() + QStringLiteral(".lock"));
    const int fd = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
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

// ---------------------------------------------------------------- Key and Store

const Value* Key::find(const QString& name) const
{
    const auto it = index_.constFind(fold(name));
    return it == index_.constEnd() ? nullptr : &values_[size_t(*it)];
}

void Key::reindex()
{
    index_.clear();
    for (qsizetype i = 0; i < qsizetype(values_.size()); ++i)
        index_.insert(fold(values_[size_t(i)].name), i);
}

std::optional<Store> Store::parse(const QByteArray& text, QString* why)
{
    try {
        Parser p(text);
        Store s = p.run();
        s.modified_ = false;
        return s;
    } catch (const ParseError& e) {
        if (why)
            *why = e.line > 0 ? QStringLiteral("line %1: %2").arg(e.line).arg(e.what) : e.what;
        return std::nullopt;
    }
}

QByteArray Store::serialize() const
{
    qsizetype estimate = 16;
    for (const Key& k : keys_) {
        estimate += k.path_.size() + 24;
        for (const Value& v : k.values_)
            estimate += v.name.size() + 3 * v.data.size() + 24;
    }
    QByteArray out;
    out.reserve(estimate);
    out.append("REGEDIT4\r\n");
    for (const Key& k : keys_) {
        out.append("\r\n[");
        out.append(kRoot);
        if (!k.path_.isEmpty()) {
            out.append('\\');
            out.append(k.path_.toLatin1());
        }
        out.append("]\r\n");
        for (const Value& v : k.values_)
            appendValue(out, v);
    }
    out.append("\r\n");
    return out;
}

const Key* Store::findKey(const QString& path) const
{
    const auto it = index_.constFind(fold(path));
    if (it != index_.constEnd())
        return &keys_[size_t(*it)];
    if (path.isEmpty()) {
        static const Key root;
        return &root;
    }
    return nullptr;
}

Key* Store::find(const QString& path)
{
    const auto it = index_.constFind(fold(path));
    return it == index_.constEnd() ? nullptr : &keys_[size_t(*it)];
}

Key& Store::obtain(const QString& path)
{
    if (Key* k = find(path))
        return *k;
    if (!path.isEmpty()) {
        const qsizetype cut = path.lastIndexOf(QLatin1Char('\\'));
        if (cut > 0)
            obtain(path.left(cut));
    }
    Key k;
    k.path_ = path;
    keys_.push_back(std::move(k));
    index_.insert(fold(path), qsizetype(keys_.size()) - 1);
    modified_ = true;
    return keys_.back();
}

void Store::createKey(const QString& path) { obtain(path); }

void Store::setValue(const QString& path, const QString& name, std::uint32_t type, QByteArray data)
{
    Key& k = obtain(path);
    const QString f = fold(name);
    const auto it = k.index_.constFind(f);
    if (it != k.index_.constEnd()) {
        Value& v = k.values_[size_t(*it)];
        if (v.type != type || v.data != data) {
            v.type = type;
            v.data = std::move(data);
            modified_ = true;
        }
        return;
    }
    k.values_.push_back(Value{name, type, std::move(data)});
    k.index_.insert(f, qsizetype(k.values_.size()) - 1);
    modified_ = true;
}

bool Store::removeValue(const QString& path, const QString& name)
{
    Key* k = find(path);
    if (!k)
        return false;
    const auto it = k->index_.constFind(fold(name));
    if (it == k->index_.constEnd())
        return false;
    k->values_.erase(k->values_.begin() + *it);
    k->reindex();
    modified_ = true;
    return true;
}

bool Store::removeKey(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QString f = fold(path);
    const QString prefix = f + QLatin1Char('\\');
    const auto before = keys_.size();
    std::erase_if(keys_, [&](const Key& k) {
        const QString kf = fold(k.path_);
        return kf == f || kf.startsWith(prefix);
    });
    if (keys_.size() == before)
        return false;
    reindex();
    modified_ = true;
    return true;
}

void Store::reindex()
{
    index_.clear();
    for (qsizetype i = 0; i < qsizetype(keys_.size()); ++i)
        index_.insert(fold(keys_[size_t(i)].path_), i);
}

// ---------------------------------------------------------------- names

namespace {
bool validName(const QString& s, qsizetype maxLength)
{
    if (s.size() > maxLength)
        return false;
    for (QChar c : s)
        if (c.unicode() > 0xFF || isControl(uchar(c.unicode())))
            return false;
    return true;
}
} // namespace

std::optional<QString> keyPath(const QString& key)
{
    QString p = key;
    if (p.startsWith(QLatin1Char('\\')))
        p.remove(0, 1);
    if (p.endsWith(QLatin1Char('\\')))
        p.chop(1);
    if (p.isEmpty())
        return p;
    const QStringList parts = p.split(QLatin1Char('\\'));
    if (parts.size() > kMaxKeyDepth)
        return std::nullopt;
    for (const QString& part : parts)
        if (part.isEmpty() || !validName(part, kMaxKeyNameLength))
            return std::nullopt;
    return p;
}

bool isValidValueName(const QString& name) { return validName(name, kMaxValueNameLength); }

QString storeFilePath() { return storeDir() + QStringLiteral("/registry.reg"); }

void setDurableWrites(bool on) { durableWrites = on; }

// ---------------------------------------------------------------- load and write

Store load()
{
    const QString path = storeFilePath();
    FileState st = readFile(path);
    if (st.status == ReadStatus::Ok)
        return std::move(st.store);
    if (st.status == ReadStatus::Missing)
        return {};
    // Damaged: look again under the writers' lock, since a writer may just have replaced
    // it, then move it aside. With the lock busy, leave it for the next call.
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
    }
    releaseLock(lock);
    warn(message);
    return st.status == ReadStatus::Ok ? std::move(st.store) : Store{};
}

WriteSession::WriteSession()
{
    if (!ensureDir()) {
        failure_ = Failure::Unwritable;
        return;
    }
    bool busy = false;
    lockFd_ = takeLock(kLockTimeoutMs, &busy);
    if (lockFd_ < 0) {
        failure_ = busy ? Failure::Busy : Failure::Unwritable;
        return;
    }
    const QString path = storeFilePath();
    FileState st = readFile(path);
    if (st.status == ReadStatus::Damaged) {
        bool moved = false;
        pendingWarning_ = moveAside(path, st, &moved);
        if (!moved)
            failure_ = Failure::DamagedKept;
        return;
    }
    if (st.status == ReadStatus::Ok)
        store_ = std::move(st.store);
}

WriteSession::~WriteSession()
{
    releaseLock(lockFd_);
    try {
        warn(pendingWarning_);
    } catch (...) {
    }
}

bool WriteSession::commit()
{
    if (!isOpen())
        return false;
    if (!store_.modified())
        return true;
    const QString path = storeFilePath();
    const QByteArray target = nativePath(path);
    const QByteArray temp = nativePath(path + QStringLiteral(".tmp"));
    const QByteArray bytes = store_.serialize();
    // A .tmp left by a killed writer is simply truncated: only the lock holder writes it.
    const int fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        qWarning("registry: cannot create %s: %s", temp.constData(), std::strerror(errno));
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
        qWarning("registry: cannot write %s: %s", target.constData(), std::strerror(err));
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
    return true;
}

} // namespace regstore

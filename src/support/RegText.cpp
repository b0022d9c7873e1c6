// The text of the store file: reading a REGEDIT4 text into a Store, and writing it back.
#include "support/RegStore.h"
#include "support/Translate.h"

#include <QtEndian>

namespace regstore {

namespace {

constexpr char kRoot[] = "HKEY_CURRENT_USER";

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
                    fail(QT_TRANSLATE_NOOP("Vemox", "the first line is not REGEDIT4"));
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
                fail(QT_TRANSLATE_NOOP("Vemox", "unexpected text"));
            if (!inSection)
                fail(QT_TRANSLATE_NOOP("Vemox", "a value outside a key"));
            parseValue(t, section);
        }
        return std::move(store_);
    }

private:
    [[noreturn]] void fail(const QString& what) { throw ParseError{lineNo_, what}; }
    [[noreturn]] void fail(const char* what) { fail(translated(what)); }

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
            fail(QT_TRANSLATE_NOOP("Vemox", "a key line without its closing bracket"));
        QByteArrayView inner = t.sliced(1, t.size() - 2);
        const QByteArrayView root(kRoot);
        if (!startsWithNoCase(inner, root))
            fail(QT_TRANSLATE_NOOP("Vemox", "a key outside HKEY_CURRENT_USER"));
        inner = inner.sliced(root.size());
        if (!inner.isEmpty() && inner.front() != '\\')
            fail(QT_TRANSLATE_NOOP("Vemox", "a key outside HKEY_CURRENT_USER"));
        const auto path = keyPath(QString::fromLatin1(inner));
        if (!path)
            fail(QT_TRANSLATE_NOOP("Vemox", "an invalid key name"));
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
        fail(QT_TRANSLATE_NOOP("Vemox", "unterminated quoted text"));
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
            fail(translated(QT_TRANSLATE_NOOP("Vemox", "a value name longer than %1 characters"))
                     .arg(kMaxValueNameLength));
        while (i < t.size() && isBlank(t[i]))
            ++i;
        if (i >= t.size() || t[i] != '=')
            fail(QT_TRANSLATE_NOOP("Vemox", "a value without \"=\""));
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
                fail(QT_TRANSLATE_NOOP("Vemox", "text after a string"));
            data.append('\0');
            type = RegSz;
        } else if (startsWithNoCase(rest, "dword:")) {
            const QByteArrayView digits = trimmed(rest.sliced(6));
            if (digits.size() != 8)
                fail(QT_TRANSLATE_NOOP("Vemox", "a dword without 8 hex digits"));
            std::uint32_t v = 0;
            for (char c : digits) {
                const int d = hexDigit(c);
                if (d < 0)
                    fail(QT_TRANSLATE_NOOP("Vemox", "a dword without 8 hex digits"));
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
                    fail(QT_TRANSLATE_NOOP("Vemox", "an invalid hex(N) type"));
                type = 0;
                for (char c : rest.sliced(j + 1, close - j - 1)) {
                    const int d = hexDigit(c);
                    if (d < 0)
                        fail(QT_TRANSLATE_NOOP("Vemox", "an invalid hex(N) type"));
                    type = type << 4 | std::uint32_t(d);
                }
                j = close + 1;
            }
            if (j >= rest.size() || rest[j] != ':')
                fail(QT_TRANSLATE_NOOP("Vemox", "an unknown value type"));
            data = parseHex(rest.sliced(j + 1));
        } else if (trimmed(rest) == QByteArrayView("-")) {
            fail(QT_TRANSLATE_NOOP("Vemox", "a value removal line"));
        } else {
            fail(QT_TRANSLATE_NOOP("Vemox", "an unknown value type"));
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
                    fail(QT_TRANSLATE_NOOP("Vemox", "a hex byte without 2 digits"));
                const int hi = hexDigit(part[i]);
                const int lo = hexDigit(part[i + 1]);
                if (hi < 0 || lo < 0)
                    fail(QT_TRANSLATE_NOOP("Vemox", "a hex byte without 2 digits"));
                out.append(char(hi << 4 | lo));
                i += 2;
                while (i < part.size() && isBlank(part[i]))
                    ++i;
                if (i < part.size()) {
                    if (part[i] != ',')
                        fail(QT_TRANSLATE_NOOP("Vemox", "a hex byte without 2 digits"));
                    ++i;
                    // A comma must be followed by another byte, except before a continuation.
                    if (!more && trimmed(part.sliced(i)).isEmpty())
                        fail(QT_TRANSLATE_NOOP("Vemox", "a hex list ending in a comma"));
                }
            }
            if (out.size() > kMaxFileSize)
                fail(QT_TRANSLATE_NOOP("Vemox", "a value too large"));
            if (!more)
                return out;
            QByteArrayView next;
            if (!nextLine(next))
                fail(QT_TRANSLATE_NOOP("Vemox", "the file ends inside a hex list"));
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
        if (isControlByte(uchar(data[i])))
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

} // namespace

std::optional<Store> Store::parse(const QByteArray& text, QString* why)
{
    try {
        Parser p(text);
        Store s = p.run();
        s.modified_ = false;
        return s;
    } catch (const ParseError& e) {
        if (why)
            *why = e.line > 0 ? translated(QT_TRANSLATE_NOOP("Vemox", "line %1: %2")).arg(e.line).arg(e.what) : e.what;
        return std::nullopt;
    }
}

QByteArray Store::serialize() const
{
    qsizetype estimate = 16;
    for (const Key& k : keys_) {
        estimate += k.path_.size() + 24;
        for (const Value& v : k.values())
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
        for (const Value& v : k.values())
            appendValue(out, v);
    }
    out.append("\r\n");
    return out;
}

} // namespace regstore

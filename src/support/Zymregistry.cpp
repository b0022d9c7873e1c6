#include "support/Zymregistry.h"

#include "support/Errors.h"
#include "support/RegChange.h"
#include "support/RegStore.h"
#include "support/Trap.h"
#include "support/Translate.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>
#include <optional>
#include <vector>

using regstore::Store;
using regstore::Value;

namespace {

const QString kReadSuffix = QStringLiteral("Error: - (ReadRegistry) zym");
const QString kDeleteSuffix = QStringLiteral("Error: - (Delete Registry) zym");

// Rights of the access mask that this store distinguishes.
constexpr long kQueryValue = 0x0001;   // KEY_QUERY_VALUE: read and enumerate values
constexpr long kSetValue = 0x0002;     // KEY_SET_VALUE: write and delete values
constexpr long kDelete = 0x10000;      // DELETE: remove a key

// A date-time further than this from 30 December 1899 is no date of this program.
constexpr double kMaxDays = 3.0e6;
// The field of WriteRegistryBINARY: the text, a zero byte, filler.
constexpr qsizetype kBinaryTextField = 260;

[[noreturn]] void raise(const char* format, const QString& name)
{
    throw VemoxError(translated(format).arg(name));
}

[[noreturn]] void invalidType(const QString& name)
{
    raise(QT_TRANSLATE_NOOP("Vemox", "Invalid data type for '%1'"), name);
}
[[noreturn]] void failedGet(const QString& name)
{
    raise(QT_TRANSLATE_NOOP("Vemox", "Failed to get data for '%1'"), name);
}
[[noreturn]] void failedSet(const QString& name)
{
    raise(QT_TRANSLATE_NOOP("Vemox", "Failed to set data for '%1'"), name);
}

// The store as the accessor sees it; an allocation failure is the family's own error.
Store loadStore()
{
    Store store;
    trapWith([&] { store = regstore::load(); },
             [](VemoxError&) { throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "Error: Out of memory"))); });
    return store;
}

// The store path of a key the caller may open for reading, or nothing (no message) when
// the root, the access or the path rule it out.
std::optional<QString> readablePath(HKEY root, const QString& key, long access)
{
    if (root != HKEY_CURRENT_USER || !(access & kQueryValue))
        return std::nullopt;
    return regstore::keyPath(key);
}

// The one check before every change of the store: whether the root and the access allow
// the change (`right`), and the store path of the key (nothing when the path is invalid).
struct Target {
    bool allowed = false;
    std::optional<QString> path;
};

Target changeable(HKEY root, const QString& key, long access, long right)
{
    if (root != HKEY_CURRENT_USER || !(access & right))
        return {};
    return {true, regstore::keyPath(key)};
}

// Runs the body of one call in the one error trap. An error of the program's own kind gets
// the family's suffix and is reported (at once, or with the change the call belongs to),
// and the call gives resultOnError.
template <typename Body>
bool trappedCall(const QString& suffix, bool resultOnError, Body body)
{
    bool result = resultOnError;
    trapWith([&] { result = body(); },
             [&](VemoxError& e) {
                 e.appendMessage(suffix);
                 regstore::reportCallError(e.message());
                 result = resultOnError;
             });
    return result;
}

// Readers and writers report with the same suffix and give true; the deleters give false.
template <typename Body>
bool trappedRead(Body body) { return trappedCall(kReadSuffix, true, body); }
template <typename Body>
bool trappedWrite(Body body) { return trappedCall(kReadSuffix, true, body); }
template <typename Body>
bool trappedDelete(Body body) { return trappedCall(kDeleteSuffix, false, body); }

using Outcome = regstore::Change::Outcome;

// One edit of the store: in the change of this thread, or in a change of its own that is
// written at once.
template <typename Edit>
Outcome edited(Edit edit)
{
    if (regstore::Change* group = regstore::currentChange()) {
        edit(*group);
        return Outcome::Pending;
    }
    regstore::OwnChange own;
    edit(own.change());
    return own.commit();
}

// The steps shared by every reader: check the access and the path, find the key in the
// store (as the change of this thread sees it, inside one); use reads from it. False when
// any step finds nothing.
template <typename Use>
bool readKey(HKEY root, const QString& key, long access, Use use)
{
    return trappedRead([&] {
        const auto path = readablePath(root, key, access);
        if (!path)
            return false;
        if (regstore::Change* group = regstore::currentChange()) {
            const regstore::Key* k = group->view().findKey(*path);
            return k && use(*k);
        }
        const Store store = loadStore();
        const regstore::Key* k = store.findKey(*path);
        return k && use(*k);
    });
}

// A single value; convert raises the store's errors and assigns the output only when the
// value is good.
template <typename Convert>
bool readValue(HKEY root, const QString& key, const QString& name, long access, Convert convert)
{
    return readKey(root, key, access, [&](const regstore::Key& k) {
        const Value* v = k.find(name);
        if (!v)
            return false;
        convert(*v);
        return true;
    });
}

// A fixed-size query into a buffer of `size` bytes: larger data fails the query, whatever
// its type; then the type and the exact size must match.
void checkFixed(const Value& v, qsizetype size, std::uint32_t type)
{
    if (v.data.size() > size)
        failedGet(v.name);
    if (v.type != type || v.data.size() != size)
        invalidType(v.name);
}

std::int32_t dwordOf(const Value& v)
{
    checkFixed(v, 4, regstore::RegDword);
    quint32 raw = 0;
    std::memcpy(&raw, v.data.constData(), 4);
    return std::int32_t(qFromLittleEndian(raw));
}

double doubleOf(const Value& v)
{
    checkFixed(v, 8, regstore::RegBinary);
    quint64 raw = 0;
    std::memcpy(&raw, v.data.constData(), 8);
    raw = qFromLittleEndian(raw);
    double d = 0;
    std::memcpy(&d, &raw, 8);
    return d;
}

// The store is single-byte text. A text it cannot hold in Latin-1 (a Cyrillic folder, a
// euro sign in a tab name) is kept as UTF-8 behind a byte order mark, which no Latin-1 text
// begins with, so it reads back as typed; every other text is stored as it always was.
const QByteArray kUtf8Mark = QByteArrayLiteral("\xEF\xBB\xBF");

QByteArray storedText(const QString& s)
{
    const bool single = std::all_of(s.cbegin(), s.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
    return single ? s.toLatin1() : kUtf8Mark + s.toUtf8();
}

QString textOf(const QByteArray& data)
{
    const qsizetype zero = data.indexOf('\0');
    const QByteArray text = zero < 0 ? data : data.first(zero);
    return text.startsWith(kUtf8Mark) ? QString::fromUtf8(text.mid(kUtf8Mark.size())) : QString::fromLatin1(text);
}

QString stringOf(const Value& v)
{
    if (v.type != regstore::RegSz && v.type != regstore::RegExpandSz)
        invalidType(v.name);
    return textOf(v.data);
}

// The binary readers take REG_BINARY or any type the store does not classify.
QByteArray binaryOf(const Value& v, qsizetype maxSize)
{
    const bool classified = v.type == regstore::RegSz || v.type == regstore::RegExpandSz
        || v.type == regstore::RegDword;
    if (classified || v.data.size() > maxSize)
        invalidType(v.name);
    return v.data;
}

// The steps shared by every single-value writer. make gives the value's type and data, or
// raises "Failed to set data" when it cannot be stored.
template <typename Make>
bool writeValue(HKEY root, const QString& key, const QString& name, long access, Make make)
{
    return trappedWrite([&] {
        const auto path = changeable(root, key, access, kSetValue).path;
        if (!path)
            return false;
        if (!regstore::isValidValueName(name))
            failedSet(name);
        auto [madeType, madeData] = make();
        const std::uint32_t type = madeType;
        QByteArray data = std::move(madeData);
        if (data.size() > regstore::kMaxWrittenValueSize)
            failedSet(name);
        // A damaged file that stays is written over by nothing; the operator has been told.
        return edited([&](regstore::Change& c) { c.setValue(*path, name, type, std::move(data)); })
            != Outcome::Refused;
    });
}

std::pair<std::uint32_t, QByteArray> dword(std::uint32_t v)
{
    QByteArray data(4, Qt::Uninitialized);
    qToLittleEndian(v, data.data());
    return {regstore::RegDword, data};
}

std::pair<std::uint32_t, QByteArray> binaryDouble(double v)
{
    QByteArray data(8, Qt::Uninitialized);
    qToLittleEndian(v, data.data());
    return {regstore::RegBinary, data};
}

std::pair<std::uint32_t, QByteArray> string(const QString& s)
{
    QByteArray data = storedText(s);
    data.append('\0');
    return {regstore::RegSz, data};
}

// A date-time as days since 30 December 1899 with the time of day as the fraction. Before
// that day the fraction still counts forward from midnight, so it is taken away from the
// negative days: 29 December 1899 06:00 is -1.25.
const QDate kDayZero(1899, 12, 30);
constexpr double kMsPerDay = 86400000.0;

double storedDays(const QDateTime& when)
{
    const double days = double(kDayZero.daysTo(when.date()));
    const double fraction = when.time().msecsSinceStartOfDay() / kMsPerDay;
    return days < 0 ? days - fraction : days + fraction;
}

QDateTime fromStoredDays(double value)
{
    const double days = std::trunc(value);
    const qint64 ms = std::min<qint64>(std::llround(std::fabs(value - days) * kMsPerDay), qint64(kMsPerDay) - 1);
    return QDateTime(kDayZero.addDays(qint64(days)), QTime::fromMSecsSinceStartOfDay(int(ms)));
}

// Case-insensitive ascending order of value names ("10" before "2").
bool nameLess(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; }

} // namespace

namespace ZYMAPI {

bool ReadRegistry(const HKEY& root, const QString& key, const QString& name, QDateTime& out, long access)
{
    return readValue(root, key, name, access, [&](const Value& v) {
        const double days = doubleOf(v);
        if (!std::isfinite(days) || std::fabs(days) > kMaxDays)
            invalidType(v.name);
        out = fromStoredDays(days);
    });
}

bool ReadRegistry(const HKEY& root, const QString& key, const QString& name, bool& out, long access)
{
    return readValue(root, key, name, access, [&](const Value& v) { out = dwordOf(v) != 0; });
}

bool ReadRegistry(const HKEY& root, const QString& key, const QString& name, double& out, long access)
{
    return readValue(root, key, name, access, [&](const Value& v) { out = doubleOf(v); });
}

bool ReadRegistry(const HKEY& root, const QString& key, const QString& name, int& out, long access)
{
    return readValue(root, key, name, access, [&](const Value& v) { out = dwordOf(v); });
}

bool ReadRegistry(const HKEY& root, const QString& key, const QString& name, long& out, long access)
{
    return readValue(root, key, name, access, [&](const Value& v) { out = dwordOf(v); });
}

bool ReadRegistry(const HKEY& root, const QString& key, const QString& name, TColor& out, long access)
{
    return readValue(root, key, name, access,
                     [&](const Value& v) { out = TColor{std::uint32_t(dwordOf(v))}; });
}

bool ReadRegistry(const HKEY& root, const QString& key, const QString& name, QString& out, long access)
{
    return readValue(root, key, name, access, [&](const Value& v) { out = stringOf(v); });
}

bool ReadRegistry(const HKEY& root, const QString& key, QStringList& out, long access)
{
    return readKey(root, key, access, [&](const regstore::Key& k) {
        if (k.values().empty())
            return false;
        for (const Value& v : k.values())
            out.append(stringOf(v));
        return true;
    });
}

bool ReadRegistry(const HKEY& root, const QString& key, QStringList& names, QStringList& values, long access)
{
    return readKey(root, key, access, [&](const regstore::Key& k) {
        names.clear();
        for (const Value& v : k.values())
            names.append(v.name);
        if (names.isEmpty())
            return false;
        std::stable_sort(names.begin(), names.end(), nameLess);
        for (const QString& n : std::as_const(names))
            values.append(stringOf(*k.find(n)));
        return true;
    });
}

bool ReadRegistryNames(const HKEY& root, const QString& key, QStringList& names, long access)
{
    names.clear();
    return readKey(root, key, access, [&](const regstore::Key& k) {
        for (const Value& v : k.values())
            names.append(v.name);
        return !names.isEmpty();
    });
}

bool WriteRegistry(const HKEY& root, const QString& key, const QString& name, const QDateTime& in, long access)
{
    return writeValue(root, key, name, access, [&] {
        if (!in.isValid())
            failedSet(name);
        return binaryDouble(storedDays(in));
    });
}

bool WriteRegistry(const HKEY& root, const QString& key, const QString& name, const bool& in, long access)
{
    return writeValue(root, key, name, access, [&] { return dword(in ? 1u : 0u); });
}

bool WriteRegistry(const HKEY& root, const QString& key, const QString& name, const double& in, long access)
{
    return writeValue(root, key, name, access, [&] { return binaryDouble(in); });
}

bool WriteRegistry(const HKEY& root, const QString& key, const QString& name, const int& in, long access)
{
    return writeValue(root, key, name, access, [&] { return dword(std::uint32_t(in)); });
}

bool WriteRegistry(const HKEY& root, const QString& key, const QString& name, const long& in, long access)
{
    return writeValue(root, key, name, access, [&] {
        // The store holds 32 bits; a wider value would come back as another number.
        if (in < std::numeric_limits<std::int32_t>::min() || in > std::numeric_limits<std::int32_t>::max())
            failedSet(name);
        return dword(std::uint32_t(std::int32_t(in)));
    });
}

bool WriteRegistry(const HKEY& root, const QString& key, const QString& name, const TColor& in, long access)
{
    return writeValue(root, key, name, access, [&] { return dword(in.value); });
}

bool WriteRegistry(const HKEY& root, const QString& key, const QString& name, const QString& in, long access)
{
    return writeValue(root, key, name, access, [&] { return string(in); });
}

bool WriteRegistry(const HKEY& root, const QString& key, const QStringList& in, long access)
{
    // All entries go into the file in one replacement: a list is never half written.
    return trappedWrite([&] {
        const auto path = changeable(root, key, access, kSetValue).path;
        if (!path)
            return false;
        std::vector<QByteArray> entries;
        entries.reserve(size_t(in.size()));
        for (qsizetype i = 0; i < in.size(); ++i) {
            entries.push_back(string(in[i]).second);
            if (entries.back().size() > regstore::kMaxWrittenValueSize)
                failedSet(QString::number(i));
        }
        const Outcome outcome = edited([&](regstore::Change& c) {
            c.createKey(*path);
            for (size_t i = 0; i < entries.size(); ++i)
                c.setValue(*path, QString::number(i), regstore::RegSz, std::move(entries[i]));
        });
        // An empty list only creates the key: when that fails, the key could not be made.
        return outcome != Outcome::Refused && !(outcome == Outcome::Failed && in.isEmpty());
    });
}

namespace {
// The body of both deletions: the key must exist for there to be anything to remove, and a
// key's path must not be the root, which is never removed.
template <typename Remove>
bool deleteUnder(HKEY root, const QString& key, long access, long right, bool keyItself, Remove remove)
{
    return trappedDelete([&] {
        const Target target = changeable(root, key, access, right);
        if (!target.allowed)
            return false;
        if (!target.path || (keyItself && target.path->isEmpty()))
            return true;   // nothing of that name
        const QString path = *target.path;
        // A damaged file that stays went nowhere; what it held is not readable anyway.
        return edited([&](regstore::Change& c) { remove(c, path); }) != Outcome::Failed;
    });
}
} // namespace

bool DeleteRegistryKeyValue(HKEY root, const QString& key, const QString& name, long access)
{
    return deleteUnder(root, key, access, kSetValue, false,
                       [&](regstore::Change& c, const QString& path) { c.removeValue(path, name); });
}

bool DeleteRegistryKey(HKEY root, const QString& key, long access)
{
    return deleteUnder(root, key, access, kDelete, true,
                       [](regstore::Change& c, const QString& path) { c.removeKey(path); });
}

bool ReadRegistryBINARY(const HKEY& root, const QString& key, const QString& name, std::uint32_t& out, long access)
{
    return readValue(root, key, name, access, [&](const Value& v) {
        const QByteArray data = binaryOf(v, 4);
        std::uint32_t value = 0;
        for (qsizetype i = data.size() - 1; i >= 0; --i)
            value = value << 8 | uchar(data[i]);
        out = value;
    });
}

bool ReadRegistryBINARY(const HKEY& root, const QString& key, const QString& name, QString& out, long access)
{
    return readValue(root, key, name, access, [&](const Value& v) {
        out = textOf(binaryOf(v, kBinaryTextField));
    });
}

bool WriteRegistryBINARY(const HKEY& root, const QString& key, const QString& name, const QString& in, long access)
{
    return writeValue(root, key, name, access, [&] {
        // The text and its zero byte must fit the field; a longer text is refused rather
        // than cut short.
        QByteArray data = storedText(in);
        if (data.size() >= kBinaryTextField)
            failedSet(name);
        data.append(QByteArray(kBinaryTextField - data.size(), '\0'));
        return std::pair<std::uint32_t, QByteArray>{regstore::RegBinary, data};
    });
}

} // namespace ZYMAPI

// ---------------------------------------------------------------- window geometry

namespace {
constexpr int kMinWidth = 600;
constexpr int kMinHeight = 400;

QString valueName(const FormGeometry& form, const char* suffix)
{
    return form.formName() + QLatin1String(suffix);
}
} // namespace

bool IsFormPostionSavedToRegistry(const HKEY& root, const QString& key, const FormGeometry& form)
{
    int width = kMinWidth;
    return ZYMAPI::ReadRegistry(root, key, valueName(form, "1"), width, KEY_READ);
}

bool IsFormSizeSavedToRegistry(const HKEY& root, const QString& key, const FormGeometry& form)
{
    int width = kMinWidth;
    return ZYMAPI::ReadRegistry(root, key, valueName(form, "1"), width, KEY_READ);
}

void LoadFormDetail(const HKEY& root, const QString& key, FormGeometry& form, std::uint8_t mode)
{
    int left = 0, top = 0, width = kMinWidth, height = kMinHeight;
    const bool size = mode != 0;
    const bool position = mode != 2;
    if (size) {
        if (ZYMAPI::ReadRegistry(root, key, valueName(form, "1"), width, KEY_READ))
            form.setFormWidth(width);
        if (ZYMAPI::ReadRegistry(root, key, valueName(form, "2"), height, KEY_READ))
            form.setFormHeight(height);
    }
    if (position) {
        if (ZYMAPI::ReadRegistry(root, key, valueName(form, "3"), left, KEY_READ))
            form.setFormLeft(left);
        if (ZYMAPI::ReadRegistry(root, key, valueName(form, "4"), top, KEY_READ))
            form.setFormTop(top);
    }
    form.setFormStateNormal();
}

void SaveFormDetail(const HKEY& root, const QString& key, const FormGeometry& form, std::uint8_t mode)
{
    const QRect r = form.formRect();
    const int left = std::max(r.left(), 0);
    const int top = std::max(r.top(), 0);
    const int width = std::max(r.width(), kMinWidth);
    const int height = std::max(r.height(), kMinHeight);
    const bool size = mode != 0;
    const bool position = mode != 2;
    ZYMAPI::StoreChange change;   // the window's values are stored together
    if (size) {
        ZYMAPI::WriteRegistry(root, key, valueName(form, "1"), width, KEY_WRITE);
        ZYMAPI::WriteRegistry(root, key, valueName(form, "2"), height, KEY_WRITE);
    }
    if (position) {
        ZYMAPI::WriteRegistry(root, key, valueName(form, "3"), left, KEY_WRITE);
        ZYMAPI::WriteRegistry(root, key, valueName(form, "4"), top, KEY_WRITE);
    }
    ZYMAPI::WriteRegistry(root, key, valueName(form, "IsMas"), false, KEY_WRITE);
    change.commit();
}

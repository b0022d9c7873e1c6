#pragma once
// Typed access to the per-user store. Each call opens the store with the access the caller
// names, reads, writes or deletes one value (or one list), and reports its own errors in
// the standard error box with the family's suffix. No state survives between calls, except
// inside a StoreChange, which makes the writes of a group one change of the store.
//
// The store is one REGEDIT4 text file, $XDG_CONFIG_HOME/vemox/registry.reg (see RegStore.h).
#include "Defs.h"

#include <QDateTime>
#include <QRect>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

using HKEY = std::uintptr_t;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;

inline constexpr long KEY_READ = 0x20019;
inline constexpr long KEY_WRITE = 0x20006;
inline constexpr long KEY_ALL_ACCESS = 0xF003F;

// A colour as its 32-bit value (red in the low byte).
struct TColor {
    std::uint32_t value = 0;
    friend bool operator==(TColor a, TColor b) { return a.value == b.value; }
};

namespace ZYMAPI {

bool ReadRegistry(const HKEY& root, const QString& key, const QString& name, QDateTime& out, long access);
bool ReadRegistry(const HKEY& root, const QString& key, const QString& name, bool& out, long access);
bool ReadRegistry(const HKEY& root, const QString& key, const QString& name, double& out, long access);
bool ReadRegistry(const HKEY& root, const QString& key, const QString& name, int& out, long access);
bool ReadRegistry(const HKEY& root, const QString& key, const QString& name, long& out, long access);
bool ReadRegistry(const HKEY& root, const QString& key, const QString& name, TColor& out, long access);
bool ReadRegistry(const HKEY& root, const QString& key, const QString& name, QString& out, long access);
// Values only, appended to the caller's list in the store's creation order.
bool ReadRegistry(const HKEY& root, const QString& key, QStringList& out, long access);
// Names (cleared, then sorted case-insensitively) and values in that order (appended).
bool ReadRegistry(const HKEY& root, const QString& key, QStringList& names, QStringList& values, long access);
// The names of a key's values (cleared first), in creation order, whatever their types.
// False when the key is missing or holds no value.
bool ReadRegistryNames(const HKEY& root, const QString& key, QStringList& names, long access);

bool WriteRegistry(const HKEY& root, const QString& key, const QString& name, const QDateTime& in, long access);
bool WriteRegistry(const HKEY& root, const QString& key, const QString& name, const bool& in, long access);
bool WriteRegistry(const HKEY& root, const QString& key, const QString& name, const double& in, long access);
bool WriteRegistry(const HKEY& root, const QString& key, const QString& name, const int& in, long access);
bool WriteRegistry(const HKEY& root, const QString& key, const QString& name, const long& in, long access);
bool WriteRegistry(const HKEY& root, const QString& key, const QString& name, const TColor& in, long access);
bool WriteRegistry(const HKEY& root, const QString& key, const QString& name, const QString& in, long access);
// One string value per entry, named "0", "1", ...; values of a higher index stay.
bool WriteRegistry(const HKEY& root, const QString& key, const QStringList& in, long access);

bool DeleteRegistryKeyValue(HKEY root, const QString& key, const QString& name, long access);
bool DeleteRegistryKey(HKEY root, const QString& key, long access);

bool ReadRegistryBINARY(const HKEY& root, const QString& key, const QString& name, std::uint32_t& out, long access);
bool ReadRegistryBINARY(const HKEY& root, const QString& key, const QString& name, QString& out, long access);
bool WriteRegistryBINARY(const HKEY& root, const QString& key, const QString& name, const QString& in, long access);

// One of the program's settings under the general key, for the current user: most of what
// the program stores is read and written this way.
template <typename T>
bool ReadGeneral(const QString& name, T& out)
{
    return ReadRegistry(HKEY_CURRENT_USER, Defs::kKeyGeneral, name, out, KEY_READ);
}
template <typename T>
bool WriteGeneral(const QString& name, const T& in)
{
    return WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyGeneral, name, in, KEY_WRITE);
}

// Groups every ZYMAPI write and delete made on this thread while it lives into one change
// of the store. Reads inside the group see the pending values.
//
// Inside the group a writer gives true once its value is pending, and an error of a call
// (a wrong type read, a name the file cannot hold) is kept rather than shown: commit(), or
// the destructor of a change not committed, shows every kept text and the store's own
// problem in one error box. A store that cannot be written is told once, with where it is
// and why; the same problem is not told again until a write has succeeded.
//
// A StoreChange made while another lives on the same thread joins it: its commit() keeps
// its writes for the outer one and gives true, and dropping it undoes only its own writes.
// Writes made after commit() form a new change of the same group, to be committed again.
class StoreChange {
public:
    StoreChange();
    ~StoreChange();      // a change not committed is dropped, the file stays as it was
    bool commit();       // one atomic replacement under the lock; false after one clear error report
    StoreChange(const StoreChange&) = delete;
    StoreChange& operator=(const StoreChange&) = delete;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// Catches, instead of telling, the errors that calls on this thread report while it lives,
// so that a caller reading many values can name the setting of each damaged one and tell
// them all at once. The innermost one catches.
class CallErrors {
public:
    CallErrors();
    ~CallErrors();
    // The texts caught since the last take, oldest first.
    QStringList take();
    CallErrors(const CallErrors&) = delete;
    CallErrors& operator=(const CallErrors&) = delete;

private:
    CallErrors* outer_;
    QStringList texts_;
    friend void catchCallError(const QString& text, bool* caught);
};

// Holds back, while it lives, what the changes of the store made on this thread report, for
// a window that stays open when its save fails and tells the operator once: a dialog whose
// own message says it forgets what was held, any other has the store's words shown. A store
// that cannot be written is then told each time, as the window stays open to try again. The
// innermost one holds; what one still holds when it ends goes to the one outside it, or is
// shown.
class HeldReports {
public:
    HeldReports();
    ~HeldReports();
    // Drops what was held so far: the caller has told the failure in its own words.
    void forget() { texts_.clear(); }
    HeldReports(const HeldReports&) = delete;
    HeldReports& operator=(const HeldReports&) = delete;

private:
    HeldReports* outer_;
    QStringList texts_;
    friend bool holdReport(const QString& text);
};

} // namespace ZYMAPI

// A window whose position and size are stored; the windows adapt themselves to it, so the
// store needs no widgets.
class FormGeometry {
public:
    virtual ~FormGeometry() = default;
    virtual QString formName() const = 0;   // the component name, prefix of the value names
    virtual QRect formRect() const = 0;     // left, top, width, height
    virtual void setFormLeft(int) = 0;
    virtual void setFormTop(int) = 0;
    virtual void setFormWidth(int) = 0;
    virtual void setFormHeight(int) = 0;
    virtual void setFormStateNormal() = 0;
};

bool IsFormPostionSavedToRegistry(const HKEY& root, const QString& key, const FormGeometry& form);
bool IsFormSizeSavedToRegistry(const HKEY& root, const QString& key, const FormGeometry& form);
// mode: 0 position only, 2 size only, any other value both.
void LoadFormDetail(const HKEY& root, const QString& key, FormGeometry& form, std::uint8_t mode);
void SaveFormDetail(const HKEY& root, const QString& key, const FormGeometry& form, std::uint8_t mode);

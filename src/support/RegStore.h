#pragma once
// The per-user store behind ZYMAPI: keys holding named, typed values, kept in one REGEDIT4
// text file, $XDG_CONFIG_HOME/vemox/registry.reg (~/.config/vemox/registry.reg when the
// variable is unset or not an absolute path).
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\VEMOX\G_r]
//   "Cbs"=dword:00000001
//   "h_c"="Unt. States"
//   "Vl"=hex:00,00,00,00,00,a0,e6,40
//
// Written canonically: CR LF line ends, one section per key (an empty key keeps its
// section), keys and values in creation order, names with their first-created case.
// Strings are "..." with \\ and \" escaped; a string holding control characters (or not
// ending in exactly one zero byte) is hex(1):, expandable strings hex(2):, DWORDs
// dword:0000000a, binary hex:00,a0,..., every other type hex(N): with N in hex; "@" is the
// default (unnamed) value. Long hex lists wrap with a trailing backslash, as regedit does.
// Every byte of a name or string is one Latin-1 character, read and written as it stands.
//
// Read leniently, as a file edited by hand: blank lines, ";" comment lines (dropped on the
// next write), CR LF or LF, blanks around "=", hex continuation lines, upper- or lower-case
// hex digits, a section repeated (merged) or a value repeated (the last one counts). What
// it does not accept makes the file damaged: a first line other than REGEDIT4, a value
// outside a section, a root other than HKEY_CURRENT_USER, an unknown type ("qword:"),
// removal lines ("-"), a dword without exactly 8 hex digits, a hex byte without exactly 2,
// an unterminated string or section, a continuation at the end of the file, names beyond
// the limits below, a file larger than kMaxFileSize.
//
// A damaged file is never overwritten: the first call that meets it moves it aside
// (registry.reg.damaged-YYYYMMDD-HHMMSS), tells the operator once with a warning naming
// both paths, and the store goes on empty, so every caller keeps its defaults. If it cannot
// be moved, it stays where it is, the operator is told once, and writes are refused.
//
// Writes: under an exclusive flock() on registry.reg.lock the writer loads the file, makes
// its change, writes registry.reg.tmp.XXXXXX (a fresh name each time, mode 0600) and
// renames it over the store, so a process killed at any moment leaves the old file or the
// new one; the kernel drops the lock of a killed process, so no stale lock ever blocks the
// next writer, and the next writer removes a left-over temporary. A link or other non-file
// planted as the lock is removed and the lock made anew. A change that changes nothing leaves the file alone.
// A change made on a snapshot read without the lock (RegChange.h) is not read again when
// the file under the lock is still the version of that snapshot.
// Readers need no lock: they see the file before or after a rename. The folder is created
// 0700.
//
// Where it lives: the text format in RegText.cpp, the file and its lock in RegFile.cpp, the
// keys in memory in RegStore.cpp, a change made of many calls in RegChange.cpp.
//
// Durability: the rename is enough for a killed process. Data is not fsync'ed by default:
// on this ext4 an fdatasync costs 3 to 5 ms, which would make the 160 separate writes of a
// settings save take most of a second (see bench/bench_store.cpp); ext4 itself flushes a
// file renamed over another. setDurableWrites(true) adds fdatasync of the file and fsync
// of the folder.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace regstore {

enum ValueType : std::uint32_t {
    RegNone = 0,
    RegSz = 1,
    RegExpandSz = 2,
    RegBinary = 3,
    RegDword = 4,
};

// Limits. Beyond them a file is damaged, and a write of such a name or value fails.
inline constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;        // a store is a few KB
inline constexpr qsizetype kMaxKeyNameLength = 255;             // one component of a path
inline constexpr qsizetype kMaxKeyDepth = 512;                  // components of a path
inline constexpr qsizetype kMaxValueNameLength = 16383;
inline constexpr qsizetype kMaxWrittenValueSize = 1024 * 1024;  // data of one value written
inline constexpr int kLockTimeoutMs = 10000;                    // waiting for another writer

struct Value {
    QString name;   // as first created
    std::uint32_t type = RegNone;
    QByteArray data;
};

class Key {
public:
    // Below HKEY_CURRENT_USER, components joined by '\', no leading one; "" is the root.
    const QString& path() const { return path_; }
    // In creation order.
    const std::vector<Value>& values() const
    {
        closeHoles();
        return values_;
    }
    // Case-insensitive.
    const Value* find(const QString& name) const;

private:
    friend class Store;
    QString path_;
    // A removed value leaves a hole, closed in one pass when the list is next looked at, so
    // that emptying a hand-grown key of 100,000 values does not cost 100,000 passes.
    mutable std::vector<Value> values_;
    mutable QHash<QString, qsizetype> index_;   // case-folded name -> position in values_
    mutable qsizetype holes_ = 0;
    void closeHoles() const;
};

class Store {
public:
    // Nothing when the text is not a store; *why then says what and where.
    static std::optional<Store> parse(const QByteArray& text, QString* why = nullptr);
    QByteArray serialize() const;

    // Keys in creation order.
    const std::vector<Key>& keys() const { return keys_; }
    // Case-insensitive; the root "" always exists.
    const Key* findKey(const QString& path) const;
    // Creates the key and any missing parents, each appended after the existing keys.
    void createKey(const QString& path);
    // Creates the key as above; replaces a value of that name whatever its type, keeping
    // its place, or appends a new one.
    void setValue(const QString& path, const QString& name, std::uint32_t type, QByteArray data);
    // True when the value was there.
    bool removeValue(const QString& path, const QString& name);
    // The key with its subkeys; nothing when absent. The root is never removed.
    bool removeKey(const QString& path);

    // Whether anything changed since parsing (or construction).
    bool modified() const { return modified_; }

private:
    friend class WriteSession;
    Key* find(const QString& path);
    Key& obtain(const QString& path);
    void reindex();

    std::vector<Key> keys_;
    QHash<QString, qsizetype> index_;   // case-folded path -> position in keys_
    bool modified_ = false;
};

// A caller's key ("\Software\VEMOX\G_r") as a store path ("Software\VEMOX\G_r"): one leading
// and one trailing backslash are dropped; nothing when a component is empty, too long or
// holds a control character or a character outside Latin-1, or the path is too deep.
std::optional<QString> keyPath(const QString& key);
// Whether a value name can be stored: Latin-1, no control characters, not too long.
bool isValidValueName(const QString& name);
// The bytes a name or a plain string may not hold.
bool isControlByte(uchar c);

QString storeFilePath();

// The store as the file holds it now; empty when there is no file. A damaged file is
// handled as described above. Raises std::bad_alloc only.
Store load();

// The store as load() gives it, with the version of the file it came from: empty for a
// damaged file, which no change may build on.
struct Snapshot {
    Store store;
    QString identity;
    bool existed = false;   // a file was read
};
Snapshot loadSnapshot();

// One change of the store: holds the writers' lock from construction to destruction.
class WriteSession {
public:
    enum class Failure {
        None,
        Busy,          // another writer kept the lock for kLockTimeoutMs
        Unwritable,    // the folder or the lock file cannot be created
        DamagedKept,   // the file is damaged and could not be moved aside (operator told)
    };

    // seen: the identity of a snapshot. When the file under the lock is still that
    // version, it is not read again: unchanged() is true and the caller adopts its store.
    explicit WriteSession(const QString& seen = {});
    ~WriteSession();
    WriteSession(const WriteSession&) = delete;
    WriteSession& operator=(const WriteSession&) = delete;

    Failure failure() const { return failure_; }
    bool isOpen() const { return failure_ == Failure::None; }
    // What stands in the way, in words for the operator: "the folder ... cannot be made
    // (Permission denied)"; empty for DamagedKept, which was told when it was found.
    const QString& problem() const { return problem_; }
    bool unchanged() const { return unchanged_; }
    // The store to write, with the text the file held (baseline) when it existed.
    void adopt(Store store, const QByteArray& baseline, bool existed);
    Store& store() { return store_; }
    // Replaces the file atomically when the store was modified and its text differs from
    // the file's. False, with problem() saying why, when the file could not be written.
    bool commit();

private:
    void fail(Failure failure, const QString& problem);

    int lockFd_ = -1;
    Failure failure_ = Failure::None;
    bool unchanged_ = false;
    bool existed_ = false;
    Store store_;
    QByteArray baseline_;
    QString problem_;
    QString pendingWarning_;
};

// Adds fdatasync of the new file and fsync of its folder to every write.
void setDurableWrites(bool on);

} // namespace regstore

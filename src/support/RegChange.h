#pragma once
// The pending change of the store behind ZYMAPI::StoreChange (Zymregistry.h): the writes
// that belong together read the file once, replace it once under the lock, and report at
// most once.
#include "support/RegStore.h"

#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

namespace regstore {

// The pending change of one thread: a working copy of the store with the edits made so
// far, and the edits themselves, replayed on the file if another writer changed it meanwhile.
class Change {
public:
    enum class Outcome {
        Pending,   // kept for the group's commit
        Written,   // in the file (or nothing needed writing)
        Refused,   // the file is damaged and stays; the operator was told when it was found
        Failed,    // not written; reported
    };

    // The store as this change sees it, loaded on first use. Raises the family's "Error:
    // Out of memory" when it cannot be held.
    const Store& view();
    void createKey(const QString& path);
    void setValue(const QString& path, const QString& name, std::uint32_t type, QByteArray data);
    bool removeValue(const QString& path, const QString& name);
    bool removeKey(const QString& path);

    // A call's own error text (with its suffix), for the change's one report.
    void keepError(const QString& text) { errors_.append(text); }
    // Writes the edits and reports what there is to report, then starts afresh.
    Outcome commit();
    // Reports the kept errors and forgets the edits.
    void drop();

    struct Mark {
        unsigned generation = 0;
        size_t edits = 0;
        std::optional<Store> working;
    };
    Mark mark() const;
    void rollback(Mark mark);

private:
    struct Edit {
        enum class Kind { CreateKey, Set, RemoveValue, RemoveKey } kind;
        QString path, name;
        std::uint32_t type = RegNone;
        QByteArray data;
    };
    static bool apply(Store& store, const Edit& edit);
    bool record(Edit edit);
    Outcome write(QString* problem);
    void report(const QString& storeProblem);
    void reset();

    bool loaded_ = false;
    bool existed_ = false;
    QString identity_;
    Store working_;
    Store original_;
    std::vector<Edit> edits_;
    QStringList errors_;
    unsigned generation_ = 0;   // commits so far
};

// The change of this thread, or nothing outside any.
Change* currentChange();

// A change of its own for one call outside any group, current while it lives.
class OwnChange {
public:
    OwnChange();
    ~OwnChange();   // what is not committed is dropped
    OwnChange(const OwnChange&) = delete;
    OwnChange& operator=(const OwnChange&) = delete;
    Change& change() { return change_; }
    Change::Outcome commit();

private:
    Change change_;
};

// A call's own error: caught by the innermost ZYMAPI::CallErrors of this thread, else kept
// for the change of this thread, else shown at once.
void reportCallError(const QString& text);

} // namespace regstore

namespace ZYMAPI {
// Hands the text to the innermost CallErrors of this thread; *caught says whether there was one.
void catchCallError(const QString& text, bool* caught);
// Hands a change's report to the innermost HeldReports of this thread; false when there is none.
bool holdReport(const QString& text);
// Whether a HeldReports lives on this thread.
bool reportsHeld();
} // namespace ZYMAPI

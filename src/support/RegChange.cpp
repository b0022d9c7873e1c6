#include "support/RegChange.h"

#include "support/Errors.h"
#include "support/Messenger.h"
#include "support/Zymregistry.h"
#include "support/Translate.h"

#include <QDir>
#include <QMutex>
#include <new>
#include <utility>

namespace regstore {

namespace {

thread_local Change* tCurrent = nullptr;

// The store problem last told to the operator; the same one is not told again until a
// write has gone through.
QMutex toldMutex;
QString toldProblem;

bool firstTelling(const QString& problem)
{
    QMutexLocker lock(&toldMutex);
    if (problem == toldProblem)
        return false;
    toldProblem = problem;
    return true;
}

void writeSucceeded()
{
    QMutexLocker lock(&toldMutex);
    toldProblem.clear();
}

QString cannotSave(const QString& problem)
{
    return translated(QT_TRANSLATE_NOOP("Vemox",
                                        "Settings cannot be saved to %1: %2. The program goes on, but the settings "
                                        "changed now will be lost when it closes"))
        .arg(QDir::toNativeSeparators(storeFilePath()), problem);
}

// The same for a window that stays open with what was typed: nothing else to say.
QString cannotSaveHere(const QString& problem)
{
    return translated(QT_TRANSLATE_NOOP("Vemox", "Settings cannot be saved to %1: %2"))
        .arg(QDir::toNativeSeparators(storeFilePath()), problem);
}

} // namespace

Change* currentChange() { return tCurrent; }

void reportCallError(const QString& text)
{
    bool caught = false;
    ZYMAPI::catchCallError(text, &caught);
    if (caught)
        return;
    if (tCurrent)
        tCurrent->keepError(text);
    else if (!ZYMAPI::holdReport(text))
        messenger().errorBox(text);
}

const Store& Change::view()
{
    if (!loaded_) {
        Snapshot snap;
        try {
            snap = loadSnapshot();
            original_ = snap.store;
        } catch (const std::bad_alloc&) {
            throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "Error: Out of memory")));
        }
        working_ = std::move(snap.store);
        identity_ = snap.identity;
        existed_ = snap.existed;
        loaded_ = true;
    }
    return working_;
}

bool Change::apply(Store& store, const Edit& edit)
{
    switch (edit.kind) {
    case Edit::Kind::CreateKey:
        store.createKey(edit.path);
        return true;
    case Edit::Kind::Set:
        store.setValue(edit.path, edit.name, edit.type, edit.data);
        return true;
    case Edit::Kind::RemoveValue:
        return store.removeValue(edit.path, edit.name);
    case Edit::Kind::RemoveKey:
        return store.removeKey(edit.path);
    }
    return false;
}

bool Change::record(Edit edit)
{
    view();
    const bool done = apply(working_, edit);
    edits_.push_back(std::move(edit));
    return done;
}

void Change::createKey(const QString& path) { record({Edit::Kind::CreateKey, path, {}, RegNone, {}}); }

void Change::setValue(const QString& path, const QString& name, std::uint32_t type, QByteArray data)
{
    record({Edit::Kind::Set, path, name, type, std::move(data)});
}

bool Change::removeValue(const QString& path, const QString& name)
{
    return record({Edit::Kind::RemoveValue, path, name, RegNone, {}});
}

bool Change::removeKey(const QString& path) { return record({Edit::Kind::RemoveKey, path, {}, RegNone, {}}); }

Change::Outcome Change::write(QString* problem)
{
    if (!loaded_ || !working_.modified())
        return Outcome::Written;
    WriteSession session(identity_);
    *problem = session.problem();
    if (session.failure() == WriteSession::Failure::DamagedKept)
        return Outcome::Refused;
    if (!session.isOpen())
        return Outcome::Failed;
    if (session.unchanged()) {
        session.adopt(std::move(working_), original_.serialize(), existed_);
    } else {
        // Another writer replaced the file since it was read: these edits go onto its version.
        for (const Edit& e : edits_)
            apply(session.store(), e);
    }
    if (!session.commit()) {
        *problem = session.problem();
        return Outcome::Failed;
    }
    writeSucceeded();
    return Outcome::Written;
}

Change::Outcome Change::commit()
{
    QString problem;
    // The session, and the lock with it, ends before anything is shown.
    const Outcome outcome = write(&problem);
    if (outcome == Outcome::Failed && problem.isEmpty())
        problem = translated(QT_TRANSLATE_NOOP("Vemox", "the file cannot be written"));
    reset();
    ++generation_;
    report(outcome == Outcome::Failed ? problem : QString());
    return outcome;
}

void Change::report(const QString& storeProblem)
{
    QStringList texts;
    for (const QString& e : std::as_const(errors_))
        texts.append(errors_.size() > 1 || !storeProblem.isEmpty() ? errorBoxText(e) : e);
    if (!storeProblem.isEmpty() && ZYMAPI::reportsHeld())
        texts.append(cannotSaveHere(storeProblem));
    else if (!storeProblem.isEmpty() && firstTelling(storeProblem))
        texts.append(cannotSave(storeProblem));
    errors_.clear();
    if (!texts.isEmpty() && !ZYMAPI::holdReport(texts.join(QLatin1Char('\n'))))
        messenger().errorBox(texts.join(QLatin1Char('\n')));
}

void Change::drop()
{
    report({});
    reset();
}

void Change::reset()
{
    loaded_ = false;
    existed_ = false;
    identity_.clear();
    working_ = {};
    original_ = {};
    edits_.clear();
}

Change::Mark Change::mark() const
{
    Mark m;
    m.generation = generation_;
    m.edits = edits_.size();
    if (loaded_)
        m.working = working_;
    return m;
}

void Change::rollback(Mark mark)
{
    if (mark.generation != generation_)
        return;   // committed since: nothing of the mark's is pending any more
    if (!mark.working) {
        reset();
        return;
    }
    working_ = std::move(*mark.working);
    edits_.resize(mark.edits);
}

OwnChange::OwnChange() { tCurrent = &change_; }

OwnChange::~OwnChange()
{
    tCurrent = nullptr;
    try {
        change_.drop();   // what was not committed; errors kept since are still told
    } catch (...) {
        // Telling the operator must not end the program while an error unwinds.
    }
}

Change::Outcome OwnChange::commit() { return change_.commit(); }

} // namespace regstore

namespace ZYMAPI {

namespace {
thread_local CallErrors* tCatcher = nullptr;
thread_local HeldReports* tHolder = nullptr;
} // namespace

CallErrors::CallErrors() : outer_(tCatcher) { tCatcher = this; }
CallErrors::~CallErrors() { tCatcher = outer_; }

QStringList CallErrors::take() { return std::exchange(texts_, {}); }

HeldReports::HeldReports() : outer_(tHolder) { tHolder = this; }

HeldReports::~HeldReports()
{
    tHolder = outer_;
    if (texts_.isEmpty() || holdReport(texts_.join(QLatin1Char('\n'))))
        return;
    try {
        messenger().errorBox(texts_.join(QLatin1Char('\n')));
    } catch (...) {
        // Telling the operator must not end the program while an error unwinds.
    }
}

bool holdReport(const QString& text)
{
    if (!tHolder)
        return false;
    tHolder->texts_.append(text);
    return true;
}

bool reportsHeld() { return tHolder != nullptr; }

void catchCallError(const QString& text, bool* caught)
{
    *caught = tCatcher != nullptr;
    if (tCatcher)
        tCatcher->texts_.append(text);
}

struct StoreChange::State {
    std::unique_ptr<regstore::OwnChange> own;
    regstore::Change* joined = nullptr;
    regstore::Change::Mark mark;
    bool committed = false;
};

StoreChange::StoreChange() : state_(std::make_unique<State>())
{
    if (regstore::Change* outer = regstore::currentChange()) {
        state_->joined = outer;
        state_->mark = outer->mark();
    } else {
        state_->own = std::make_unique<regstore::OwnChange>();
    }
}

StoreChange::~StoreChange()
{
    if (state_->joined && !state_->committed)
        state_->joined->rollback(std::move(state_->mark));
}

bool StoreChange::commit()
{
    if (state_->joined) {
        state_->committed = true;
        return true;
    }
    return state_->own->commit() == regstore::Change::Outcome::Written;
}

} // namespace ZYMAPI

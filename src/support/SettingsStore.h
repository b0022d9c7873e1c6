#pragma once
// The store as the settings see it over one run: the load reads through it, the save writes
// through it, and it keeps the one rule between them. A value the load could not read (it
// is damaged, or the load ended before it) is written by the save only when the operator
// has changed it since; so a close never buries a stored setting under what an incomplete
// load left on the window.
//
// Every damaged value the load meets is noted, naming its setting ("Commission entry 5
// cannot be read: ..."), and reportProblems() tells them all in one error box. Lists are
// read by their value names "0", "1", ... so a damaged entry costs only that entry.
#include "support/Zymregistry.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>

class SettingsStore {
public:
    // A numbered list as the load found it.
    struct List {
        QStringList entries;   // "0", "1", ... up to the highest name; a damaged or missing one is empty
        QList<int> damaged;    // indexes of the entries that could not be read
        bool found = false;    // the key holds an entry "0"
    };

    // --- the load
    // One value. True when it was there and good; a missing one counts as read (the caller
    // keeps its default). A damaged one is noted with the store's text, after "<setting>
    // cannot be read: " when the value's name does not say what it is, and stays unread;
    // out keeps what it held.
    template <typename T>
    bool read(const QString& key, const QString& name, T& out, const QString& setting = {})
    {
        ZYMAPI::CallErrors caught;
        const bool found = ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, key, name, out, KEY_READ);
        return settle(key, name, caught.take(), setting) && found;
    }
    // The entries of a list key by value name; other names are left alone. A damaged entry
    // is noted as "<setting> entry N cannot be read: <text>", and the key stays unread.
    List readList(const QString& key, const QString& setting);
    // A value the save writes counts as unread from the start of the load until a read of it
    // succeeds, and again when the load could not use what it read. An empty name stands
    // for the whole key (a list).
    void markUnread(const QString& key, const QString& name = {});
    void markRead(const QString& key, const QString& name = {});
    bool isUnread(const QString& key, const QString& name = {}) const;
    // A damaged value that the caller found (a commission entry that is no number).
    void note(const QString& problem) { problems_.append(problem); }
    const QStringList& problems() const { return problems_; }
    // What the load left of a value, as the save would write it; the save compares with it.
    void left(const QString& key, const QString& name, const QVariant& value);
    // Tells the problems noted so far in one error box, then forgets them.
    void reportProblems();

    // --- the save
    // Whether the save may write a value that is now `value`: always when the load read it,
    // else only when it differs from what the load left.
    bool mayWrite(const QString& key, const QString& name, const QVariant& value) const;
    template <typename T>
    bool write(const QString& key, const QString& name, const T& value)
    {
        if (!mayWrite(key, name, QVariant::fromValue(value)))
            return true;
        return ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, key, name, value, KEY_WRITE);
    }
    // The list as the key's values "0", "1", ... under the same rule; see replaceList.
    bool writeList(const QString& key, const QStringList& list);

    // Makes a key hold exactly the list, as "0", "1", ...: every other value goes. The key
    // keeps its place in the store, so a list written again as it was changes nothing.
    static bool replaceList(const QString& key, const QStringList& list);
    // Removes every value of a key and keeps the key where it is.
    static bool clearValues(const QString& key);

private:
    bool settle(const QString& key, const QString& name, const QStringList& errors, const QString& setting);
    static QString cannotRead(const QString& setting, const QString& text);
    static QString id(const QString& key, const QString& name) { return key + QLatin1Char('|') + name; }

    QSet<QString> unread_;
    QHash<QString, QVariant> left_;
    QStringList problems_;
};

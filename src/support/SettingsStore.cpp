#include "support/SettingsStore.h"

#include "support/Messenger.h"
#include "support/Translate.h"

#include <algorithm>

void SettingsStore::markUnread(const QString& key, const QString& name) { unread_.insert(id(key, name)); }
void SettingsStore::markRead(const QString& key, const QString& name) { unread_.remove(id(key, name)); }

bool SettingsStore::isUnread(const QString& key, const QString& name) const
{
    return unread_.contains(id(key, name));
}

QString SettingsStore::cannotRead(const QString& setting, const QString& text)
{
    return setting.isEmpty() ? text
                             : translated(QT_TRANSLATE_NOOP("Vemox", "%1 cannot be read: %2")).arg(setting, text);
}

bool SettingsStore::settle(const QString& key, const QString& name, const QStringList& errors,
                           const QString& setting)
{
    for (const QString& e : errors)
        problems_.append(cannotRead(setting, e));
    if (!errors.isEmpty())
        return false;
    markRead(key, name);
    return true;
}

SettingsStore::List SettingsStore::readList(const QString& key, const QString& setting)
{
    List list;
    QStringList names;
    {
        ZYMAPI::CallErrors caught;
        ZYMAPI::ReadRegistryNames(HKEY_CURRENT_USER, key, names, KEY_READ);
        problems_ += caught.take();
    }
    // Entries run up to the highest name present: a gap (an entry taken out by hand) is a
    // damaged entry, so the save does not move or drop the entries after it.
    constexpr int kLongestList = 4096;
    int count = 0;
    for (const QString& name : names) {
        bool number = false;
        const int n = name.toInt(&number);
        if (number && n >= 0 && n < kLongestList && QString::number(n) == name)
            count = std::max(count, n + 1);
    }
    const QSet<QString> present(names.begin(), names.end());
    for (int i = 0; i < count; ++i) {
        const QString name = QString::number(i);
        QString entry;
        ZYMAPI::CallErrors caught;
        if (present.contains(name))
            ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, key, name, entry, KEY_READ);
        QStringList errors = caught.take();
        if (!present.contains(name))
            errors.append(translated(QT_TRANSLATE_NOOP("Vemox", "it is missing")));
        for (const QString& e : errors)
            problems_.append(cannotRead(translated(QT_TRANSLATE_NOOP("Vemox", "%1 entry %2")).arg(setting, name), e));
        if (!errors.isEmpty()) {
            list.damaged.append(i);
            entry.clear();
        }
        list.entries.append(entry);
    }
    list.found = !list.entries.isEmpty();
    if (list.damaged.isEmpty())
        markRead(key);
    return list;
}

void SettingsStore::left(const QString& key, const QString& name, const QVariant& value)
{
    left_.insert(id(key, name), value);
}

void SettingsStore::reportProblems()
{
    if (problems_.isEmpty())
        return;
    // One problem is told as it stands; several are one box of full sentences.
    QStringList lines = problems_;
    if (lines.size() > 1)
        for (QString& line : lines)
            line = errorBoxText(line);
    problems_.clear();
    messenger().errorBox(lines.join(QLatin1Char('\n')));
}

bool SettingsStore::mayWrite(const QString& key, const QString& name, const QVariant& value) const
{
    if (!isUnread(key, name))
        return true;
    const auto was = left_.constFind(id(key, name));
    return was != left_.cend() && *was != value;
}

bool SettingsStore::writeList(const QString& key, const QStringList& list)
{
    if (!mayWrite(key, {}, list))
        return true;
    return replaceList(key, list);
}

bool SettingsStore::replaceList(const QString& key, const QStringList& list)
{
    ZYMAPI::StoreChange change;   // never seen half replaced
    const bool cleared = clearValues(key);
    const bool written = ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, key, list, KEY_WRITE);
    return change.commit() && cleared && written;
}

bool SettingsStore::clearValues(const QString& key)
{
    QStringList names;
    ZYMAPI::ReadRegistryNames(HKEY_CURRENT_USER, key, names, KEY_READ);
    bool ok = true;
    for (const QString& name : std::as_const(names))
        ok = ZYMAPI::DeleteRegistryKeyValue(HKEY_CURRENT_USER, key, name, KEY_WRITE) && ok;
    return ok;
}

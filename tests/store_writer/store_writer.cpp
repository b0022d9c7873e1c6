// Writes to the store until it is killed. Starting from the stored Counter, for n = Counter+1,
// Counter+2, ... it writes Counter = n, then Payload = the text of n repeated, then the list
// Rows with n in every entry, and after each of these calls prints one byte on its output so
// that the parent knows a write has gone through. The key is \Software\VEMOX\Kill, or the
// one given as the first argument.
//
// With "list" as the second argument it instead replaces a list as the loader replaces its
// hosts: for n = 1, 2, ... it deletes the key and writes n in entries "0" to n % 5, both in
// one change, and prints one byte after each change.
#include "support/Zymregistry.h"

#include <QByteArrayView>
#include <QStringList>
#include <unistd.h>

namespace {
void tick()
{
    const char dot = '.';
    if (::write(STDOUT_FILENO, &dot, 1) < 0) {
        // The parent stopped listening; it is about to kill this process anyway.
    }
}
} // namespace

int replaceLists(const QString& key)
{
    for (int n = 1;; ++n) {
        ZYMAPI::StoreChange change;
        ZYMAPI::DeleteRegistryKey(HKEY_CURRENT_USER, key, KEY_ALL_ACCESS);
        if (!ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, key, QStringList(n % 5 + 1, QString::number(n)), KEY_WRITE) ||
            !change.commit())
            return 1;
        tick();
    }
}

int main(int argc, char** argv)
{
    const QString key = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("\\Software\\VEMOX\\Kill");
    if (argc > 2 && QByteArrayView(argv[2]) == QByteArrayView("list"))
        return replaceLists(key);
    int n = 0;
    ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, key, QStringLiteral("Counter"), n, KEY_READ);
    for (;;) {
        ++n;
        const QString text = QString::number(n);
        if (!ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, key, QStringLiteral("Counter"), n, KEY_WRITE))
            return 1;
        tick();
        QString payload;
        for (int i = 0; i < 1000; ++i)
            payload += text + QLatin1Char('|');
        if (!ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, key, QStringLiteral("Payload"), payload, KEY_WRITE))
            return 1;
        tick();
        QStringList rows;
        for (int i = 0; i < 8; ++i)
            rows.append(text);
        if (!ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, key + QStringLiteral("\\Rows"), rows, KEY_WRITE))
            return 1;
        tick();
    }
}

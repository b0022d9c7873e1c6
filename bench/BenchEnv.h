#pragma once
// What the benchmarks start from: a store of their own and a working folder holding the
// built resource library and, where asked, the shipped "currency.dat".
#include "support/DataFolder.h"
#include "Defs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace bench {

// Points the store at the folder; call it before the application object is made.
inline void useStoreIn(const QTemporaryDir& store)
{
    qputenv("XDG_CONFIG_HOME", store.path().toLocal8Bit());
}

inline QString builtLibrary() { return QStringLiteral(VEMOX_BINARY_DIR "/dll/ZYM_VEMOX.dll"); }
inline QString shippedData() { return QStringLiteral(VEMOX_SOURCE_DIR "/share/currency.dat"); }

// Copies the library (and the shipped data) into the folder and works there. False when
// either is missing: the resource_library target is not built.
inline bool enterShippedFolder(const QTemporaryDir& folder, bool withData = true)
{
    QDir().mkpath(folder.path() + "/dll");
    if (!QFile::copy(builtLibrary(), folder.path() + "/dll/ZYM_VEMOX.dll"))
        return false;
    if (withData && !QFile::copy(shippedData(), folder.path() + "/" + Defs::kCurrencyFile))
        return false;
    DataFolder::set(folder.path());
    return QDir::setCurrent(folder.path());
}

} // namespace bench

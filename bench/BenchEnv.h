#pragma once
// What the benchmarks start from: a store of their own, a working folder holding the built
// resource library and, where asked, the shipped "currency.dat", and the run of the
// benchmarks registered with BENCHMARK.
#include "support/DataFolder.h"
#include "support/Messenger.h"
#include "Defs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace bench {

// Points the store at the folder; call it before the application object is made.
inline void useStoreIn(const QTemporaryDir& store)
{
    qputenv("XDG_CONFIG_HOME", store.path().toLocal8Bit());
}

// For benchmarks that make windows: the store under the folder, the offscreen platform unless
// another is asked for, and a private runtime folder. Call it before the application object.
inline void useWindowEnvironmentIn(const QTemporaryDir& root)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString runtime = root.path() + "/runtime";
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.path() + "/config"));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
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

// Runs the registered benchmarks, then prints the first message the program would have shown,
// since a benchmark that met an error measured something else. Leaves the working folder.
inline int runRegistered(int& argc, char** argv, const ScriptedMessenger& quiet)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!quiet.shown.empty())
        std::printf("Messages shown: %s\n", qPrintable(quiet.shown.front().text));
    QDir::setCurrent(QDir::tempPath());
    return 0;
}

} // namespace bench

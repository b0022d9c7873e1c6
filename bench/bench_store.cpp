// The per-user store: a settings save of 160 string values, one change each and all in one
// change (target under 100 ms in all), one value read from a 20 KB store file (target
// under 1 ms), and every value of a hand-grown key removed one by one in one change, as the
// close clears a list before it writes it again (the time grows with the count, not its
// square: 100,000 values well under a second).
#include "BenchEnv.h"
#include "support/Messenger.h"
#include "support/RegStore.h"
#include "support/Zymregistry.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <optional>

namespace {

const QString kKey = QStringLiteral("\\Software\\VEMOX\\Ct");

QString row(int i)
{
    return QStringLiteral("EUR|Euro Member Countries|%1|1.0842|1.0731|1.0955|2024-06-11 09:30").arg(i);
}

void removeStore()
{
    QFile::remove(regstore::storeFilePath());
    QFile::remove(regstore::storeFilePath() + QStringLiteral(".lock"));
}

void write160(bool grouped)
{
    std::optional<ZYMAPI::StoreChange> change;
    if (grouped)
        change.emplace();
    for (int i = 0; i < 160; ++i)
        ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, kKey, QString::number(i), row(i), KEY_WRITE);
    if (change)
        change->commit();
}

void writeAll(benchmark::State& state, bool durable, bool grouped)
{
    regstore::setDurableWrites(durable);
    for (auto _ : state) {
        state.PauseTiming();
        removeStore();
        state.ResumeTiming();
        write160(grouped);
    }
    regstore::setDurableWrites(false);
    QString last;
    if (!ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, kKey, QStringLiteral("159"), last, KEY_READ) || last != row(159))
        state.SkipWithError("the last value was not written");
    state.counters["file_bytes"] = double(QFile(regstore::storeFilePath()).size());
}

void BM_Write160Strings(benchmark::State& state) { writeAll(state, false, false); }
void BM_Write160StringsDurable(benchmark::State& state) { writeAll(state, true, false); }
void BM_Write160StringsOneChange(benchmark::State& state) { writeAll(state, false, true); }
void BM_Write160StringsOneChangeDurable(benchmark::State& state) { writeAll(state, true, true); }

// A store of about 20 KB, in several keys as the program's own is.
void makeStore20K()
{
    removeStore();
    regstore::WriteSession session;
    int i = 0;
    while (session.store().serialize().size() < 20 * 1024) {
        const QString key = QStringLiteral("Software\\VEMOX\\K%1").arg(i / 40);
        session.store().setValue(key, QString::number(i), regstore::RegSz, row(i).toLatin1() + '\0');
        ++i;
    }
    session.store().setValue("Software\\VEMOX\\G_r", "h_c", regstore::RegSz, QByteArray("Unt. States\0", 12));
    session.commit();
}

void BM_ReadOneFrom20KB(benchmark::State& state)
{
    makeStore20K();
    QString value;
    for (auto _ : state) {
        ZYMAPI::ReadRegistry(HKEY_CURRENT_USER, QStringLiteral("\\Software\\VEMOX\\G_r"), QStringLiteral("h_c"), value, KEY_READ);
        benchmark::DoNotOptimize(value);
    }
    if (value != QStringLiteral("Unt. States"))
        state.SkipWithError("the value was not read");
    state.counters["file_bytes"] = double(QFile(regstore::storeFilePath()).size());
}

// A key of `count` string values, written at once.
void makeKey(int count)
{
    removeStore();
    regstore::WriteSession session;
    for (int i = 0; i < count; ++i)
        session.store().setValue("Software\\VEMOX\\Ct", QString::number(i), regstore::RegSz, row(i).toLatin1() + '\0');
    session.commit();
}

void BM_RemoveEveryValueOfAKey(benchmark::State& state)
{
    const int count = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        makeKey(count);
        state.ResumeTiming();
        ZYMAPI::StoreChange change;
        for (int i = 0; i < count; ++i)
            ZYMAPI::DeleteRegistryKeyValue(HKEY_CURRENT_USER, kKey, QString::number(i), KEY_WRITE);
        change.commit();
    }
    QStringList left;
    if (ZYMAPI::ReadRegistryNames(HKEY_CURRENT_USER, kKey, left, KEY_READ) || !left.isEmpty())
        state.SkipWithError("values were left");
}

} // namespace

BENCHMARK(BM_Write160Strings)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Write160StringsDurable)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Write160StringsOneChange)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Write160StringsOneChangeDurable)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadOneFrom20KB)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RemoveEveryValueOfAKey)->Unit(benchmark::kMillisecond)->Iterations(1)->Arg(1000)->Arg(4000)->Arg(16000)->Arg(100000);

int main(int argc, char** argv)
{
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    ScriptedMessenger quiet;
    setMessenger(&quiet);
    std::printf("Targets: BM_Write160Strings under 100 ms, BM_ReadOneFrom20KB under 1000 us,\n"
                "BM_RemoveEveryValueOfAKey/100000 under 1000 ms.\n"
                "OneChange: the 160 writes in one StoreChange, as a settings save makes them.\n"
                "Durable adds fdatasync of every file and fsync of its folder.\n");
    return bench::runRegistered(argc, argv, quiet);
}

// The update as a counter makes it against a shop's servers, which bench_webupdate.sh starts:
// the first host (VEMOX_BENCH_HOST) behind the proxy VEMOX_BENCH_PROXY ("host:port") that asks
// for VEMOX_BENCH_USER and VEMOX_BENCH_PASSWORD. In the main window, offscreen: the time from
// the U key to the new table in use. Then the update alone, with its transfer (request to last
// byte, through the proxy's tunnel and the TLS handshake) and the load of the table apart.
#include "BenchEnv.h"
#include "Defs.h"
#include "Forms/TForm1.h"
#include "calc/CounterSession.h"
#include "calc/MainState.h"
#include "data/CurrencyTable.h"
#include "data/RateUpdate.h"
#include "support/Messenger.h"
#include "support/ProxySettings.h"
#include "support/Zymregistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 20;

struct Stats {
    double best, median;
};
Stats stats(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return {v.front(), v[v.size() / 2]};
}

QString env(const char* name) { return qEnvironmentVariable(name); }

bool storeServers()
{
    const QString proxy = env("VEMOX_BENCH_PROXY");
    ProxySettings s;
    s.useProxy = !proxy.isEmpty();
    s.address = proxy.section(QLatin1Char(':'), 0, 0);
    s.port = proxy.section(QLatin1Char(':'), 1).toInt();
    s.userId = env("VEMOX_BENCH_USER");
    s.password = env("VEMOX_BENCH_PASSWORD");
    return s.save();
}

// After the data file's load, which stores its own hosts; every reply then names the same.
bool storeHost()
{
    return ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyHosts, QStringList{env("VEMOX_BENCH_HOST")}, KEY_WRITE);
}

// The served reply is the one in use: its rate of the given country, and nothing told but
// the reply's own note.
bool inUse(const CurrencyTable& table, const ScriptedMessenger& quiet)
{
    const CCurrencyData* c = table.FindByCountry(env("VEMOX_BENCH_COUNTRY"));
    if (quiet.errors().isEmpty() && c && qFuzzyCompare(c->GetRate(), env("VEMOX_BENCH_RATE").toDouble()))
        return true;
    std::printf("The update failed: %s (rate %g)\n", qPrintable(quiet.errors().join(QLatin1Char('|'))),
                c ? c->GetRate() : -1.0);
    return false;
}

int benchWindow(ScriptedMessenger& quiet)
{
    TForm1 form;
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form) || !storeHost())
        return std::printf("The main window did not come up\n"), 1;
    std::vector<double> key;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer t;
        t.start();
        QTest::keyClick(&form, Qt::Key_U);
        key.push_back(t.nsecsElapsed() / 1e6);
        if (!inUse(form.session().currencies(), quiet))
            return 1;
    }
    const Stats s = stats(key);
    std::printf("Update from %s through proxy %s, %d runs:\n", qPrintable(env("VEMOX_BENCH_HOST")),
                qPrintable(env("VEMOX_BENCH_PROXY")), kRuns);
    std::printf("  U key to the table in use (main window): best %.2f ms, median %.2f ms (first %.2f ms)\n",
                s.best, s.median, key.front());
    return 0;
}

int benchCore(ScriptedMessenger& quiet)
{
    MainState state;
    CurrencyTable table;
    RateUpdate update(table);
    state.follow(update);
    std::vector<double> total, transfer, load;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer t;
        t.start();
        update.GoUpdateFromTheWeb();
        total.push_back(t.nsecsElapsed() / 1e6);
        transfer.push_back(update.lastTiming().transferNs / 1e6);
        load.push_back(update.lastTiming().loadNs / 1e6);
        if (!inUse(table, quiet))
            return 1;
    }
    const Stats a = stats(total), b = stats(transfer), c = stats(load);
    std::printf("  the update alone: best %.2f ms, median %.2f ms\n", a.best, a.median);
    std::printf("  transfer (proxy, tunnel, TLS, reply): best %.2f ms, median %.2f ms\n", b.best, b.median);
    std::printf("  load of the new table: best %.2f ms, median %.2f ms\n", c.best, c.median);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir root;
    bench::useWindowEnvironmentIn(root);
    QApplication app(argc, argv);
    ScriptedMessenger quiet;
    MessengerScope scope(&quiet);
    QTemporaryDir work;
    if (!bench::enterShippedFolder(work))
        return std::printf("The shipped library or currency.dat is missing: build the resource_library target first\n"), 1;
    if (env("VEMOX_BENCH_HOST").isEmpty() || !storeServers())
        return std::printf("Run bench/webupdate/bench_webupdate.sh: it starts the servers\n"), 1;
    const int rc = benchWindow(quiet);
    return rc ? rc : benchCore(quiet);
}

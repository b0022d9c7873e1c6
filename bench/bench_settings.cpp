// The main window's settings over the shipped data: the load at start-up and the save at
// close of a full layout (144 slots, nine tab captions, thirty commission entries).
// Target: under 10 ms each, since the save runs while the window closes.
#include "BenchEnv.h"
#include "Defs.h"
#include "calc/CommissionTable.h"
#include "calc/MainState.h"
#include "data/ButtonLayout.h"
#include "data/CurrencyLoader.h"
#include "data/CurrencyTable.h"
#include "calc/MainSettings.h"
#include "support/Messenger.h"
#include "support/Zymregistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRounds = 50;

// The median of the rounds, in milliseconds.
template <typename Body>
double medianMs(Body body)
{
    std::vector<double> ms;
    for (int i = 0; i < kRounds; ++i) {
        QElapsedTimer t;
        t.start();
        body();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

// Every slot of every tab holds a country of the table; the tabs carry names of their own.
void fillLayout(ButtonLayout& layout, const CurrencyTable& table)
{
    layout.ButtonAssignments.clear();
    for (int i = 0; i < ButtonLayout::kShownEntries; ++i)
        layout.ButtonAssignments.append(table.At(i % table.Count())->GetCountryName());
    for (int t = 0; t < ButtonLayout::kTabs; ++t)
        layout.setTabName(t, QStringLiteral("Counter %1").arg(t + 1));
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir store;
    bench::useStoreIn(store);
    QCoreApplication app(argc, argv);
    ScriptedMessenger quiet;
    setMessenger(&quiet);

    QTemporaryDir shipped;
    if (!bench::enterShippedFolder(shipped)) {
        std::printf("The shipped library is not built; build the target resource_library first\n");
        return 1;
    }
    CurrencyTable table;
    if (!LoadCurrencyData(table)) {
        std::printf("The shipped data did not load, no figure%s%s\n", quiet.shown.empty() ? "" : ": ",
                    quiet.shown.empty() ? "" : qPrintable(quiet.shown.front().text));
        return 1;
    }

    MainState state;
    QString numberFormat;
    CommissionTable charges;
    ButtonLayout layout;
    MainSettings settings(state, numberFormat, table, charges, layout);
    fillLayout(layout, table);
    state.payment = Payment::CreditCard;
    state.rateKind = RateKind::Sell;
    state.commission = true;
    state.home.country = QStringLiteral("Unt. States");
    QStringList entries;
    for (int i = 0; i < CommissionTable::kEntries; ++i)
        entries.append(QString::number(i * 0.25, 'f', 3));
    charges.Save(entries);

    const double save = medianMs([&] { settings.save(); });
    const double load = medianMs([&] {
        MainState fresh;
        ButtonLayout freshLayout;
        MainSettings again(fresh, numberFormat, table, charges, freshLayout);
        again.load();
    });
    const qint64 bytes = QFile(store.path() + "/vemox/registry.reg").size();
    std::printf("SaveSettings, full layout: %.2f ms (target under 10 ms)\n", save);
    std::printf("LoadSettings, full layout: %.2f ms (target under 10 ms)\n", load);
    std::printf("Store file: %lld bytes, %d currencies in the table\n", static_cast<long long>(bytes), table.Count());
    if (!quiet.shown.empty())
        std::printf("Messages shown: %s\n", qPrintable(quiet.shown.front().text));
    return 0;
}

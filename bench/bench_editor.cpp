// Opening the currency editor over a table of 20,000 currencies: from the command to the
// window shown and painted with its whole tree built (the library opened, every node made,
// the store read for the two options). The regions are spread over every node of the tree,
// one in twenty currencies without a rate, 500 of them the operator's own.
#include "BenchEnv.h"
#include "Forms/TCurrencyEditor.h"
#include "data/CurrencyTable.h"
#include "support/Messenger.h"

#include <QApplication>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

CurrencyTable* table = nullptr;

void fill(CurrencyTable& t, int n)
{
    const char* regions[] = {"Central Africa", "East Africa", "North Africa", "South Africa", "West Africa",
                             "Central America", "North America", "South America", "Antarctica", "Asia",
                             "Caribbean", "Europe", "Middle East", "Oceania"};
    for (int i = 0; i < n; ++i) {
        const bool own = i >= n - 500;
        const double rate = i % 20 == 0 ? 0.0 : 0.5 + i * 0.731;
        t.Append(std::make_unique<CCurrencyData>(
            rate, own ? QStringLiteral("User Defined") : QString::fromLatin1(regions[i % std::size(regions)]),
            QStringLiteral("Country %1").arg(i), QStringLiteral("C%1").arg(i % 17576), QStringLiteral("Units"),
            own ? NoResourceIndex : i));
    }
    t.SetUserFileRead(true);
}

void BM_OpenEditor(benchmark::State& state)
{
    int nodes = 0;
    for (auto _ : state) {
        auto editor = std::make_unique<TCurrencyEditor>(*table, nullptr);
        editor->show();
        editor->repaint();
        state.PauseTiming();
        auto* tv = editor->findChild<QTreeWidget*>(QStringLiteral("TV"));
        nodes = tv ? tv->topLevelItemCount() : 0;
        editor.reset();
        state.ResumeTiming();
    }
    if (nodes != 9)
        state.SkipWithError("the tree was not built");
}
BENCHMARK(BM_OpenEditor)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir store, work;
    bench::useStoreIn(store);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ScriptedMessenger quiet;
    setMessenger(&quiet);
    if (!bench::enterShippedFolder(work, false)) {
        std::printf("Build the resource_library target first.\n");
        return 1;
    }
    CurrencyTable t;
    fill(t, 20000);
    table = &t;
    std::printf("Target: BM_OpenEditor under 300 ms with 20,000 currencies.\n");
    return bench::runRegistered(argc, argv, quiet);
}

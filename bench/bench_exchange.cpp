// One conversion with charges, as a currency button makes it: the resource library loaded
// and checked, the rates read, the charges of a cash sale with commission applied, the
// log line, the receipt cells and the accounting record. The shipped library is used, so
// the figure includes reading its flag for the foreign pane.
#include "calc/Calculator.h"
#include "calc/CommissionTable.h"
#include "calc/Exchange.h"
#include "data/CurrencyTable.h"
#include "support/Messenger.h"
#include "support/ResourceLibrary.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ScriptedMessenger quiet;
    MessengerScope scope(&quiet);
    const QString library = QStringLiteral(VEMOX_BINARY_DIR "/dll/ZYM_VEMOX.dll");
    if (!QFileInfo::exists(library)) {
        std::printf("no library at %s: build the target resource_library first\n", qPrintable(library));
        return 1;
    }

    MainState state;
    TransactionLog log;
    CurrencyTable table;
    table.Append(new CCurrencyData(1.0, "North America", "Unt. States", "USD", "Dollar", 0));
    table.Append(new CCurrencyData(0.79, "Europe", "Unt. Kingdom", "GBP", "Pound", 1));
    CommissionTable charges;
    charges.LoadCommissionTable(CommissionTable::Defaults());
    Calculator calc(state, log, charges);
    Exchanger ex(calc, table, charges);
    ex.LibraryPath = library;
    state.payment = Payment::Cash;
    state.rateKind = RateKind::Sell;
    state.commission = true;

    constexpr int kRuns = 200;
    double best = 1e99, total = 0;
    for (int r = 0; r < kRuns; ++r) {
        calc.OnCancel();
        ex.Exchange(QStringLiteral("Unt. States"));   // the home currency
        for (const char* k = "100"; *k; ++k)
            calc.OnNumeric(QString(QLatin1Char(*k)));
        QElapsedTimer t;
        t.start();
        const auto c = ex.Exchange(QStringLiteral("Unt. Kingdom"));
        const double ms = t.nsecsElapsed() / 1e6;
        if (!c) {
            std::printf("the conversion failed\n");
            return 1;
        }
        best = std::min(best, ms);
        total += ms;
    }
    std::printf("one conversion with charges (library %lld bytes): best %.3f ms, mean %.3f ms over %d runs\n",
                static_cast<long long>(QFileInfo(library).size()), best, total / kRuns, kRuns);
    std::printf("result: %s, log: %s\n", qPrintable(state.display), qPrintable(log.Lines().last()));
    return 0;
}

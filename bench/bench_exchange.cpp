// One conversion with charges, as a currency button makes it: the resource library loaded
// and checked, the rates read, the charges of a cash sale with commission applied, the
// log line, the receipt cells and the accounting record. The shipped library is used, so
// the figure includes reading its flag for the foreign pane.
//
// Then the same conversion in the main window, offscreen: from the click on the currency
// button to the window repainted with the result, the foreign pane and its flag. The
// charges there are those of the window's commission table as the start-up leaves it.
#include "BenchEnv.h"
#include "support/DataFolder.h"
#include "Forms/TForm1.h"
#include "calc/CounterSession.h"
#include "calc/Calculator.h"
#include "calc/CommissionTable.h"
#include "calc/Exchange.h"
#include "data/CurrencyTable.h"
#include "support/Messenger.h"
#include "support/ResourceLibrary.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTabBar>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <cstdio>

namespace {
int benchCore(const QString& library);
int benchWindow(const QString& library);
} // namespace

int main(int argc, char** argv)
{
    // The window is drawn offscreen, into a store and working folder of its own.
    QTemporaryDir root;
    bench::useWindowEnvironmentIn(root);
    QApplication app(argc, argv);
    ScriptedMessenger quiet;
    MessengerScope scope(&quiet);
    const QString library = QStringLiteral(VEMOX_BINARY_DIR "/dll/ZYM_VEMOX.dll");
    if (!QFileInfo::exists(library)) {
        std::printf("no library at %s: build the target resource_library first\n", qPrintable(library));
        return 1;
    }
    const QString work = root.path() + "/work";
    if (!QDir().mkpath(work + "/dll") || !QFile::copy(library, work + "/dll/ZYM_VEMOX.dll") ||
        !QFile::copy(QStringLiteral(VEMOX_SOURCE_DIR "/share/currency.dat"), work + "/currency.dat") ||
        !QDir::setCurrent(work) || (DataFolder::set(work), false)) {
        std::printf("cannot prepare the working folder %s\n", qPrintable(work));
        return 1;
    }
    const int rc = benchCore(library);
    return rc ? rc : benchWindow(library);
}

namespace {
int benchCore(const QString& library)
{

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

int benchWindow(const QString& library)
{
    TForm1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        std::printf("the main window was not shown\n");
        return 1;
    }
    auto* clear = form.findChild<QToolButton*>(QStringLiteral("keyclear"));
    auto* home = form.findChild<QPushButton*>(QStringLiteral("Button1"));
    auto* foreign = form.findChild<QPushButton*>(QStringLiteral("Button2"));
    if (!clear || !home || !foreign) {
        std::printf("the main window has no currency buttons\n");
        return 1;
    }
    form.session().layout().assign(0, 1, QStringLiteral("Unt. States"));
    form.session().layout().assign(0, 2, QStringLiteral("Unt. Kingdom"));
    auto* tabs = form.findChild<QTabBar*>(QStringLiteral("TabControl1"));   // shown as the tab is chosen again
    tabs->setCurrentIndex(1);
    tabs->setCurrentIndex(0);
    form.session().state().payment = Payment::Cash;
    form.session().state().rateKind = RateKind::Sell;
    form.session().state().commission = true;
    form.session().state().announce();

    constexpr int kRuns = 200;
    double best = 1e99, total = 0;
    for (int r = 0; r < kRuns; ++r) {
        QTest::mouseClick(clear, Qt::LeftButton);
        QTest::mouseClick(home, Qt::LeftButton);
        for (const char* k = "100"; *k; ++k)
            QTest::keyClick(&form, *k);
        QCoreApplication::processEvents();
        QElapsedTimer t;
        t.start();
        QTest::mouseClick(foreign, Qt::LeftButton);
        QCoreApplication::processEvents();   // the window repaints what changed
        const double ms = t.nsecsElapsed() / 1e6;
        best = std::min(best, ms);
        total += ms;
    }
    const QString shown = form.session().state().display;
    std::printf("one conversion in the window, click to repainted display (library %lld bytes): best %.3f ms, "
                "mean %.3f ms over %d runs\n",
                static_cast<long long>(QFileInfo(library).size()), best, total / kRuns, kRuns);
    std::printf("result: %s %s, log: %s\n", qPrintable(shown), qPrintable(form.session().state().displayCurrency),
                qPrintable(form.session().log().Lines().last()));
    return shown == QLatin1String("0") ? 1 : 0;
}
} // namespace

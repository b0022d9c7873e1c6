// Switching tabs of currency buttons: from the press on a tab to the sixteen slots
// repainted with their captions and flags (the library opened and read each time), on the
// real main window offscreen. Tabs 0 and 1 of the European layout are both full, so every
// switch changes all sixteen slots. The shipped library and rates are used when they have
// been built, else 40 synthetic European currencies.
#include "support/DataFolder.h"
#include "Defs.h"
#include "Forms/TForm1.h"
#include "calc/CounterSession.h"
#include "BenchEnv.h"
#include "support/Messenger.h"
#include "support/ResourceLibrary.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTabBar>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

TForm1* form = nullptr;

// 40 European currencies with flags of their own, and a reply with their rates.
void writeData(const QString& dir)
{
    ResourceLibraryWriter w;
    const int n = 40;
    w.AddString(Defs::kResCount, QString::number(n));
    QByteArray reply = "<KRTDATE>1 Dec 2026</KRTDATE>\r\n<KRTHOST>127.0.0.1</KRTHOST>\r\n"
                       "<KRTHOST>127.0.0.1</KRTHOST>\r\n<KRTHOST>127.0.0.1</KRTHOST>\r\n";
    for (int i = 0; i < n; ++i) {
        const QString iso = QStringLiteral("E%1").arg(i, 2, 10, QLatin1Char('0'));
        w.AddString(Defs::kResRegion + i, QStringLiteral("Europe"));
        w.AddString(Defs::kResIso + i, iso);
        w.AddString(Defs::kResCountry + i, QStringLiteral("Country %1").arg(i, 2, 10, QLatin1Char('0')));
        w.AddString(Defs::kResDenomination + i, QStringLiteral("Units"));
        QByteArray rgb(35 * 20 * 3, 0);
        for (int p = 0; p < rgb.size(); ++p)
            rgb[p] = char((p * 7 + i * 31) & 0xFF);
        w.AddPicture(ResourceLibrary::FlagId(i), ResourcePicture{35, 20, rgb});
        reply += "<KRTISO>" + iso.toLatin1() + "</KRTISO><KRTDATA>1.25</KRTDATA>\r\n";
    }
    QDir(dir).mkpath(QStringLiteral("dll"));
    w.Save(dir + QLatin1Char('/') + Defs::kResourceLibrary);
    QFile f(dir + QLatin1Char('/') + Defs::kCurrencyFile);
    if (f.open(QIODevice::WriteOnly))
        f.write(reply);
}

void press(QTabBar* bar, int tab)
{
    const QPointF at = bar->tabRect(tab).center();
    QMouseEvent down(QEvent::MouseButtonPress, at, bar->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent up(QEvent::MouseButtonRelease, at, bar->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, {});
    QCoreApplication::sendEvent(bar, &down);
    QCoreApplication::sendEvent(bar, &up);
}

void BM_SwitchTab(benchmark::State& state)
{
    auto* bar = form->findChild<QTabBar*>(QStringLiteral("TabControl1"));
    QWidget* area = form->findChild<QWidget*>(QStringLiteral("TabArea"));
    int tab = 0;
    for (auto _ : state) {
        tab = 1 - tab;
        press(bar, tab);
        area->repaint();   // paints at once, flags included
    }
    if (form->session().layout().at(bar->currentIndex(), 16).isEmpty())
        state.SkipWithError("the tab was not filled");
}
BENCHMARK(BM_SwitchTab)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir store, work;
    qputenv("XDG_CONFIG_HOME", store.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ScriptedMessenger quiet;
    setMessenger(&quiet);
    const QString lib = QStringLiteral(VEMOX_BINARY_DIR "/dll/ZYM_VEMOX.dll");
    const QString dat = QStringLiteral(VEMOX_SOURCE_DIR "/share/currency.dat");
    QDir(work.path()).mkpath(QStringLiteral("dll"));
    const bool shipped = QFile::copy(lib, work.path() + QStringLiteral("/dll/ZYM_VEMOX.dll"))
                         && QFile::copy(dat, work.path() + QStringLiteral("/currency.dat"));
    if (!shipped)
        writeData(work.path());
    QDir::setCurrent(work.path());
    DataFolder::set(work.path());
    std::printf("Data: %s\n", shipped ? "the shipped library and rates" : "40 synthetic European currencies");

    TForm1 window;
    form = &window;
    window.command(Command::Europe)->trigger();
    window.show();
    QCoreApplication::processEvents();

    std::printf("Target: BM_SwitchTab far below one frame (16 ms = 16000 us).\n");
    return bench::runRegistered(argc, argv, quiet);
}

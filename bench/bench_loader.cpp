// Loading the currency data: the shipped library and "currency.dat", synthetic libraries of
// 2,000 and 20,000 currencies with replies of as many lines (linear growth), and a reply with
// 3,000 exceptions lines, each one a value of the store (target under 100 ms).
#include "support/DataFolder.h"
#include "BenchEnv.h"
#include "Defs.h"
#include "data/CurrencyLoader.h"
#include "data/CurrencyTable.h"
#include "support/Messenger.h"
#include "support/ResourceLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

// A load that failed: it has no figure, and the benchmark ends with an error.
struct LoadFailed {
    const char* what;
};

// Best of several runs, in milliseconds.
double loadMs(const char* what, int runs, int* count = nullptr)
{
    double best = 1e99;
    for (int r = 0; r < runs; ++r) {
        CurrencyTable table;
        QElapsedTimer t;
        t.start();
        const bool ok = LoadCurrencyData(table);
        best = std::min(best, t.nsecsElapsed() / 1e6);
        if (!ok)
            throw LoadFailed{what};
        if (count)
            *count = table.Count();
    }
    return best;
}

// Every string id gets its own text, so the ranges may overlap beyond 1,000 currencies and the
// ISO codes stay unique all the same.
void writeSynthetic(const QString& dir, int n)
{
    QDir().mkpath(dir + "/dll");
    ResourceLibraryWriter w;
    w.AddString(Defs::kResCount, QString::number(n));
    for (int id = Defs::kResRegion; id < Defs::kResDenomination + n; ++id)
        w.AddString(id, QStringLiteral("S%1").arg(id));
    const ResourcePicture flag{35, 20, QByteArray(35 * 20 * 3, '\x55')};
    for (int i = 0; i < n; ++i)
        w.AddPicture(ResourceLibrary::FlagId(i), flag);
    w.Save(dir + "/" + Defs::kResourceLibrary);

    QByteArray reply = "<KRTDATE>bench</KRTDATE>\r\n<KRTHOST>127.0.0.1</KRTHOST>\r\n<KRTHOST>127.0.0.1</KRTHOST>\r\n";
    // The reply lists the currencies backwards, so that the search has to find each one.
    for (int i = n - 1; i >= 0; --i)
        reply += "<KRTISO>S" + QByteArray::number(Defs::kResIso + i) + "</KRTISO><KRTDATA>1." +
                 QByteArray::number(i) + "</KRTDATA>\r\n";
    QFile f(dir + "/" + Defs::kCurrencyFile);
    f.open(QIODevice::WriteOnly);
    f.write(reply);
}

// A reply of the sample library with `lines` exceptions lines.
void writeExceptionsReply(const QString& dir, int lines)
{
    QDir().mkpath(dir + "/dll");
    QFile::copy(QStringLiteral(VEMOX_BINARY_DIR "/dll/ZYM_VEMOX.dll"), dir + "/dll/ZYM_VEMOX.dll");
    QByteArray reply = "<KRTDATE>bench</KRTDATE>\r\n<KRTHOST>127.0.0.1</KRTHOST>\r\n";
    for (int i = 0; i < lines; ++i)
        reply += "<KRTEXCEPTIONS>EXC" + QByteArray::number(i) + "|no commission on amounts under 50<KRTEXCEPTIONS>\r\n";
    QFile f(dir + "/" + Defs::kCurrencyFile);
    f.open(QIODevice::WriteOnly);
    f.write(reply);
}

void run(const QTemporaryDir& store)
{
    QTemporaryDir shipped;
    if (bench::enterShippedFolder(shipped)) {
        int count = 0;
        const double ms = loadMs("Shipped data", 20, &count);
        std::printf("Shipped data (%d currencies, library %lld bytes): %.2f ms (target under 5 ms)\n", count,
                    static_cast<long long>(QFile(bench::builtLibrary()).size()), ms);
    } else {
        std::printf("Shipped data: not built, skipped\n");
    }

    double small = 0, large = 0;
    for (int n : {2000, 20000}) {
        QTemporaryDir dir;
        writeSynthetic(dir.path(), n);
        QDir::setCurrent(dir.path());
        DataFolder::set(dir.path());
        const double ms = loadMs("Synthetic library", 5);
        std::printf("Synthetic library of %d currencies, reply of %d lines: %.2f ms\n", n, n, ms);
        (n == 2000 ? small : large) = ms;
    }
    std::printf("Ratio 20,000 / 2,000: %.2f (at most 12; linear is 10)\n", large / small);

    {
        QTemporaryDir dir;
        writeExceptionsReply(dir.path(), 3000);
        QDir::setCurrent(dir.path());
        DataFolder::set(dir.path());
        // The first load stores every entry; later ones find them stored already.
        QFile::remove(QDir(store.path()).filePath("vemox/registry.reg"));
        const double first = loadMs("Reply with exceptions lines", 1);
        const double again = loadMs("Reply with exceptions lines", 5);
        std::printf("Reply with 3,000 exceptions lines: %.2f ms into an empty store, %.2f ms again "
                    "(target under 100 ms)\n", first, again);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir store;
    bench::useStoreIn(store);
    QCoreApplication app(argc, argv);
    ScriptedMessenger quiet;
    setMessenger(&quiet);
    try {
        run(store);
    } catch (const LoadFailed& failed) {
        std::printf("%s: the load failed, no figure\n", failed.what);
        if (!quiet.shown.empty())
            std::printf("Message shown: %s\n", qPrintable(quiet.shown.front().text));
        return 1;
    }
    if (!quiet.shown.empty())
        std::printf("Messages shown: %s\n", qPrintable(quiet.shown.front().text));
    return 0;
}

// AppendToAccounts one export after another: 10,000 records of about a hundred bytes take the
// account file from empty to 1 MB. Each export reads its choices from the store and appends
// one record with one write; the figures show whether an append slows as the file grows.
#include "Defs.h"
#include "data/AccountingExport.h"
#include "support/Messenger.h"
#include "support/Zymregistry.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    QTemporaryDir store, data;
    qputenv("XDG_CONFIG_HOME", store.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    ScriptedMessenger quiet;
    setMessenger(&quiet);
    ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyGeneral, Defs::kValAddToAccountFile, true, KEY_WRITE);

    constexpr int kRecords = 10000, kSlice = 1000;
    const QString conversion =
        QStringLiteral("Dollars (USD),1,234.50,0.79,Pounds (GBP),975.25,0.00,0.00,975.25\r");
    const QDateTime now = QDateTime::currentDateTime();
    const QString file = data.path() + "/" + AccountingExport::kDefaultFileName;
    QString panel;
    std::printf("records   file size   mean us/append   median   max (over the last %d)\n", kSlice);
    std::vector<double> times;
    QElapsedTimer all;
    all.start();
    for (int n = 1; n <= kRecords; ++n) {
        QString pending = conversion;
        QElapsedTimer t;
        t.start();
        if (AccountingExport::AppendToAccounts(pending, "Base Rate", "Cash", data.path(), panel, now) !=
            AccountingExport::Outcome::Added) {
            std::printf("export %d failed\n", n);
            return 1;
        }
        times.push_back(t.nsecsElapsed() / 1e3);
        if (n % kSlice == 0) {
            std::vector<double> slice(times.end() - kSlice, times.end());
            std::sort(slice.begin(), slice.end());
            double sum = 0;
            for (double v : slice)
                sum += v;
            std::printf("%7d   %9lld   %14.1f   %6.1f   %6.1f\n", n, QFileInfo(file).size(), sum / kSlice,
                        slice[kSlice / 2], slice.back());
        }
    }
    std::printf("%d appends in %.1f ms; file %lld bytes\n", kRecords, all.nsecsElapsed() / 1e6, QFileInfo(file).size());
    return 0;
}

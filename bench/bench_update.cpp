// The update of the shipped reply from a loopback server: the time from the command to the
// reloaded table, with the transfer (request to last byte) and the load given separately.
#include "BenchEnv.h"
#include "Defs.h"
#include "calc/MainState.h"
#include "data/CurrencyTable.h"
#include "data/RateUpdate.h"
#include "support/Messenger.h"
#include "support/Zymregistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Answers every GET with the same body, then closes.
void serve(QTcpServer& server, const QByteArray& body)
{
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&server, body] {
        while (QTcpSocket* s = server.nextPendingConnection()) {
            QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            QObject::connect(s, &QTcpSocket::readyRead, s, [s, body] {
                if (!s->readAll().contains("\r\n\r\n"))
                    return;
                s->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                         QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
                s->disconnectFromHost();
            });
        }
    });
}

struct Stats {
    double best, median;
};
Stats stats(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return {v.front(), v[v.size() / 2]};
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir store;
    bench::useStoreIn(store);
    QCoreApplication app(argc, argv);
    ScriptedMessenger quiet;
    setMessenger(&quiet);

    QTemporaryDir work;
    QFile dat(bench::shippedData());
    if (!dat.open(QIODevice::ReadOnly) || !bench::enterShippedFolder(work, false)) {
        std::printf("The shipped library or currency.dat is missing: build the resource_library target first\n");
        return 1;
    }

    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    const QByteArray host = "127.0.0.1:" + QByteArray::number(server.serverPort());
    // The reply names the loopback server as its hosts, so every update asks it again.
    QByteArray reply = dat.readAll();
    reply.replace(Defs::kMakerWebHost.toLatin1(), host);
    serve(server, reply);
    QFile::copy(dat.fileName(), Defs::kCurrencyFile);
    ZYMAPI::WriteRegistry(HKEY_CURRENT_USER, Defs::kKeyHosts,
                          QStringList{QString::fromLatin1(host + Defs::kUpdatePath.toLatin1())}, KEY_WRITE);

    MainState state;
    CurrencyTable table;
    RateUpdate update(table);
    state.follow(update);
    constexpr int kRuns = 30;
    std::vector<double> total, transfer, load;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer t;
        t.start();
        update.GoUpdateFromTheWeb();
        total.push_back(t.nsecsElapsed() / 1e6);
        transfer.push_back(update.lastTiming().transferNs / 1e6);
        load.push_back(update.lastTiming().loadNs / 1e6);
        if (!quiet.errors().isEmpty() || table.Count() == 0) {
            std::printf("The update failed: %s\n", qPrintable(quiet.errors().join(QLatin1Char('|'))));
            return 1;
        }
    }
    const Stats a = stats(total), b = stats(transfer), c = stats(load);
    std::printf("Update of the shipped reply (%lld bytes, %d currencies) from 127.0.0.1, %d runs:\n",
                static_cast<long long>(reply.size()), table.Count(), kRuns);
    std::printf("  command to reloaded table: best %.2f ms, median %.2f ms\n", a.best, a.median);
    std::printf("  transfer (request to last byte): best %.2f ms, median %.2f ms\n", b.best, b.median);
    std::printf("  load of the new table: best %.2f ms, median %.2f ms\n", c.best, c.median);
    std::printf("  the rest (save, store, status): median %.2f ms\n", a.median - b.median - c.median);
    return 0;
}

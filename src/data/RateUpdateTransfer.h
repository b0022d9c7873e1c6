#pragma once
// The one GET of a rate update, over QNetworkAccessManager. It runs in a local event loop,
// so the window keeps repainting while it waits, and gives the whole body or raises.
//
// - The request carries the update's headers and a read time-out: a transfer that moves no
//   data for that long fails. The whole transfer also has an overall limit, so a server
//   that trickles a byte now and then still times out.
// - The request is sent once: the client never sends it again by itself when the server
//   closes the connection.
// - Failures of the connection to a proxy name the proxy.
// - A proxy's credentials are given when the proxy asks for them (407), not before.
// - https:// is checked against the system's certificates (and any the caller adds); a
//   certificate error fails the transfer.
// - A reply larger than the cap is refused as soon as that is known.
// - Any status outside 2xx is an error; redirects are not followed, so the rates always come
//   from the host that was asked.
#include "support/Errors.h"

#include <QByteArray>
#include <QEventLoop>
#include <QList>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QPointer>
#include <QSslCertificate>
#include <QString>
#include <QUrl>
#include <functional>

class QNetworkCookieJar;

// The update ends without a message: the server closed the connection in an orderly way
// before it replied, or the transfer was abandoned because the window closes.
class UpdateEndedQuietly : public VemoxError {
public:
    using VemoxError::VemoxError;
};

struct TransferOptions {
    QNetworkProxy proxy{QNetworkProxy::NoProxy};
    QString proxyUser, proxyPassword;
    int readTimeoutMs = 50000;
    int transferLimitMs = 120000;           // the whole transfer, however slowly data comes
    qint64 maxReplySize = 16 * 1024 * 1024;
    QList<QSslCertificate> extraCaCertificates;
    QNetworkCookieJar* cookies = nullptr;   // kept by the caller across updates
};

class UpdateTransfer {
public:
    using Progress = std::function<void(const QString& text)>;

    // The text of a refused reply that is larger than the cap.
    static QString tooLargeText(qint64 maxReplySize);

    // GETs the address; progress texts go to `progress`. Raises VemoxError with the
    // client's text for every failure, UpdateEndedQuietly for an orderly close before any
    // reply and for an abort.
    QByteArray get(const QUrl& url, const TransferOptions& options, const Progress& progress);

    // Abandons a running transfer; get() then ends quietly. Nothing when none runs.
    void abort();
    bool running() const { return reply_ != nullptr; }

private:
    QPointer<QNetworkReply> reply_;
    QPointer<QEventLoop> loop_;
    bool aborted_ = false;
};

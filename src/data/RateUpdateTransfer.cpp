#include "data/RateUpdateTransfer.h"
#include "support/Translate.h"

#include <QAuthenticator>
#include <QEventLoop>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QTimer>

namespace {

// The GET's empty body. When a connection closes before any reply, the client sends the
// request again by itself; a body that cannot be read a second time stops that, so one press
// sends one request. Sending again is allowed only once a proxy has asked for credentials:
// the request then goes again with them.
class OneShotBody : public QIODevice {
public:
    OneShotBody() { open(QIODevice::ReadOnly); }
    void allowResend() { resendAllowed_ = true; }
    bool isSequential() const override { return true; }
    bool atEnd() const override { return true; }
    qint64 bytesAvailable() const override { return 0; }
    bool reset() override { return resendAllowed_; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    bool resendAllowed_ = false;
};

qint64 kilobytes(qint64 bytes) { return (bytes + 1023) / 1024; }

QString receivedText(qint64 received, qint64 total)
{
    if (total < 0)
        return translated(QT_TRANSLATE_NOOP("Vemox", "Received %1KB")).arg(kilobytes(received));
    return translated(QT_TRANSLATE_NOOP("Vemox", "Received %1KB of %2KB"))
        .arg(kilobytes(received))
        .arg(kilobytes(total));
}

QNetworkRequest updateRequest(const QUrl& url, const TransferOptions& options)
{
    QNetworkRequest request(url);
    request.setRawHeader("Accept", "text/html, */*");
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("text/html"));
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Mozilla/3.0 (compatible; Indy Library)"));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setTransferTimeout(options.readTimeoutMs);
    request.setAttribute(QNetworkRequest::DoNotBufferUploadDataAttribute, true);
    request.setHeader(QNetworkRequest::ContentLengthHeader, 0);
    if (!options.extraCaCertificates.isEmpty()) {
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.addCaCertificates(options.extraCaCertificates);
        request.setSslConfiguration(tls);
    }
    return request;
}

// A reply that ended without a transfer error: any status outside 2xx still is one.
void checkStatus(const QNetworkReply& reply)
{
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 200 && status <= 299)
        return;
    const QString reason = reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "Error transferring %1 - server replied: %2 %3"))
                         .arg(reply.url().toDisplayString())
                         .arg(status)
                         .arg(reason));
}

QString cutOffText(const QNetworkReply& reply, qint64 received)
{
    bool known = false;
    const qint64 length = reply.header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
    const QString error = reply.errorString(), bytes = QString::number(received);
    if (known)
        return translated(QT_TRANSLATE_NOOP("Vemox", "%1: the transfer was cut off after %2 of %3 bytes"))
            .arg(error, bytes, QString::number(length));
    return translated(QT_TRANSLATE_NOOP("Vemox", "%1: the transfer was cut off after %2 bytes")).arg(error, bytes);
}

// With a proxy, the connection is to the proxy: failures to reach it are told with its name.
void throwProxyError(const QNetworkReply& reply, const QNetworkProxy& proxy)
{
    const QString name = proxy.hostName(), port = QString::number(proxy.port());
    switch (reply.error()) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::ProxyConnectionRefusedError:
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "Proxy %1:%2 refused the connection")).arg(name, port));
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::ProxyNotFoundError:
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "Proxy %1:%2 was not found")).arg(name, port));
    case QNetworkReply::ProxyConnectionClosedError:
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "Proxy %1:%2 closed the connection before the reply"))
                             .arg(name, port));
    case QNetworkReply::ProxyTimeoutError:
        throw VemoxError(translated(QT_TRANSLATE_NOOP("Vemox", "Proxy %1:%2 did not answer in time")).arg(name, port));
    case QNetworkReply::ProxyAuthenticationRequiredError:
    case QNetworkReply::UnknownProxyError:
    case QNetworkReply::UnknownNetworkError:   // the tunnel to an https host: the proxy's own failure
        throw VemoxError(
            translated(QT_TRANSLATE_NOOP("Vemox", "Proxy %1:%2: %3")).arg(name, port, reply.errorString()));
    default:
        return;
    }
}

} // namespace

QString UpdateTransfer::tooLargeText(qint64 maxReplySize)
{
    return translated(
               QT_TRANSLATE_NOOP("Vemox",
                                 "Error: The server's reply is larger than %1 MB and was refused. Nothing was changed"))
        .arg(maxReplySize / (1024 * 1024));
}

QByteArray UpdateTransfer::get(const QUrl& url, const TransferOptions& options, const Progress& progress)
{
    OneShotBody noBody;   // outlives the manager's reply
    QNetworkAccessManager manager;
    manager.setProxy(options.proxy);
    if (options.cookies) {
        // Cookies are accepted and kept for the next update; the caller owns the jar.
        QObject* owner = options.cookies->parent();
        manager.setCookieJar(options.cookies);
        options.cookies->setParent(owner);
    }
    bool credentialsGiven = false;
    QObject::connect(&manager, &QNetworkAccessManager::proxyAuthenticationRequired,
                     [&](const QNetworkProxy&, QAuthenticator* auth) {
                         // Asked again after the credentials were given: the proxy refused them.
                         if (credentialsGiven)
                             return;
                         credentialsGiven = true;
                         noBody.allowResend();
                         auth->setUser(options.proxyUser);
                         auth->setPassword(options.proxyPassword);
                     });

    aborted_ = false;
    bool tooLarge = false;
    QByteArray body;
    QNetworkReply* reply = manager.sendCustomRequest(updateRequest(url, options), QByteArrayLiteral("GET"), &noBody);
    reply_ = reply;
    auto refuse = [&] {
        tooLarge = true;
        reply->abort();
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, [&] {
        // A reply's head has come: the connection stands.
        progress(translated(QT_TRANSLATE_NOOP("Vemox", "Connection Established")));
        progress(translated(QT_TRANSLATE_NOOP("Vemox", "Downloading...")));
        bool known = false;
        const qint64 length = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
        if (known && length > options.maxReplySize)
            refuse();
    });
    QObject::connect(reply, &QNetworkReply::readyRead, [&] {
        if (tooLarge)
            return;
        body += reply->read(options.maxReplySize + 1 - body.size());
        if (body.size() > options.maxReplySize)
            refuse();
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress,
                     [&](qint64 received, qint64 total) { progress(receivedText(received, total)); });

    bool overLimit = false;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [&] {
        overLimit = true;
        reply->abort();
    });
    limit.start(options.transferLimitMs);

    QEventLoop loop;
    loop_ = &loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    loop_ = nullptr;
    reply_ = nullptr;
    // The loop also ends when the application quits: the transfer is then abandoned.
    if (!reply->isFinished()) {
        aborted_ = true;
        reply->abort();
    }
    if (aborted_)
        throw UpdateEndedQuietly(QStringLiteral("Update abandoned"));
    if (tooLarge)
        throw VemoxError(tooLargeText(options.maxReplySize));
    if (overLimit)
        throw VemoxError(
            translated(QT_TRANSLATE_NOOP("Vemox", "Timed out: the transfer took longer than %1 seconds and was ended"))
                .arg(QLocale::c().toString(options.transferLimitMs / 1000.0)));
    if (options.proxy.type() != QNetworkProxy::NoProxy)
        throwProxyError(*reply, options.proxy);

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    switch (reply->error()) {
    case QNetworkReply::NoError:
        break;
    case QNetworkReply::OperationCanceledError:
        // Not abandoned, not refused: the read time-out ran out.
        throw VemoxError(
            translated(QT_TRANSLATE_NOOP("Vemox", "Read timed out: the server sent nothing for %1 seconds"))
                .arg(QLocale::c().toString(options.readTimeoutMs / 1000.0)));
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::ContentReSendError:   // closed before any reply, not sent again
        // Closed in an orderly way before any reply: the update ends without a word.
        if (status == 0 && body.isEmpty())
            throw UpdateEndedQuietly(reply->errorString());
        throw VemoxError(cutOffText(*reply, body.size()));
    default:
        throw VemoxError(reply->errorString());
    }
    checkStatus(*reply);
    body += reply->readAll();
    if (body.size() > options.maxReplySize)
        throw VemoxError(tooLargeText(options.maxReplySize));
    progress(translated(QT_TRANSLATE_NOOP("Vemox", "Download Complete")));
    return body;
}

void UpdateTransfer::abort()
{
    if (!reply_)
        return;
    aborted_ = true;
    reply_->abort();
    if (loop_)
        loop_->quit();
}

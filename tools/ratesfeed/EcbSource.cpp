#include "EcbSource.h"
#include "support/Errors.h"
#include "support/FileReader.h"

#include <QEventLoop>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>
#include <QUrl>

namespace RatesFeed {

namespace {

QString sizeText(qint64 bytes)
{
    constexpr qint64 mb = 1024 * 1024;
    return bytes % mb == 0 ? QStringLiteral("%1 MB").arg(bytes / mb) : QStringLiteral("%1 bytes").arg(bytes);
}

QString secondsText(int ms) { return QLocale::c().toString(ms / 1000.0); }

// The body as it comes, stopped as soon as it is known to be too large or too slow.
QByteArray download(const QUrl& url, const FetchLimits& limits)
{
    QNetworkAccessManager net;
    QNetworkRequest request(url);
    request.setTransferTimeout(limits.readTimeoutMs);
    QNetworkReply* reply = net.get(request);
    QByteArray body;
    QString refused;
    auto refuse = [&](const QString& why) {
        refused = why;
        reply->abort();
    };
    const QString tooLarge = QStringLiteral("the reply is larger than %1").arg(sizeText(limits.maxBytes));
    QObject::connect(reply, &QNetworkReply::metaDataChanged, [&] {
        bool known = false;
        if (reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known) > limits.maxBytes && known)
            refuse(tooLarge);
    });
    QObject::connect(reply, &QNetworkReply::readyRead, [&] {
        body += reply->read(limits.maxBytes + 1 - body.size());
        if (body.size() > limits.maxBytes && refused.isEmpty())
            refuse(tooLarge);
    });
    QTimer overall;
    overall.setSingleShot(true);
    QObject::connect(&overall, &QTimer::timeout,
                     [&] { refuse(QStringLiteral("the transfer took longer than %1 seconds").arg(secondsText(limits.overallMs))); });
    overall.start(limits.overallMs);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    if (refused.isEmpty() && reply->error() == QNetworkReply::OperationCanceledError)
        refused = QStringLiteral("no data came for %1 seconds").arg(secondsText(limits.readTimeoutMs));
    if (refused.isEmpty() && reply->error() != QNetworkReply::NoError)
        refused = reply->errorString();
    body += reply->readAll();
    if (refused.isEmpty() && body.size() > limits.maxBytes)
        refused = tooLarge;
    if (!refused.isEmpty())
        throw VemoxError(QStringLiteral("Cannot fetch %1: %2.").arg(url.toDisplayString(), refused));
    return body;
}

} // namespace

QByteArray Fetch(const QString& source, const FetchLimits& limits)
{
    const QUrl url(source);
    if (url.scheme() == QStringLiteral("http") || url.scheme() == QStringLiteral("https"))
        return download(url, limits);
    return FileReader::readAll(source, limits.maxBytes);
}

} // namespace RatesFeed

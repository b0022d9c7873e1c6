#include "FeedServer.h"

#include <QFile>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <cstdio>

namespace {

constexpr int kMaxRequestBytes = 16 * 1024;
constexpr int kRequestTimeoutMs = 10000;

QByteArray response(const QByteArray& status, const QByteArray& body, bool withBody)
{
    QByteArray head = "HTTP/1.0 " + status + "\r\nContent-Type: text/plain; charset=ISO-8859-1\r\n" +
                      "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n";
    return withBody ? head + body : head;
}

} // namespace

FeedServer::FeedServer(QString replyFile, QObject* parent)
    : QObject(parent), replyFile_(std::move(replyFile)), server_(new QTcpServer(this))
{
    connect(server_, &QTcpServer::newConnection, this, &FeedServer::accept);
}

bool FeedServer::listen(quint16 port)
{
    if (server_->listen(QHostAddress::LocalHost, port))
        return true;
    error_ = server_->errorString();
    return false;
}

void FeedServer::accept()
{
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        // A client that never finishes its request does not hold the connection forever.
        QTimer::singleShot(kRequestTimeoutMs, socket, [socket] { socket->abort(); });
    }
}

// Waits for the whole request head, then answers once and closes.
void FeedServer::serve(QTcpSocket* socket)
{
    if (socket->property("answered").toBool()) {
        socket->readAll(); // anything after the one request is not read
        return;
    }
    // A head ends with an empty line; clients typed by hand may end their lines with LF alone.
    const QByteArray head = socket->peek(kMaxRequestBytes + 1);
    if (!head.contains("\r\n\r\n") && !head.contains("\n\n")) {
        if (socket->bytesAvailable() > kMaxRequestBytes) {
            socket->write(response("400 Bad Request", "Request too large\n", true));
            socket->disconnectFromHost();
        }
        return;
    }
    const QList<QByteArray> request = socket->readLine().trimmed().split(' ');
    socket->setProperty("answered", true);
    const QByteArray method = request.value(0);
    QByteArray status = "200 OK", body;
    if (method != "GET" && method != "HEAD") {
        status = "405 Method Not Allowed";
        body = "Only GET and HEAD\n";
    } else {
        QFile file(replyFile_);
        if (!file.open(QIODevice::ReadOnly)) {
            status = "503 Service Unavailable";
            body = "The reply file cannot be read\n";
        } else {
            body = file.readAll();
        }
    }
    std::fprintf(stdout, "%s %s %s\n", method.constData(), request.value(1).constData(), status.constData());
    std::fflush(stdout);
    socket->write(response(status, body, method != "HEAD"));
    socket->disconnectFromHost();
}

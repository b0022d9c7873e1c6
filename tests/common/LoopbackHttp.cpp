#include "common/LoopbackHttp.h"

#include <QFile>
#include <QTimer>
#include <QProcess>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <stdexcept>

namespace loopback {

QByteArray Request::header(const QByteArray& name) const
{
    for (const auto& [key, value] : headers)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

Response Response::ok(const QByteArray& body)
{
    Response r;
    r.body = body;
    return r;
}

Response Response::error(int status, const QByteArray& reason)
{
    Response r;
    r.status = status;
    r.reason = reason;
    r.body = "<html><body>" + reason + "</body></html>";
    return r;
}

bool parseRequest(QByteArray& buffer, Request& request)
{
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0)
        return false;
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    buffer.remove(0, end + 4);
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request = Request{first.value(0), first.value(1), first.value(2), {}};
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers.append({lines[i].left(colon).trimmed(), lines[i].mid(colon + 1).trimmed()});
    }
    return true;
}

namespace {

std::unique_ptr<QTcpServer> listen(std::unique_ptr<QTcpServer> server)
{
    if (!server->listen(QHostAddress::LocalHost, 0))
        throw std::runtime_error("cannot listen on 127.0.0.1");
    return server;
}

void write(QTcpSocket* socket, const Response& r)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(r.status) + ' ' + r.reason + "\r\n";
    for (const auto& [key, value] : r.headers)
        head += key + ": " + value + "\r\n";
    if (r.declaredLength >= 0)
        head += "Content-Length: " + QByteArray::number(r.declaredLength) + "\r\n";
    else if (r.withLength)
        head += "Content-Length: " + QByteArray::number(r.body.size()) + "\r\n";
    head += "Connection: close\r\n\r\n";
    socket->write(head);
    socket->write(r.body);
    socket->disconnectFromHost();
}

} // namespace

HttpServer::HttpServer(const QSslConfiguration* tls)
{
    if (tls) {
        auto server = std::make_unique<QSslServer>();
        server->setSslConfiguration(*tls);
        server_ = listen(std::move(server));
    } else {
        server_ = listen(std::make_unique<QTcpServer>());
    }
    QObject::connect(server_.get(), &QTcpServer::pendingConnectionAvailable, server_.get(), [this] {
        while (QTcpSocket* socket = server_->nextPendingConnection())
            serve(socket);
    });
}

HttpServer::~HttpServer() = default;

quint16 HttpServer::port() const { return server_->serverPort(); }
QString HttpServer::hostPort() const { return QStringLiteral("127.0.0.1:%1").arg(port()); }

void HttpServer::reply(const Response& response)
{
    handler_ = [response](const Request&) { return response; };
}

void HttpServer::setHandler(Handler handler) { handler_ = std::move(handler); }

void HttpServer::serve(QTcpSocket* socket)
{
    auto buffer = std::make_shared<QByteArray>();
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
        *buffer += socket->readAll();
        Request request;
        if (!parseRequest(*buffer, request))
            return;
        requests.append(request);
        const Response r = handler_ ? handler_(request) : Response::error(404, "Not Found");
        switch (r.kind) {
        case Response::Kind::Reply:
            write(socket, r);
            break;
        case Response::Kind::CloseAtOnce:
            socket->disconnectFromHost();
            break;
        case Response::Kind::NeverReply:
            break;
        case Response::Kind::Trickle: {
            socket->write("HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n");
            auto* timer = new QTimer(socket);
            QObject::connect(timer, &QTimer::timeout, socket, [socket] { socket->write("<"); });
            timer->start(100);
            break;
        }
        }
    });
}

Proxy::Proxy(const QByteArray& user, const QByteArray& password)
{
    if (!user.isEmpty())
        credentials_ = "Basic " + (user + ':' + password).toBase64();
    server_ = listen(std::make_unique<QTcpServer>());
    QObject::connect(server_.get(), &QTcpServer::pendingConnectionAvailable, server_.get(), [this] {
        while (QTcpSocket* socket = server_->nextPendingConnection())
            serve(socket);
    });
}

Proxy::~Proxy() = default;

quint16 Proxy::port() const { return server_->serverPort(); }

void Proxy::serve(QTcpSocket* socket)
{
    auto buffer = std::make_shared<QByteArray>();
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
        *buffer += socket->readAll();
        Request request;
        while (parseRequest(*buffer, request)) {
            requests.append(request);
            handle(socket, request);
        }
    });
}

void Proxy::handle(QTcpSocket* client, const Request& request)
{
    if (!credentials_.isEmpty() && request.header("Proxy-Authorization") != credentials_) {
        // Asked for, on the same connection: the client sends the request again.
        client->write("HTTP/1.1 407 Proxy Authentication Required\r\n"
                      "Proxy-Authenticate: Basic realm=\"loopback\"\r\nContent-Length: 0\r\n\r\n");
        return;
    }
    const QUrl target(QString::fromLatin1(request.target));
    if (target.host() != QLatin1String("127.0.0.1")) {
        write(client, Response::error(502, "Bad Gateway"));
        return;
    }
    ++forwarded;
    QByteArray head = request.method + ' ' + target.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority) + " HTTP/1.1\r\n";
    for (const auto& [key, value] : request.headers) {
        if (key.compare("Proxy-Authorization", Qt::CaseInsensitive) != 0 &&
            key.compare("Proxy-Connection", Qt::CaseInsensitive) != 0 &&
            key.compare("Connection", Qt::CaseInsensitive) != 0)
            head += key + ": " + value + "\r\n";
    }
    head += "Connection: close\r\n\r\n";
    auto* upstream = new QTcpSocket(client);
    QObject::connect(upstream, &QTcpSocket::connected, upstream, [upstream, head] { upstream->write(head); });
    QObject::connect(upstream, &QTcpSocket::readyRead, client, [upstream, client] { client->write(upstream->readAll()); });
    QObject::connect(upstream, &QTcpSocket::disconnected, client, [upstream, client] {
        client->write(upstream->readAll());
        client->disconnectFromHost();
    });
    upstream->connectToHost(QHostAddress::LocalHost, static_cast<quint16>(target.port(80)));
}

QSslConfiguration TestCertificate::serverConfiguration() const
{
    QSslConfiguration c = QSslConfiguration::defaultConfiguration();
    c.setLocalCertificate(certificate);
    c.setPrivateKey(key);
    c.setPeerVerifyMode(QSslSocket::VerifyNone);
    return c;
}

TestCertificate makeCertificate(const QString& dir)
{
    const QString cert = dir + QStringLiteral("/cert.pem"), key = dir + QStringLiteral("/key.pem");
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                   QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                   QStringLiteral("-keyout"), key, QStringLiteral("-out"), cert, QStringLiteral("-days"),
                   QStringLiteral("2"), QStringLiteral("-subj"), QStringLiteral("/CN=127.0.0.1"),
                   QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1")});
    if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0)
        throw std::runtime_error("openssl could not make a certificate: " + openssl.readAllStandardError().toStdString());
    TestCertificate t;
    const QList<QSslCertificate> certs = QSslCertificate::fromPath(cert);
    if (certs.isEmpty())
        throw std::runtime_error("cannot read the test certificate");
    t.certificate = certs.first();
    QFile k(key);
    k.open(QIODevice::ReadOnly);
    t.key = QSslKey(k.readAll(), QSsl::Ec);
    return t;
}

} // namespace loopback

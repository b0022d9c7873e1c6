#pragma once
// Servers on 127.0.0.1 for the network tests, on ports the system picks: an HTTP server
// (plain or TLS) whose replies the test scripts, and an HTTP proxy that may ask for Basic
// credentials and forwards to loopback servers only. They run on the test's own thread,
// served by whatever event loop runs (the update's local loop included).
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QString>
#include <functional>
#include <memory>

class QTcpServer;
class QTcpSocket;

namespace loopback {

using Headers = QList<QPair<QByteArray, QByteArray>>;

struct Request {
    QByteArray method, target, version;   // target: "/path?query", or absolute for a proxy
    Headers headers;
    // The first header of that name (case-insensitive), empty when there is none.
    QByteArray header(const QByteArray& name) const;
};

struct Response {
    enum class Kind {
        Reply,        // status line, headers and body, then the connection closes
        CloseAtOnce,  // the connection closes without a byte
        NeverReply,   // the connection stays open and silent
        Trickle,      // a status line and headers, then one body byte every 100 ms
    };
    Kind kind = Kind::Reply;
    int status = 200;
    QByteArray reason = "OK";
    QByteArray body;
    Headers headers;
    bool withLength = true;      // Content-Length; without it the body ends at the close
    qint64 declaredLength = -1;  // a Content-Length other than the body's (a cut transfer)

    static Response of(Kind kind) { Response r; r.kind = kind; return r; }
    static Response ok(const QByteArray& body);
    static Response error(int status, const QByteArray& reason);
};

class HttpServer {
public:
    using Handler = std::function<Response(const Request&)>;
    // Plain HTTP, or TLS with the given configuration (certificate and key).
    explicit HttpServer(const QSslConfiguration* tls = nullptr);
    ~HttpServer();
    quint16 port() const;
    // "127.0.0.1:port", as a stored host names it.
    QString hostPort() const;
    // Every request gets this response, or the handler's.
    void reply(const Response& response);
    void setHandler(Handler handler);
    QList<Request> requests;

private:
    void serve(QTcpSocket* socket);
    std::unique_ptr<QTcpServer> server_;
    Handler handler_;
};

class Proxy {
public:
    // With a user, every request without his Basic credentials gets 407.
    explicit Proxy(const QByteArray& user = {}, const QByteArray& password = {});
    ~Proxy();
    quint16 port() const;
    QList<Request> requests;   // as received, 407'd ones included
    int forwarded = 0;

private:
    void serve(QTcpSocket* socket);
    void handle(QTcpSocket* client, const Request& request);
    std::unique_ptr<QTcpServer> server_;
    QByteArray credentials_;   // "Basic base64(user:password)", empty for none
};

// A self-signed certificate for 127.0.0.1 made with the openssl command in `dir`.
struct TestCertificate {
    QSslCertificate certificate;
    QSslKey key;
    QSslConfiguration serverConfiguration() const;
};
TestCertificate makeCertificate(const QString& dir);

// Splits a request head; false while it is incomplete.
bool parseRequest(QByteArray& buffer, Request& request);

} // namespace loopback

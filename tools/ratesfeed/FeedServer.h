#pragma once
// A try-out server for a reply file: answers every GET or HEAD on 127.0.0.1, whatever the
// path and query, with the file as it is on disk at that moment.
#include <QObject>
#include <QString>

class QTcpServer;
class QTcpSocket;

class FeedServer : public QObject {
    Q_OBJECT
public:
    explicit FeedServer(QString replyFile, QObject* parent = nullptr);
    // False, with the reason in errorText(), when the port cannot be taken.
    bool listen(quint16 port);
    QString errorText() const { return error_; }

private:
    void accept();
    void serve(QTcpSocket* socket);

    QString replyFile_;
    QString error_;
    QTcpServer* server_;
};

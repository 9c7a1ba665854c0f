#pragma once

#include <QHash>
#include <QObject>
#include <QStringList>

class QTcpServer;
class QTcpSocket;

// A small web server on 127.0.0.1 for the browser tests. A path given a page serves it;
// any other path serves a page titled "Page " + the path. Every request's target is
// recorded exactly as the browser sent it (query included).
class LocalWebServer : public QObject {
    Q_OBJECT
public:
    explicit LocalWebServer(QObject* parent = nullptr);

    // Scheme and host, without a trailing slash, e.g. "http://127.0.0.1:40123".
    QString address() const;
    QHash<QString, QByteArray> pages; // by path, e.g. "/smileys.cfm"
    QStringList requests;             // request targets, in order, favicon requests left out

    static QString titleFor(const QString& target) { return "Page " + target; }

private:
    void answer(QTcpSocket* socket);

    QTcpServer* m_server;
};

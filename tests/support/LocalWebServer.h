#pragma once

#include <QHash>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

// Serves the page given for a path, else one titled "Page " + the request target.
struct LocalWebServer : QTcpServer {
    QHash<QString, QByteArray> pages;
    QStringList requests;

    LocalWebServer() {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* socket = nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        });
    }
    QString address() const { return QStringLiteral("http://127.0.0.1:%1").arg(serverPort()); }
    void answer(QTcpSocket* socket) {
        const QByteArray request = socket->property("request").toByteArray() + socket->readAll();
        socket->setProperty("request", request);
        if (!request.contains("\r\n\r\n"))
            return; // the headers are not all in yet
        const QString target = QString::fromLatin1(request.split(' ').value(1));
        const QString path = target.section('?', 0, 0);
        if (path != "/favicon.ico") { // no icon: the connection closes unanswered
            requests << target;
            const QByteArray body =
                pages.value(path, "<title>Page " + target.toHtmlEscaped().toUtf8() + "</title>");
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n"
                          "Connection: close\r\nContent-Length: " +
                          QByteArray::number(body.size()) + "\r\n\r\n" + body);
        }
        socket->disconnectFromHost();
    }
};

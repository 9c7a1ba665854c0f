#include "LocalWebServer.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

LocalWebServer::LocalWebServer(QObject* parent) : QObject(parent), m_server(new QTcpServer(this)) {
    m_server->listen(QHostAddress::LocalHost);
    connect(m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QString LocalWebServer::address() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(m_server->serverPort());
}

void LocalWebServer::answer(QTcpSocket* socket) {
    const QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!request.contains("\r\n\r\n"))
        return; // the headers are not all in yet
    socket->setProperty("request", QByteArray());
    const QString target = QString::fromLatin1(request.split(' ').value(1));
    const QString path = target.section('?', 0, 0);
    QByteArray body;
    int status = 200;
    if (path == "/favicon.ico") {
        status = 404;
    } else {
        requests.append(target);
        body = pages.contains(path) ? pages.value(path)
                                    : QStringLiteral("<html><head><title>%1</title></head>"
                                                     "<body><p>%1</p></body></html>")
                                          .arg(titleFor(target).toHtmlEscaped())
                                          .toUtf8();
    }
    socket->write(QStringLiteral("HTTP/1.1 %1 %2\r\nContent-Type: text/html; charset=utf-8\r\n"
                                 "Content-Length: %3\r\nConnection: close\r\n\r\n")
                      .arg(status)
                      .arg(status == 200 ? "OK" : "Not Found")
                      .arg(body.size())
                      .toLatin1() +
                  body);
    socket->disconnectFromHost();
}

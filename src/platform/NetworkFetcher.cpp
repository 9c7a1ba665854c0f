#include "platform/NetworkFetcher.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

void NetworkFetcher::fetch(const QUrl& address, Limits limits, QObject* receiver, Done done) {
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    QNetworkRequest request(address);
    request.setTransferTimeout(limits.timeoutMs);
    QNetworkReply* reply = m_network->get(request);
    connect(reply, &QNetworkReply::downloadProgress, reply,
            [reply, limits](qint64 received, qint64) {
                if (received > limits.maxBytes)
                    reply->abort();
            });
    connect(reply, &QNetworkReply::finished, reply, &QObject::deleteLater);
    connect(reply, &QNetworkReply::finished, receiver, [reply, done = std::move(done)] {
        done(reply->error() == QNetworkReply::NoError ? reply->readAll() : QByteArray());
    });
}

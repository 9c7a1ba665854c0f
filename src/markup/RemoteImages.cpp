#include "markup/RemoteImages.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

RemoteImages::RemoteImages(QObject* parent) : QObject(parent) {}

RemoteImages::State RemoteImages::state(const QUrl& address) {
    if (m_images.contains(address))
        return State::Ready;
    if (m_failed.contains(address))
        return State::Failed;
    if (!m_loading.contains(address))
        fetch(address);
    return State::Loading;
}

void RemoteImages::fetch(const QUrl& address) {
    if (!m_network) {
        m_network = new QNetworkAccessManager(this);
        connect(m_network, &QNetworkAccessManager::finished, this, &RemoteImages::finished);
    }
    m_loading.insert(address);
    QNetworkRequest request(address);
    request.setTransferTimeout(kTimeoutMs);
    QNetworkReply* reply = m_network->get(request);
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > kMaxBytes)
            reply->abort();
    });
}

void RemoteImages::finished(QNetworkReply* reply) {
    reply->deleteLater();
    const QUrl address = reply->request().url();
    m_loading.remove(address);
    QImage picture;
    if (reply->error() == QNetworkReply::NoError)
        picture.loadFromData(reply->readAll());
    if (picture.isNull()) {
        m_failed.insert(address);
    } else {
        if (picture.width() > kMaxWidth)
            picture = picture.scaledToWidth(kMaxWidth, Qt::SmoothTransformation);
        m_images.insert(address, picture);
    }
    emit settled(address);
}

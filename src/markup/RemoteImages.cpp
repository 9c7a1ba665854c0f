#include "markup/RemoteImages.h"

#include "platform/WebFetcher.h"

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
    m_loading.insert(address);
    const auto settled = [this, address](const QByteArray& bytes) { settle(address, bytes); };
    if (WebFetcher* fetcher = WebFetcher::load())
        fetcher->fetch(address, {kTimeoutMs, kMaxBytes}, this, settled);
    else // without the network module every fetch fails, as the user's network might
        QMetaObject::invokeMethod(
            this, [settled] { settled(QByteArray()); }, Qt::QueuedConnection);
}

void RemoteImages::settle(const QUrl& address, const QByteArray& bytes) {
    m_loading.remove(address);
    QImage picture;
    if (!bytes.isEmpty())
        picture.loadFromData(bytes);
    if (picture.isNull()) {
        m_failed.insert(address);
    } else {
        if (picture.width() > kMaxWidth)
            picture = picture.scaledToWidth(kMaxWidth, Qt::SmoothTransformation);
        m_images.insert(address, picture);
    }
    emit settled(address);
}

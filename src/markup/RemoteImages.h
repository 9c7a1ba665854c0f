#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QUrl>

// Pictures of a post's image tags, fetched in the background only when asked for. Each
// address is fetched once; a fetch that takes too long, is too big or is no picture
// counts as failed and is not tried again.
class RemoteImages : public QObject {
    Q_OBJECT
public:
    enum class State { Loading, Ready, Failed };

    explicit RemoteImages(QObject* parent = nullptr);

    // Starts the fetch on the first call for an address.
    State state(const QUrl& address);
    QImage image(const QUrl& address) const { return m_images.value(address); }

    static constexpr int kTimeoutMs = 15000;
    static constexpr qint64 kMaxBytes = 8 * 1024 * 1024;
    // Wider pictures are scaled down to this width so they fit the preview.
    static constexpr int kMaxWidth = 640;

signals:
    // A fetch ended, well or not; the preview draws the picture again.
    void settled(const QUrl& address);

private:
    void fetch(const QUrl& address);
    void settle(const QUrl& address, const QByteArray& bytes);

    QHash<QUrl, QImage> m_images;
    QSet<QUrl> m_loading;
    QSet<QUrl> m_failed;
};

#include "markup/PreviewBrowser.h"

#include "markup/RemoteImages.h"
#include "markup/VnmlRenderer.h"

#include <QPainter>
#include <QTextDocument>

namespace {

QImage standIn(const QString& caption) {
    QImage picture(180, 36, QImage::Format_ARGB32_Premultiplied);
    picture.fill(QColor(0xe4, 0xe4, 0xe4));
    QPainter painter(&picture);
    painter.setPen(QColor(0x90, 0x90, 0x90));
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    painter.setPen(QColor(0x50, 0x50, 0x50));
    painter.drawText(picture.rect(), Qt::AlignCenter, caption);
    return picture;
}

} // namespace

PreviewBrowser::PreviewBrowser(QWidget* parent)
    : QTextBrowser(parent), m_images(new RemoteImages(this)) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(m_images, &RemoteImages::settled, this, &PreviewBrowser::redrawImage);
}

void PreviewBrowser::redrawImage(const QUrl& address) {
    document()->addResource(QTextDocument::ImageResource, address,
                            loadResource(QTextDocument::ImageResource, address));
    document()->markContentsDirty(0, document()->characterCount());
}

QVariant PreviewBrowser::loadResource(int type, const QUrl& name) {
    if (type != QTextDocument::ImageResource || !isImageAddress(name.toString()))
        return QTextBrowser::loadResource(type, name);
    switch (m_images->state(name)) {
    case RemoteImages::State::Ready:
        return m_images->image(name);
    case RemoteImages::State::Loading:
        return standIn(QStringLiteral("Loading image…"));
    case RemoteImages::State::Failed:
        break;
    }
    return standIn(QStringLiteral("Image not available"));
}

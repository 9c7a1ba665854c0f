#include "markup/PreviewBrowser.h"

#include "markup/RemoteImages.h"
#include "markup/VnmlRenderer.h"

#include <QPainter>
#include <QScrollBar>
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
}

void PreviewBrowser::showHtml(const QString& html) {
    const int horizontal = horizontalScrollBar()->value();
    const int vertical = verticalScrollBar()->value();
    setHtml(html);
    horizontalScrollBar()->setValue(horizontal);
    verticalScrollBar()->setValue(vertical);
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

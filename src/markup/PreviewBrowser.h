#pragma once

#include <QTextBrowser>

class RemoteImages;

// The rendered post. Pictures on the web come from RemoteImages, with a drawn stand-in
// while they load or when they cannot be had; the view itself never goes to the network
// and never follows a link.
class PreviewBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit PreviewBrowser(QWidget* parent = nullptr);

    RemoteImages& remoteImages() const { return *m_images; }

    // Shows new HTML where the reader was: the scroll position stays.
    void showHtml(const QString& html);

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    RemoteImages* m_images;
};

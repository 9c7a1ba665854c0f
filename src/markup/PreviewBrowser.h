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

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    // Draws the picture as it is now, in place of the stand-in the view keeps.
    void redrawImage(const QUrl& address);

    RemoteImages* m_images;
};

#pragma once

#include <QWebEnginePage>
#include <functional>

class QWebEngineDownloadRequest;
class QWebEngineNewWindowRequest;

// A web page that keeps to the program's rules: every permission request (camera,
// microphone, location, notifications, screen capture) is denied; the page on top is
// only ever a web page or one bundled with the program, and a request for a new window
// opens such a page in this one; downloads are refused. A link to another program goes
// out only when the user clicks it: mailto: to the desktop's mail program, any other
// scheme after the user has agreed.
class SafeWebPage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit SafeWebPage(QObject* parent = nullptr);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    void denyPermission(const QUrl& origin, Feature feature);
    void openNewWindowHere(QWebEngineNewWindowRequest& request);
    void refuseDownload(QWebEngineDownloadRequest* download);
    // Hands a clicked link to the program the desktop has for its scheme.
    void openOutside(const QUrl& url);
    // Asked once the engine's call has returned, so no message box runs inside it.
    void later(std::function<void()> step);
};

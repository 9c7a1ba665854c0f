#pragma once

#include <QWebEnginePage>

// A web page that keeps to the program's rules: every permission request (camera,
// microphone, location, notifications, screen capture) is denied, a request for a new
// window opens in the same page, a data: address is never opened, and a mailto: link
// goes to the desktop's mail program only when the user clicks it.
class SafeWebPage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit SafeWebPage(QObject* parent = nullptr);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    void denyPermission(const QUrl& origin, Feature feature);
};

#pragma once

#include <QWebEngineView>

// The embedded browser both browser windows use: the engine's view on a SafeWebPage.
// The windows drive it through the view's own operations (load, back, forward, reload,
// stop, title, url) and follow it through the view's and the page's signals.
class WebBrowser : public QWebEngineView {
    Q_OBJECT
public:
    explicit WebBrowser(QWidget* parent = nullptr);

    // From the start of a load until it has finished or failed.
    bool isBusy() const { return m_busy; }

private:
    bool m_busy = false;
};

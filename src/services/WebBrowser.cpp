#include "services/WebBrowser.h"

#include "services/SafeWebPage.h"

WebBrowser::WebBrowser(QWidget* parent) : QWebEngineView(parent) {
    setObjectName("brwWebBrowser");
    setPage(new SafeWebPage(this));
    connect(this, &QWebEngineView::loadStarted, this, [this] { m_busy = true; });
    connect(this, &QWebEngineView::loadProgress, this,
            [this](int percent) { emit ProgressChange(percent, 100); });
    connect(this, &QWebEngineView::loadFinished, this, [this] {
        m_busy = false;
        emit DownloadComplete();
    });
    connect(this, &QWebEngineView::urlChanged, this,
            [this](const QUrl& url) { emit NavigateComplete2(url.toString()); });
    connect(page(), &QWebEnginePage::linkHovered, this, &WebBrowser::StatusTextChange);
}

void WebBrowser::Navigate(const QUrl& address) {
    load(address);
}

void WebBrowser::GoBack() {
    back();
}

void WebBrowser::GoForward() {
    forward();
}

void WebBrowser::Refresh() {
    reload();
}

void WebBrowser::Stop() {
    stop();
}

QString WebBrowser::LocationName() const {
    return title();
}

QString WebBrowser::LocationURL() const {
    return url().toString();
}

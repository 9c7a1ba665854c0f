#include "services/WebBrowser.h"

#include "services/SafeWebPage.h"

WebBrowser::WebBrowser(QWidget* parent) : QWebEngineView(parent) {
    setObjectName("brwWebBrowser");
    setPage(new SafeWebPage(this));
    // Connected first, so the windows' own handlers of these signals see it up to date.
    connect(this, &QWebEngineView::loadStarted, this, [this] { m_busy = true; });
    connect(this, &QWebEngineView::loadFinished, this, [this] { m_busy = false; });
}

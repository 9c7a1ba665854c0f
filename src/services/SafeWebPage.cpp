#include "services/SafeWebPage.h"

#include "platform/DesktopLinks.h"
#include "platform/Prompter.h"
#include "platform/WebEngine.h"
#include "services/SchemeUse.h"

#include <QWebEngineDownloadRequest>
#include <QWebEngineFileSystemAccessRequest>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineProfile>
#include <QWebEngineRegisterProtocolHandlerRequest>
#include <QWebEngineView>

SafeWebPage::SafeWebPage(QObject* parent) : QWebEnginePage(WebEngine::profile(), parent) {
    connect(this, &QWebEnginePage::featurePermissionRequested, this, &SafeWebPage::denyPermission);
    connect(this, &QWebEnginePage::fileSystemAccessRequested, this,
            [](QWebEngineFileSystemAccessRequest request) { request.reject(); });
    connect(this, &QWebEnginePage::registerProtocolHandlerRequested, this,
            [](QWebEngineRegisterProtocolHandlerRequest request) { request.reject(); });
    connect(this, &QWebEnginePage::newWindowRequested, this, &SafeWebPage::openNewWindowHere);
    connect(profile(), &QWebEngineProfile::downloadRequested, this, &SafeWebPage::refuseDownload);
}

void SafeWebPage::denyPermission(const QUrl& origin, Feature feature) {
    setFeaturePermission(origin, feature, PermissionDeniedByUser);
}

bool SafeWebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    switch (schemeUse(url)) {
    case SchemeUse::Browse:
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    case SchemeUse::Refused:
        // Only a web page or a bundled one stands on top. A data: address carries its page
        // in itself, from no site at all, which makes it a favourite disguise; whether
        // typed or a link's target, it is not opened. Frames inside a page keep the
        // engine's own rules for these schemes.
        return !isMainFrame && QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    case SchemeUse::Mail:
    case SchemeUse::Outside:
        // The engine asks again for an outside scheme only after a user's gesture; a
        // script's attempt never gets this far as a click.
        if (type == NavigationTypeLinkClicked)
            openOutside(url);
        return false;
    }
    return false;
}

void SafeWebPage::openNewWindowHere(QWebEngineNewWindowRequest& request) {
    // No second window opens: a web page replaces this one, a link to another program
    // counts as clicked only when the user did, and nothing else loads or runs (for a
    // javascript: link the engine asks for "about:blank#blocked").
    const QUrl url = request.requestedUrl();
    if (schemeUse(url) == SchemeUse::Browse)
        load(url);
    else if (request.isUserInitiated())
        openOutside(url);
}

void SafeWebPage::openOutside(const QUrl& url) {
    switch (schemeUse(url)) {
    case SchemeUse::Mail:
        DesktopLinks::open(url);
        break;
    case SchemeUse::Outside:
        later([this, url] {
            // Fully encoded: the address as it goes out, with no look-alike characters.
            const QString question =
                "Open this link with another application?\n\n" + url.toString(QUrl::FullyEncoded);
            if (Prompter::question(QWebEngineView::forPage(this), "Quillet", question,
                                   Prompter::Buttons::YesNo) == Prompter::Answer::Yes)
                DesktopLinks::open(url);
        });
        break;
    case SchemeUse::Browse:
    case SchemeUse::Refused:
        break;
    }
}

void SafeWebPage::refuseDownload(QWebEngineDownloadRequest* download) {
    if (download->page() != this)
        return; // the other browser window's
    download->cancel();
    later([this] {
        Prompter::inform(QWebEngineView::forPage(this), "Quillet does not download files.");
    });
}

void SafeWebPage::later(std::function<void()> step) {
    QMetaObject::invokeMethod(this, std::move(step), Qt::QueuedConnection);
}

#include "services/SafeWebPage.h"

#include "platform/DesktopLinks.h"
#include "platform/WebEngine.h"

#include <QWebEngineFileSystemAccessRequest>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineRegisterProtocolHandlerRequest>

SafeWebPage::SafeWebPage(QObject* parent) : QWebEnginePage(WebEngine::profile(), parent) {
    connect(this, &QWebEnginePage::featurePermissionRequested, this, &SafeWebPage::denyPermission);
    connect(this, &QWebEnginePage::fileSystemAccessRequested, this,
            [](QWebEngineFileSystemAccessRequest request) { request.reject(); });
    connect(this, &QWebEnginePage::registerProtocolHandlerRequested, this,
            [](QWebEngineRegisterProtocolHandlerRequest request) { request.reject(); });
    connect(this, &QWebEnginePage::newWindowRequested, this,
            [this](QWebEngineNewWindowRequest& request) { load(request.requestedUrl()); });
}

void SafeWebPage::denyPermission(const QUrl& origin, Feature feature) {
    setFeaturePermission(origin, feature, PermissionDeniedByUser);
}

bool SafeWebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    // A data: address carries its page in itself, from no site at all, which makes it a
    // favourite disguise; whether typed or a link's target, it is not opened.
    if (isMainFrame && url.scheme() == QLatin1String("data"))
        return false;
    if (url.scheme() != QLatin1String("mailto"))
        return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
    // The engine asks again for an outside scheme only after a user's gesture; a
    // script's attempt never gets this far as a click.
    if (type == NavigationTypeLinkClicked)
        DesktopLinks::open(url);
    return false;
}

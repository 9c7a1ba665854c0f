#include "services/SchemeUse.h"

#include <QStringList>
#include <QUrl>

SchemeUse schemeUse(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    if (scheme == "http" || scheme == "https" || scheme == "qrc")
        return SchemeUse::Browse;
    if (scheme == "mailto")
        return SchemeUse::Mail;
    // The schemes the engine serves itself: a page made of the address (data:,
    // javascript:), of local files, or of another page's memory never stands as a page
    // of its own, and none of them is anything another program should be handed.
    static const QStringList engineSchemes = {
        "about",       "blob",     "chrome", "chrome-error", "chrome-untrusted",
        "data",        "devtools", "file",   "filesystem",   "javascript",
        "view-source", "ws",       "wss"};
    if (scheme.isEmpty() || !url.isValid() || engineSchemes.contains(scheme))
        return SchemeUse::Refused;
    return SchemeUse::Outside;
}

#include "services/BrowserAddresses.h"

#include "markup/SmileyTable.h"
#include "platform/Sites.h"

namespace {
// QUrl drops an empty query, so the form with a bare "?" is built from the encoded text.
QUrl exactly(const QString& address) {
    return QUrl::fromEncoded(address.toUtf8(), QUrl::StrictMode);
}
} // namespace

BrowserAddresses BrowserAddresses::standard() {
    return {Sites::Forum, Sites::Smileys, Sites::AuthorMail, Sites::HomePage};
}

QUrl BrowserAddresses::forumHome() const {
    return exactly(forum + "/");
}

QUrl BrowserAddresses::forumList() const {
    return exactly(forum + "/forumlist.cfm");
}

QUrl BrowserAddresses::forumListFromEditor() const {
    return exactly(forum + "/forumlist.cfm?");
}

QUrl BrowserAddresses::advancedSearch() const {
    return exactly(forum + "/search.cfm");
}

QUrl BrowserAddresses::authorHomePage() const {
    return exactly(homePage);
}

QUrl BrowserAddresses::mailToAuthor() const {
    return exactly("mailto:" + authorMail);
}

QUrl BrowserAddresses::smileyPage() const {
    return exactly(smileys + kMoreSmileysPath);
}

QString BrowserAddresses::localSmileyPage() {
    return QStringLiteral("qrc:/smileypage/smileys.html");
}

#include "info/ProgramInfo.h"

#include "platform/Sites.h"

#include <QStringList>

namespace {

// A disclaimer is built up piece by piece, each piece appended to the text so far.
QString joined(const QStringList& pieces) {
    QString text;
    for (const QString& piece : pieces)
        text += piece;
    return text;
}

} // namespace

namespace ProgramInfo {

QString versionText() {
    return QStringLiteral("Version %1.%2.%3")
        .arg(QUILLET_VERSION_MAJOR)
        .arg(QUILLET_VERSION_MINOR)
        .arg(QUILLET_VERSION_PATCH);
}

QString splashDisclaimer() {
    return joined({"", " Please read About Box for more details"});
}

QString aboutDisclaimer() {
    return joined({
        "",
        " Vornet forum is directly or indirectly NOT connected  building of this program.",
        " This has been programmed in my own interest;",
        " and should be used at your own risk.",
        " Neither Vornet forums or my self is responsible for any loss or damage",
        " occures to you by using this application.",
    });
}

QString authorHandlePage() {
    return forumPage(QStringLiteral("/userinfo.cfm?member=") + Sites::AuthorHandle);
}

QString homePageAddress() {
    return QString(Sites::HomePage) + '/';
}

QString mailAddress() {
    return QStringLiteral("mailto:") + Sites::AuthorMail;
}

} // namespace ProgramInfo

QString forumPage(const QString& path) {
    return QString(Sites::Forum) + path;
}

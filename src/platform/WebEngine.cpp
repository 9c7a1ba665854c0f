#include "platform/WebEngine.h"

#include <QCoreApplication>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <unistd.h>

namespace {
QWebEngineProfile* sharedProfile = nullptr;

void configure(QWebEngineSettings* settings) {
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, true);
    settings->setUnknownUrlSchemePolicy(
        QWebEngineSettings::AllowUnknownUrlSchemesFromUserInteraction);
}
} // namespace

QWebEngineProfile* WebEngine::profile() {
    if (sharedProfile)
        return sharedProfile;
    // Chromium reads this once, when its first profile comes up.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // Off the record: nothing of the pages visited is kept on disk.
    sharedProfile = new QWebEngineProfile(QCoreApplication::instance());
    sharedProfile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    configure(sharedProfile->settings());
    return sharedProfile;
}

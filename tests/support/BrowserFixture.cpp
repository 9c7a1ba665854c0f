#include "BrowserFixture.h"

#include "platform/DesktopLinks.h"
#include "platform/ProgramEnd.h"
#include "services/BrowserWindows.h"
#include "services/WebBrowser.h"
#include "settings/SettingsPaths.h"
#include "shell/MainFrame.h"
#include "shell/PostEditor.h"
#include "shell/PostEditorBrowsers.h"
#include "shell/PostEditorMenus.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QTest>

BrowserFixture::BrowserFixture() {
    ProgramEnd::setHandler([this] { ended = true; });
    DesktopLinks::setHandler([this](const QUrl& url) { desktopLinks.append(url); });
    frame = new MainFrame;
    workArea = new PostEditor(nullptr,
                              {folder.filePath("Settings.ini"), folder.filePath("CustomList.ini")});
    frame->addWorkArea(workArea);
    frame->show();
    (void)QTest::qWaitForWindowExposed(frame);

    BrowserAddresses local;
    local.forum = server.address();
    local.smileys = server.address();
    local.homePage = server.address() + "/author/";
    local.authorMail = "author@127.0.0.1";
    browsers().setAddresses(local);
}

BrowserFixture::~BrowserFixture() {
    delete frame;
    DesktopLinks::setHandler({});
    ProgramEnd::setHandler({});
}

BrowserWindows& BrowserFixture::browsers() const {
    return workArea->browsers().windows();
}

QMdiSubWindow* BrowserFixture::workAreaWindow() const {
    return qobject_cast<QMdiSubWindow*>(workArea->parentWidget());
}

void BrowserFixture::choose(const char* workAreaItem) const {
    workArea->findChild<QAction*>(workAreaItem)->trigger();
}

bool BrowserFixture::waitForPage(WebBrowser* browser, const QString& target, int timeoutMs) {
    const QString title = LocalWebServer::titleFor(target);
    return QTest::qWaitFor([&] { return !browser->Busy() && browser->LocationName() == title; },
                           timeoutMs);
}

QVariant BrowserFixture::runScript(WebBrowser* browser, const QString& script) {
    QVariant result;
    bool done = false;
    browser->page()->runJavaScript(script, [&](const QVariant& value) {
        result = value;
        done = true;
    });
    (void)QTest::qWaitFor([&] { return done; }, 10000);
    return result;
}

#include "BrowserFixture.h"
#include "services/BrowserWindows.h"
#include "services/ForumBrowserMenus.h"
#include "services/ForumBrowserWindow.h"
#include "services/WebBrowser.h"
#include "shell/MainFrame.h"
#include "shell/PostEditor.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTcpServer>
#include <QTest>
#include <QWebEngineProfile>

namespace {
ForumBrowserWindow* openBrowser(BrowserFixture& fixture, const char* item = "mnuBrowser",
                                const QString& target = "/") {
    fixture.choose(item);
    ForumBrowserWindow* browser = fixture.browsers().forumBrowser();
    if (browser && !BrowserFixture::waitForPage(browser->browser(), target))
        return nullptr;
    return browser;
}

void chooseInBrowser(ForumBrowserWindow* browser, const char* item) {
    browser->menus().item(item)->trigger();
}

QLineEdit* addressBox(ForumBrowserWindow* browser) {
    return browser->findChild<QLineEdit*>("txtURL");
}
} // namespace

class TestForumBrowser : public QObject {
    Q_OBJECT
private slots:
    void engineStartsOnlyWithTheFirstBrowser();
    void viewBrowserOpensOnHomeFirstThenOnTheLastPage();
    void forumListReachesItsTwoAddresses();
    void backAndForwardFollowTheHistory();
    void buttonsCarryTheirCaptionsAndTips();
    void copyUrlWithAndWithoutAnAddress();
    void rightClickOnAddressBoxShowsOnlyThePopUp();
    void homePageAndMailLeaveTheWorkAreaOnScreen();
    void frameShowsTheBrowserMenusWhileItIsActive();
    void closedBrowserOpensOnHomeAgain();
    void unreachablePageShowsTheErrorPage();
    void newWindowRequestsStayInTheWindow();
    void mailtoOpensOnlyOnTheUsersClick();
    void permissionRequestsAreDenied();
    void progressBarLiesOverPanelTwo();
};

void TestForumBrowser::engineStartsOnlyWithTheFirstBrowser() {
    BrowserFixture fixture;
    QVERIFY(!qApp->findChild<QWebEngineProfile*>());
    QVERIFY(!fixture.browsers().forumBrowser());
    QVERIFY(openBrowser(fixture));
    QVERIFY(qApp->findChild<QWebEngineProfile*>());
}

void TestForumBrowser::viewBrowserOpensOnHomeFirstThenOnTheLastPage() {
    BrowserFixture fixture;
    ForumBrowserWindow* browser = openBrowser(fixture);
    QVERIFY(browser);
    QCOMPARE(browser->windowTitle(), LocalWebServer::titleFor("/"));
    QVERIFY(!fixture.workAreaWindow()->isVisible());

    chooseInBrowser(browser, "mnuAdvSearch");
    QVERIFY(BrowserFixture::waitForPage(browser->browser(), "/search.cfm"));
    chooseInBrowser(browser, "mnuEditor");
    QVERIFY(fixture.workAreaWindow()->isVisible());
    QVERIFY(!browser->parentWidget()->isVisible());

    const int requests = fixture.server.requests.size();
    fixture.choose("mnuBrowser");
    QCOMPARE(fixture.browsers().forumBrowser(), browser);
    QVERIFY(browser->parentWidget()->isVisible());
    QVERIFY(!fixture.workAreaWindow()->isVisible());
    QTest::qWait(200);
    QCOMPARE(browser->windowTitle(), LocalWebServer::titleFor("/search.cfm"));
    QCOMPARE(fixture.server.requests.size(), requests); // no navigation
}

void TestForumBrowser::forumListReachesItsTwoAddresses() {
    BrowserFixture fixture;
    ForumBrowserWindow* browser = openBrowser(fixture, "mnuForums", "/forumlist.cfm?");
    QVERIFY(browser);
    QVERIFY(fixture.server.requests.contains("/forumlist.cfm?"));
    QVERIFY(!fixture.server.requests.contains("/forumlist.cfm"));
    QCOMPARE(addressBox(browser)->text(), fixture.server.address() + "/forumlist.cfm?");

    chooseInBrowser(browser, "mnuForums");
    QVERIFY(BrowserFixture::waitForPage(browser->browser(), "/forumlist.cfm"));
    QCOMPARE(fixture.server.requests.last(), QString("/forumlist.cfm"));

    fixture.choose("mnuAdvSearch");
    QVERIFY(BrowserFixture::waitForPage(browser->browser(), "/search.cfm"));
    chooseInBrowser(browser, "mnuVornetHome");
    QVERIFY(BrowserFixture::waitForPage(browser->browser(), "/"));
}

void TestForumBrowser::backAndForwardFollowTheHistory() {
    BrowserFixture fixture;
    ForumBrowserWindow* browser = openBrowser(fixture);
    QVERIFY(browser);
    WebBrowser* web = browser->browser();
    chooseInBrowser(browser, "mnuAdvSearch");
    QVERIFY(BrowserFixture::waitForPage(web, "/search.cfm"));

    browser->findChild<QPushButton*>("cmdBack")->click();
    QVERIFY(BrowserFixture::waitForPage(web, "/"));
    QCOMPARE(browser->windowTitle(), LocalWebServer::titleFor("/"));
    QCOMPARE(addressBox(browser)->text(), fixture.server.address() + "/");
    QCOMPARE(browser->findChild<QLabel*>("StatusBar1Panel1")->text(),
             fixture.server.address() + "/");

    browser->findChild<QPushButton*>("cmdForward")->click();
    QVERIFY(BrowserFixture::waitForPage(web, "/search.cfm"));
    QCOMPARE(addressBox(browser)->text(), fixture.server.address() + "/search.cfm");

    const int requests = fixture.server.requests.size();
    browser->findChild<QPushButton*>("cmdRefresh")->click();
    QVERIFY(QTest::qWaitFor([&] { return fixture.server.requests.size() > requests; }));
    QVERIFY(BrowserFixture::waitForPage(web, "/search.cfm"));
    browser->findChild<QPushButton*>("cmdStop")->click();
    QCOMPARE(browser->windowTitle(), LocalWebServer::titleFor("/search.cfm"));
}

void TestForumBrowser::buttonsCarryTheirCaptionsAndTips() {
    BrowserFixture fixture;
    fixture.choose("mnuBrowser");
    ForumBrowserWindow* browser = fixture.browsers().forumBrowser();
    const QList<QStringList> buttons = {
        {"cmdBack", "<", "<< Back"},          {"cmdForward", ">", "Forward >>"},
        {"cmdRefresh", "=", "<< Refresh >>"}, {"cmdHoem", "VN", "Vornet Home"},
        {"cmdStop", "!", "!! STOP !!"},       {"cmdCopyURL", "Copy URL", ""}};
    for (const QStringList& expected : buttons) {
        auto* button = browser->findChild<QPushButton*>(expected[0]);
        QVERIFY2(button, qPrintable(expected[0]));
        QCOMPARE(button->text(), expected[1]);
        QCOMPARE(button->toolTip(), expected[2]);
        QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
    }
}

void TestForumBrowser::copyUrlWithAndWithoutAnAddress() {
    BrowserFixture fixture;
    fixture.choose("mnuBrowser");
    ForumBrowserWindow* browser = fixture.browsers().forumBrowser();
    QLineEdit* box = addressBox(browser);

    box->clear();
    fixture.clipboard.content = "earlier text";
    browser->findChild<QPushButton*>("cmdCopyURL")->click();
    QCOMPARE(fixture.prompter.messages.size(), 1);
    QCOMPARE(fixture.prompter.messages[0].text, QString("No URL to copy"));
    QCOMPARE(fixture.prompter.messages[0].title, QString("Quillet"));
    QCOMPARE(fixture.prompter.messages[0].icon, Prompter::Icon::Information);
    QVERIFY(!fixture.clipboard.hasText());

    box->setText("http://example.test/a b?x=1");
    chooseInBrowser(browser, "mnuCopyURL");
    QCOMPARE(fixture.prompter.messages.size(), 2);
    QCOMPARE(fixture.prompter.messages[1].text, QString("Copied URL to Clipboard"));
    QCOMPARE(fixture.clipboard.content, std::optional<QString>("http://example.test/a b?x=1"));
    QCOMPARE(box->cursorPosition(), 0);
    QVERIFY(!box->hasSelectedText());

    fixture.clipboard.available = false; // held by another program: still no failure
    chooseInBrowser(browser, "mnuCopyURL1");
    QCOMPARE(fixture.prompter.messages.size(), 3);
}

void TestForumBrowser::rightClickOnAddressBoxShowsOnlyThePopUp() {
    BrowserFixture fixture;
    fixture.choose("mnuBrowser");
    ForumBrowserWindow* browser = fixture.browsers().forumBrowser();
    QLineEdit* box = addressBox(browser);
    box->setText("http://example.test/");
    QTest::mouseClick(box, Qt::RightButton, {}, QPoint(10, 5));
    QContextMenuEvent contextMenu(QContextMenuEvent::Mouse, QPoint(10, 5),
                                  box->mapToGlobal(QPoint(10, 5)));
    QApplication::sendEvent(box, &contextMenu);

    auto* popUp = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(popUp);
    QCOMPARE(popUp->objectName(), QString("mnuPopUp"));
    QCOMPARE(popUp->actions().size(), 1);
    QCOMPARE(popUp->actions()[0]->text(), QString("Copy URL"));
    popUp->actions()[0]->trigger();
    popUp->close();
    QVERIFY(!QApplication::activePopupWidget()); // the box's own menu never opened
    QCOMPARE(fixture.clipboard.content, std::optional<QString>("http://example.test/"));
    QVERIFY(box->isEnabled());
}

void TestForumBrowser::homePageAndMailLeaveTheWorkAreaOnScreen() {
    BrowserFixture fixture;
    ForumBrowserWindow* browser = openBrowser(fixture, "mnuHomePage", "/author/");
    QVERIFY(browser);
    QVERIFY(fixture.workAreaWindow()->isVisible());
    QVERIFY(fixture.server.requests.contains("/author/"));

    fixture.choose("mnuEmail");
    chooseInBrowser(browser, "mnuEmail");
    const QUrl mail("mailto:author@127.0.0.1");
    QCOMPARE(fixture.desktopLinks, QList<QUrl>({mail, mail}));
}

void TestForumBrowser::frameShowsTheBrowserMenusWhileItIsActive() {
    BrowserFixture fixture;
    fixture.choose("mnuBrowser");
    ForumBrowserWindow* browser = fixture.browsers().forumBrowser();
    QStringList captions;
    for (QAction* item : fixture.frame->menuBar()->actions())
        captions << item->text();
    QCOMPARE(captions, QStringList({"&File", "Na&vigate", "Text &Editor", "&Browser", "&Help"}));
    QVERIFY(!fixture.frame->menuBar()->actions()[2]->menu());

    fixture.prompter.answers = {Prompter::Answer::No};
    chooseInBrowser(browser, "mnuExit");
    QCOMPARE(fixture.prompter.messages.last().text, QString("OK to Exit ?"));
    QVERIFY(!fixture.ended);

    chooseInBrowser(browser, "mnuEditor");
    captions.clear();
    for (QAction* item : fixture.frame->menuBar()->actions())
        captions << item->text();
    QCOMPARE(captions.value(1), QString("&Edit"));
}

void TestForumBrowser::closedBrowserOpensOnHomeAgain() {
    BrowserFixture fixture;
    ForumBrowserWindow* browser = openBrowser(fixture);
    QVERIFY(browser);
    chooseInBrowser(browser, "mnuAdvSearch");
    QVERIFY(BrowserFixture::waitForPage(browser->browser(), "/search.cfm"));
    browser->parentWidget()->close();
    QTRY_VERIFY(!fixture.browsers().forumBrowser());
    QVERIFY(fixture.workAreaWindow()->isVisible());

    browser = openBrowser(fixture);
    QVERIFY(browser);
    QCOMPARE(browser->windowTitle(), LocalWebServer::titleFor("/"));
}

void TestForumBrowser::unreachablePageShowsTheErrorPage() {
    BrowserFixture fixture;
    ForumBrowserWindow* browser = openBrowser(fixture);
    QVERIFY(browser);
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    const QUrl unreachable(QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort()));
    closed.close();

    browser->Navigate(unreachable);
    QTRY_VERIFY_WITH_TIMEOUT(addressBox(browser)->text() == unreachable.toString(), 15000);
    const QString errorText =
        BrowserFixture::runScript(browser->browser(), "document.body.innerText").toString();
    QVERIFY2(!errorText.isEmpty(), "the engine's error page shows");

    chooseInBrowser(browser, "mnuVornetHome");
    QVERIFY(BrowserFixture::waitForPage(browser->browser(), "/"));
}

void TestForumBrowser::newWindowRequestsStayInTheWindow() {
    BrowserFixture fixture;
    fixture.server.pages["/links.html"] =
        "<html><head><title>Links</title></head><body style='margin:0'>"
        "<a id=l href='/other.html' target='_blank' style='display:block;height:200px'>"
        "other</a></body></html>";
    ForumBrowserWindow* browser = openBrowser(fixture);
    QVERIFY(browser);
    WebBrowser* web = browser->browser();
    browser->Navigate(QUrl(fixture.server.address() + "/links.html"));
    QTRY_COMPARE_WITH_TIMEOUT(web->LocationName(), QString("Links"), 15000);
    QTRY_VERIFY(web->focusProxy());
    QTest::mouseClick(web->focusProxy(), Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(BrowserFixture::waitForPage(web, "/other.html"));
    QCOMPARE(fixture.frame->mdiArea()->subWindowList().size(), 2); // work area and browser
}

void TestForumBrowser::mailtoOpensOnlyOnTheUsersClick() {
    BrowserFixture fixture;
    fixture.server.pages["/mail.html"] =
        "<html><head><title>Mail</title></head><body style='margin:0'>"
        "<a href='mailto:someone@127.0.0.1' style='display:block;height:200px'>mail</a>"
        "</body></html>";
    ForumBrowserWindow* browser = openBrowser(fixture);
    QVERIFY(browser);
    WebBrowser* web = browser->browser();
    browser->Navigate(QUrl(fixture.server.address() + "/mail.html"));
    QTRY_COMPARE_WITH_TIMEOUT(web->LocationName(), QString("Mail"), 15000);

    BrowserFixture::runScript(web, "location.href = 'mailto:script@127.0.0.1'; 1");
    QTest::qWait(500);
    QVERIFY(fixture.desktopLinks.isEmpty());

    QTest::mouseClick(web->focusProxy(), Qt::LeftButton, {}, QPoint(20, 20));
    QTRY_COMPARE_WITH_TIMEOUT(fixture.desktopLinks, QList<QUrl>({QUrl("mailto:someone@127.0.0.1")}),
                              5000);
    QCOMPARE(web->LocationName(), QString("Mail"));
}

void TestForumBrowser::permissionRequestsAreDenied() {
    BrowserFixture fixture;
    fixture.server.pages["/ask.html"] = "<html><head><title>Ask</title></head><body><script>"
                                        "navigator.geolocation.getCurrentPosition("
                                        "  function() { document.title = 'granted'; },"
                                        "  function(e) { document.title = 'denied ' + e.code; });"
                                        "</script></body></html>";
    ForumBrowserWindow* browser = openBrowser(fixture);
    QVERIFY(browser);
    browser->Navigate(QUrl(fixture.server.address() + "/ask.html"));
    QTRY_VERIFY_WITH_TIMEOUT(browser->browser()->LocationName().startsWith("denied"), 15000);
}

void TestForumBrowser::progressBarLiesOverPanelTwo() {
    BrowserFixture fixture;
    fixture.choose("mnuBrowser");
    ForumBrowserWindow* browser = fixture.browsers().forumBrowser();
    browser->parentWidget()->showNormal();
    browser->parentWidget()->resize(900, 600);
    auto* statusBar = browser->findChild<QWidget*>("StatusBar1");
    auto* panel2 = browser->findChild<QLabel*>("StatusBar1Panel2");
    auto* progress = browser->findChild<QProgressBar*>("ProgressBar1");
    QVERIFY(panel2->geometry().contains(progress->geometry()));
    QVERIFY(panel2->geometry().left() > statusBar->width() / 2); // panel 1 has the room
    QCOMPARE(statusBar->geometry().bottom(), browser->height() - 1);
    QLineEdit* box = addressBox(browser);
    auto* copyUrl = browser->findChild<QPushButton*>("cmdCopyURL");
    QVERIFY(copyUrl->geometry().left() > box->geometry().right());
    QVERIFY(copyUrl->geometry().right() < browser->width());

    // Too small for the layout: the controls keep their sizes and nothing fails.
    const QRect before = box->geometry();
    browser->parentWidget()->resize(60, 60);
    QCOMPARE(box->geometry().size(), before.size());
}

QTEST_MAIN(TestForumBrowser)
#include "tst_forum_browser.moc"

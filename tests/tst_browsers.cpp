// The browsers against a local web server, in few long scenarios: the engine is slow.
#include "LocalWebServer.h"
#include "ScriptedPrompter.h"
#include "TestClipboard.h"
#include "markup/SmileyTable.h"
#include "platform/DesktopLinks.h"
#include "platform/EditingSurface.h"
#include "platform/ProgramEnd.h"
#include "post/Post.h"
#include "services/BrowserWindows.h"
#include "services/ForumBrowserWindow.h"
#include "services/WebBrowser.h"
#include "services/WebBrowserWindow.h"
#include "settings/SettingsPaths.h"
#include "shell/MainFrame.h"
#include "shell/PostEditor.h"
#include "shell/PostEditorBrowsers.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QWebEngineProfile>
#include <QtTest>

namespace {

// The frame and work area as the program starts them, every site on the local server.
struct BrowserFixture {
    QTemporaryDir folder;
    ScriptedPrompter prompter;
    TestClipboard clipboard;
    LocalWebServer server;
    BrowserAddresses addresses{server.address(), server.address(), "author@127.0.0.1",
                               server.address() + "/author/"};
    QList<QUrl> desktopLinks;
    bool ended = false;
    MainFrame frame;
    PostEditor* workArea = new PostEditor(
        nullptr, {folder.filePath("Settings.ini"), folder.filePath("CustomList.ini")});

    BrowserFixture() {
        ProgramEnd::setHandler([this] { ended = true; });
        DesktopLinks::setHandler([this](const QUrl& url) { desktopLinks << url; });
        frame.addWorkArea(workArea);
        frame.show();
        (void)QTest::qWaitForWindowExposed(&frame);
        browsers().setAddresses(addresses);
    }
    ~BrowserFixture() {
        DesktopLinks::setHandler({});
        ProgramEnd::setHandler({});
    }
    BrowserWindows& browsers() const { return workArea->browsers().windows(); }
    QWidget* workAreaWindow() const { return workArea->parentWidget(); }
    void choose(const char* item) const { workArea->findChild<QAction*>(item)->trigger(); }
};

WebBrowser* webView(const QWidget* window) {
    return window->findChild<WebBrowser*>();
}

bool waitForTitle(WebBrowser* web, const QString& title) {
    return QTest::qWaitFor([&] { return !web->isBusy() && web->title() == title; }, 15000);
}

QVariant runScript(WebBrowser* web, const QString& script) {
    std::optional<QVariant> result;
    web->page()->runJavaScript(script, [&](const QVariant& value) { result = value; });
    (void)QTest::qWaitFor([&] { return result.has_value(); }, 10000);
    return result.value_or(QVariant());
}

// The forum browser, driven through its own menus and buttons.
struct Forum {
    const BrowserFixture& f;
    ForumBrowserWindow* window() const { return f.frame.findChild<ForumBrowserWindow*>(); }
    // Waits for the server's page for a request target such as "/search.cfm".
    bool shows(const QString& target) const {
        return waitForTitle(webView(window()), "Page " + target);
    }
    // Clicks a button ("cmdBack") or a menu item ("mnuForums"), then waits for the page.
    bool go(const char* command, const QString& target = {}) const {
        if (auto* button = window()->findChild<QPushButton*>(command))
            button->click();
        else
            window()->findChild<QAction*>(command)->trigger();
        return target.isNull() || shows(target);
    }
    QString title() const { return window()->windowTitle(); }
    QString address() const { return window()->findChild<QLineEdit*>("txtURL")->text(); }
    QString status() const { return window()->findChild<QLabel*>("StatusBar1Panel1")->text(); }
    bool shown() const { return window()->parentWidget()->isVisible(); }
    QString menu(int index) const { return f.frame.menuBar()->actions().value(index)->text(); }
};

} // namespace

class TestBrowsers : public QObject {
    Q_OBJECT
private slots:
    // First: it starts the web engine.
    void forumCommandsLeadThroughTheForum() {
        BrowserFixture f;
        const Forum forum{f};
        const QString site = f.server.address();
        QVERIFY(!qApp->findChild<QWebEngineProfile*>());
        f.choose("mnuBrowser"); // the first time: the forum's home page
        QVERIFY(forum.window() && qApp->findChild<QWebEngineProfile*>() &&
                !f.workAreaWindow()->isVisible());
        auto* progress = forum.window()->findChild<QProgressBar*>("ProgressBar1");
        int mostProgress = 0;
        QString statusAtStart;
        connect(progress, &QProgressBar::valueChanged,
                [&](int v) { mostProgress = qMax(mostProgress, v); });
        connect(webView(forum.window()), &WebBrowser::loadStarted,
                [&] { statusAtStart = forum.status(); });
        QVERIFY(forum.shows("/"));
        QCOMPARE(forum.title(), "Page /");
        QCOMPARE(statusAtStart, "Status: Processing ...");
        QCOMPARE(mostProgress, 100);
        QTRY_COMPARE(progress->value(), 0); // empty again once loaded

        QVERIFY(forum.go("mnuAdvSearch", "/search.cfm"));
        QVERIFY(forum.go("cmdBack", "/"));
        QCOMPARE(forum.title() + " " + forum.address() + " " + forum.status(),
                 "Page / " + site + "/ " + site + "/");
        QVERIFY(forum.go("cmdForward", "/search.cfm"));
        const int requests = f.server.requests.size();
        QVERIFY(forum.go("cmdRefresh"));
        QTRY_VERIFY(f.server.requests.size() > requests && forum.shows("/search.cfm"));
        QVERIFY(forum.go("cmdStop"));
        QCOMPARE(forum.title(), "Page /search.cfm");
        QVERIFY(forum.go("cmdHoem", "/"));

        // Two forum lists: the browser's own, and the work area's with a bare "?".
        QVERIFY(forum.go("mnuForums", "/forumlist.cfm")); // the title names the exact request
        QVERIFY(forum.go("mnuEditor") && f.workAreaWindow()->isVisible() && !forum.shown());
        const int before = f.server.requests.size();
        f.choose("mnuBrowser"); // again: the page last open, not loaded again
        QVERIFY(forum.shown() && !f.workAreaWindow()->isVisible());
        QTest::qWait(200);
        QCOMPARE(f.server.requests.size(), before);
        QCOMPARE(forum.title(), "Page /forumlist.cfm");
        f.choose("mnuForums");
        QVERIFY(forum.shows("/forumlist.cfm?"));
        f.choose("mnuAdvSearch");
        QVERIFY(forum.shows("/search.cfm"));
        forum.window()->parentWidget()->close(); // closed, it opens on the home page again
        QTRY_VERIFY(!forum.window() && f.workAreaWindow()->isVisible());
        f.choose("mnuBrowser");
        QVERIFY(forum.shows("/"));
    }

    void forumAddressBoxAndPagesKeepToTheWindow() {
        BrowserFixture f;
        const Forum forum{f};
        f.choose("mnuHomePage"); // the author's page, beside the work area
        QVERIFY(forum.shows("/author/") && f.workAreaWindow()->isVisible());
        f.choose("mnuEmail");
        QVERIFY(forum.go("mnuEmail"));
        QCOMPARE(f.desktopLinks, QList<QUrl>(2, QUrl("mailto:author@127.0.0.1")));
        QCOMPARE(forum.menu(2), "Text &Editor"); // the browser's menus while it is active
        f.prompter.answers = {Prompter::Answer::No};
        QVERIFY(forum.go("mnuExit") && !f.ended);

        // Copy URL: nothing to copy, an address, a clipboard held elsewhere, the pop-up menu.
        const QString url = "http://example.test/a b?x=1";
        auto* box = forum.window()->findChild<QLineEdit*>("txtURL");
        box->clear();
        f.clipboard.content = "earlier text";
        QVERIFY(forum.go("cmdCopyURL") && !f.clipboard.hasText());
        box->setText(url);
        QVERIFY(forum.go("mnuCopyURL") && box->cursorPosition() == 0 && !box->hasSelectedText());
        QCOMPARE(f.clipboard.content, std::optional<QString>(url));
        f.clipboard.available = false;
        QVERIFY(forum.go("mnuCopyURL"));
        f.clipboard.available = true;
        f.clipboard.content.reset();
        QTest::mouseClick(box, Qt::RightButton, {}, QPoint(10, 5));
        QContextMenuEvent contextMenu(QContextMenuEvent::Mouse, {10, 5},
                                      box->mapToGlobal(QPoint(10, 5)));
        QApplication::sendEvent(box, &contextMenu);
        auto* popUp = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(popUp && popUp->objectName() == "mnuPopUp" && popUp->actions().size() == 1);
        popUp->actions()[0]->trigger();
        popUp->close();
        QVERIFY(!QApplication::activePopupWidget()); // the box's own menu never opened
        QCOMPARE(f.clipboard.content, std::optional<QString>(url));
        QCOMPARE(f.prompter.asked(),
                 QStringList({"Quillet: OK to Exit ?", "Quillet: No URL to copy"}) +
                     QStringList(3, "Quillet: Copied URL to Clipboard"));

        // The progress bar lies over panel 2; a window too small leaves the sizes alone.
        forum.window()->parentWidget()->showNormal();
        forum.window()->parentWidget()->resize(900, 600);
        const QRect panel2 = forum.window()->findChild<QLabel*>("StatusBar1Panel2")->geometry();
        QVERIFY(
            panel2.contains(forum.window()->findChild<QProgressBar*>("ProgressBar1")->geometry()));
        const QSize boxSize = box->size();
        forum.window()->parentWidget()->resize(60, 60);
        QCOMPARE(box->size(), boxSize);
        forum.window()->parentWidget()->showMaximized();

        // Links and scripts keep to the window: no new windows, no page but a web page, no
        // permissions or downloads, nothing out to another program but on a click (and a Yes).
        const QString site = f.server.address();
        const QString ran = "document.title = 'Ran'; new Image().src = '" + site + "/ran'";
        f.server.pages["/links.html"] =
            QString("<html><head><title>Links</title><style>a { display: block; height: 40px }"
                    "</style></head><body style='margin:0'><a href='mailto:someone@127.0.0.1'>m</a>"
                    "<a target=_blank href=\"data:text/html,<script>%1</script>\">d</a>"
                    "<a target=_blank href=\"javascript:void(%1)\">j</a>"
                    "<a href='irc://irc.example/quillet'>i</a>"
                    "<a target=_blank href='tel:+15550100'>t</a>"
                    "<a download href='/quillet-refused.txt'>f</a>"
                    "<a target=_blank href='/other.html'>o</a>"
                    "<script>navigator.geolocation.getCurrentPosition(function() {}, "
                    "function() { document.body.id = 'denied'; });</script></body></html>")
                .arg(ran)
                .toUtf8();
        forum.window()->navigate(QUrl(site + "/links.html"));
        WebBrowser* web = webView(forum.window());
        const auto click = [web](int row) {
            QTest::mouseClick(web->focusProxy(), Qt::LeftButton, {}, QPoint(20, 40 * row + 20));
        };
        QVERIFY(waitForTitle(web, "Links"));
        QTRY_COMPARE(runScript(web, "document.body.id").toString(), "denied");

        f.desktopLinks.clear();
        f.prompter.messages.clear();
        for (const char* script :
             {"location.href = 'mailto:script@127.0.0.1'",
              "location.href = 'irc://script.example/'", "document.links[4].click()"})
            runScript(web, QString(script) + "; 1");
        forum.window()->navigate(QUrl("data:text/html,<title>Asked for</title>"));
        click(1); // data: and javascript: in a new window: nothing loads, nothing runs
        click(2);
        QTest::qWait(1000);
        QVERIFY(web->title() == "Links" && web->url() == QUrl(site + "/links.html"));
        QVERIFY(f.desktopLinks.isEmpty() && f.prompter.messages.isEmpty() &&
                !f.server.requests.contains("/ran"));
        click(0);
        QTRY_COMPARE(f.desktopLinks, QList<QUrl>({QUrl("mailto:someone@127.0.0.1")}));
        f.prompter.answers = {Prompter::Answer::No, Prompter::Answer::Yes};
        click(3);
        QTRY_COMPARE(f.prompter.messages.size(), 1);
        click(4);
        QTRY_COMPARE(f.desktopLinks.value(1), QUrl("tel:+15550100")); // after No, Yes
        QCOMPARE(f.prompter.asked().first(),
                 "Quillet: Open this link with another application?\n\nirc://irc.example/quillet");
        QVERIFY(f.prompter.messages.first().buttons == Prompter::Buttons::YesNo);
        click(5);
        QTRY_COMPARE(f.prompter.asked().value(2), "Quillet: Quillet does not download files.");
        QVERIFY(!QDir(web->page()->profile()->downloadPath()).exists("quillet-refused.txt"));
        click(6);
        QVERIFY(forum.shows("/other.html") && f.prompter.messages.size() == 3); // asked once
        QCOMPARE(f.frame.mdiArea()->subWindowList().size(), 2); // the work area and this one

        const QUrl unreachable(f.server.address() + "/");
        f.server.close();
        forum.window()->navigate(unreachable);
        QTRY_COMPARE_WITH_TIMEOUT(forum.address(), unreachable.toString(), 15000);
        QVERIFY(!runScript(web, "document.body.innerText").toString().isEmpty()); // the error page
        QVERIFY(forum.go("mnuEditor"));
        QCOMPARE(forum.menu(1), "&Edit");
    }

    void smileyBrowserInsertsTheClickedCode() {
        BrowserFixture f;
        f.browsers().moreSmileys(); // the site's page, beside the work area
        QPointer<WebBrowserWindow> window = f.frame.findChild<WebBrowserWindow*>();
        QVERIFY(waitForTitle(webView(window), QString("Page ") + kMoreSmileysPath));
        QTRY_COMPARE(window->windowTitle(), "Insert Smileys");
        QVERIFY(f.workAreaWindow()->isVisible());
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(!window);
        f.server.close(); // the next opens anew, on the shipped copy when the site is away
        f.browsers().moreSmileys();
        window = f.frame.findChild<WebBrowserWindow*>();
        WebBrowser* web = webView(window);
        QTRY_COMPARE_WITH_TIMEOUT(web->url(), QUrl(BrowserAddresses::localSmileyPage()), 15000);
        QVERIFY(waitForTitle(web, "Vornet Forum Smileys"));
        auto* box = window->findChild<QLineEdit*>("txtAddress");
        box->setText("about:blank"); // the box does not navigate
        QTest::keyClick(box, Qt::Key_Return);

        EditingSurface& surface = f.workArea->post().surface();
        surface.setText("Hello world");
        surface.setSelStart(6);
        const QVariantList wink = runScript(web, R"(
        var wink = document.querySelectorAll('.code')[10].getBoundingClientRect();
        [wink.left + 3, wink.top + wink.height / 2])")
                                      .toList();
        QTest::mouseClick(web->focusProxy(), Qt::LeftButton, {},
                          QPoint(wink.value(0).toInt(), wink.value(1).toInt()));
        QTRY_COMPARE(web->selectedText(), "[wink]"); // a click selects the whole code
        f.clipboard.content = "left over";
        QAction* insert = window->findChild<QAction*>("Insert");
        insert->trigger();
        QCOMPARE(surface.text(), "Hello [wink]world");
        QVERIFY(!f.clipboard.hasText() && !window->isVisible());
        QCOMPARE(web->title(), "Vornet Forum Smileys");

        runScript(web, "getSelection().removeAllRanges(); 1");
        QTRY_VERIFY(!web->hasSelection());
        surface.setSelStart(0);
        surface.setSelLength(6);
        insert->trigger(); // nothing selected on the page: the selection goes
        QCOMPARE(surface.text(), "[wink]world");

        QStringList codes; // in the table's order, each beside its own picture
        for (const Smiley& smiley : smileys())
            codes << smiley.code() + " " + smiley.code().mid(1).chopped(1) + ".svg";
        QCOMPARE(runScript(web, R"(Array.from(document.querySelectorAll('.code'), code =>
                 code.textContent + ' ' + code.previousElementSibling.src.split('/').pop())
                 .join('|'))")
                     .toString(),
                 codes.join('|'));
        QTRY_VERIFY(
            runScript(web, "Array.from(document.images).every(image => image.naturalWidth > 0)")
                .toBool());
    }
};

QTEST_MAIN(TestBrowsers)
#include "tst_browsers.moc"

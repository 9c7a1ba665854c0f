#include "BrowserFixture.h"
#include "markup/SmileyTable.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "post/Post.h"
#include "services/BrowserAddresses.h"
#include "services/BrowserWindows.h"
#include "services/WebBrowser.h"
#include "services/WebBrowserWindow.h"
#include "shell/PostEditor.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTest>

namespace {
QByteArray localSmileyPage() {
    QFile page(":/smileypage/smileys.html");
    return page.open(QIODevice::ReadOnly) ? page.readAll() : QByteArray();
}

// More Smileys on a server that serves the shipped page; the browser once it has loaded.
WebBrowserWindow* openSmileys(BrowserFixture& fixture) {
    fixture.server.pages[kMoreSmileysPath] = localSmileyPage();
    fixture.browsers().moreSmileys();
    WebBrowserWindow* smileys = fixture.browsers().smileyBrowser();
    const bool loaded =
        smileys && QTest::qWaitFor(
                       [&] {
                           return !smileys->browser()->Busy() &&
                                  smileys->browser()->LocationName() == "Vornet Forum Smileys";
                       },
                       15000);
    return loaded ? smileys : nullptr;
}

void selectOnPage(WebBrowser* browser, const QString& script) {
    BrowserFixture::runScript(browser, script);
    (void)QTest::qWaitFor([&] { return browser->hasSelection() == !script.isEmpty(); }, 5000);
}

// Selects the code of the smiley with the given place on the page, as a click on it does.
QString selectCode(int index) {
    return QStringLiteral("var range = document.createRange();"
                          "range.selectNodeContents(document.querySelectorAll('.code')[%1]);"
                          "getSelection().removeAllRanges(); getSelection().addRange(range);")
        .arg(index);
}
} // namespace

class TestSmileyBrowser : public QObject {
    Q_OBJECT
private slots:
    void shippedPageListsEveryCodeSelectably();
    void moreSmileysOpensTheSmileyPage();
    void insertPutsTheSelectedCodeAtTheCaret();
    void insertWithNothingSelectedRemovesTheSelection();
    void unreachableSiteFallsBackToTheShippedPage();
    void escapeClosesAndTheNextOpenLoadsAgain();
};

void TestSmileyBrowser::shippedPageListsEveryCodeSelectably() {
    const QString page = QString::fromUtf8(localSmileyPage());
    QRegularExpression entry(
        R"re(<img src="\.\./smileys/([a-z0-9]+)\.svg"[^>]*><span class="code">\[([a-z0-9]+)\]</span>)re");
    QStringList codes;
    for (const auto& match : entry.globalMatch(page)) {
        QCOMPARE(match.captured(1), match.captured(2)); // each picture beside its own code
        QVERIFY2(QFile::exists(":/smileys/" + match.captured(1) + ".svg"),
                 qPrintable(match.captured(1)));
        codes << "[" + match.captured(2) + "]";
    }
    QStringList expected;
    for (const Smiley& smiley : smileys())
        expected << smiley.code();
    QCOMPARE(codes, expected);
    QVERIFY(page.contains("user-select: all"));
}

void TestSmileyBrowser::moreSmileysOpensTheSmileyPage() {
    BrowserFixture fixture;
    WebBrowserWindow* smileys = openSmileys(fixture);
    QVERIFY(smileys);
    QVERIFY(fixture.server.requests.contains(kMoreSmileysPath));
    QCOMPARE(smileys->width(), Twips::toPixels(10000));
    QTRY_COMPARE(smileys->windowTitle(), QString("Insert Smileys"));
    QCOMPARE(smileys->findChild<QLineEdit*>("txtAddress")->text(),
             BrowserAddresses::localSmileyPage());
    QVERIFY(fixture.workAreaWindow()->isVisible());
}

void TestSmileyBrowser::insertPutsTheSelectedCodeAtTheCaret() {
    BrowserFixture fixture;
    fixture.workArea->post().surface().setText("Hello world");
    fixture.workArea->post().surface().setSelStart(6);
    WebBrowserWindow* smileys = openSmileys(fixture);
    QVERIFY(smileys);
    selectOnPage(smileys->browser(), selectCode(10)); // [wink]
    QCOMPARE(smileys->browser()->selectedText(), QString("[wink]"));
    fixture.clipboard.content = "left over";

    smileys->findChild<QAction*>("Insert")->trigger();
    QCOMPARE(fixture.workArea->post().surface().text(), QString("Hello [wink]world"));
    QCOMPARE(fixture.workArea->post().surface().selStart(), 12);
    QVERIFY(!fixture.clipboard.hasText());
    QVERIFY(!smileys->isVisible());
}

void TestSmileyBrowser::insertWithNothingSelectedRemovesTheSelection() {
    BrowserFixture fixture;
    EditingSurface& surface = fixture.workArea->post().surface();
    surface.setText("keep this away");
    WebBrowserWindow* smileys = openSmileys(fixture);
    QVERIFY(smileys);
    surface.setSelStart(5);
    surface.setSelLength(5);
    smileys->Insert();
    QCOMPARE(surface.text(), QString("keep away"));
    QVERIFY(!fixture.clipboard.hasText());
}

void TestSmileyBrowser::unreachableSiteFallsBackToTheShippedPage() {
    BrowserFixture fixture;
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    BrowserAddresses offline = fixture.browsers().addresses();
    offline.smileys = QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort());
    closed.close();
    fixture.browsers().setAddresses(offline);

    fixture.browsers().moreSmileys();
    WebBrowser* web = fixture.browsers().smileyBrowser()->browser();
    QTRY_COMPARE_WITH_TIMEOUT(web->url(), QUrl(BrowserAddresses::localSmileyPage()), 15000);
    QTRY_COMPARE_WITH_TIMEOUT(web->LocationName(), QString("Vornet Forum Smileys"), 15000);
    QCOMPARE(BrowserFixture::runScript(web, "document.querySelectorAll('.code').length").toInt(),
             kSmileyCount);
    // The pictures come with the page.
    QTRY_VERIFY(BrowserFixture::runScript(web, "document.images[0].naturalWidth").toInt() > 0);
}

void TestSmileyBrowser::escapeClosesAndTheNextOpenLoadsAgain() {
    BrowserFixture fixture;
    fixture.browsers().moreSmileys();
    QPointer<WebBrowserWindow> smileys = fixture.browsers().smileyBrowser();
    QVERIFY(smileys);
    QTest::keyClick(smileys, Qt::Key_Escape);
    QTRY_VERIFY(!smileys);
    QVERIFY(!fixture.browsers().smileyBrowser());
    fixture.browsers().moreSmileys();
    QVERIFY(fixture.browsers().smileyBrowser());
}

QTEST_MAIN(TestSmileyBrowser)
#include "tst_smiley_browser.moc"

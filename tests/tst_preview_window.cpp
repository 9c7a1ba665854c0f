// The preview window beside the work area: Preview (F5) opens it, it follows the typing, a
// click on a tag problem selects the tag, images come only when asked for, and the focus
// stays in the editing surface throughout.
#include "EditorFixture.h"
#include "LocalWebServer.h"
#include "markup/PreviewBrowser.h"
#include "markup/PreviewWindow.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDesktopServices>
#include <QListWidget>
#include <QScrollBar>

namespace {

// A work area whose preview was opened over the given text.
struct Preview : EditorFixture {
    explicit Preview(const QString& text) {
        surface().setText(text);
        action("mnuPreview")->trigger();
    }
    PreviewWindow* window() const { return workArea->findChild<PreviewWindow*>("frmPreview"); }
    PreviewBrowser* view() const { return window()->findChild<PreviewBrowser*>(); }
    QListWidget* problems() const { return window()->findChild<QListWidget*>("ListProblems"); }
    QString problem(int row) const { return problems()->item(row)->text(); }
    void clickProblem(int row) const {
        QTest::mouseClick(problems()->viewport(), Qt::LeftButton, {},
                          problems()->visualItemRect(problems()->item(row)).center());
    }
    bool focusStayed() const {
        return box()->hasFocus() && QApplication::activeWindow() == workArea.get();
    }
};

} // namespace

// Stands in for the desktop's browser: records the addresses it is asked to open.
class LinkCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& address) { opened << address; }
};

class TestPreviewWindow : public QObject {
    Q_OBJECT

private slots:
    void thePreviewListsTheProblemsAndFollowsTheTyping() {
        Preview p("ab\r\ncd [b]x[/i]\r\n[u][s]k[/u][/s]");
        QVERIFY(p.window()->isVisible() && p.focusStayed());
        QCOMPARE(p.problems()->count(), 3);
        QCOMPARE(p.problem(0), "Line 2, column 4: [b] is never closed");
        QCOMPARE(p.problem(1), "Line 2, column 8: [/i] has no start tag");
        QCOMPARE(p.problem(2), "Line 3, column 8: [/u] closes before [s] inside it is closed");
        p.action("mnuPreview")->trigger(); // again: the same window, not a second one
        QCOMPARE(p.workArea->findChildren<PreviewWindow*>().size(), 1);

        p.clickProblem(1);
        QCOMPARE(p.surface().selText(), "[/i]");
        QCOMPARE(p.surface().selStart(), 10);
        QVERIFY(p.focusStayed());

        p.surface().setText("ok");
        p.window()->refresh();
        p.surface().setSelStart(1);
        p.clickProblem(0); // "No tag problems" points at nothing
        QCOMPARE(p.problem(0), "No tag problems");
        QCOMPARE(p.surface().selStart(), 1);
        QCOMPARE(p.surface().selLength(), 0);

        QTest::keyClicks(p.box(), " [i]y[/i] [wink][/b]");
        QVERIFY(!p.view()->toPlainText().contains("y"));         // not while the keys come in
        QTRY_VERIFY(p.view()->toPlainText().startsWith("o y ")); // the smiley is a picture
        QVERIFY(p.view()->document()->toHtml().contains("font-style:italic"));
        QCOMPARE(p.problem(0), "Line 1, column 18: [/b] has no start tag");
        QVERIFY(p.focusStayed());
    }

    // A link opens in the desktop's browser; the view stays on the post, at its place.
    void linksOpenOutsideAndTheViewKeepsItsPlace() {
        LinkCatcher desktop;
        QDesktopServices::setUrlHandler("https", &desktop, "open");
        QStringList lines;
        for (int i = 0; i < 300; ++i)
            lines << QString("[b]line %1[/b]").arg(i);
        Preview p("see [link https://forum.example/t?a=1&b=2]the topic[/link]\r\n" +
                  lines.join("\r\n"));
        QTextCursor onLink(p.view()->document());
        onLink.setPosition(int(p.view()->toPlainText().indexOf("topic")));
        QTest::mouseClick(p.view()->viewport(), Qt::LeftButton, {},
                          p.view()->cursorRect(onLink).center());
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(desktop.opened, QList<QUrl>{QUrl("https://forum.example/t?a=1&b=2")});
        QVERIFY(p.view()->toPlainText().startsWith("see the topic") &&
                p.view()->source().isEmpty());
        QVERIFY(p.box()->hasFocus());

        QScrollBar* bar = p.view()->verticalScrollBar();
        bar->setValue(bar->maximum() / 2);
        const int where = bar->value();
        QVERIFY(where > 0);
        QTest::keyClick(p.box(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(p.box(), " more");
        QTRY_VERIFY(p.view()->toPlainText().endsWith(" more"));
        QCOMPARE(bar->value(), where);
    }

    void imagesAreFetchedOnlyWhenAsked() {
        LocalWebServer server;
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        QImage(7, 5, QImage::Format_RGB32).save(&png, "PNG");
        server.pages["/a.png"] = png.data();
        const QString address = server.address() + "/a.png";
        Preview p("[img " + address + "]");
        QCOMPARE(p.view()->toPlainText().trimmed(), "Image: " + address);
        QTest::qWait(50);
        QVERIFY(server.requests.isEmpty());
        p.window()->findChild<QCheckBox*>("chkLoadImages")->click();
        QTRY_COMPARE(server.requests, QStringList{"/a.png"});
        const auto image = [&] {
            return p.view()->document()->resource(QTextDocument::ImageResource, QUrl(address));
        };
        QTRY_COMPARE(image().value<QImage>().size(), QSize(7, 5));
        QVERIFY(p.box()->hasFocus());
    }
};

QTEST_MAIN(TestPreviewWindow)
#include "tst_preview_window.moc"

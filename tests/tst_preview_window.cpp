// The preview window beside the work area, which never takes the focus from the post.
#include "EditorFixture.h"
#include "LocalWebServer.h"
#include "markup/DocumentTextCopy.h"
#include "markup/PreviewBrowser.h"
#include "markup/PreviewWindow.h"
#include "platform/LineBreaks.h"
#include "platform/WindowPlacement.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDesktopServices>
#include <QListWidget>
#include <QRandomGenerator>
#include <QScrollBar>

namespace {

// A work area whose preview was opened over the given text, and has shown it.
struct Preview : EditorFixture {
    explicit Preview(const QString& text) {
        surface().setText(text);
        action("mnuPreview")->trigger();
        caughtUp();
    }
    PreviewWindow* window() const { return workArea->findChild<PreviewWindow*>("frmPreview"); }
    // The view and the problems are rendered off the typing path: this waits for them.
    bool caughtUp() const {
        return QTest::qWaitFor([this] { return window()->isUpToDate(); });
    }
    PreviewBrowser* view() const { return window()->findChild<PreviewBrowser*>(); }
    QListWidget* problems() const { return window()->findChild<QListWidget*>("ListProblems"); }
    QStringList problemLines() const {
        QStringList lines;
        for (int row = 0; row < problems()->count(); ++row)
            lines << problems()->item(row)->text();
        return lines;
    }
    void clickProblem(int row) const {
        QTest::mouseClick(problems()->viewport(), Qt::LeftButton, {},
                          problems()->visualItemRect(problems()->item(row)).center());
    }
    bool focusStayed() const {
        return box()->hasFocus() && QApplication::activeWindow() == workArea.get();
    }
};

} // namespace

class TestPreviewWindow : public QObject {
    Q_OBJECT

    QList<QUrl> m_opened;

public slots:
    // Stands in for the desktop's browser.
    void openInDesktopBrowser(const QUrl& address) { m_opened << address; }

private slots:
    void thePreviewFollowsThePost() {
        QStringList lines{"see [link https://forum.example/t?a=1&b=2]the topic[/link]",
                          "cd [b]x[/i]", "[u][s]k[/u][/s]"};
        for (int i = 0; i < 300; ++i)
            lines << QString("[b]line %1[/b]").arg(i);
        Preview p(lines.join("\r\n"));
        QVERIFY(p.window()->isVisible() && p.focusStayed());
        QCOMPARE(p.problemLines(),
                 (QStringList{"Line 2, column 4: [b] is never closed",
                              "Line 2, column 8: [/i] has no start tag",
                              "Line 3, column 8: [/u] closes before [s] inside it is closed"}));
        p.action("mnuPreview")->trigger(); // again: the same window, not a second one
        QCOMPARE(p.workArea->findChildren<PreviewWindow*>().size(), 1);
        p.clickProblem(1);
        QCOMPARE(p.surface().selText(), "[/i]");
        QCOMPARE(p.surface().selStart(), 66);
        QVERIFY(p.focusStayed());

        QDesktopServices::setUrlHandler("https", this, "openInDesktopBrowser");
        QTextCursor onLink(p.view()->document());
        onLink.setPosition(int(p.view()->toPlainText().indexOf("topic")));
        QTest::mouseClick(p.view()->viewport(), Qt::LeftButton, {},
                          p.view()->cursorRect(onLink).center());
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(m_opened, QList<QUrl>{QUrl("https://forum.example/t?a=1&b=2")});
        QVERIFY(p.view()->toPlainText().startsWith("see the topic") &&
                p.view()->source().isEmpty());
        QVERIFY(p.focusStayed());

        // The typing shows once the user pauses, where the view was scrolled to.
        QScrollBar* bar = p.view()->verticalScrollBar();
        bar->setValue(bar->maximum() / 2);
        const int where = bar->value();
        QTest::keyClick(p.box(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(p.box(), " [i]y[/i] [wink]");
        QVERIFY(!p.view()->toPlainText().endsWith(" "));         // not while the keys come in
        QTRY_VERIFY(p.view()->toPlainText().contains("299 y ")); // the smiley is a picture
        QVERIFY(p.view()->document()->toHtml().contains("font-style:italic"));
        QVERIFY(where > 0 && bar->value() == where);
        QVERIFY(p.focusStayed());

        // Texts handed in faster than they render: the newest one stays.
        p.surface().setText(lines.join("\r\n"));
        p.window()->refresh();
        p.surface().setText("ok");
        p.window()->refresh();
        QVERIFY(p.caughtUp());
        QCOMPARE(p.view()->toPlainText(), "ok");
        p.surface().setSelStart(1);
        p.clickProblem(0); // "No tag problems" points at nothing
        QCOMPARE(p.problemLines(), QStringList{"No tag problems"});
        QCOMPARE(p.surface().selStart() + p.surface().selLength(), 1);

        QTest::keyClick(p.window(), Qt::Key_Escape);
        QVERIFY(!p.window()->isVisible() && p.focusStayed());

        p.workArea->setGeometry(500, 300, 300, 400); // reopened: left of it, pulled up
        p.action("mnuPreview")->trigger();
        const QRect preview = p.window()->frameGeometry();
        QCOMPARE(preview.right() + 1, p.workArea->frameGeometry().left());
        QVERIFY(p.workArea->screen()->availableGeometry().contains(preview) && preview.top() < 300);

        // A window closed and gone while it renders takes nothing down with it.
        p.surface().setText(lines.join("\r\n").repeated(20));
        p.window()->refresh();
        delete p.window();
        QTest::qWait(300);
        QVERIFY(p.box()->hasFocus());
    }

    // The copy of the post the preview renders from stays the post's text through random
    // typing, deleting, pasting, undoing and replacing, and forgets it when not following.
    void theTextCopyFollowsThePost() {
        EditorFixture f;
        f.surface().setText("ab\r\ncd");
        DocumentTextCopy copy(*f.box()->document());
        copy.setFollowing(true);
        QRandomGenerator random(5);
        const QStringList pieces{"x", "\r\n", "[b]y\r\n\r\nz[/b]", "\u00a0", ""};
        for (int edit = 0; edit < 300; ++edit) {
            const int length = f.box()->document()->characterCount() - 1;
            f.surface().setSelStart(random.bounded(length + 1));
            f.surface().setSelLength(random.bounded(4));
            const int action = random.bounded(10);
            if (action == 0)
                f.surface().setText(pieces[random.bounded(3)].repeated(3));
            else if (action == 1)
                f.action("mnuUndo")->trigger();
            else
                f.surface().setSelText(pieces[random.bounded(int(pieces.size()))]);
            QCOMPARE(LineBreaks::toCrLf(plainTextOf(copy.rawText())), f.surface().text());
        }
        copy.setFollowing(false);
        QVERIFY(copy.rawText().isEmpty());
    }

    // Room right, left, none (over the frame), frame partly off screen, two screens.
    void placementKeepsWindowsOnTheFramesScreen() {
        const QList<QRect> one{{0, 0, 1920, 1080}}, two = one + QList<QRect>{{1920, 0, 1280, 1024}};
        for (const auto& [frame, screens, beside, centred] :
             {std::tuple(QRect(100, 50, 1000, 700), one, QPoint(1100, 50), QPoint(360, 80)),
              {QRect(800, 50, 1000, 700), one, QPoint(320, 50), QPoint(1060, 80)},
              {QRect(300, 50, 1400, 700), one, QPoint(1220, 50), QPoint(760, 80)},
              {QRect(-600, 600, 1000, 700), one, QPoint(400, 440), QPoint(0, 440)},
              {QRect(1800, 100, 1000, 700), two, QPoint(2320, 100), QPoint(2060, 130)}}) {
            QCOMPARE(WindowPlacement::beside(frame, {480, 640}, screens).topLeft(), beside);
            QCOMPARE(WindowPlacement::centredOver(frame, {480, 640}, screens).topLeft(), centred);
        }
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

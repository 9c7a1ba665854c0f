// The preview window beside the work area: F5 opens it, it follows the typing, a click on
// a tag problem selects the tag, images come only when asked for, and the focus stays in
// the editing surface throughout.
#include "ScriptedPrompter.h"
#include "markup/PreviewBrowser.h"
#include "markup/PreviewWindow.h"
#include "platform/RichTextBox.h"
#include "post/Post.h"
#include "shell/MainFrame.h"
#include "shell/PostEditor.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QDesktopServices>
#include <QListWidget>
#include <QScrollBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTextCursor>

namespace {

// The program as it starts: the frame, whose menu bar carries the work area's menus.
struct Program {
    Program() {
        frame.addWorkArea(workArea);
        frame.show();
        (void)QTest::qWaitForWindowActive(&frame);
    }
    RichTextBox* box() const { return &workArea->post().editor(); }
    EditingSurface& surface() const { return box()->surface(); }
    PreviewWindow* preview() const { return workArea->findChild<PreviewWindow*>("frmPreview"); }
    PreviewBrowser* rendered() const { return preview()->findChild<PreviewBrowser*>(); }
    QListWidget* problems() const { return preview()->findChild<QListWidget*>("ListProblems"); }
    QStringList problemLines() const {
        QStringList lines;
        for (int i = 0; i < problems()->count(); ++i)
            lines << problems()->item(i)->text();
        return lines;
    }
    void clickProblem(int row) const {
        QTest::mouseClick(problems()->viewport(), Qt::LeftButton, {},
                          problems()->visualItemRect(problems()->item(row)).center());
    }
    bool focusStayed() const { return box()->hasFocus() && QApplication::activeWindow() == &frame; }

    ScriptedPrompter prompter;
    MainFrame frame;
    PostEditor* workArea = new PostEditor;
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
    void f5OpensThePreviewWhichFollowsTheTyping() {
        Program p;
        QTest::keyClicks(p.box(), "[b]bold");
        QVERIFY(!p.preview());
        QTest::keyClick(p.box(), Qt::Key_F5);
        QVERIFY(p.preview()->isVisible());
        QCOMPARE(p.rendered()->toPlainText(), "[b]bold");
        QCOMPARE(p.problemLines(), QStringList{"Line 1, column 1: [b] is never closed"});
        QVERIFY(p.focusStayed());
        QTest::keyClick(p.box(), Qt::Key_F5); // again: the same window, not a second one
        QCOMPARE(p.workArea->findChildren<PreviewWindow*>().size(), 1);

        QTest::keyClicks(p.box(), "[/b] [i]x[/i] [wink]");
        QCOMPARE(p.rendered()->toPlainText(), "[b]bold");             // not while the keys come in
        QTRY_COMPARE(p.rendered()->toPlainText().left(7), "bold x "); // the smiley is a picture
        QVERIFY(p.rendered()->document()->toHtml().contains("font-style:italic"));
        QCOMPARE(p.problemLines(), QStringList{"No tag problems"});
        QVERIFY(p.focusStayed());
    }

    void aClickOnAProblemSelectsTheTag() {
        Program p;
        p.surface().setText("ab\r\ncd [b]x[/i]\r\nok");
        QTest::keyClick(p.box(), Qt::Key_F5);
        QCOMPARE(p.problemLines(), (QStringList{"Line 2, column 4: [b] is never closed",
                                                "Line 2, column 8: [/i] has no start tag"}));
        p.clickProblem(1);
        QCOMPARE(p.surface().selText(), "[/i]");
        QCOMPARE(p.surface().selStart(), 10);
        QVERIFY(p.focusStayed());

        p.surface().setText("fine");
        p.preview()->refresh();
        p.surface().setSelStart(2);
        p.clickProblem(0); // "No tag problems" points at nothing
        QCOMPARE(p.surface().selStart(), 2);
        QCOMPARE(p.surface().selLength(), 0);
    }

    // A link opens in the desktop's browser; the view stays on the post, at its place.
    void linksOpenOutsideAndTheViewKeepsItsPlace() {
        LinkCatcher desktop;
        QDesktopServices::setUrlHandler("https", &desktop, "open");
        Program p;
        QStringList lines;
        for (int i = 0; i < 300; ++i)
            lines << QString("[b]line %1[/b]").arg(i);
        p.surface().setText("see [link https://forum.example/t?a=1&b=2]the topic[/link]\r\n" +
                            lines.join("\r\n"));
        QTest::keyClick(p.box(), Qt::Key_F5);
        PreviewBrowser* view = p.rendered();
        QTextCursor onLink(view->document());
        onLink.setPosition(int(view->toPlainText().indexOf("topic")));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->cursorRect(onLink).center());
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(desktop.opened, QList<QUrl>{QUrl("https://forum.example/t?a=1&b=2")});
        QVERIFY(view->toPlainText().startsWith("see the topic"));
        QVERIFY(view->source().isEmpty());
        QVERIFY(p.box()->hasFocus());

        QScrollBar* bar = view->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        bar->setValue(bar->maximum() / 2);
        const int where = bar->value();
        QTest::keyClick(p.box(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(p.box(), " more");
        QTRY_VERIFY(view->toPlainText().endsWith(" more"));
        QCOMPARE(bar->value(), where);
    }

    // Images are fetched, here from a server on 127.0.0.1, only once the box is ticked.
    void imagesAreFetchedOnlyWhenAsked() {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImage(7, 5, QImage::Format_RGB32).save(&buffer, "PNG");
        QTcpServer server;
        int requests = 0;
        connect(&server, &QTcpServer::newConnection, this, [&] {
            QTcpSocket* socket = server.nextPendingConnection();
            ++requests;
            connect(socket, &QTcpSocket::readyRead, socket, [socket, &png] {
                socket->readAll();
                socket->write("HTTP/1.0 200 OK\r\nContent-Type: image/png\r\nContent-Length: " +
                              QByteArray::number(png.size()) + "\r\n\r\n" + png);
                socket->disconnectFromHost();
            });
        });
        QVERIFY(server.listen(QHostAddress::LocalHost));
        const QString address = QString("http://127.0.0.1:%1/a.png").arg(server.serverPort());

        Program p;
        p.surface().setText("[img " + address + "]");
        QTest::keyClick(p.box(), Qt::Key_F5);
        QCOMPARE(p.rendered()->toPlainText().trimmed(), "Image: " + address);
        QTest::qWait(50);
        QCOMPARE(requests, 0);
        p.preview()->findChild<QCheckBox*>("chkLoadImages")->click();
        QTRY_COMPARE(requests, 1);
        QTRY_COMPARE(p.rendered()
                         ->document()
                         ->resource(QTextDocument::ImageResource, QUrl(address))
                         .value<QImage>()
                         .size(),
                     QSize(7, 5));
        QVERIFY(p.box()->hasFocus());
    }
};

QTEST_MAIN(TestPreviewWindow)
#include "tst_preview_window.moc"

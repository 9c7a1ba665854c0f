// The preview window beside the work area: F5 opens it, it follows the typing, a click on
// a tag problem selects the tag, images come only when asked for, and the focus stays in
// the editing surface throughout.
#include "ScriptedPrompter.h"
#include "markup/PreviewBrowser.h"
#include "markup/PreviewWindow.h"
#include "platform/RichTextBox.h"
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

    RichTextBox* box() const { return workArea->RichTextBox1; }
    EditingSurface& surface() const { return box()->surface(); }
    PreviewWindow* preview() const { return workArea->findChild<PreviewWindow*>("frmPreview"); }
    PreviewBrowser* rendered() const {
        return preview()->findChild<PreviewBrowser*>("txtRendered");
    }
    QListWidget* problems() const { return preview()->findChild<QListWidget*>("ListProblems"); }
    QStringList problemLines() const {
        QStringList lines;
        for (int i = 0; i < problems()->count(); ++i)
            lines << problems()->item(i)->text();
        return lines;
    }
    PreviewWindow* pressF5() const {
        QTest::keyClick(box(), Qt::Key_F5);
        return preview();
    }

    ScriptedPrompter prompter;
    MainFrame frame;
    PostEditor* workArea = new PostEditor;
};

// Answers every request on 127.0.0.1 with the same small PNG.
class PictureServer : public QTcpServer {
public:
    PictureServer() {
        QImage picture(7, 5, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QBuffer buffer(&m_png);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* socket = nextPendingConnection();
            ++requests;
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                socket->readAll();
                socket->write("HTTP/1.0 200 OK\r\nContent-Type: image/png\r\nContent-Length: " +
                              QByteArray::number(m_png.size()) + "\r\n\r\n" + m_png);
                socket->disconnectFromHost();
            });
        });
        listen(QHostAddress::LocalHost);
    }
    QString address() const { return QString("http://127.0.0.1:%1/a.png").arg(serverPort()); }
    int requests = 0;

private:
    QByteArray m_png;
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
    void f5OpensThePreviewAndTheFocusStays() {
        Program p;
        QTest::keyClicks(p.box(), "[b]bold");
        QVERIFY(!p.preview());
        PreviewWindow* preview = p.pressF5();
        QVERIFY(preview);
        QVERIFY(preview->isVisible());
        QCOMPARE(preview->windowTitle(), "Preview");
        QCOMPARE(p.rendered()->toPlainText(), "[b]bold");
        QCOMPARE(p.problemLines(), QStringList{"Line 1, column 1: [b] is never closed"});
        QVERIFY(p.box()->hasFocus());
        QCOMPARE(QApplication::activeWindow(), &p.frame);

        QTest::keyClick(p.box(), Qt::Key_F5); // again: the same window, not a second one
        QCOMPARE(p.workArea->findChildren<PreviewWindow*>().size(), 1);
        QVERIFY(p.box()->hasFocus());
    }

    void followsTheTypingOnceTheUserPauses() {
        Program p;
        p.pressF5();
        QCOMPARE(p.problemLines(), QStringList{"No tag problems"});
        QTest::keyClicks(p.box(), "[i]x[/i] [wink]");
        QCOMPARE(p.rendered()->toPlainText(), "");               // not while the keys come in
        QTRY_COMPARE(p.rendered()->toPlainText().left(2), "x "); // the smiley is a picture
        QVERIFY(p.rendered()->document()->toHtml().contains("font-style:italic"));
        QCOMPARE(p.problemLines(), QStringList{"No tag problems"});

        QTest::keyClicks(p.box(), "[/b]");
        QTRY_COMPARE(p.problemLines(), QStringList{"Line 1, column 16: [/b] has no start tag"});
        QVERIFY(p.box()->hasFocus());
    }

    void aClickOnAProblemSelectsTheTag() {
        Program p;
        p.surface().setText("ab\r\ncd [b]x[/i]\r\nok");
        p.pressF5();
        QCOMPARE(p.problemLines(), (QStringList{"Line 2, column 4: [b] is never closed",
                                                "Line 2, column 8: [/i] has no start tag"}));
        QListWidget* list = p.problems();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(1)).center());
        QCOMPARE(p.surface().selText(), "[/i]");
        QCOMPARE(p.surface().selStart(), 10);
        QVERIFY(p.box()->hasFocus());
        QCOMPARE(QApplication::activeWindow(), &p.frame);

        p.surface().setText("fine");
        p.preview()->refresh();
        p.surface().setSelStart(2);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(0)).center());
        QCOMPARE(p.surface().selStart(), 2); // "No tag problems" points at nothing
        QCOMPARE(p.surface().selLength(), 0);
    }

    void aLinkOpensOutsideThePreview() {
        LinkCatcher desktop;
        QDesktopServices::setUrlHandler("https", &desktop, "open");
        Program p;
        p.surface().setText("see [link https://forum.example/t?a=1&b=2]the topic[/link]");
        p.pressF5();
        PreviewBrowser* view = p.rendered();
        QTextCursor onLink(view->document());
        onLink.setPosition(int(view->toPlainText().indexOf("topic")));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->cursorRect(onLink).center());
        QDesktopServices::unsetUrlHandler("https");
        QCOMPARE(desktop.opened, QList<QUrl>{QUrl("https://forum.example/t?a=1&b=2")});
        QCOMPARE(view->toPlainText(), "see the topic"); // the view stayed on the post
        QVERIFY(view->source().isEmpty());
        QVERIFY(p.box()->hasFocus());
    }

    void theScrollPositionSurvivesARefresh() {
        Program p;
        QStringList lines;
        for (int i = 0; i < 300; ++i)
            lines << QString("[b]line %1[/b]").arg(i);
        p.surface().setText(lines.join("\r\n"));
        p.pressF5();
        QScrollBar* bar = p.rendered()->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        bar->setValue(bar->maximum() / 2);
        const int where = bar->value();
        QTest::keyClick(p.box(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(p.box(), " more");
        QTRY_VERIFY(p.rendered()->toPlainText().endsWith(" more"));
        QCOMPARE(bar->value(), where);
    }

    void imagesAreFetchedOnlyWhenAsked() {
        PictureServer server;
        QVERIFY(server.isListening());
        Program p;
        p.surface().setText("[img " + server.address() + "]");
        p.pressF5();
        QCOMPARE(p.rendered()->toPlainText().trimmed(), "Image: " + server.address());
        QTest::qWait(50);
        QCOMPARE(server.requests, 0);

        p.preview()->findChild<QCheckBox*>("chkLoadImages")->click();
        QTRY_COMPARE(server.requests, 1);
        const QUrl url(server.address());
        QTRY_COMPARE(p.rendered()
                         ->document()
                         ->resource(QTextDocument::ImageResource, url)
                         .value<QImage>()
                         .size(),
                     QSize(7, 5));
        QVERIFY(p.box()->hasFocus());
    }
};

QTEST_MAIN(TestPreviewWindow)
#include "tst_preview_window.moc"

// The undo history on the real editing surface: the work area's keys, and what only the
// real control shows (the selection coming back, colours and strike-out, pasted rich text).
#include "EditorFixture.h"
#include "platform/RichTextBox.h"
#include "shell/PostEditor.h"
#include "undo/UndoHistory.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
#include <QTextCursor>
#include <QTimer>

class TestUndoOnSurface : public QObject {
    Q_OBJECT

    static void waitForIdle() { QTest::qWait(350); } // past the 250 ms grouping delay

    static QTextCharFormat formatAt(const EditorFixture& f, int position) {
        QTextCursor cursor(f.box()->document());
        cursor.setPosition(position + 1);
        return cursor.charFormat();
    }

private slots:
    void ctrlZAndCtrlYUndoAndRedoInTheSurface() {
        EditorFixture f;
        QTimer* timer = f.workArea->findChild<QTimer*>("UndoTimer_RichTextBox1");
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 250);
        f.type("hello");
        waitForIdle();
        f.type(" world");
        waitForIdle();
        QVERIFY(f.action("mnuUndo")->isEnabled());
        QCOMPARE(f.workArea->Undo->undoCount(), 2);

        f.workArea->TextSaved = true;
        QTest::keyClick(f.box(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.surface().text(), "hello");
        QVERIFY(!f.workArea->TextSaved);
        QVERIFY(f.action("mnuRedo")->isEnabled());
        int stylesShown = 0;
        f.workArea->surfaceHandlers().showCustomStyles = [&] { ++stylesShown; };
        QTest::keyClick(f.box(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(f.surface().text(), "hello world");
        QCOMPARE(stylesShown, 1); // one press does both
    }

    void undoRestoresTheReplacedSelection() {
        EditorFixture f;
        f.type("hello world");
        waitForIdle();
        f.surface().setSelStart(6);
        f.surface().setSelLength(5);
        f.type("there");
        waitForIdle();
        f.action("mnuUndo")->trigger();
        QCOMPARE(f.surface().text(), "hello world");
        QCOMPARE(f.surface().selStart(), 6);
        QCOMPARE(f.surface().selLength(), 5);
    }

    void pastedColoursAndStrikeComeBackAndApplyIsOneStep() {
        EditorFixture f(EditorFixture::UseSystemClipboard);
        f.type("plain ");
        waitForIdle();
        auto* mime = new QMimeData;
        mime->setHtml("<span style='color:#ff0000'>red</span><s>x</s>");
        QGuiApplication::clipboard()->setMimeData(mime);
        f.box()->paste();
        waitForIdle();
        QTest::keyClick(f.box(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(f.box(), Qt::Key_Delete);
        waitForIdle();
        f.action("mnuUndo")->trigger();
        QCOMPARE(f.surface().text(), "plain redx");

        f.surface().setSelStart(0);
        f.surface().setSelLength(5);
        f.click("chkBold");
        f.click("cmdInsert");
        waitForIdle();
        QCOMPARE(f.surface().text(), "[b]plain[/b] redx");
        f.action("mnuUndo")->trigger();
        QCOMPARE(f.surface().text(), "plain redx");
        f.action("mnuRedo")->trigger();
        QCOMPARE(f.surface().text(), "[b]plain[/b] redx");
        QCOMPARE(formatAt(f, 13).foreground().color(), QColor("#ff0000"));
        QVERIFY(formatAt(f, 16).fontStrikeOut());
        QVERIFY(!formatAt(f, 3).hasProperty(QTextFormat::ForegroundBrush));
        QCOMPARE(f.box()->document()->defaultFont().family(), "Verdana");
    }
};

QTEST_MAIN(TestUndoOnSurface)
#include "tst_undo_on_surface.moc"

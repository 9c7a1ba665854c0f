// The undo history on the real editing surface, driven through keys and the Edit menu.
#include "EditorFixture.h"
#include "ModalScript.h"
#include "platform/RichTextBox.h"
#include "post/Post.h"
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

private slots:
    void typedWordsUndoAndRedoThroughKeys() {
        EditorFixture f;
        QTimer* timer = f.workArea->findChild<QTimer*>("UndoTimer_RichTextBox1");
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 250);

        f.type("hello");
        waitForIdle();
        f.type(" world");
        waitForIdle();
        QVERIFY(f.action("mnuUndo")->isEnabled());
        QCOMPARE(f.workArea->undoHistory().getUndoCount(), 2);

        f.workArea->post().setSaved(true);
        QTest::keyClick(f.box(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.surface().text(), "hello");
        QVERIFY(!f.workArea->post().isSaved());
        QVERIFY(f.action("mnuRedo")->isEnabled());

        ModalScript modal;
        QTest::keyClick(f.box(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(f.surface().text(), "hello world");
        QCOMPARE(modal.opened, QStringList{"frmPreset"}); // one press does both
    }

    void undoTakesBackWhatWasJustTyped() {
        EditorFixture f;
        f.type("kept");
        waitForIdle();
        f.type(" fresh");
        QTest::keyClick(f.box(), Qt::Key_Z, Qt::ControlModifier); // before the timer fires
        QCOMPARE(f.surface().text(), "kept");
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

    void applyIsOneStepAndColoursSurviveUndoAndRedo() {
        EditorFixture f;
        f.box()->setHtml("<span style='color:#0000ff'>blue</span> plain");
        waitForIdle();
        f.surface().setSelStart(5);
        f.surface().setSelLength(5);
        f.click("chkBold");
        f.click("cmdInsert");
        waitForIdle();
        QCOMPARE(f.surface().text(), "blue [b]plain[/b]");
        f.action("mnuUndo")->trigger();
        QCOMPARE(f.surface().text(), "blue plain");
        f.action("mnuRedo")->trigger();
        QCOMPARE(f.surface().text(), "blue [b]plain[/b]");
        QTextCursor cursor(f.box()->document());
        cursor.setPosition(2);
        QCOMPARE(cursor.charFormat().foreground().color(), QColor("#0000ff"));
        QCOMPARE(f.box()->document()->defaultFont().family(), "Verdana");
    }

    void undoBringsBackPastedColours() {
        EditorFixture f(EditorFixture::UseSystemClipboard);
        f.type("plain ");
        waitForIdle();
        auto* mime = new QMimeData;
        mime->setHtml("<span style='color:#ff0000'>red</span>");
        QGuiApplication::clipboard()->setMimeData(mime);
        f.box()->paste();
        waitForIdle();
        QTest::keyClick(f.box(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(f.box(), Qt::Key_Delete);
        waitForIdle();
        QCOMPARE(f.surface().text(), QString());

        f.action("mnuUndo")->trigger();
        QCOMPARE(f.surface().text(), "plain red");
        QTextCursor cursor(f.box()->document());
        cursor.setPosition(8);
        QCOMPARE(cursor.charFormat().foreground().color(), QColor("#ff0000"));
        cursor.setPosition(3);
        QVERIFY(!cursor.charFormat().hasProperty(QTextFormat::ForegroundBrush));
    }

    void undoAllAndResetAll() {
        EditorFixture f;
        for (const char* word : {"one ", "two ", "three"}) {
            f.type(word);
            waitForIdle();
        }
        f.action("mnuUndoAll")->trigger();
        QCOMPARE(f.surface().text(), QString());
        f.action("mnuRedoAll")->trigger();
        QCOMPARE(f.surface().text(), "one two three");
        f.action("mnuResetUndo")->trigger();
        QVERIFY(!f.action("mnuUndo")->isEnabled());
        QVERIFY(!f.action("mnuRedo")->isEnabled());
        QCOMPARE(f.surface().text(), "one two three");
    }
};

QTEST_MAIN(TestUndoOnSurface)
#include "tst_undo_on_surface.moc"

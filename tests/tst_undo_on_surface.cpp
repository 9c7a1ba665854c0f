// The undo history in the work area: the Edit menu's undo items and the keys on the real
// editing surface, and what only the real control shows (the selection coming back,
// pasted colours and strike-out).
#include "EditorFixture.h"
#include "ModalScript.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QSyntaxHighlighter>
#include <QTextCursor>
#include <QTimer>

class TestUndoOnSurface : public QObject {
    Q_OBJECT

    static void waitForIdle() { QTest::qWait(350); } // past the 250 ms grouping delay

    // Types each text as a step of its own: End, a navigation key, ends the step at once.
    static void typeSteps(const EditorFixture& f, std::initializer_list<const char*> texts) {
        for (const char* text : texts) {
            f.type(text);
            QTest::keyClick(f.box(), Qt::Key_End);
        }
    }

    // Enabled state of Undo, Redo, Undo All, Redo All and Reset All, as a string of 0 and 1.
    static QString enabled(const EditorFixture& f) {
        QString state;
        for (const char* item : {"mnuUndo", "mnuRedo", "mnuUndoAll", "mnuRedoAll", "mnuResetUndo"})
            state += f.action(item)->isEnabled() ? u'1' : u'0';
        return state;
    }

    static QTextCharFormat formatAt(const EditorFixture& f, int position) {
        QTextCursor cursor(f.box()->document());
        cursor.setPosition(position + 1);
        return cursor.charFormat();
    }

private slots:
    void menuItemsAndKeysUndoAndRedo() {
        EditorFixture f;
        QCOMPARE(f.child<QTimer>("UndoTimer_RichTextBox1")->interval(), 250);
        QCOMPARE(enabled(f), "00001");
        f.type("one");
        QCOMPARE(enabled(f), "00001"); // not recorded before the idle delay
        waitForIdle();
        QCOMPARE(enabled(f), "10101");
        typeSteps(f, {" two", " six"});
        QAbstractButton* elsewhere = f.button("cmdDefault");

        // Undo and Redo take one step and give the surface the focus; so do Ctrl+Z and
        // Ctrl+Y, and Ctrl+Y also shows the custom styles.
        f.workArea->post().setSaved(true);
        elsewhere->setFocus();
        f.action("mnuUndo")->trigger();
        QCOMPARE(f.surface().text(), "one two");
        QVERIFY(f.box()->hasFocus());
        QVERIFY(!f.workArea->post().isSaved());
        QCOMPARE(enabled(f), "11111");
        QTest::keyClick(f.box(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.surface().text(), "one");
        ModalScript modal;
        QTest::keyClick(f.box(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(f.surface().text(), "one two");
        QCOMPARE(modal.opened, QStringList{"frmPreset"});
        elsewhere->setFocus();
        f.action("mnuRedo")->trigger();
        QCOMPARE(f.surface().text(), "one two six");
        QVERIFY(f.box()->hasFocus());
        QCOMPARE(enabled(f), "10101");

        // The All items go to either end and leave the focus alone; Undo All takes what was
        // typed within the idle delay too.
        f.type(" ten");
        elsewhere->setFocus();
        f.action("mnuUndoAll")->trigger();
        QCOMPARE(f.surface().text(), "");
        QCOMPARE(enabled(f), "01011");
        f.action("mnuRedoAll")->trigger();
        QCOMPARE(f.surface().text(), "one two six ten");
        QVERIFY(elsewhere->hasFocus());

        // Undo gives back the selection that typing replaced.
        f.select(4, 3);
        typeSteps(f, {"ten"});
        f.action("mnuUndo")->trigger();
        QCOMPARE(f.surface().text(), "one two six ten");
        QCOMPARE(f.surface().selStart(), 4);
        QCOMPARE(f.surface().selLength(), 3);
        f.action("mnuResetUndo")->trigger(); // forgets the history, keeps the text
        QCOMPARE(f.surface().text(), "one two six ten");
        QCOMPARE(enabled(f), "00001");
    }

    // A highlighter's layout formats are no change: no step, and the post stays saved.
    void highlighterFormatsAreNoChange() {
        struct Marker : QSyntaxHighlighter {
            using QSyntaxHighlighter::QSyntaxHighlighter;
            void highlightBlock(const QString& text) override {
                setFormat(0, int(text.size()), QColor(Qt::red));
            }
        };
        EditorFixture f;
        auto* marker = new Marker(f.box()->document());
        typeSteps(f, {"one", " two"});
        f.workArea->post().setSaved(true);
        marker->rehighlight();
        delete marker; // takes its formats off again
        waitForIdle();
        QVERIFY(f.workArea->post().isSaved());
        f.action("mnuUndo")->trigger();
        QCOMPARE(f.surface().text(), "one");
    }

    // Steps far apart in a long post: Undo All and Redo All give back the exact text and
    // leave it laid out where the caret is, though the layout is then redone in the background.
    void allStepsFarApartInALongPost() {
        EditorFixture f;
        f.surface().setRtf(
            "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}a \\cf1 red\\cf0  line\\par}");
        const QString line = QStringLiteral("a line of the long post\n");
        f.select(f.surface().text().size());
        f.surface().setSelText(line.repeated(4000));
        f.action("mnuResetUndo")->trigger();
        const QString rtf = f.surface().rtf();
        for (const int place : {3, 99000, 20, 60000}) {
            f.select(place);
            typeSteps(f, {"w"});
        }
        const QString changed = f.surface().text();
        f.action("mnuUndoAll")->trigger();
        QCOMPARE(f.surface().rtf(), rtf);
        const QRect caret = f.box()->cursorRect();
        QVERIFY(f.box()->viewport()->rect().contains(caret.center()));
        f.select(90000);
        f.action("mnuRedoAll")->trigger();
        QCOMPARE(f.surface().text(), changed);
        // A key while the rest is still being laid out, the caret past the middle and then at
        // the top: the rest is laid out all the same.
        QTest::keyClick(f.box(), Qt::Key_X);
        QTRY_VERIFY(f.box()->document()->lastBlock().layout()->lineCount() > 0);
        f.action("mnuUndoAll")->trigger();
        QTest::keyClick(f.box(), Qt::Key_X);
        QTRY_VERIFY(f.box()->document()->lastBlock().layout()->lineCount() > 0);
    }

    void pastedTextKeepsOnlyColoursAndStrikeAndUndoBringsThemBack() {
        EditorFixture f(EditorFixture::UseSystemClipboard);
        typeSteps(f, {"plain "});
        auto* mime = new QMimeData;
        mime->setHtml("<p style='font-family:Courier; font-size:30pt'><b><i><u>"
                      "<span style='color:#ff0000; background:#ffff00'>hot</span></u></i></b>"
                      "<s>gone</s></p><h1>Title</h1>");
        mime->setText("hotgone\nTitle");
        QGuiApplication::clipboard()->setMimeData(mime);
        f.action("mnuPaste")->setEnabled(false); // Ctrl+V pastes all the same, once
        QTest::keyClick(f.box(), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(f.box(), Qt::Key_End); // ends the step
        QCOMPARE(f.surface().text(), "plain hotgone\r\nTitle");
        const QTextCharFormat hot = formatAt(f, 6);
        QCOMPARE(hot.background().color(), QColor("#ffff00"));
        for (int property : {QTextFormat::FontWeight, QTextFormat::FontItalic,
                             QTextFormat::TextUnderlineStyle, QTextFormat::FontFamilies,
                             QTextFormat::FontPointSize, QTextFormat::FontSizeAdjustment}) {
            QVERIFY(!hot.hasProperty(property));
            QVERIFY(!formatAt(f, 15).hasProperty(property)); // the heading
        }

        // Putting tags around the plain word is one step, undone and redone in one piece,
        // and the pasted colours and strike-out come back with it.
        f.select(0, 5);
        f.click("chkBold");
        f.click("cmdInsert");
        waitForIdle();
        f.action("mnuUndo")->trigger();
        QCOMPARE(f.surface().text(), "plain hotgone\r\nTitle");
        f.action("mnuRedo")->trigger();
        QCOMPARE(f.surface().text(), "[b]plain[/b] hotgone\r\nTitle");
        QCOMPARE(formatAt(f, 13).foreground().color(), QColor("#ff0000"));
        QCOMPARE(formatAt(f, 13).background().color(), QColor("#ffff00"));
        QVERIFY(formatAt(f, 16).fontStrikeOut());
    }
};

QTEST_MAIN(TestUndoOnSurface)
#include "tst_undo_on_surface.moc"

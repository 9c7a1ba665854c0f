// The editing surface: its text contract, the font it keeps, and how the work area
// answers typing, selecting, clicking and keys in it.
#include "EditorFixture.h"
#include "platform/RichTextBox.h"
#include "platform/SystemColours.h"
#include "shell/MainFrame.h"
#include "shell/PostEditor.h"
#include "shell/PostEditorMenus.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

class TestEditingSurface : public QObject {
    Q_OBJECT

    static QTextCharFormat formatAt(RichTextBox* box, int position) {
        QTextCursor cursor(box->document());
        cursor.setPosition(position + 1);
        return cursor.charFormat();
    }

private slots:
    void textLeavesWithCrLfAndSelectionCountsOneCharPerBreak() {
        EditorFixture f;
        f.surface().setText("ab\r\ncd\ref\ngh");
        QCOMPARE(f.surface().text(), "ab\r\ncd\r\nef\r\ngh");
        QCOMPARE(f.box()->characterCount(), 11);

        f.surface().setSelStart(3);
        f.surface().setSelLength(4); // "cd", break, "e"
        QCOMPARE(f.surface().selText(), "cd\r\ne");
        f.surface().setSelText("X\r\nY");
        QCOMPARE(f.surface().text(), "ab\r\nX\r\nYf\r\ngh");
        QCOMPARE(f.surface().selStart(), 6);
        QCOMPARE(f.surface().selLength(), 0);

        f.surface().setSelStart(1000); // out of range lands at the end
        QCOMPARE(f.surface().selStart(), f.box()->characterCount());
        f.surface().setSelStart(2);
        f.surface().setSelLength(1000);
        QCOMPARE(f.surface().selLength(), f.box()->characterCount() - 2);
    }

    void insertedTextIsPlain() {
        EditorFixture f;
        f.box()->setHtml("<span style='color:#ff0000'>red</span>");
        f.surface().setSelStart(3);
        f.surface().setSelText("[b]");
        QVERIFY(!formatAt(f.box(), 3).hasProperty(QTextFormat::ForegroundBrush));
    }

    void changesKeepClearAllAndTheSavedFlagHonest() {
        EditorFixture f;
        QAction* clearAll = f.action("mnuClearAll");
        f.workArea->TextSaved = true;
        f.type("  ");
        QVERIFY(!clearAll->isEnabled()); // blanks only
        QVERIFY(!f.workArea->TextSaved);
        f.type("x");
        QVERIFY(clearAll->isEnabled());
        f.workArea->TextSaved = true;
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(f.box(), Qt::Key_Backspace);
        QVERIFY(!clearAll->isEnabled());
        QVERIFY(!f.workArea->TextSaved);
    }

    void fontResetFollowsTheChoiceAndDefaults() {
        EditorFixture f;
        QFont font = f.box()->document()->defaultFont();
        QCOMPARE(font.family(), "Verdana"); // the font window's first-run choice
        QCOMPARE(font.pointSizeF(), 10.0);

        FontChoice choice; // lists left empty
        f.workArea->surfaceHandlers().fontChoice = [&] { return choice; };
        f.type("a");
        QCOMPARE(f.box()->document()->defaultFont().pointSizeF(), 11.0);

        choice = {"DejaVu Serif", "14"};
        f.type("a");
        font = f.box()->document()->defaultFont();
        QCOMPARE(font.family(), "DejaVu Serif");
        QCOMPARE(font.pointSizeF(), 14.0);

        choice = {QString(), "not a number"};
        f.type("b");
        font = f.box()->document()->defaultFont();
        QCOMPARE(font.family(), "Verdana");
        QCOMPARE(font.pointSizeF(), 14.0); // a size that is no number leaves the size
        QVERIFY(!font.bold() && !font.italic() && !font.underline());
    }

    void pastedRichTextKeepsColoursButNotTheRest() {
        EditorFixture f(EditorFixture::UseSystemClipboard);
        auto* mime = new QMimeData;
        mime->setHtml("<p style='font-family:Courier; font-size:30pt'><b><i><u>"
                      "<span style='color:#ff0000; background:#ffff00'>hot</span></u></i></b>"
                      "<s>gone</s></p><h1>Title</h1>");
        mime->setText("hotgone\nTitle");
        QGuiApplication::clipboard()->setMimeData(mime);
        QTest::keyClick(f.box(), Qt::Key_V, Qt::ControlModifier);

        QCOMPARE(f.surface().text(), "hotgone\r\nTitle");
        const QTextCharFormat hot = formatAt(f.box(), 0);
        QCOMPARE(hot.foreground().color(), QColor("#ff0000"));
        QCOMPARE(hot.background().color(), QColor("#ffff00"));
        QVERIFY(!hot.hasProperty(QTextFormat::FontWeight));
        QVERIFY(!hot.hasProperty(QTextFormat::FontItalic));
        QVERIFY(!hot.hasProperty(QTextFormat::TextUnderlineStyle));
        QVERIFY(!hot.hasProperty(QTextFormat::FontFamilies));
        QVERIFY(!hot.hasProperty(QTextFormat::FontPointSize));
        QVERIFY(formatAt(f.box(), 4).fontStrikeOut());
        const QTextCharFormat title = formatAt(f.box(), 9);
        QVERIFY(!title.hasProperty(QTextFormat::FontWeight));
        QVERIFY(!title.hasProperty(QTextFormat::FontSizeAdjustment));
    }

    void ctrlVPastesExactlyOnceEvenWithPasteDisabled() {
        EditorFixture f(EditorFixture::UseSystemClipboard);
        QGuiApplication::clipboard()->setText("once");
        f.action("mnuPaste")->setEnabled(false);
        QTest::keyClick(f.box(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.surface().text(), "once");
    }

    void ctrlVInTheFramePastesExactlyOnce() {
        ScriptedPrompter prompter;
        QGuiApplication::clipboard()->setText("once");
        MainFrame frame;
        auto* workArea = new PostEditor;
        frame.addWorkArea(workArea);
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        QVERIFY(workArea->RichTextBox1->hasFocus());
        QTest::keyClick(workArea->RichTextBox1, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(workArea->RichTextBox1->surface().text(), "once");
        QVERIFY(workArea->menus().item("mnuPaste")->isEnabled()); // set on activation
    }

    void selectionEnablesCutAndCopy() {
        EditorFixture f;
        f.type("some text");
        QVERIFY(!f.action("mnuCut")->isEnabled());
        QTest::keyClick(f.box(), Qt::Key_Left, Qt::ShiftModifier);
        QVERIFY(f.action("mnuCut")->isEnabled());
        QVERIFY(f.action("mnuCopy")->isEnabled());
        QTest::keyClick(f.box(), Qt::Key_Right);
        QVERIFY(!f.action("mnuCut")->isEnabled());
        QVERIFY(!f.action("mnuCopy")->isEnabled());
    }

    void pasteIsOfferedOnlyForPlainText() {
        EditorFixture f;
        f.type("ab");
        QAction* paste = f.action("mnuPaste");
        f.clipboard.setText("plain");
        QTest::keyClick(f.box(), Qt::Key_Left);
        QVERIFY(paste->isEnabled());

        f.clipboard.richText = true; // plain text with rich text beside it
        QTest::keyClick(f.box(), Qt::Key_Left);
        QVERIFY(!paste->isEnabled());
        QMenu* edit = f.workArea->menus().menu("mnuEdit");
        emit edit->aboutToShow(); // the Edit menu opened from the menu bar
        QVERIFY(paste->isEnabled());

        f.clipboard.clear();
        f.workArea->Form_Activate();
        QVERIFY(!paste->isEnabled());
    }

    void rightClickPopsUpTheEditMenu() {
        EditorFixture f;
        f.clipboard.setText("x");
        QMenu* edit = f.workArea->menus().menu("mnuEdit");
        QTest::mousePress(f.box()->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(20, 10));
        QVERIFY(edit->isVisible());
        edit->hide();
        QTest::mouseRelease(f.box()->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(20, 10));
        QVERIFY(f.action("mnuPaste")->isEnabled());
        QTest::mouseClick(f.box()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
        QVERIFY(!edit->isVisible());
    }

    void keysReachTheWordListAndCustomStyles() {
        EditorFixture f;
        EditingSurfaceHandlers& handlers = f.workArea->surfaceHandlers();
        bool listOpen = false;
        int stylesShown = 0, inserted = 0;
        handlers.wordListVisible = [&] { return listOpen; };
        handlers.openWordList = [&] { listOpen = true; };
        handlers.hideWordList = [&] { listOpen = false; };
        handlers.insertWordListEntry = [&] { ++inserted; };
        handlers.showCustomStyles = [&] { ++stylesShown; };

        QTest::keyClick(f.box(), Qt::Key_L, Qt::ControlModifier);
        QVERIFY(listOpen);
        QTest::keyClick(f.box(), Qt::Key_Return);
        QCOMPARE(inserted, 1);
        QCOMPARE(f.surface().text(), "\r\n"); // the Enter still reaches the surface
        QTest::keyClick(f.box(), Qt::Key_Escape);
        QVERIFY(!listOpen);
        QTest::keyClick(f.box(), Qt::Key_Return);
        QCOMPARE(inserted, 1);
        QTest::keyClick(f.box(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(stylesShown, 1);
        QCOMPARE(f.surface().text(), "\r\n\r\n");
    }

    void caretPositionFollowsTheText() {
        EditorFixture f;
        const int x0 = f.workArea->GetCaretX();
        const int y0 = f.workArea->GetCaretY();
        f.type("wide text");
        QVERIFY(f.workArea->GetCaretX() > x0);
        f.type("\n\n");
        QVERIFY(f.workArea->GetCaretY() > y0);
    }

    void changeToDullGreysTheFocusedControl() {
        EditorFixture f;
        QAbstractButton* button = f.button("cmdCopyClipBoard");
        button->setFocus();
        f.workArea->ChangeToDull();
        QCOMPARE(SystemColours::backgroundOf(button), SystemColours::grayText());
    }
};

QTEST_MAIN(TestEditingSurface)
#include "tst_editing_surface.moc"

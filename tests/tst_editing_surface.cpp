// The editing surface: its text contract, the font it keeps, and how the work area
// answers typing, selecting, clicking, pasting and keys in it.
#include "EditorFixture.h"
#include "platform/RichTextBox.h"
#include "settings/FontSettingsStore.h"
#include "shell/MainFrame.h"
#include "shell/PostEditor.h"
#include "shell/PostEditorMenus.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QTest>
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

        f.box()->setHtml("<span style='color:#ff0000'>red</span>");
        f.surface().setSelStart(3);
        f.surface().setSelText("[b]"); // inserted text is plain
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
        QCOMPARE(f.box()->document()->defaultFont().family(), "Verdana"); // first-run choice
        QCOMPARE(f.box()->document()->defaultFont().pointSizeF(), 10.0);
        FontChoice choice;
        f.workArea->surfaceHandlers().fontChoice = [&] { return choice; };
        // Empty lists give Verdana at 11; a size that is no number leaves the size alone.
        for (const auto& [chosen, family, size] :
             {std::tuple(FontChoice(), "Verdana", 11.0),
              {FontChoice{"DejaVu Serif", "14"}, "DejaVu Serif", 14.0},
              {FontChoice{QString(), "not a number"}, "Verdana", 14.0}}) {
            choice = chosen;
            f.type("a");
            const QFont font = f.box()->document()->defaultFont();
            QCOMPARE(font.family(), family);
            QCOMPARE(font.pointSizeF(), size);
            QVERIFY(!font.bold() && !font.italic() && !font.underline());
        }
    }

    void ctrlVPastesOnceKeepingOnlyColoursAndStrike() {
        EditorFixture f(EditorFixture::UseSystemClipboard);
        auto* mime = new QMimeData;
        mime->setHtml("<p style='font-family:Courier; font-size:30pt'><b><i><u>"
                      "<span style='color:#ff0000; background:#ffff00'>hot</span></u></i></b>"
                      "<s>gone</s></p><h1>Title</h1>");
        mime->setText("hotgone\nTitle");
        QGuiApplication::clipboard()->setMimeData(mime);
        f.action("mnuPaste")->setEnabled(false); // the key pastes all the same
        QTest::keyClick(f.box(), Qt::Key_V, Qt::ControlModifier);

        QCOMPARE(f.surface().text(), "hotgone\r\nTitle");
        const QTextCharFormat hot = formatAt(f.box(), 0);
        QCOMPARE(hot.foreground().color(), QColor("#ff0000"));
        QCOMPARE(hot.background().color(), QColor("#ffff00"));
        QVERIFY(formatAt(f.box(), 4).fontStrikeOut());
        for (int property : {QTextFormat::FontWeight, QTextFormat::FontItalic,
                             QTextFormat::TextUnderlineStyle, QTextFormat::FontFamilies,
                             QTextFormat::FontPointSize, QTextFormat::FontSizeAdjustment}) {
            QVERIFY(!hot.hasProperty(property));
            QVERIFY(!formatAt(f.box(), 9).hasProperty(property)); // the heading
        }
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

    void editItemsFollowTheSelectionAndTheClipboard() {
        EditorFixture f;
        QAction* paste = f.action("mnuPaste");
        QMenu* edit = f.workArea->menus().menu("mnuEdit");
        f.clipboard.setText("plain");
        f.type("ab");
        QVERIFY(!f.action("mnuCut")->isEnabled() && paste->isEnabled());
        QTest::keyClick(f.box(), Qt::Key_Left, Qt::ShiftModifier);
        QVERIFY(f.action("mnuCut")->isEnabled() && f.action("mnuCopy")->isEnabled());
        QTest::keyClick(f.box(), Qt::Key_Right);
        QVERIFY(!f.action("mnuCut")->isEnabled() && !f.action("mnuCopy")->isEnabled());

        f.clipboard.richText = true; // plain text with rich text beside it
        QTest::keyClick(f.box(), Qt::Key_Left);
        QVERIFY(!paste->isEnabled());
        // A right click pops up the Edit menu, which offers Paste for any plain text.
        QTest::mousePress(f.box()->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(20, 10));
        QVERIFY(edit->isVisible());
        QVERIFY(paste->isEnabled());
        edit->hide();
        QTest::mouseRelease(f.box()->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(20, 10));
        QTest::mouseClick(f.box()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
        QVERIFY(!edit->isVisible());

        f.clipboard.clear();
        f.workArea->Form_Activate();
        QVERIFY(!paste->isEnabled());
    }

    void ctrlLettersReachTheWordList() {
        EditorFixture f;
        EditingSurfaceHandlers& handlers = f.workArea->surfaceHandlers();
        bool listOpen = false;
        int inserted = 0;
        handlers.wordListVisible = [&] { return listOpen; };
        handlers.openWordList = [&] { listOpen = true; };
        handlers.hideWordList = [&] { listOpen = false; };
        handlers.insertWordListEntry = [&] { ++inserted; };

        QTest::keyClick(f.box(), Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(listOpen); // Ctrl with a letter, whatever else is held
        QTest::keyClick(f.box(), Qt::Key_Return);
        QCOMPARE(inserted, 1);
        QCOMPARE(f.surface().text(), "\r\n"); // the Enter still reaches the surface
        QTest::keyClick(f.box(), Qt::Key_Escape);
        QVERIFY(!listOpen);
        QTest::keyClick(f.box(), Qt::Key_Return);
        QCOMPARE(inserted, 1);
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
};

QTEST_MAIN(TestEditingSurface)
#include "tst_editing_surface.moc"

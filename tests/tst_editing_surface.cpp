// The editing surface: its text contract, the font it keeps, and how the work area
// answers typing, selecting, clicking and keys in it (pasting: tst_undo_on_surface).
#include "EditorFixture.h"
#include "settings/FontSettingsDialog.h"
#include "shell/PostEditorMenus.h"
#include "shell/PostEditorSettings.h"

#include <QComboBox>
#include <QMenu>

class TestEditingSurface : public QObject {
    Q_OBJECT

    // Enabled state of Cut, Copy, Paste and Clear All, as a string of 0 and 1.
    static QString enabled(const EditorFixture& f) {
        QString state;
        for (const char* item : {"mnuCut", "mnuCopy", "mnuPaste", "mnuClearAll"})
            state += f.action(item)->isEnabled() ? u'1' : u'0';
        return state;
    }

private slots:
    void textLeavesWithCrLfAndSelectionCountsOneCharPerBreak() {
        EditorFixture f;
        f.surface().setText("ab\r\ncd\ref\ngh");
        QCOMPARE(f.surface().text(), "ab\r\ncd\r\nef\r\ngh");
        QCOMPARE(f.box()->characterCount(), 11);
        f.select(3, 4); // "cd", break, "e"
        QCOMPARE(f.surface().selText(), "cd\r\ne");
        f.surface().setSelText("X\r\nY");
        QCOMPARE(f.surface().text(), "ab\r\nX\r\nYf\r\ngh");
        QCOMPARE(f.surface().selStart(), 6);
        QCOMPARE(f.surface().selLength(), 0);
        f.surface().setSelStart(1000); // out of range lands at the end
        QCOMPARE(f.surface().selStart(), f.box()->characterCount());
        f.select(2, 1000);
        QCOMPARE(f.surface().selLength(), f.box()->characterCount() - 2);

        f.box()->setHtml("<span style='color:#ff0000'>red</span>");
        f.surface().setSelStart(3);
        f.surface().setSelText("[b]"); // inserted text is plain
        QVERIFY(!f.box()->textCursor().charFormat().hasProperty(QTextFormat::ForegroundBrush));
    }

    void fontResetFallsBackWhenTheChoiceIsEmpty() {
        EditorFixture f;
        // The choice is what the font window's two lists hold.
        FontSettingsDialog& window = f.workArea->settings().fontWindow();
        auto* size = window.findChild<QComboBox*>("cboFontSize");
        window.findChild<QComboBox*>("cboFontName")->clearEditText();
        size->clearEditText(); // lists left empty: Verdana at 11
        f.type("a");
        QCOMPARE(f.box()->document()->defaultFont().pointSizeF(), 11.0);
        size->setEditText("not a number"); // leaves the size alone
        f.box()->document()->setDefaultFont(QFont("DejaVu Serif", 14, QFont::Bold, true));
        f.type("b");
        const QFont font = f.box()->document()->defaultFont();
        QCOMPARE(font.family(), "Verdana");
        QCOMPARE(font.pointSizeF(), 14.0);
        QVERIFY(!font.bold() && !font.italic() && !font.underline());
    }

    void editItemsFollowTheTextTheSelectionAndTheClipboard() {
        EditorFixture f;
        f.clipboard.setText("plain");
        f.workArea->post().setSaved(true);
        f.type("  ");
        QCOMPARE(enabled(f), "0010"); // blanks only: nothing to clear
        QVERIFY(!f.workArea->post().isSaved());
        f.type("x");
        QCOMPARE(enabled(f), "0011");
        QTest::keyClick(f.box(), Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(enabled(f), "1111");
        f.clipboard.richText = true; // plain text with rich text beside it
        QTest::keyClick(f.box(), Qt::Key_Right);
        QCOMPARE(enabled(f), "0001");

        // A right click pops up the Edit menu, which offers Paste for any plain text.
        QMenu* edit = f.workArea->menus().editMenu();
        QTest::mousePress(f.box()->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(20, 10));
        QVERIFY(edit->isVisible());
        QCOMPARE(enabled(f), "0011");
        edit->hide();
        QTest::mouseRelease(f.box()->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(20, 10));
        QTest::mouseClick(f.box()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
        QVERIFY(!edit->isVisible());
        f.clipboard.clear();
        f.workArea->activate();
        QCOMPARE(enabled(f), "0001");

        f.workArea->post().setSaved(true);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(f.box(), Qt::Key_Backspace);
        QCOMPARE(enabled(f), "0000");
        QVERIFY(!f.workArea->post().isSaved());
    }

    // The word list opens at the caret, for Ctrl with L whatever else is held.
    void ctrlLOpensTheWordListAndTheCaretPositionFollowsTheText() {
        EditorFixture f;
        const QPoint start = f.post().caretPosition();
        f.type("wide text");
        QVERIFY(f.post().caretPosition().x() > start.x());
        f.type("\n\n");
        QVERIFY(f.post().caretPosition().y() > start.y());
        QTest::keyClick(f.box(), Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(f.child("PicList")->isVisible());
    }
};

QTEST_MAIN(TestEditingSurface)
#include "tst_editing_surface.moc"

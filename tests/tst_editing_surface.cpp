// The editing surface: its text contract, the font it keeps, and how the work area
// answers typing, selecting, clicking and keys in it (pasting: tst_undo_on_surface).
#include "EditorFixture.h"
#include "platform/RichTextBox.h"
#include "post/Post.h"
#include "settings/FontSettingsDialog.h"
#include "shell/MainFrame.h"
#include "shell/PostEditor.h"
#include "shell/PostEditorMenus.h"
#include "shell/PostEditorSettings.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QMenu>
#include <QTest>
#include <QTextCursor>

class TestEditingSurface : public QObject {
    Q_OBJECT

    // Enabled state of Cut, Copy, Paste and Clear All, as a string of 0 and 1.
    static QString enabled(const EditorFixture& f) {
        QString state;
        for (const char* item : {"mnuCut", "mnuCopy", "mnuPaste", "mnuClearAll"})
            state += f.action(item)->isEnabled() ? u'1' : u'0';
        return state;
    }

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

    void fontResetFallsBackWhenTheChoiceIsEmpty() {
        EditorFixture f;
        // The choice is what the font window's two lists hold.
        FontSettingsDialog& window = f.workArea->settings().fontWindow();
        auto choose = [&](const QString& family, const QString& points) {
            window.findChild<QComboBox*>("cboFontName")->setEditText(family);
            window.findChild<QComboBox*>("cboFontSize")->setEditText(points);
        };
        choose(QString(), QString()); // lists left empty: Verdana at 11
        f.type("a");
        QCOMPARE(f.box()->document()->defaultFont().pointSizeF(), 11.0);
        choose(QString(), "not a number"); // leaves the size alone
        f.box()->document()->setDefaultFont(QFont("DejaVu Serif", 14, QFont::Bold, true));
        f.type("b");
        const QFont font = f.box()->document()->defaultFont();
        QCOMPARE(font.family(), "Verdana");
        QCOMPARE(font.pointSizeF(), 14.0);
        QVERIFY(!font.bold() && !font.italic() && !font.underline());
    }

    void ctrlVInTheFramePastesExactlyOnce() {
        ScriptedPrompter prompter;
        QGuiApplication::clipboard()->setText("once");
        MainFrame frame;
        auto* workArea = new PostEditor;
        frame.addWorkArea(workArea);
        frame.show();
        QVERIFY(QTest::qWaitForWindowActive(&frame));
        RichTextBox* box = &workArea->post().editor();
        QVERIFY(box->hasFocus());
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->surface().text(), "once");
        QVERIFY(workArea->menus().actions().paste->isEnabled()); // set on activation
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

    void ctrlLettersReachTheWordList() {
        EditorFixture f(EditorFixture::UseTestClipboard, {"entry"});
        QWidget* list = f.workArea->findChild<QWidget*>("PicList");
        QTest::keyClick(f.box(), Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(list->isVisible()); // Ctrl with a letter, whatever else is held
        f.box()->setFocus();        // Enter typed in the post while the list is open
        QTest::keyClick(f.box(), Qt::Key_Return);
        QVERIFY(!list->isVisible());
        QCOMPARE(f.surface().text(), "entry\r\n"); // the Enter still reaches the surface
        QTest::keyClick(f.box(), Qt::Key_L, Qt::ControlModifier);
        f.box()->setFocus();
        QTest::keyClick(f.box(), Qt::Key_Escape);
        QVERIFY(!list->isVisible());
        QTest::keyClick(f.box(), Qt::Key_Return);
        QCOMPARE(f.surface().text(), "entry\r\n\r\n");
    }

    void caretPositionFollowsTheText() {
        EditorFixture f;
        const QPoint start = f.workArea->post().caretPosition();
        f.type("wide text");
        QVERIFY(f.workArea->post().caretPosition().x() > start.x());
        f.type("\n\n");
        QVERIFY(f.workArea->post().caretPosition().y() > start.y());
    }
};

QTEST_MAIN(TestEditingSurface)
#include "tst_editing_surface.moc"

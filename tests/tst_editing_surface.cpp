// The editing surface: its text contract, the font it keeps, and how the work area
// answers typing, selecting, clicking and keys in it.
#include "EditorFixture.h"
#include "ModalScript.h"
#include "platform/RichTextBox.h"
#include "post/Post.h"
#include "settings/FontSettingsDialog.h"
#include "shell/MainFrame.h"
#include "shell/PostEditor.h"
#include "shell/PostEditorMenus.h"
#include "shell/PostEditorSettings.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
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
        f.workArea->post().setSaved(true);
        f.type("  ");
        QVERIFY(!clearAll->isEnabled()); // blanks only
        QVERIFY(!f.workArea->post().isSaved());
        f.type("x");
        QVERIFY(clearAll->isEnabled());
        f.workArea->post().setSaved(true);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(f.box(), Qt::Key_Backspace);
        QVERIFY(!clearAll->isEnabled());
        QVERIFY(!f.workArea->post().isSaved());
    }

    void fontResetFollowsTheChoiceAndDefaults() {
        EditorFixture f;
        QFont font = f.box()->document()->defaultFont();
        QCOMPARE(font.family(), "Verdana"); // the font window's first-run choice
        QCOMPARE(font.pointSizeF(), 10.0);

        // The choice is what the font window's two lists hold.
        FontSettingsDialog& window = f.workArea->settings().fontWindow();
        auto* name = window.findChild<QComboBox*>("cboFontName");
        auto* size = window.findChild<QComboBox*>("cboFontSize");
        auto choose = [&](const QString& family, const QString& points) {
            name->setEditText(family);
            size->setEditText(points);
        };
        choose(QString(), QString()); // lists left empty
        f.type("a");
        QCOMPARE(f.box()->document()->defaultFont().pointSizeF(), 11.0);

        choose("DejaVu Serif", "14");
        f.type("a");
        font = f.box()->document()->defaultFont();
        QCOMPARE(font.family(), "DejaVu Serif");
        QCOMPARE(font.pointSizeF(), 14.0);

        choose(QString(), "not a number");
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
        RichTextBox* box = &workArea->post().editor();
        QVERIFY(box->hasFocus());
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->surface().text(), "once");
        QVERIFY(workArea->menus().actions().paste->isEnabled()); // set on activation
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
        QMenu* edit = f.workArea->menus().editMenu();
        emit edit->aboutToShow(); // the Edit menu opened from the menu bar
        QVERIFY(paste->isEnabled());

        f.clipboard.clear();
        f.workArea->activate();
        QVERIFY(!paste->isEnabled());
    }

    void rightClickPopsUpTheEditMenu() {
        EditorFixture f;
        f.clipboard.setText("x");
        QMenu* edit = f.workArea->menus().editMenu();
        QTest::mousePress(f.box()->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(20, 10));
        QVERIFY(edit->isVisible());
        edit->hide();
        QTest::mouseRelease(f.box()->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(20, 10));
        QVERIFY(f.action("mnuPaste")->isEnabled());
        QTest::mouseClick(f.box()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
        QVERIFY(!edit->isVisible());
    }

    void keysReachTheWordListAndCustomStyles() {
        EditorFixture f(EditorFixture::UseTestClipboard, {"entry"});
        QWidget* list = f.workArea->findChild<QWidget*>("PicList");
        QTest::keyClick(f.box(), Qt::Key_L, Qt::ControlModifier);
        QVERIFY(list->isVisible());
        f.box()->setFocus(); // Enter typed in the post while the list is open
        QTest::keyClick(f.box(), Qt::Key_Return);
        QVERIFY(!list->isVisible());
        QCOMPARE(f.surface().text(), "entry\r\n"); // the Enter still reaches the surface
        QTest::keyClick(f.box(), Qt::Key_L, Qt::ControlModifier);
        f.box()->setFocus();
        QTest::keyClick(f.box(), Qt::Key_Escape);
        QVERIFY(!list->isVisible());
        QTest::keyClick(f.box(), Qt::Key_Return);
        ModalScript modal;
        QTest::keyClick(f.box(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(modal.opened, QStringList{"frmPreset"});
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

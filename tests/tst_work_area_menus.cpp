// The work area's menu bar: every item where the user expects it, and what the File
// items and the button strip run.
#include "EditorFixture.h"
#include "platform/RichTextBox.h"
#include "shell/PostEditor.h"
#include "shell/PostEditorMenus.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QTest>

class TestWorkAreaMenus : public QObject {
    Q_OBJECT

    // One line per item: name|caption|shortcut, separators as name|-.
    static QStringList describe(const QMenu* menu) {
        QStringList lines;
        for (const QAction* action : menu->actions()) {
            QString line = action->objectName();
            if (action->isSeparator())
                line += "|-";
            else
                line += "|" + action->text() + "|" + action->shortcut().toString();
            if (action->property("index").isValid())
                line += "|" + action->property("index").toString();
            lines << line;
        }
        return lines;
    }

private slots:
    void everyMenuAndItemIsInPlace() {
        EditorFixture f;
        const PostEditorMenus& menus = f.workArea->menus();
        QStringList tops;
        for (const QMenu* menu : menus.menus())
            tops << menu->objectName() + "|" + menu->title();
        QCOMPARE(tops, (QStringList{"mnuFileTop|&File", "mnuEdit|&Edit", "mnuTools|&Tools",
                                    "mnBrowser|&Browser", "mnuHelp|&Help"}));

        QCOMPARE(describe(menus.menu("mnuFileTop")),
                 (QStringList{"mnuFile|Introduction||0", "mnuFile|&New|Ctrl+N|1",
                              "mnuFile|&Open|Ctrl+O|2", "mnuFile|&Save|Ctrl+S|3", "mnuFile|-|4",
                              "mnuFile|Copy All||5", "mnuFile|-|8", "mnuFile|E&xit||9"}));
        QCOMPARE(describe(menus.menu("mnuEdit")),
                 (QStringList{"mnuUndo|Undo|Ctrl+Z", "mnuRedo|Redo|", "mnuline|-",
                              "mnuCut|Cut|Ctrl+X", "mnuCopy|&Copy|Ctrl+C", "mnuPaste|&Paste|Ctrl+V",
                              "mnuLine7|-", "mnuUndoAll|Undo All|", "mnuRedoAll|Redo All|",
                              "mnuline8|-", "mnuResetUndo|Reset All|", "mnuClearAll|Clear All|"}));
        QCOMPARE(
            describe(menus.menu("mnuTools")),
            (QStringList{"mnuGrammar|Spell && Grammar Check|", "mnuline15|-",
                         "mnuOptions|Font Setting|", "mnuline10|-", "mnuImage|Insert Image Link|",
                         "mnuLink|Insert Web &Link|", "mnuline11|-", "mnuIrregualr|Irregular Tags|",
                         "mnuPreSet|Custom Styles|", "mnuPretype|Custom Text|",
                         "mnuPreview|Pre&view|F5"}));
        QCOMPARE(
            describe(menus.menu("mnBrowser")),
            (QStringList{"mnuBrowser|View Browser|", "mnuline13|-", "mnuVornetHome|Vornet Home|",
                         "mnuForums|Forum List|", "mnuAdvSearch|Advanced Search|"}));
        QCOMPARE(describe(menus.menu("mnuHelp")),
                 (QStringList{"mnuTips|Help && Tips|", "mnuline14|-", "mnuEmail|E-Mail to Author|",
                              "mnuHomePage|Visit Home Page|", "mnuline3|-",
                              "mnuHelpAbout|&About Quillet|"}));
    }

    void undoItemsStartDisabled() {
        EditorFixture f;
        for (const char* name : {"mnuUndo", "mnuRedo", "mnuUndoAll", "mnuRedoAll"})
            QVERIFY2(!f.action(name)->isEnabled(), name);
        QVERIFY(f.action("mnuResetUndo")->isEnabled()); // never disabled
    }

    void fileItemsDispatchOnTheirIndex() {
        EditorFixture f;
        f.workArea->menus().fileItem(5)->trigger(); // Copy All on an empty post
        QCOMPARE(f.prompter.messages.size(), 1);
        QCOMPARE(f.prompter.messages.first().text, "No text to copy");

        f.workArea->menus().fileItem(3)->trigger(); // Save asks for a file name
        QCOMPARE(f.prompter.fileDialogKinds, QStringList{"save"});
        f.workArea->menus().fileItem(2)->trigger(); // Open on an empty post asks at once
        QCOMPARE(f.prompter.fileDialogKinds, (QStringList{"save", "open"}));
        QCOMPARE(f.prompter.fileDialogs.last().filter, "Text Files (*.txt)|*.txt");
        QVERIFY(!f.workArea->menus().fileItem(6));
        QVERIFY(!f.workArea->menus().fileItem(7));
    }

    void buttonsShowTheHandCursor() {
        EditorFixture f;
        for (const char* name : {"cmdInsert", "cmdDefault", "cmdStyle", "cmdSmiley", "cmdList",
                                 "cmdCopyClipBoard", "cmdExit"})
            QVERIFY2(f.button(name)->cursor().shape() == Qt::PointingHandCursor, name);
    }

    void copyAllPutsThePostOnTheClipboard() {
        EditorFixture f;
        f.type("first\nsecond");
        f.click("cmdCopyClipBoard");
        QCOMPARE(f.clipboard.content, std::optional<QString>("first\r\nsecond"));
        QCOMPARE(f.surface().selStart(), 0);
        QCOMPARE(f.surface().selLength(), 0);
        QCOMPARE(f.prompter.messages.last().text,
                 "Copied All text to Clipboard\r\n\r\nPlease remember to have a preview\r\n"
                 "of the post before you hit the Submit button");
    }
};

QTEST_MAIN(TestWorkAreaMenus)
#include "tst_work_area_menus.moc"

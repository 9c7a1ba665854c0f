// The work area's menus and buttons.
#include "EditorFixture.h"

#include <QMenu>

class TestWorkAreaMenus : public QObject {
    Q_OBJECT

private slots:
    void menusButtonsAndFileItemsAreInPlace() {
        EditorFixture f;
        QStringList menus;
        for (const QMenu* menu : f.workArea->findChildren<QMenu*>())
            menus << menu->objectName() + " " + menu->title();
        QCOMPARE(menus,
                 (QStringList{"mnuFileTop &File", "mnuEdit &Edit", "mnuTools &Tools",
                              "mnuLanguage Language", "mnBrowser &Browser", "mnuHelp &Help"}));
        QStringList items;
        for (const QAction* item : {f.fileItem(1), f.action("mnuPaste"), f.action("mnuIrregualr"),
                                    f.action("mnuPreview"), f.action("mnuFind")})
            items << item->text() + " " + item->shortcut().toString();
        QCOMPARE(items, (QStringList{"&New Ctrl+N", "&Paste Ctrl+V", "Irregular Tags ",
                                     "Pre&view F5", "&Find... Ctrl+F"}));

        // Every button and link label shows the hand, but the handle's Paste keeps the arrow.
        for (const char* name : {"cmdInsert", "cmdDefault", "cmdStyle", "cmdSmiley", "cmdList",
                                 "cmdCopyClipBoard", "cmdExit", "cmdWink", "cmdListInsert"})
            QVERIFY2(f.button(name)->cursor().shape() == Qt::PointingHandCursor, name);
        QCOMPARE(f.child<QLabel>("Label1")->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(f.button("cmdHandlePaste")->cursor().shape(), Qt::ArrowCursor);

        // The File items are told apart by their index, with gaps at 4, 6, 7 and 8.
        f.fileItem(5)->trigger(); // Copy All on an empty post
        QCOMPARE(f.prompter.asked(), QStringList{"Quillet: No text to copy"});
        f.fileItem(3)->trigger(); // Save asks for a file name
        f.fileItem(2)->trigger(); // Open on an empty post asks at once
        QCOMPARE(f.prompter.fileDialogKinds, (QStringList{"save", "open"}));
        QCOMPARE(f.prompter.fileDialogs.last().filter, "Text Files (*.txt)|*.txt");
        QVERIFY(!f.fileItem(6) && !f.fileItem(7));
        f.click("cmdCopyClipBoard");
        QCOMPARE(f.prompter.messages.size(), 2);
    }
};

QTEST_MAIN(TestWorkAreaMenus)
#include "tst_work_area_menus.moc"

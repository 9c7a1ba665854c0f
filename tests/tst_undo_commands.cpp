// The Edit menu's undo items in the work area: what each does and when it is offered.
#include "EditorFixture.h"
#include "platform/RichTextBox.h"
#include "shell/PostEditor.h"
#include "undo/UndoHistory.h"

#include <QAbstractButton>
#include <QAction>
#include <QTest>

namespace {

// Enabled state of Undo, Redo, Undo All, Redo All and Reset All, as a string of 0 and 1.
QString enabled(const EditorFixture& f) {
    QString state;
    for (const char* item : {"mnuUndo", "mnuRedo", "mnuUndoAll", "mnuRedoAll", "mnuResetUndo"})
        state += f.action(item)->isEnabled() ? u'1' : u'0';
    return state;
}

// Types each text as a step of its own: End, a navigation key, ends the step at once.
void typeSteps(const EditorFixture& f, std::initializer_list<const char*> texts) {
    for (const char* text : texts) {
        f.type(text);
        QTest::keyClick(f.box(), Qt::Key_End);
    }
}

} // namespace

class TestUndoCommands : public QObject {
    Q_OBJECT
private slots:
    void undoAndRedoStepOnceAndGiveTheSurfaceTheFocus() {
        EditorFixture f;
        QCOMPARE(enabled(f), "00001");
        f.type("one");
        QCOMPARE(enabled(f), "00001"); // not recorded yet
        QTest::keyClick(f.box(), Qt::Key_End);
        QCOMPARE(enabled(f), "10101");
        typeSteps(f, {"two"});

        f.button("cmdInsert")->setFocus();
        f.action("mnuUndo")->trigger();
        QCOMPARE(f.surface().text(), "one");
        QVERIFY(f.box()->hasFocus());
        QCOMPARE(enabled(f), "11111");
        f.button("cmdInsert")->setFocus();
        f.action("mnuRedo")->trigger();
        QCOMPARE(f.surface().text(), "onetwo");
        QVERIFY(f.box()->hasFocus());
        QCOMPARE(enabled(f), "10101");
    }

    void allItemsGoToEitherEndAndResetAllKeepsTheText() {
        EditorFixture f;
        typeSteps(f, {"one", "two", "six"});
        f.button("cmdInsert")->setFocus();
        f.action("mnuUndoAll")->trigger();
        QCOMPARE(f.surface().text(), "");
        QCOMPARE(enabled(f), "01011");
        f.action("mnuRedoAll")->trigger();
        QCOMPARE(f.surface().text(), "onetwosix");
        QCOMPARE(enabled(f), "10101");
        QVERIFY(f.button("cmdInsert")->hasFocus()); // the All items leave the focus alone

        f.action("mnuUndo")->trigger();
        f.action("mnuResetUndo")->trigger();
        QCOMPARE(f.surface().text(), "onetwo");
        QCOMPARE(enabled(f), "00001");
        QCOMPARE(f.workArea->Undo->undoCount(), 0);
    }
};

QTEST_MAIN(TestUndoCommands)
#include "tst_undo_commands.moc"

#include "support/FakeSurface.h"
#include "undo/UndoCommands.h"
#include "undo/UndoHistory.h"

#include <QAction>
#include <QWidget>
#include <QtTest>

namespace {

constexpr int kEnter = 13;

// The Edit menu's five undo items wired to an engine that watches a fake surface.
struct Menu {
    Menu() {
        for (QAction* action : {&undo, &redo, &undoAll, &redoAll, &resetUndo})
            host.addAction(action);
        engine.Create(&host, &surface, 10000);
    }

    void typeStep(const QString& text) {
        surface.type(text);
        surface.pressKey(kEnter);
    }

    // Enabled state of Undo, Redo, Undo All, Redo All, Reset All, as a string of 0 and 1.
    QString enabled() const {
        QString state;
        for (const QAction* action : {&undo, &redo, &undoAll, &redoAll, &resetUndo})
            state += action->isEnabled() ? u'1' : u'0';
        return state;
    }

    QWidget host;
    FakeSurface surface;
    UndoHistory engine;
    QAction undo{"Undo"}, redo{"Redo"}, undoAll{"Undo All"}, redoAll{"Redo All"},
        resetUndo{"Reset All"};
    int focusCalls = 0;
    UndoCommands commands{
        engine, {&undo, &redo, &undoAll, &redoAll, &resetUndo}, [this] { ++focusCalls; }};
};

} // namespace

class TestUndoCommands : public QObject {
    Q_OBJECT
private slots:
    void itemsStartDisabledExceptResetAll() {
        Menu menu;
        QCOMPARE(menu.enabled(), QString("00001"));

        UndoHistory unused; // never created: nothing to offer either
        QAction item;
        UndoCommands commands(unused, {&item, nullptr, nullptr, nullptr, nullptr}, {});
        QVERIFY(!item.isEnabled());
        item.trigger(); // an engine without a surface ignores the command
    }

    void itemsFollowTheEngine() {
        Menu menu;
        menu.surface.type("abc");
        QCOMPARE(menu.enabled(), QString("00001")); // not recorded yet
        menu.surface.pressKey(kEnter);
        QCOMPARE(menu.enabled(), QString("10101"));
        menu.engine.Undo(1);
        QCOMPARE(menu.enabled(), QString("01011"));
        menu.typeStep("new");
        QCOMPARE(menu.enabled(), QString("10101"));
        menu.engine.IgnoreChange(true);
        QCOMPARE(menu.enabled(), QString("00001"));
        menu.engine.IgnoreChange(false);
        QCOMPARE(menu.enabled(), QString("10101"));
    }

    void undoAndRedoStepOnceAndFocusTheSurface() {
        Menu menu;
        menu.typeStep("one");
        menu.typeStep("two");
        menu.undo.trigger();
        QCOMPARE(menu.surface.text(), QString("one"));
        QCOMPARE(menu.focusCalls, 1);
        menu.redo.trigger();
        QCOMPARE(menu.surface.text(), QString("onetwo"));
        QCOMPARE(menu.focusCalls, 2);
        QCOMPARE(menu.enabled(), QString("10101"));
    }

    void undoAllAndRedoAllGoToEitherEnd() {
        Menu menu;
        menu.typeStep("one");
        menu.typeStep("two");
        menu.typeStep("six");
        menu.undoAll.trigger();
        QCOMPARE(menu.surface.text(), QString());
        QCOMPARE(menu.enabled(), QString("01011"));
        menu.redoAll.trigger();
        QCOMPARE(menu.surface.text(), QString("onetwosix"));
        QCOMPARE(menu.enabled(), QString("10101"));
        QCOMPARE(menu.focusCalls, 0);
    }

    void resetAllForgetsTheHistoryButKeepsTheText() {
        Menu menu;
        menu.typeStep("one");
        menu.typeStep("two");
        menu.undo.trigger();
        QCOMPARE(menu.enabled(), QString("11111"));
        menu.resetUndo.trigger();
        QCOMPARE(menu.surface.text(), QString("one"));
        QCOMPARE(menu.enabled(), QString("00001"));
        QCOMPARE(menu.engine.getUndoCount(), 0);
    }
};

QTEST_MAIN(TestUndoCommands)
#include "tst_undo_commands.moc"

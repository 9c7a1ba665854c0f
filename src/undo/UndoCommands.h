#pragma once

#include <QObject>
#include <functional>

class QAction;
class UndoHistory;

// The Edit menu's undo commands. Each calls one or two operations of the engine, and
// the four Undo/Redo items follow the engine's stateChanged; Reset All stays enabled.
class UndoCommands : public QObject {
    Q_OBJECT
public:
    struct MenuItems {
        QAction* undo = nullptr;
        QAction* redo = nullptr;
        QAction* undoAll = nullptr;
        QAction* redoAll = nullptr;
        QAction* resetAll = nullptr;
    };

    // focusSurface gives the editing surface the keyboard focus after Undo and Redo.
    // The four Undo/Redo items are disabled until the engine has something to offer.
    UndoCommands(UndoHistory& engine, const MenuItems& items, std::function<void()> focusSurface,
                 QObject* parent);

private:
    void updateItems();
    void undoOne();
    void redoOne();
    void undoAll();
    void redoAll();

    UndoHistory& m_engine;
    MenuItems m_items;
    std::function<void()> m_focusSurface;
};

#pragma once

#include <QObject>
#include <functional>

class QAction;
class UndoHistory;

// The Edit menu's undo commands. Each calls one or two operations of the engine, and
// the four Undo/Redo items follow the engine's StateChanged; Reset All stays enabled.
class UndoCommands : public QObject {
    Q_OBJECT
public:
    struct MenuItems {
        QAction* mnuUndo = nullptr;
        QAction* mnuRedo = nullptr;
        QAction* mnuUndoAll = nullptr;
        QAction* mnuRedoAll = nullptr;
        QAction* mnuResetUndo = nullptr;
    };

    // focusSurface gives the editing surface the keyboard focus after Undo and Redo.
    // The four Undo/Redo items are disabled until the engine has something to offer.
    UndoCommands(UndoHistory& engine, const MenuItems& items, std::function<void()> focusSurface,
                 QObject* parent = nullptr);

    void Undo_StateChanged();

private:
    void mnuUndo_Click();
    void mnuRedo_Click();
    void mnuUndoAll_Click();
    void mnuRedoAll_Click();
    void mnuResetUndo_Click();

    UndoHistory& engine_;
    MenuItems items_;
    std::function<void()> focusSurface_;
};

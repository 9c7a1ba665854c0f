#include "undo/UndoCommands.h"

#include "undo/UndoHistory.h"

#include <QAction>

UndoCommands::UndoCommands(UndoHistory& engine, const MenuItems& items,
                           std::function<void()> focusSurface, QObject* parent)
    : QObject(parent), engine_(engine), items_(items), focusSurface_(std::move(focusSurface)) {
    const auto bind = [this](QAction* action, void (UndoCommands::*handler)()) {
        if (action)
            connect(action, &QAction::triggered, this, handler);
    };
    bind(items_.mnuUndo, &UndoCommands::mnuUndo_Click);
    bind(items_.mnuRedo, &UndoCommands::mnuRedo_Click);
    bind(items_.mnuUndoAll, &UndoCommands::mnuUndoAll_Click);
    bind(items_.mnuRedoAll, &UndoCommands::mnuRedoAll_Click);
    bind(items_.mnuResetUndo, &UndoCommands::mnuResetUndo_Click);
    connect(&engine_, &UndoHistory::StateChanged, this, &UndoCommands::Undo_StateChanged);
    Undo_StateChanged();
}

void UndoCommands::Undo_StateChanged() {
    const auto enable = [](QAction* action, bool enabled) {
        if (action)
            action->setEnabled(enabled);
    };
    enable(items_.mnuUndo, engine_.canUndo());
    enable(items_.mnuRedo, engine_.canRedo());
    enable(items_.mnuUndoAll, engine_.canUndo());
    enable(items_.mnuRedoAll, engine_.canRedo());
}

void UndoCommands::mnuUndo_Click() {
    engine_.Undo(1);
    if (focusSurface_)
        focusSurface_();
}

void UndoCommands::mnuRedo_Click() {
    engine_.Redo(1);
    if (focusSurface_)
        focusSurface_();
}

void UndoCommands::mnuUndoAll_Click() {
    engine_.Undo(engine_.getUndoCount());
}

void UndoCommands::mnuRedoAll_Click() {
    engine_.Redo(engine_.getRedoCount());
}

void UndoCommands::mnuResetUndo_Click() {
    engine_.Reset();
}

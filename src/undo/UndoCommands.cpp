#include "undo/UndoCommands.h"

#include "undo/UndoHistory.h"

#include <QAction>

UndoCommands::UndoCommands(UndoHistory& engine, const MenuItems& items,
                           std::function<void()> focusSurface, QObject* parent)
    : QObject(parent), m_engine(engine), m_items(items), m_focusSurface(std::move(focusSurface)) {
    const auto bind = [this](QAction* action, auto handler) {
        if (action)
            connect(action, &QAction::triggered, this, handler);
    };
    bind(m_items.undo, &UndoCommands::undoOne);
    bind(m_items.redo, &UndoCommands::redoOne);
    bind(m_items.undoAll, &UndoCommands::undoAll);
    bind(m_items.redoAll, &UndoCommands::redoAll);
    bind(m_items.resetAll, [this] { m_engine.reset(); });
    connect(&m_engine, &UndoHistory::stateChanged, this, &UndoCommands::updateItems);
    updateItems();
}

void UndoCommands::updateItems() {
    const auto enable = [](QAction* action, bool enabled) {
        if (action)
            action->setEnabled(enabled);
    };
    enable(m_items.undo, m_engine.canUndo());
    enable(m_items.redo, m_engine.canRedo());
    enable(m_items.undoAll, m_engine.canUndo());
    enable(m_items.redoAll, m_engine.canRedo());
}

void UndoCommands::undoOne() {
    m_engine.undo(1);
    if (m_focusSurface)
        m_focusSurface();
}

void UndoCommands::redoOne() {
    m_engine.redo(1);
    if (m_focusSurface)
        m_focusSurface();
}

void UndoCommands::undoAll() {
    m_engine.undo(m_engine.undoCount());
}

void UndoCommands::redoAll() {
    m_engine.redo(m_engine.redoCount());
}

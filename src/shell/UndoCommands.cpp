#include "shell/UndoCommands.h"

#include "platform/RichTextBox.h"
#include "post/Post.h"
#include "shell/PostEditorMenus.h"
#include "undo/UndoHistory.h"

#include <QAction>

UndoCommands::UndoCommands(UndoHistory& history, Post& post, const EditorActions& actions,
                           QObject* parent)
    : QObject(parent), m_history(history), m_post(post), m_actions(actions) {
    connect(actions.undo, &QAction::triggered, this, &UndoCommands::undoOne);
    connect(actions.redo, &QAction::triggered, this, &UndoCommands::redoOne);
    connect(actions.undoAll, &QAction::triggered, this, &UndoCommands::undoAll);
    connect(actions.redoAll, &QAction::triggered, this, &UndoCommands::redoAll);
    connect(actions.resetUndo, &QAction::triggered, this, [this] { m_history.reset(); });
    connect(&history, &UndoHistory::stateChanged, this, &UndoCommands::updateItems);
    updateItems();
}

void UndoCommands::updateItems() {
    m_actions.undo->setEnabled(m_history.canUndo());
    m_actions.redo->setEnabled(m_history.canRedo());
    m_actions.undoAll->setEnabled(m_history.canUndo());
    m_actions.redoAll->setEnabled(m_history.canRedo());
}

void UndoCommands::undoOne() {
    m_history.undo(1);
    m_post.editor().setFocus();
}

void UndoCommands::redoOne() {
    m_history.redo(1);
    m_post.editor().setFocus();
}

void UndoCommands::undoAll() {
    m_history.undoAll();
}

void UndoCommands::redoAll() {
    m_history.redo(m_history.redoCount());
}

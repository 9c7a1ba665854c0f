#pragma once

#include <QObject>

class Post;
class UndoHistory;
struct EditorActions;

// The Edit menu's undo commands. Each calls one or two operations of the undo history;
// Undo and Redo then give the post the focus. The four Undo/Redo items follow the
// history's stateChanged and are disabled until it has something to offer; Reset All
// stays enabled.
class UndoCommands : public QObject {
    Q_OBJECT
public:
    UndoCommands(UndoHistory& history, Post& post, const EditorActions& actions, QObject* parent);

private:
    void updateItems();
    void undoOne();
    void redoOne();
    void undoAll();
    void redoAll();

    UndoHistory& m_history;
    Post& m_post;
    const EditorActions& m_actions;
};

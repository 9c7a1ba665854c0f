#pragma once

#include "undo/UndoStep.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class EditingSurface;
class QTimer;
class QWidget;
struct KeyDownArgs;

// The undo and redo history of one editing surface. It watches the surface by itself:
// changes restart an idle timer, and when the timer expires (or earlier, on Enter, Space,
// a navigation or function key, or a mouse press) the paragraphs changed since the last
// step are stored as one step, as they were and as they are. Steps hold only those
// paragraphs, never a copy of the whole content, and Undo and Redo replace only them.
class UndoHistory : public QObject {
    Q_OBJECT
public:
    explicit UndoHistory(QObject* parent = nullptr);
    ~UndoHistory() override;

    bool canUndo() const;
    bool canRedo() const;
    int undoCount() const;
    int redoCount() const;

    // Starts watching surface with an idle timer of delay ms, created as a child of host,
    // and takes the present content as the base.
    void attach(QWidget* host, EditingSurface* surface, int delay);
    // Forgets the history; the present content becomes the new base.
    void reset();
    void undo(int steps);
    void redo(int steps);
    // Undoes every step, the change still waiting for the idle timer included.
    void undoAll();

    // Called on every change of the surface, after the timer has been handled; the work
    // area puts the chosen font back on the text with it. Empty by default.
    void setFontReset(std::function<void()> fontReset);

signals:
    void stateChanged();

private:
    using Selection = UndoStep::Selection;

    void onChange();
    void onKeyDown(KeyDownArgs& args);
    void onSelectionChange();
    void onTimeout();

    // Stores the change since the last step as a step of its own.
    void takeSnapshot();
    // Records a change that is still waiting for the idle timer.
    void recordPendingChange();
    // Starts a new history whose base is the present content.
    void restart();
    Selection surfaceSelection() const;
    void select(Selection selection);
    friend struct UndoEngineProbe; // lets tests and benchmarks read the list

    bool m_tracking = false; // false until attached, and while Undo or Redo replays a step
    std::vector<UndoStep> m_undoList;
    std::vector<UndoStep> m_redoList;
    Selection m_previousSelection;
    Selection m_currentSelection;
    QPointer<EditingSurface> m_surface;
    QPointer<QTimer> m_timer;
    std::function<void()> m_fontReset;
    bool m_resettingFont = false;
};

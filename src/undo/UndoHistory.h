#pragma once

#include "undo/UndoStep.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringView>
#include <functional>
#include <vector>

class EditingSurface;
class QTimer;
class QWidget;
struct KeyDownArgs;
struct MouseArgs;

// The undo and redo history of one editing surface. It watches the surface by itself:
// changes restart an idle timer, and when the timer expires (or earlier, on Enter, Space,
// a navigation or function key, or a mouse press) the difference between the last
// recorded content and the present one is stored as one step. Steps hold only the
// changed block of the RTF content, never a copy of the whole.
class UndoHistory : public QObject {
    Q_OBJECT
public:
    explicit UndoHistory(QObject* parent = nullptr);
    ~UndoHistory() override;

    bool canUndo() const;
    bool canRedo() const;
    // True stops recording; False records everything changed meanwhile as one step.
    void IgnoreChange(bool IIgnoreChange);
    bool IgnoreChange() const;
    int getUndoCount() const;
    int getRedoCount() const;

    // Starts watching richTextBox with an idle timer of delay ms, created as a child of
    // host, and takes the present content as the base. Shows a message and returns false
    // when host or richTextBox is missing.
    bool Create(QWidget* host, EditingSurface* richTextBox, int delay = 250);
    void Reset();
    void Redo(int RedoSteps = 1);
    void Undo(int UndoSteps = 1);
    void TakeUndoSnapShot();

    // Called on every change of the surface, after the timer has been handled; the work
    // area puts the chosen font back on the text with it. Empty by default.
    void setFontReset(std::function<void()> fontReset);

signals:
    void StateChanged();

private:
    struct Selection {
        int32_t start = 0;
        int32_t length = 0;
    };

    void MyRichTextBox_Change();
    void MyRichTextBox_KeyDown(KeyDownArgs& args);
    void MyRichTextBox_MouseDown(const MouseArgs& args);
    void MyRichTextBox_SelChange();
    void MyTimer_Timer();

    // Records a change that is still waiting for the idle timer.
    void recordPendingChange();
    Selection surfaceSelection() const;
    void select(int32_t start, int32_t length);
    // Replaces the content's middle, between the given unchanged head and tail, with block.
    void splice(int32_t left, const QString& block, int32_t right);
    void SetRedraw(bool redraw);

    // Length of the longest common leading (FromRight false) or trailing run of two
    // strings, by a binary search that compares only the part not yet known to match.
    static int MatchingChars(QStringView First, QStringView Second, bool FromRight);
    friend struct UndoEngineProbe; // lets tests and benchmarks reach MatchingChars and the lists

    bool tracking_ = false;
    std::vector<UndoStep> undoList_;
    std::vector<UndoStep> redoList_;
    Selection previousSelection_;
    Selection currentSelection_;
    QString lastContent_;
    QPointer<EditingSurface> MyRichTextBox;
    QPointer<QTimer> MyTimer;
    std::function<void()> fontReset_;
    bool resettingFont_ = false;
};

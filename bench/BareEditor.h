#pragma once

#include <QTextEdit>

// A plain QTextEdit with its own undo, showing the same text at the same size as the
// work area's control: the baseline every work-area figure is set against.
class BareEditor : public QTextEdit {
public:
    explicit BareEditor(const QSize& size);

    // Puts formatted text in, read by the same RTF reader as the work area's.
    void load(const QString& rtf);
    // Drops the layout and shows the caret at position: what Qt alone spends to lay a
    // changed text out down to the caret, the least a change all over the text can cost.
    void layOutAgainTo(int position);
};

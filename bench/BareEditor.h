#pragma once

#include <QTextEdit>

// A plain QTextEdit with its own undo, showing the same text at the same size as the
// work area's control: the baseline every work-area figure is set against.
class BareEditor : public QTextEdit {
public:
    explicit BareEditor(const QSize& size);

    // Puts formatted text in, read by the same RTF reader as the work area's.
    void load(const QString& rtf);
};

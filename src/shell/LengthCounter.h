#pragma once

#include <QLabel>

class QTextEdit;
class QTimer;
class TextCounts;

// The post's length for the frame's status bar: "340 characters, 61 words", or with a
// selection "12 of 340 characters, 3 of 61 words". Past the length limit it turns to the
// error colour and says by how much. It follows every change and selection of the editor,
// gathered into one update per pass of the event loop.
class LengthCounter : public QLabel {
    Q_OBJECT
public:
    LengthCounter(QTextEdit& editor, QWidget* parent);

    // Characters the post may hold; 0 for no limit.
    void setLimit(int maxLength);
    int limit() const { return m_limit; }

private:
    void refresh();

    QTextEdit& m_editor;
    TextCounts* m_counts = nullptr;
    QTimer* m_update = nullptr;
    int m_limit = 0;
};

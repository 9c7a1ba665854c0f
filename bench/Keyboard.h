#pragma once

#include <QString>
#include <Qt>

class QWidget;
struct Samples;

// Presses keys in one control as a user would. A timed key includes the event processing
// it causes (layout, painting, whatever the program does on a change).
class Keyboard {
public:
    explicit Keyboard(QWidget& target) : m_target(target) {}

    // One key pressed and released, and the processing it causes, in milliseconds.
    double press(int key, const QString& text = QString(),
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Moves the caret of the target (a QTextEdit) as a user's click or arrow key does, which
    // also ends the typing before it as an undo step: the position is set, then Left and
    // Right are pressed.
    void moveCaret(int position);
    // Types lower-case letters and spaces, adding each letter's time to letters and each
    // space's to spaces.
    void type(const QString& text, Samples& letters, Samples& spaces);
    // Types text through the event queue, a key every intervalMs, as a person types, and
    // returns once the last key has been handled.
    void typeAtPace(const QString& text, int intervalMs);

private:
    QWidget& m_target;
};

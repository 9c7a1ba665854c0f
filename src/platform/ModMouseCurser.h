#pragma once

class QWidget;

// Shows a system cursor, by its classic identifier, while the mouse is over a control.
namespace ModMouseCurser {
constexpr int HandCursor = 32649;

void SetMouseCursor(QWidget* over, int cursorId);
// Every button and link label of the program shows the hand while the mouse is over it.
void useHandCursor(QWidget* control);
} // namespace ModMouseCurser

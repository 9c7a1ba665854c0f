#pragma once

class QWidget;

namespace HandCursor {
// Every button and link label of the program shows the pointing hand while the mouse is
// over it.
void showOver(QWidget* control);
} // namespace HandCursor

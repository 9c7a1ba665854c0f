#include "platform/ModMouseCurser.h"

#include <QWidget>

namespace ModMouseCurser {

void SetMouseCursor(QWidget* over, int cursorId) {
    if (!over)
        return;
    switch (cursorId) {
    case HandCursor:
        over->setCursor(Qt::PointingHandCursor);
        break;
    default:
        over->unsetCursor();
        break;
    }
}

void useHandCursor(QWidget* control) {
    SetMouseCursor(control, HandCursor);
}

} // namespace ModMouseCurser

#include "platform/HandCursor.h"

#include <QWidget>

namespace HandCursor {

void showOver(QWidget* control) {
    if (control)
        control->setCursor(Qt::PointingHandCursor);
}

} // namespace HandCursor

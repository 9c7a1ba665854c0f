#include "platform/DocumentWindows.h"

#include "platform/Twips.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {
QMdiSubWindow* subWindowOf(QWidget* window) {
    return qobject_cast<QMdiSubWindow*>(window->parentWidget());
}
} // namespace

namespace DocumentWindows {

void bringToFront(QWidget* window) {
    QMdiSubWindow* subWindow = subWindowOf(window);
    if (!subWindow) {
        window->show();
        window->raise();
        window->activateWindow();
        return;
    }
    subWindow->showMaximized();
    subWindow->raise();
    if (QMdiArea* area = subWindow->mdiArea())
        area->setActiveSubWindow(subWindow);
}

void hide(QWidget* window) {
    QMdiSubWindow* subWindow = subWindowOf(window);
    (subWindow ? static_cast<QWidget*>(subWindow) : window)->hide();
}

void fitToFrame(QWidget* window) {
    QMdiSubWindow* subWindow = subWindowOf(window);
    if (!subWindow || subWindow->isMaximized() || subWindow->isMinimized())
        return;
    // The room the frame gives its document windows, where all of the window shows.
    const QWidget* room =
        subWindow->mdiArea() ? subWindow->mdiArea()->viewport() : subWindow->window();
    const int margin = Twips::toPixels(100);
    subWindow->resize(room->width() - margin, room->height() - margin);
}

} // namespace DocumentWindows

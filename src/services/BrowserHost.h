#pragma once

#include <QList>
#include <functional>

class QAction;
class QMdiSubWindow;
class QWidget;

// What the browser windows need from the program around them, handed over when they
// are created: the frame to live in, the work area to give way to, and the windows of
// other parts that their menus open.
struct BrowserHost {
    // Puts a window into the main frame; the frame's menu bar shows barItems while it is
    // active. Without a frame (nullptr result) the window stands on its own.
    std::function<QMdiSubWindow*(QWidget* window, const QList<QAction*>& barItems)> addToFrame;
    std::function<void()> showWorkArea; // shows the work area and brings it to the front
    std::function<void()> hideWorkArea;
    std::function<void()> confirmExit;
    std::function<void()> showIntroduction;
    std::function<void()> showAbout;
};

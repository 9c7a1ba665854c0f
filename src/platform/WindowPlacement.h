#pragma once

#include <QList>
#include <QRect>

class QWidget;

// Where a window that places itself opens: wholly on the screen that shows the window it
// belongs to, shrunk to that screen's free area if it is larger. The arithmetic works on
// rectangles (frame geometries and the screens' available areas); the two functions that
// take widgets read the desktop's screens and move the window.
namespace WindowPlacement {

// A window of the given size level with frame's top: right of it where the screen has room,
// else left of it, else over frame's right part.
QRect beside(const QRect& frame, const QSize& size, const QList<QRect>& screenAreas);
// A window of the given size centred over frame.
QRect centredOver(const QRect& frame, const QSize& size, const QList<QRect>& screenAreas);

void placeBeside(QWidget* window, const QWidget* frame);
void centreOver(QWidget* window, const QWidget* frame);

} // namespace WindowPlacement

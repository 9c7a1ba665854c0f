#include "platform/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

QList<QRect> availableScreenAreas() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    return areas;
}

int overlap(const QRect& a, const QRect& b) {
    const QRect common = a.intersected(b);
    return common.width() * common.height();
}

// Both rectangles include the window's frame; before the window is first shown the frame
// adds nothing.
void placeAt(QWidget* window, const QRect& place) {
    const QSize decoration = window->frameGeometry().size() - window->size();
    window->resize(place.size() - decoration);
    window->move(place.topLeft());
}

// The available area of the screen that shows most of frame; the first when none does.
QRect screenAreaFor(const QRect& frame, const QList<QRect>& screenAreas) {
    if (screenAreas.isEmpty())
        return {};
    return *std::max_element(
        screenAreas.begin(), screenAreas.end(),
        [&frame](const QRect& a, const QRect& b) { return overlap(a, frame) < overlap(b, frame); });
}

// window moved, and shrunk where it must be, to lie wholly inside area.
QRect keptInside(QRect window, const QRect& area) {
    if (!area.isValid())
        return window;
    window.setSize(window.size().boundedTo(area.size()));
    window.moveLeft(std::clamp(window.left(), area.left(), area.right() - window.width() + 1));
    window.moveTop(std::clamp(window.top(), area.top(), area.bottom() - window.height() + 1));
    return window;
}

} // namespace

namespace WindowPlacement {

QRect beside(const QRect& frame, const QSize& size, const QList<QRect>& screenAreas) {
    const QRect area = screenAreaFor(frame, screenAreas);
    if (!area.isValid())
        return QRect(QPoint(frame.right() + 1, frame.top()), size);
    QRect window(QPoint(frame.right() + 1, frame.top()), size.boundedTo(area.size()));
    if (window.right() > area.right()) {
        window.moveRight(frame.left() - 1);
        if (window.left() < area.left())
            window.moveRight(frame.right());
    }
    return keptInside(window, area);
}

QRect centredOver(const QRect& frame, const QSize& size, const QList<QRect>& screenAreas) {
    QRect window(QPoint(), size);
    window.moveCenter(frame.center());
    return keptInside(window, screenAreaFor(frame, screenAreas));
}

void placeBeside(QWidget* window, const QWidget* frame) {
    placeAt(window,
            beside(frame->frameGeometry(), window->frameGeometry().size(), availableScreenAreas()));
}

void centreOver(QWidget* window, const QWidget* frame) {
    placeAt(window, centredOver(frame->frameGeometry(), window->frameGeometry().size(),
                                availableScreenAreas()));
}

} // namespace WindowPlacement

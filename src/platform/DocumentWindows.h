#pragma once

class QWidget;

// The frame's document windows. Each sits in a sub-window of the frame's document area;
// one that has none (made on its own, as tests do) stands as a top-level window instead.
namespace DocumentWindows {
// Shows the window maximised in its sub-window, as the active one.
void bringToFront(QWidget* window);
// Hides the window's sub-window (or the window itself).
void hide(QWidget* window);
// A restored (neither maximised nor minimised) sub-window takes the size of the frame's
// document area, less a margin of 100 twips.
void fitToFrame(QWidget* window);
} // namespace DocumentWindows

#pragma once

#include <functional>

class QWidget;

// Opens every window of the program and every tool page of the work area in turn and hands
// each, shown, to visit; modal windows are closed with Escape after it. Returns the count.
int walkWindows(const std::function<void(QWidget&)>& visit);

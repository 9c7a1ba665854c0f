#pragma once

#include <QElapsedTimer>
#include <QTimer>

// The longest time the event loop went without running while the probe was on: a timer
// asks to run every millisecond, and the widest gap between its runs is how long the
// window could neither paint nor take a key.
class StallProbe {
public:
    StallProbe();

    void start();
    // The longest gap since start(), in milliseconds.
    double stop();

    // Runs the event loop for ms milliseconds, as it runs while the user pauses.
    static void idle(int ms);

private:
    QTimer m_ticker;
    QElapsedTimer m_sinceTick;
    double m_longest = 0;
};

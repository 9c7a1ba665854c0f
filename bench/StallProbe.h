#pragma once

#include <QElapsedTimer>
#include <QTimer>

// The longest time the event loop went without running while the probe was on: a timer
// asks to run every millisecond, and the widest gap between its runs is how long the
// window could neither paint nor take a key. The gaps over a few milliseconds, summed,
// are how long the program was busy.
class StallProbe {
public:
    StallProbe();

    void start();
    // The longest gap since start(), in milliseconds.
    double stop();
    // The time spent in gaps over kBusyGapMs since start(), in milliseconds.
    double busy() const { return m_busy; }

    // Runs the event loop for ms milliseconds, as it runs while the user pauses.
    static void idle(int ms);

private:
    QTimer m_ticker;
    QElapsedTimer m_sinceTick;
    void addGap();

    static constexpr double kBusyGapMs = 5;
    double m_longest = 0;
    double m_busy = 0;
};

#pragma once

#include "platform/ProgressWindow.h"

#include <QList>

// Stands in for the progress window: records the steps shown and cancels at a scripted one.
struct ScriptedProgress : ProgressWindow {
    ScriptedProgress() { ProgressWindow::install(this); }
    ~ScriptedProgress() override { ProgressWindow::install(nullptr); }

    int shown = 0;        // begin() calls
    bool showing = false; // between begin() and end()
    QList<qint64> steps;  // the done of every advance()
    int cancelAtStep = 0; // the 1-based advance() answered "cancelled"; 0 for none

    void begin(QWidget*, const QString&) override { showing = ++shown; }
    bool advance(qint64 done, qint64) override { return (steps << done).size() != cancelAtStep; }
    void end() override { showing = false; }
};

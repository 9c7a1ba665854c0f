#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

// What a program holds in memory once it has started and sat idle: its resident set, read
// from the kernel after a few seconds of ordinary event processing.
namespace IdleMemory {

inline constexpr int kIdleMilliseconds = 3000;

// The process's resident set in kB, -1 when it cannot be read.
inline long residentKB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Runs the event loop for kIdleMilliseconds, then returns the resident set in kB.
inline long residentAfterIdle() {
    QElapsedTimer idle;
    idle.start();
    while (idle.elapsed() < kIdleMilliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    return residentKB();
}

} // namespace IdleMemory

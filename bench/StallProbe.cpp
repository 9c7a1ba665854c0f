#include "StallProbe.h"

#include <QEventLoop>

StallProbe::StallProbe() {
    m_ticker.setTimerType(Qt::PreciseTimer);
    m_ticker.setInterval(1);
    QObject::connect(&m_ticker, &QTimer::timeout, [this] {
        m_longest = std::max(m_longest, m_sinceTick.nsecsElapsed() / 1e6);
        m_sinceTick.restart();
    });
}

void StallProbe::start() {
    m_longest = 0;
    m_sinceTick.start();
    m_ticker.start();
}

double StallProbe::stop() {
    m_ticker.stop();
    return std::max(m_longest, m_sinceTick.nsecsElapsed() / 1e6);
}

void StallProbe::idle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

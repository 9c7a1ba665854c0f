#include "platform/ProgramEnd.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <cstdio>
#include <cstdlib>

namespace {
std::function<void()>& installedHandler() {
    static std::function<void()> handler;
    return handler;
}

struct Cleanup {
    QPointer<QObject> owner;
    std::function<void()> run;
};

QList<Cleanup>& cleanups() {
    static QList<Cleanup> list;
    return list;
}
} // namespace

namespace ProgramEnd {

void end() {
    for (const Cleanup& cleanup : cleanups()) {
        if (cleanup.owner)
            cleanup.run();
    }
    if (installedHandler()) {
        installedHandler()();
        return;
    }
    // Leave straight away, as the exit command promises: no further handler and no
    // close event may run after the user has confirmed.
    std::fflush(nullptr);
    std::_Exit(0);
}

void setHandler(std::function<void()> handler) {
    installedHandler() = std::move(handler);
}

void onEnd(QObject* owner, std::function<void()> cleanup) {
    QList<Cleanup>& list = cleanups();
    list.removeIf([](const Cleanup& entry) { return entry.owner.isNull(); });
    list.append({owner, std::move(cleanup)});
}

} // namespace ProgramEnd

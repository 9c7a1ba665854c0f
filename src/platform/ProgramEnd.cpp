#include "platform/ProgramEnd.h"

#include <cstdio>
#include <cstdlib>

namespace {
std::function<void()>& installedHandler() {
    static std::function<void()> handler;
    return handler;
}
} // namespace

namespace ProgramEnd {

void end() {
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

} // namespace ProgramEnd

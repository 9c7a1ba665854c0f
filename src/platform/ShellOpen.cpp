#include "platform/ShellOpen.h"

#include <QDesktopServices>

namespace {
std::function<void(const QUrl&)>& installedHandler() {
    static std::function<void(const QUrl&)> handler;
    return handler;
}
} // namespace

namespace ShellOpen {

void open(const QUrl& address) {
    if (installedHandler())
        installedHandler()(address);
    else
        QDesktopServices::openUrl(address); // the result is not checked
}

void setHandler(std::function<void(const QUrl&)> handler) {
    installedHandler() = std::move(handler);
}

} // namespace ShellOpen

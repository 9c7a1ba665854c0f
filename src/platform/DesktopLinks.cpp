#include "platform/DesktopLinks.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
std::function<void(const QUrl&)>& handler() {
    static std::function<void(const QUrl&)> installed;
    return installed;
}
} // namespace

void DesktopLinks::open(const QUrl& url) {
    if (handler())
        handler()(url);
    else
        QDesktopServices::openUrl(url); // the result is not checked
}

void DesktopLinks::setHandler(std::function<void(const QUrl&)> newHandler) {
    handler() = std::move(newHandler);
}

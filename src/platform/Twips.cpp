#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace {
double pixelsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}
} // namespace

namespace Twips {

int toPixels(int twips) {
    return static_cast<int>(std::lround(twips * pixelsPerInch() / 1440.0));
}

int fromPixels(int pixels) {
    return static_cast<int>(std::lround(pixels * 1440.0 / pixelsPerInch()));
}

} // namespace Twips

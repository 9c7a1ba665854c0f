#include "platform/Twips.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace {
constexpr double kReferencePoints = 9.0;
// Fonts up to this size fit the layout as it is.
constexpr double kLargestUsualPoints = 10.0;

double pixelsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

QFont atPoints(QFont font, double points) {
    font.setPointSizeF(points);
    return font;
}

// The larger of the ratios of average character width and line height.
double metricsRatio(const QFont& font, const QFont& reference) {
    const QFontMetricsF measured(font);
    const QFontMetricsF usual(reference);
    return std::max(measured.averageCharWidth() / usual.averageCharWidth(),
                    measured.lineSpacing() / usual.lineSpacing());
}

double scaleFor(const QFont& font) {
    const QFont reference = atPoints(font, kReferencePoints);
    const double ratio = metricsRatio(font, reference);
    const double usualLimit = metricsRatio(atPoints(font, kLargestUsualPoints), reference);
    return ratio <= usualLimit ? 1.0 : ratio;
}
} // namespace

namespace Twips {

// Measured once per application font: a font change applies to windows made after it.
double fontScale() {
    static QFont measuredFont;
    static double scale = 0;
    const QFont font = QGuiApplication::font();
    if (scale == 0 || font != measuredFont) {
        measuredFont = font;
        scale = scaleFor(font);
    }
    return scale;
}

int toPixels(int twips) {
    return static_cast<int>(std::lround(twips * fontScale() * pixelsPerInch() / 1440.0));
}

int fromPixels(int pixels) {
    return static_cast<int>(std::lround(pixels * 1440.0 / (fontScale() * pixelsPerInch())));
}

int scaled(int pixels) {
    return static_cast<int>(std::lround(pixels * fontScale()));
}

} // namespace Twips

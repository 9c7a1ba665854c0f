#include "platform/Contrast.h"

#include <cmath>

double relativeLuminance(const QColor& colour) {
    auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double contrastRatio(const QColor& first, const QColor& second) {
    const double a = relativeLuminance(first) + 0.05;
    const double b = relativeLuminance(second) + 0.05;
    return a > b ? a / b : b / a;
}

QColor readableOn(QColor colour, const QColor& background, double leastContrast) {
    const bool darken = relativeLuminance(background) > 0.18;
    for (int step = 0; step < 20 && contrastRatio(colour, background) < leastContrast; ++step) {
        const int lightness = colour.lightness();
        colour = QColor::fromHsl(colour.hslHue(), colour.hslSaturation(),
                                 darken ? lightness * 17 / 20 : lightness + (255 - lightness) / 5);
    }
    return colour;
}

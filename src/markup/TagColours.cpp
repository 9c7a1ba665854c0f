#include "markup/TagColours.h"

#include <QPalette>
#include <cmath>

namespace {

constexpr double kLeastContrast = 3.5;
constexpr int kArgumentHueTurn = 170;
constexpr int kSmileyHueTurn = 240;
constexpr int kFallbackHue = 220; // for a grey link colour, which has no hue to turn

double luminance(const QColor& colour) {
    auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

QColor turnedHue(const QColor& colour, int degrees) {
    const int hue = colour.hslHue() < 0 ? kFallbackHue : colour.hslHue();
    const int saturation = colour.hslHue() < 0 ? 200 : colour.hslSaturation();
    return QColor::fromHsl((hue + degrees) % 360, saturation, colour.lightness());
}

// Darkens the colour on a light background, lightens it on a dark one, until it reads.
QColor readableOn(QColor colour, const QColor& background) {
    const bool darken = luminance(background) > 0.18;
    for (int step = 0; step < 20 && contrastRatio(colour, background) < kLeastContrast; ++step) {
        const int lightness = colour.lightness();
        colour = QColor::fromHsl(colour.hslHue(), colour.hslSaturation(),
                                 darken ? lightness * 17 / 20 : lightness + (255 - lightness) / 5);
    }
    return colour;
}

QColor mixed(const QColor& first, const QColor& second, double share) {
    return QColor::fromRgbF(first.redF() * (1 - share) + second.redF() * share,
                            first.greenF() * (1 - share) + second.greenF() * share,
                            first.blueF() * (1 - share) + second.blueF() * share);
}

} // namespace

TagColours TagColours::fromPalette(const QPalette& palette) {
    const QColor base = palette.color(QPalette::Active, QPalette::Base);
    const QColor link = palette.color(QPalette::Active, QPalette::Link);
    TagColours colours;
    colours.tag = readableOn(link, base);
    colours.argument = readableOn(turnedHue(link, kArgumentHueTurn), base);
    colours.smiley = readableOn(turnedHue(link, kSmileyHueTurn), base);
    colours.pairBackground =
        mixed(base, palette.color(QPalette::Active, QPalette::Highlight), 0.35);
    return colours;
}

double contrastRatio(const QColor& first, const QColor& second) {
    const double a = luminance(first) + 0.05;
    const double b = luminance(second) + 0.05;
    return a > b ? a / b : b / a;
}

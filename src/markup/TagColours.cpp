#include "markup/TagColours.h"

#include <QPalette>

namespace {

constexpr double kLeastContrast = 3.5;
constexpr int kArgumentHueTurn = 170;
constexpr int kSmileyHueTurn = 240;
constexpr int kFallbackHue = 220; // for a grey link colour, which has no hue to turn

QColor turnedHue(const QColor& colour, int degrees) {
    const int hue = colour.hslHue() < 0 ? kFallbackHue : colour.hslHue();
    const int saturation = colour.hslHue() < 0 ? 200 : colour.hslSaturation();
    return QColor::fromHsl((hue + degrees) % 360, saturation, colour.lightness());
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
    colours.tag = readableOn(link, base, kLeastContrast);
    colours.argument = readableOn(turnedHue(link, kArgumentHueTurn), base, kLeastContrast);
    colours.smiley = readableOn(turnedHue(link, kSmileyHueTurn), base, kLeastContrast);
    colours.pairBackground =
        mixed(base, palette.color(QPalette::Active, QPalette::Highlight), 0.35);
    return colours;
}

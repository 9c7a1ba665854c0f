#pragma once

#include "markup/TagHolders.h"

#include <QColor>
#include <QStringList>
#include <array>
#include <optional>

// The text colour and highlight options of the formatting page. Both families feed one
// colour tag, "[color " + text colour word + highlight word + "]" ... "[/color]".
enum class ColourFamily { Text, Highlight };

struct ColourOption {
    const char* objectName; // e.g. "OptionRed", "OptionHLAqua"
    const char* caption;
    ColourFamily family;
    Holder holder;    // the word holder this option fills
    const char* word; // written into the holder; highlight words carry a leading blank
    QRgb colour;      // the sample's text colour or background
    // Black and None: chosen together they remove the colour tag altogether.
    bool isDefault;
};

inline constexpr int kColourOptionCount = 22;

// The text colour options first, then the highlight options, each in page order.
const std::array<ColourOption, kColourOptionCount>& colourOptions();
const ColourOption* findColourOption(QStringView objectName);
// OptionBlack or OptionHLNone.
const ColourOption& defaultColourOption(ColourFamily family);

// The eleven word holders of one family, in the order the start tag joins them.
QList<Holder> colourWordHolders(ColourFamily family);

// The colour frame around the words.
inline constexpr const char* kColourOpen = "[color ";
inline constexpr const char* kColourClose = "]";
inline constexpr const char* kColourEnd = "[/color]";

// A text option's caption is drawn in its colour, on the page or on a backdrop where it
// would not read there; a highlight option's caption is drawn on its colour, in black or
// white, whichever reads.
QColor captionForeground(const ColourOption& option);
// The caption's background on a page of that colour and text colour: a highlight's own
// colour, a text caption's backdrop where it needs one; absent: the page.
std::optional<QColor> captionBackground(const ColourOption& option, const QColor& page,
                                        const QColor& pageText);

// What selecting an option does: the holders to write (every holder it touches, in order)
// and the sample label's new colours (absent: leave as it is).
struct ColourSelection {
    HolderWrites writes;
    std::optional<QColor> sampleText;
    std::optional<QColor> sampleBackground;
};

// otherFamilyAtDefault: whether the other group's default option (None for Black, Black
// for None) is selected; it only matters for the two defaults.
ColourSelection selectColourOption(const ColourOption& option, bool otherFamilyAtDefault);

#pragma once

#include <QColor>

class QPalette;

// The colours the tag aids draw with. They come from the palette, turned lighter or darker
// where needed so that each reads against the post's background in light and dark themes.
struct TagColours {
    QColor tag;
    QColor argument; // colour names, handles, addresses
    QColor smiley;
    QColor pairBackground; // behind the tag at the caret and its partner

    static TagColours fromPalette(const QPalette& palette);
};

// How far apart two colours' luminances are, from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor& first, const QColor& second);

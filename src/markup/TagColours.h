#pragma once

#include "platform/Contrast.h"

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

#pragma once

#include <QByteArray>
#include <cstdint>

// A change of some consecutive paragraphs: where they start, how many there were and are,
// and their RTF images (RtfParagraphs) before and after. Replacing the countAfter
// paragraphs from first with before undoes the change; the reverse redoes it.
struct ParagraphChange {
    int32_t first = 0;
    int32_t countBefore = 0;
    int32_t countAfter = 0;
    // False when an edit was made that nobody announced (see ParagraphChangeTracker): the
    // paragraphs it changed could not be kept, so the change cannot be given back.
    bool followed = true;
    QByteArray before;
    QByteArray after;
};

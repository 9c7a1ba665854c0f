#pragma once

#include "platform/ParagraphChange.h"

#include <QByteArray>
#include <cstdint>

// One recorded change: the paragraphs it touched, before and after, and the selection on
// either side. A change of a word leaves most of its paragraphs' image as it was, so the
// step keeps the image before in full and of the image after only what differs from it,
// both in one block of memory.
class UndoStep {
public:
    struct Selection {
        int32_t start = 0;
        int32_t length = 0;
    };

    UndoStep() = default;
    UndoStep(const ParagraphChange& change, Selection before, Selection after);

    int first() const { return m_first; }
    int countBefore() const { return m_countBefore; }
    int countAfter() const { return m_countAfter; }
    QByteArray before() const { return m_images.left(m_beforeSize); }
    QByteArray after() const;
    // The change as it was recorded.
    ParagraphChange change() const;
    Selection selectionBefore() const { return m_selectionBefore; }
    Selection selectionAfter() const { return m_selectionAfter; }
    // The bytes of the images the step keeps.
    qsizetype keptBytes() const { return m_images.size(); }

private:
    // The image before, then the part of the image after that lies between the bytes the
    // two share at their start and those they share at their end.
    QByteArray m_images;
    int32_t m_beforeSize = 0;
    int32_t m_sharedStart = 0;
    int32_t m_sharedEnd = 0;
    int32_t m_first = 0;
    int32_t m_countBefore = 0;
    int32_t m_countAfter = 0;
    Selection m_selectionBefore;
    Selection m_selectionAfter;
};

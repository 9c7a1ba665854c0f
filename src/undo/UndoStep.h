#pragma once

#include "platform/ParagraphChange.h"

#include <cstdint>

// One recorded change: the paragraphs it touched, before and after, and the selection on
// either side.
struct UndoStep {
    ParagraphChange paragraphs;
    int32_t selStartBefore = 0;
    int32_t selLengthBefore = 0;
    int32_t selStartAfter = 0;
    int32_t selLengthAfter = 0;
};

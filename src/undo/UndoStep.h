#pragma once

#include <QString>
#include <cstdint>

// One recorded change of the content string: the block it replaced, the block that
// replaced it, the lengths of the unchanged head and tail around them and the selection
// on either side. For the content before B and after A:
// B = B.left(commonHead) + blockBefore + B.right(commonTail), and A likewise with blockAfter.
struct UndoStep {
    QString blockBefore;
    QString blockAfter;
    int32_t commonHead = 0;
    int32_t commonTail = 0;
    int32_t selStartBefore = 0;
    int32_t selLengthBefore = 0;
    int32_t selStartAfter = 0;
    int32_t selLengthAfter = 0;
};

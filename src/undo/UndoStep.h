#pragma once

#include <QString>
#include <cstdint>

// One recorded change of the content string: the block it replaced, the block that
// replaced it, the unchanged runs around them and the selection on either side.
// For the content before B and after A: B = B.left(MatchingCharsFromLeft) +
// TextBlock_BeforeChange + B.right(MatchingCharsFromRight), and A likewise with
// TextBlock_AfterChange.
struct UndoStep {
    QString TextBlock_BeforeChange;
    QString TextBlock_AfterChange;
    int32_t MatchingCharsFromLeft = 0;
    int32_t MatchingCharsFromRight = 0;
    int32_t SelStart_BeforeChange = 0;
    int32_t SelLength_BeforeChange = 0;
    int32_t SelStart_AfterChange = 0;
    int32_t SelLength_AfterChange = 0;
};

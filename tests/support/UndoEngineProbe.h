#pragma once

#include "undo/UndoHistory.h"

// Reads the engine's private parts, for tests that check its records directly.
struct UndoEngineProbe {
    static int matchingChars(QStringView first, QStringView second, bool fromRight) {
        return UndoHistory::MatchingChars(first, second, fromRight);
    }
    static const std::vector<UndoStep>& undoList(const UndoHistory& engine) {
        return engine.undoList_;
    }
};

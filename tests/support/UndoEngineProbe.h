#pragma once

#include "undo/clsUndo.h"

// Reads the engine's private parts, for tests that check its records directly.
struct UndoEngineProbe {
    static int matchingChars(QStringView first, QStringView second, bool fromRight) {
        return clsUndo::MatchingChars(first, second, fromRight);
    }
    static const std::vector<clsUndoElement>& undoList(const clsUndo& engine) {
        return engine.undoList_;
    }
};

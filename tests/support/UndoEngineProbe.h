#pragma once

#include "undo/UndoHistory.h"

// Reads the engine's private parts, for tests and benchmarks that check its records.
struct UndoEngineProbe {
    static int commonRunLength(QStringView first, QStringView second, bool fromRight) {
        return UndoHistory::commonRunLength(first, second, fromRight);
    }
    static const std::vector<UndoStep>& undoList(const UndoHistory& engine) {
        return engine.m_undoList;
    }
};

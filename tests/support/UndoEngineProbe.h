#pragma once

#include "undo/UndoHistory.h"

// Reads the engine's records, for tests and benchmarks that check them.
struct UndoEngineProbe {
    static const std::vector<UndoStep>& undoList(const UndoHistory& engine) {
        return engine.m_undoList;
    }
};

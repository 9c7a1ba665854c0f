#pragma once

#include <Qt>

// Key codes and the shift mask in the form the program's key handlers compare them:
// the classic virtual-key numbers (Enter 13, Space 32, A..Z 65..90, F1 112, ...).
namespace VirtualKeys {
enum : int {
    Back = 8,
    Tab = 9,
    Return = 13,
    Escape = 27,
    Space = 32,
    PrintScreen = 44,
    Delete = 46,
    KeyA = 65,
    KeyC = 67,
    KeyL = 76,
    KeyV = 86,
    KeyX = 88,
    KeyY = 89,
    KeyZ = 90,
    F1 = 112,
    F12 = 123,
};

enum ShiftMask : int { ShiftMaskShift = 1, ShiftMaskCtrl = 2, ShiftMaskAlt = 4 };

// The two ways the program reads Ctrl in a shift mask: held, whatever else is held with
// it (the work area's Ctrl+letter commands), or alone, without Shift or Alt (the undo
// engine's Ctrl+Z and Ctrl+Y).
inline bool isCtrlHeld(int shift) {
    return (shift & ShiftMaskCtrl) != 0;
}
inline bool isCtrlAlone(int shift) {
    return shift == ShiftMaskCtrl;
}

// Maps a Qt key to its virtual-key number; 0 for keys that have none.
int fromQtKey(int qtKey);
// Maps Qt modifiers to the 1/2/4 shift mask.
int shiftMask(Qt::KeyboardModifiers modifiers);
} // namespace VirtualKeys

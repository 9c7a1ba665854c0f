#pragma once

#include "platform/TextDecoding.h"

#include <QString>
#include <functional>
#include <optional>

// Changes to a file that several running copies of the program share (Settings.ini,
// CustomList.ini, PersonalWords.txt) are made one copy at a time, under the lock file
// "<file>.lock" beside it. The change re-reads the file while the lock is held, so it
// merges into what the other copies wrote rather than overwriting it.
namespace LockedFile {

// How long a change waits for another copy to let go of the lock.
constexpr int kWaitMs = 3000;
// A lock this old is taken over even when its owner seems alive (a hung copy, or one on
// another machine); a lock whose owner is gone is taken over at once.
constexpr int kStaleMs = 10000;

// Runs change while holding the file's lock and returns its result. When the lock cannot
// be had within kWaitMs, or cannot be created at all (a folder that cannot be written),
// change does not run, a warning names the file, and the result is false: callers treat
// it as any failed write.
bool update(const QString& path, const std::function<bool()>& change);

// The file as it is now, for a change to merge into: empty text when it does not exist,
// nothing when it exists but cannot be read (and so must not be replaced).
std::optional<TextDecoding::DecodedText> readCurrent(const QString& path);

} // namespace LockedFile

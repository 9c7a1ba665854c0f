#pragma once

#include <QString>
#include <optional>

// Plain text files as the program opens and saves them.
namespace TextFile {
// The file's text; nothing when it cannot be read.
std::optional<QString> read(const QString& fileName);
// Writes through a temporary file renamed over the target, so a failed write never
// damages the file that was there. Returns whether the text was written.
bool write(const QString& fileName, const QString& text);
} // namespace TextFile

#pragma once

#include "platform/TextDecoding.h"

#include <QString>
#include <optional>

// Whole-file reading and writing of text files.
namespace TextFile {

// The decoded content, or nothing when the file is missing or cannot be read.
std::optional<TextDecoding::DecodedText> read(const QString& path);

// Writes text as UTF-8 through a temporary file that replaces the target only once it is
// complete, so a failed write leaves the old file as it was. An existing file that is not
// writable is refused rather than replaced. Returns whether the file was written.
bool write(const QString& path, const QString& text, bool withByteOrderMark = false);

} // namespace TextFile

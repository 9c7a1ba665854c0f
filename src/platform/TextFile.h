#pragma once

#include "platform/TextDecoding.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Whole-file reading and writing of text files.
namespace TextFile {

struct Content {
    QByteArray bytes;
    QString error;        // the reason, in the system's words, why the file was not read
    bool stopped = false; // keepGoing stopped the reading
    bool isRead() const { return error.isEmpty() && !stopped; }
};

// The file's bytes, read in pieces of a megabyte; keepGoing, when given, hears how many
// bytes were read after each piece and may stop the reading. A path that is not a regular
// file (a folder, a device, a pipe or a socket, which could block or never end) is
// refused without being opened.
Content readBytes(const QString& path, const TextDecoding::KeepGoing& keepGoing = {});

// The decoded content, or nothing when the file is missing or cannot be read.
std::optional<TextDecoding::DecodedText> read(const QString& path);

// Writes text in the given encoding through a temporary file that replaces the target only
// once it is complete, so a failed write leaves the old file as it was. An existing file
// that is not writable is refused rather than replaced. Returns whether the file was
// written; when it was not, failure (if given) receives the system's reason.
bool write(const QString& path, const QString& text,
           TextDecoding::SourceEncoding encoding = TextDecoding::SourceEncoding::Utf8,
           QString* failure = nullptr);

// Writes text as UTF-8 to a new file readable by its owner only, in path's folder, and
// renames it to path once it is on disk. Whatever was at path, a symbolic link included,
// is replaced and never followed. Returns whether the file was written; when it was not,
// failure (if given) receives the system's reason.
bool replacePrivately(const QString& path, const QString& text, QString* failure = nullptr);

} // namespace TextFile

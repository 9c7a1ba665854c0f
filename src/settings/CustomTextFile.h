#pragma once

#include <QString>
#include <QStringList>

// The custom text list's file, "CustomList.ini": one entry per line, nothing else.
namespace CustomTextFile {

// The bare file name, so that it is found in the current working directory.
QString defaultPath();

// The entries of a file's text: a line ends at CR or CR LF, and the break is dropped; a
// line feed alone is part of the entry. Empty lines and duplicates are kept, nothing is
// trimmed, and a last line without a break is still an entry.
QStringList parseEntries(const QString& text);
// The file's text: every entry followed by CR LF.
QString formatEntries(const QStringList& entries);

// The file's entries in file order; none when it is missing or cannot be read.
QStringList read(const QString& path = defaultPath());
// Replaces the file with the entries (UTF-8). Returns whether it was written; on failure
// the old file stays as it was.
bool write(const QStringList& entries, const QString& path = defaultPath());

} // namespace CustomTextFile

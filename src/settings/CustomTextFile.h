#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The custom text list's file, "CustomList.ini": one entry per line, nothing else.
namespace CustomTextFile {

// The bare file name, so that it is found in the current working directory.
QString defaultPath();

// The file's entries in file order; none when it is missing or cannot be read. A line ends
// at CR or CR LF, and the break is dropped; a line feed alone is part of the entry. Empty
// lines and duplicates are kept, nothing is trimmed, and a last line without a break is
// still an entry.
QStringList read(const QString& path);
// Replaces the file with the entries, each followed by CR LF (UTF-8). Returns whether it
// was written; on failure the old file stays as it was.
bool write(const QStringList& entries, const QString& path);
// Replaces the file with change(its entries as they are on disk now), reading and writing
// under the file's lock (see LockedFile) so that another running copy's changes are seen.
// A file that exists but cannot be read is left alone and the result is false.
bool update(const QString& path, const std::function<QStringList(const QStringList&)>& change);

} // namespace CustomTextFile

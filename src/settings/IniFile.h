#pragma once

#include <QList>
#include <QString>

// Reads and writes single values of an INI file by section and key, the way the program's
// settings file "Settings.ini" has always been kept (see IniDocument for the rules).
// Files are read as UTF-8, or as Windows-1252 when they are not valid UTF-8, and written
// as UTF-8.
namespace IniFile {

// The longest value a read gives back; longer values are cut to this many characters.
constexpr int kMaxValueLength = 254;

// The value of key in section, cut to kMaxValueLength characters; empty when the file,
// the section or the key is missing or the file cannot be read.
QString readValue(const QString& section, const QString& key, const QString& filePath);

// Sets key in section to value, creating the file, the section and the key as needed and
// leaving every other line as it was. Returns false, with the file untouched, when the
// file cannot be read or written, or when the names or the value cannot be stored (see
// IniDocument::setValue). Writing the value a key already holds succeeds without writing.
bool writeValue(const QString& section, const QString& key, const QString& value,
                const QString& filePath);

struct Entry {
    QString section;
    QString key;
    QString value;
};
// Sets several values in the given order, with the same effect as one writeValue after
// the other, but reading and writing the file once, so they are stored all together or
// not at all. An entry that cannot be stored is skipped and makes the result false.
// The file is read and written under its lock (see LockedFile), so values another running
// copy wrote meanwhile are kept; when the lock cannot be had, nothing is written.
bool writeValues(const QList<Entry>& entries, const QString& filePath);

// Whether the file exists and can be opened for reading.
bool fileExists(const QString& filePath);

// "Settings.ini" in the program's folder when that folder is writable, otherwise in the
// user's configuration folder (created when needed).
QString settingsFilePath();
// The same choice between two given folders.
QString settingsFilePathIn(const QString& programFolder, const QString& configFolder);

} // namespace IniFile

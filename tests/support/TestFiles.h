#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// Small file helpers shared by the tests that read and write settings and posts.

// The file's bytes, or an empty array when it cannot be read.
QByteArray fileBytes(const QString& path);

// Replaces the file with the given bytes; fails the running test when it cannot.
void writeFile(const QString& path, const QByteArray& bytes);

// Permission checks mean nothing to the superuser.
bool runningAsRoot();

// Runs action while files of this process cannot grow past the given size: a write beyond
// it fails with "File too large", as on a full disk.
void underFileSizeLimit(long long bytes, const std::function<void()>& action);

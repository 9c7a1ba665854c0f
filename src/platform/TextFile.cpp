#include "platform/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace {
bool fail(QString* failure, const QString& reason) {
    if (failure)
        *failure = reason;
    return false;
}

// Straight to the file, not through Qt's buffer: a buffered flush that could write only
// part of the bytes (a full disk) reports success, and a cut file would replace the old.
bool writeAll(int handle, const QByteArray& bytes, QString* failure) {
    qint64 written = 0;
    while (written < bytes.size()) {
        const ssize_t count =
            ::write(handle, bytes.constData() + written, size_t(bytes.size() - written));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return fail(failure, qt_error_string(count < 0 ? errno : ENOSPC));
        written += count;
    }
    return true;
}
} // namespace

namespace TextFile {

std::optional<TextDecoding::DecodedText> read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return TextDecoding::decode(bytes);
}

bool write(const QString& path, const QString& text, bool withByteOrderMark, QString* failure) {
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return fail(failure, "It is not a file.");
    if (target.exists() && !target.isWritable())
        return fail(failure, "The file is read-only.");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(failure, file.errorString());
    if (!writeAll(file.handle(), TextDecoding::encode(text, withByteOrderMark), failure)) {
        file.cancelWriting();
        return false;
    }
    return file.commit() || fail(failure, file.errorString());
}

bool replacePrivately(const QString& path, const QString& text, QString* failure) {
    // QTemporaryFile creates its file anew (never through a link) with owner-only access.
    QTemporaryFile file(QFileInfo(path).absolutePath() + "/.writing-XXXXXX");
    if (!file.open())
        return fail(failure, file.errorString());
    if (!writeAll(file.handle(), TextDecoding::encode(text, false), failure))
        return false;
    if (::fsync(file.handle()) != 0)
        return fail(failure, qt_error_string(errno));
    // rename() replaces the name itself: a link there is replaced, not followed.
    if (std::rename(QFile::encodeName(file.fileName()).constData(),
                    QFile::encodeName(path).constData()) != 0)
        return fail(failure, qt_error_string(errno));
    file.setAutoRemove(false);
    return true;
}

} // namespace TextFile

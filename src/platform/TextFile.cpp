#include "platform/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QSaveFile>
#include <QTemporaryFile>
#include <algorithm>
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

Content readBytes(const QString& path, const TextDecoding::KeepGoing& keepGoing) {
    const QFileInfo info(path);
    if (info.isDir())
        return {{}, QObject::tr("It is a folder, not a file."), false};
    if (info.exists() && !info.isFile())
        return {{}, QObject::tr("It is a device, pipe or socket, not a file."), false};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {{}, file.errorString(), false};
    constexpr qint64 kPieceSize = 1 << 20;
    Content content;
    qint64 done = 0;
    // The size is a hint only: files under /proc report none and can grow while read.
    const qint64 expected = file.size();
    content.bytes.reserve(expected);
    for (;;) {
        const qint64 want = done < expected ? std::min(kPieceSize, expected - done) : kPieceSize;
        content.bytes.resize(done + want);
        const qint64 count = file.read(content.bytes.data() + done, want);
        if (count < 0)
            return {{}, file.errorString(), false};
        content.bytes.resize(done += count);
        if (count == 0)
            return content;
        if (keepGoing && !keepGoing(done))
            return {{}, QString(), true};
    }
}

std::optional<TextDecoding::DecodedText> read(const QString& path) {
    const Content content = readBytes(path);
    if (!content.isRead())
        return std::nullopt;
    return TextDecoding::decode(content.bytes);
}

bool write(const QString& path, const QString& text, TextDecoding::SourceEncoding encoding,
           QString* failure) {
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return fail(failure, "It is not a file.");
    if (target.exists() && !target.isWritable())
        return fail(failure, "The file is read-only.");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(failure, file.errorString());
    if (!writeAll(file.handle(), TextDecoding::encode(text, encoding), failure)) {
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
    if (!writeAll(file.handle(), TextDecoding::encode(text, TextDecoding::SourceEncoding::Utf8),
                  failure))
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

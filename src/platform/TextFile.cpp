#include "platform/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QSaveFile>
#include <algorithm>

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

bool write(const QString& path, const QString& text, TextDecoding::SourceEncoding encoding) {
    const QFileInfo target(path);
    if (target.exists() && (!target.isFile() || !target.isWritable()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = TextDecoding::encode(text, encoding);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace TextFile

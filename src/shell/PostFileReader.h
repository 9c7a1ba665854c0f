#pragma once

#include "platform/TextDecoding.h"

#include <QString>
#include <QtGlobal>
#include <optional>

class Post;
class QWidget;

// Reads the file the user chose to open into the post. A file that cannot be read is
// refused with the system's reason; a file that does not look like text is opened only
// after a question; a large file shows its progress, which the user may cancel, while it
// is read, decoded and put in the post a piece at a time.
class PostFileReader {
public:
    // Files larger than this show a progress window while they are read, decoded and put in.
    static constexpr qint64 ProgressThreshold = 8 * 1024 * 1024;

    // Messages and the progress window belong to window.
    explicit PostFileReader(QWidget& window);

    // Puts the file's text in place of the post's, caret at the start, and returns the
    // encoding it was read in; nothing when the file was refused, declined or cancelled,
    // and the post stays as it was.
    std::optional<TextDecoding::SourceEncoding> readInto(const QString& path, Post& post);

private:
    bool looksLikeText(const QByteArray& bytes, const QString& path) const;
    void refuse(const QString& path, const QString& reason) const;

    QWidget& m_window;
};

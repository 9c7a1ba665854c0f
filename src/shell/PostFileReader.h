#pragma once

#include "platform/TextDecoding.h"

#include <QString>
#include <QtGlobal>
#include <optional>

class QWidget;

// Reads the file the user chose to open as the post. A file that cannot be read is
// refused with the system's reason; a file that does not look like text is opened only
// after a question; a large file shows its progress, which the user may cancel.
class PostFileReader {
public:
    // Files larger than this show a progress window while they are read and decoded.
    static constexpr qint64 ProgressThreshold = 8 * 1024 * 1024;

    // Messages and the progress window belong to window.
    explicit PostFileReader(QWidget& window);

    // The file's text, or nothing when it was refused, declined or cancelled.
    std::optional<TextDecoding::DecodedText> read(const QString& path);

private:
    bool looksLikeText(const QByteArray& bytes, const QString& path) const;
    void refuse(const QString& path, const QString& reason) const;

    QWidget& m_window;
};

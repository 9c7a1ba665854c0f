#include "shell/PostFileReader.h"

#include "platform/ProgressWindow.h"
#include "platform/Prompter.h"
#include "platform/RichTextBox.h"
#include "platform/TextFile.h"
#include "platform/TextInPieces.h"
#include "post/Post.h"

#include <QFileInfo>

namespace {
// The progress of a large file's read: the reading, the decoding (a check and a conversion)
// and putting the text in the post each fill a quarter of the bar. Ends the progress
// window on every way out of a read.
class ReadProgress {
public:
    ReadProgress(QWidget& window, const QString& path, qint64 size)
        : m_size(size), m_shown(size > PostFileReader::ProgressThreshold) {
        if (m_shown)
            ProgressWindow::instance().begin(
                &window, QObject::tr("Opening %1...").arg(QFileInfo(path).fileName()));
    }
    ~ReadProgress() {
        if (m_shown)
            ProgressWindow::instance().end();
    }
    ReadProgress(const ReadProgress&) = delete;
    ReadProgress& operator=(const ReadProgress&) = delete;

    // Reports a step's progress, which starts at startsAt bytes of the bar; nothing to
    // report for a small file.
    TextDecoding::KeepGoing from(qint64 startsAt) const {
        if (!m_shown)
            return {};
        return [startsAt, total = 4 * m_size](qint64 done) {
            return ProgressWindow::instance().advance(startsAt + done, total);
        };
    }
    // The last quarter, counted in the characters of a text of length characters.
    TextDecoding::KeepGoing putting(qsizetype length) const {
        return [length, put = from(3 * m_size), size = m_size](qint64 done) {
            return put(length > 0 ? done * size / length : size);
        };
    }
    bool shown() const { return m_shown; }

private:
    qint64 m_size;
    bool m_shown;
};
} // namespace

PostFileReader::PostFileReader(QWidget& window) : m_window(window) {}

std::optional<TextDecoding::SourceEncoding> PostFileReader::readInto(const QString& path,
                                                                     Post& post) {
    const qint64 size = QFileInfo(path).size();
    const ReadProgress progress(m_window, path, size);
    std::optional<TextDecoding::DecodedText> file;
    {
        const TextFile::Content content = TextFile::readBytes(path, progress.from(0));
        if (!content.error.isEmpty())
            refuse(path, content.error);
        if (!content.isRead() || !looksLikeText(content.bytes, path))
            return std::nullopt;
        file = TextDecoding::decode(content.bytes, progress.from(size));
    } // the bytes are let go before the text goes in
    if (!file)
        return std::nullopt;
    if (!progress.shown()) {
        post.surface().setText(file->text);
        return file->encoding;
    }
    // A piece at a time: the window paints between pieces, and a Cancel leaves the post
    // as it was.
    if (!TextInPieces::replace(post.editor(), file->text, progress.putting(file->text.size())))
        return std::nullopt;
    return file->encoding;
}

// Text files hold no NUL byte; programs' own files and pictures nearly always do.
bool PostFileReader::looksLikeText(const QByteArray& bytes, const QString& path) const {
    if (!bytes.contains('\0'))
        return true;
    const Prompter::Message question{
        "Quillet", path + "\r\n\r\nThis file does not look like text. Open it anyway?",
        Prompter::Icon::Warning, Prompter::Buttons::YesNo};
    return Prompter::instance().ask(&m_window, question) == Prompter::Answer::Yes;
}

void PostFileReader::refuse(const QString& path, const QString& reason) const {
    Prompter::instance().ask(&m_window, {"Quillet",
                                         "Cannot open " + path + "\r\n\r\n" + reason +
                                             "\r\n\r\nThe post was not changed.",
                                         Prompter::Icon::Warning, Prompter::Buttons::Ok});
}

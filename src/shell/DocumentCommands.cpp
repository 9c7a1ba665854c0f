#include "shell/DocumentCommands.h"

#include "platform/Clipboard.h"
#include "platform/Prompter.h"
#include "platform/RichTextBox.h"
#include "platform/TextFile.h"
#include "post/Post.h"
#include "shell/DraftRecovery.h"
#include "shell/PostFileReader.h"

#include <QDir>
#include <QWidget>

const char* const DocumentCommands::FileFilter = "Text Files (*.txt)|*.txt";

DocumentCommands::DocumentCommands(Post& post, DraftRecovery& drafts, QWidget& window,
                                   QObject* parent)
    : QObject(parent), m_post(post), m_drafts(drafts), m_window(window) {}

QString DocumentCommands::captionFor(const QString& name) {
    return name + "- Quillet";
}

DocumentCommands::Settled DocumentCommands::settleChangedPost() {
    if (m_post.isEmpty() || m_post.isSaved())
        return Settled::NothingToSave;
    switch (Prompter::question(&m_window, "Save file?",
                               "Text has been changed. Do you want to save changes?",
                               Prompter::Buttons::YesNoCancel)) {
    case Prompter::Answer::Yes:
        break;
    case Prompter::Answer::No:
        return Settled::Discarded;
    default:
        return Settled::Stop;
    }
    switch (saveToChosenFile()) {
    case SaveResult::Saved:
        return Settled::Saved;
    case SaveResult::Cancelled:
        return Settled::SaveCancelled;
    case SaveResult::Failed:
        break; // the user has just been told; the post stays
    }
    return Settled::Stop;
}

void DocumentCommands::releaseCopy(Settled settled) {
    if (settled == Settled::SaveCancelled)
        m_drafts.setAside();
    else
        m_drafts.discard();
}

void DocumentCommands::newPost() {
    if (m_post.isEmpty())
        return;
    const Settled settled = settleChangedPost();
    if (settled == Settled::Stop)
        return;
    releaseCopy(settled);
    m_post.surface().setText(QString());
    if (settled == Settled::Saved || settled == Settled::SaveCancelled)
        m_post.setFileName("Untitled");
}

bool DocumentCommands::replaceAskingFirst(const QString& text) {
    const Settled settled = settleChangedPost();
    if (settled == Settled::Stop)
        return false;
    releaseCopy(settled);
    m_post.surface().setText(text);
    return true;
}

void DocumentCommands::openWithPrompt() {
    const Settled settled = settleChangedPost();
    if (settled == Settled::Stop)
        return;
    if (settled != Settled::SaveCancelled) {
        open();
        return;
    }
    // The copy is set aside before the file comes in; if none does, it is the post's again.
    const QString before = m_post.surface().text();
    const QString keptCopy = m_drafts.setAside();
    open();
    if (m_post.surface().text() == before)
        m_drafts.adopt(keptCopy);
}

void DocumentCommands::open() {
    const QString fileName =
        Prompter::instance().openFileName(&m_window, {"Open", FileFilter, QString()});
    if (fileName.isEmpty())
        return;
    const auto encoding = PostFileReader(m_window).readInto(fileName, m_post);
    if (!encoding)
        return;
    m_post.setEncoding(*encoding);
    m_post.setFileName(fileName);
    m_post.markMatchesFile();
}

void DocumentCommands::save() {
    saveToChosenFile();
}

DocumentCommands::SaveResult DocumentCommands::saveToChosenFile() {
    const QString fileName =
        Prompter::instance().saveFileName(&m_window, {"Save", FileFilter, "txt"});
    if (fileName.isEmpty())
        return SaveResult::Cancelled;
    QString failure;
    if (!TextFile::write(fileName, m_post.surface().text(), encodingForSave(), &failure)) {
        reportFailedSave(fileName, failure);
        return SaveResult::Failed;
    }
    m_post.setSaved(true);
    m_post.markMatchesFile();
    return SaveResult::Saved;
}

void DocumentCommands::reportFailedSave(const QString& fileName, const QString& reason) {
    const bool kept = m_drafts.writeNow();
    const QString text = QString("The post could not be saved to %1.\r\n%2\r\n\r\n")
                             .arg(QDir::toNativeSeparators(fileName), reason) +
                         (kept ? "The post is still open, and a recovery copy of it is kept."
                               : "The post is still open: save it to another file.");
    Prompter::instance().ask(&m_window,
                             {"Quillet", text, Prompter::Icon::Critical, Prompter::Buttons::Ok});
}

// A post opened from a Windows-1252 file is saved back in that encoding, so that the
// program which wrote the file still reads it; converting it would need a question about
// encodings that few users could answer. Once the post holds a character that encoding
// cannot, it is saved as UTF-8 from then on, and the user is told once.
TextDecoding::SourceEncoding DocumentCommands::encodingForSave() {
    if (m_post.encoding() == TextDecoding::SourceEncoding::Windows1252 &&
        !TextDecoding::fitsWindows1252(m_post.surface().text())) {
        m_post.setEncoding(TextDecoding::SourceEncoding::Utf8);
        Prompter::inform(&m_window, "The file was opened as Windows-1252 text, which cannot hold "
                                    "some of the characters in the post.\r\n\r\nIt is saved "
                                    "as UTF-8 instead, so that no character is lost.");
    }
    return m_post.encoding();
}

void DocumentCommands::copyAll() {
    Clipboard& clipboard = Clipboard::instance();
    EditingSurface& surface = m_post.surface();
    clipboard.clear();
    surface.setSelStart(0);
    if (m_post.isBlank()) {
        Prompter::inform(&m_window, "No text to copy");
        return;
    }
    surface.setSelLength(m_post.editor().characterCount());
    clipboard.setText(surface.selText());
    surface.setSelStart(0);
    Prompter::inform(&m_window, "Copied All text to Clipboard\r\n\r\nPlease remember to have a "
                                "preview\r\nof the post before you hit the Submit button");
}

void DocumentCommands::cut() {
    m_post.editor().cut();
    m_post.editor().setFocus();
}

void DocumentCommands::copy() {
    m_post.editor().copy();
    m_post.editor().setFocus();
}

void DocumentCommands::paste() {
    m_post.editor().paste();
}

void DocumentCommands::clearAll() {
    m_post.surface().setText(QString());
}

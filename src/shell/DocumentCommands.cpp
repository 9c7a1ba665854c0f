#include "shell/DocumentCommands.h"

#include "platform/Clipboard.h"
#include "platform/Prompter.h"
#include "platform/RichTextBox.h"
#include "platform/TextFile.h"
#include "post/Post.h"
#include "shell/PostFileReader.h"

#include <QWidget>

const char* const DocumentCommands::FileFilter = "Text Files (*.txt)|*.txt";

DocumentCommands::DocumentCommands(Post& post, QWidget& window, QObject* parent)
    : QObject(parent), m_post(post), m_window(window) {}

QString DocumentCommands::captionFor(const QString& name) {
    return name + "- Quillet";
}

DocumentCommands::SaveAnswer DocumentCommands::askToSave() {
    switch (Prompter::question(&m_window, "Save file?",
                               "Text has been changed. Do you want to save changes?",
                               Prompter::Buttons::YesNoCancel)) {
    case Prompter::Answer::Yes:
        return SaveAnswer::Yes;
    case Prompter::Answer::No:
        return SaveAnswer::No;
    default:
        return SaveAnswer::Cancel;
    }
}

void DocumentCommands::newPost() {
    if (m_post.isEmpty())
        return;
    if (m_post.isSaved()) {
        m_post.surface().setText(QString());
        return;
    }
    switch (askToSave()) {
    case SaveAnswer::Cancel:
        return;
    case SaveAnswer::No:
        m_post.surface().setText(QString());
        return;
    case SaveAnswer::Yes:
        save();
        m_post.surface().setText(QString());
        m_post.setFileName("Untitled");
        return;
    }
}

void DocumentCommands::openWithPrompt() {
    if (m_post.isEmpty() || m_post.isSaved()) {
        open();
        return;
    }
    switch (askToSave()) {
    case SaveAnswer::Cancel:
        return;
    case SaveAnswer::No:
        open();
        return;
    case SaveAnswer::Yes:
        save();
        open();
        return;
    }
}

void DocumentCommands::open() {
    const QString fileName =
        Prompter::instance().openFileName(&m_window, {"Open", FileFilter, QString()});
    if (fileName.isEmpty())
        return;
    const auto file = PostFileReader(m_window).read(fileName);
    if (!file)
        return;
    m_post.surface().setText(file->text);
    m_post.setEncoding(file->encoding);
    m_post.setFileName(fileName);
    m_post.markMatchesFile();
}

void DocumentCommands::save() {
    const QString fileName =
        Prompter::instance().saveFileName(&m_window, {"Save", FileFilter, "txt"});
    if (fileName.isEmpty())
        return;
    m_post.setSaved(true);
    if (TextFile::write(fileName, m_post.surface().text(), encodingForSave()))
        m_post.markMatchesFile();
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

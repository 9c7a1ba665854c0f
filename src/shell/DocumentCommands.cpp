#include "shell/DocumentCommands.h"

#include "platform/Clipboard.h"
#include "platform/Prompter.h"
#include "platform/RichTextBox.h"
#include "platform/TextFile.h"

#include <QWidget>

const char* const DocumentCommands::FileFilter = "Text Files (*.txt)|*.txt";

DocumentCommands::DocumentCommands(RichTextBox& box, QWidget& window, bool& textSaved,
                                   QObject* parent)
    : QObject(parent), m_box(box), m_window(window), m_textSaved(textSaved) {}

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

void DocumentCommands::NewFunction() {
    if (m_box.characterCount() == 0)
        return;
    if (m_textSaved) {
        m_box.surface().setText(QString());
        return;
    }
    switch (askToSave()) {
    case SaveAnswer::Cancel:
        return;
    case SaveAnswer::No:
        m_box.surface().setText(QString());
        return;
    case SaveAnswer::Yes:
        SaveFunction();
        m_box.surface().setText(QString());
        m_window.setWindowTitle(captionFor("Untitled"));
        return;
    }
}

void DocumentCommands::OpenWithPrompt() {
    if (m_box.characterCount() == 0 || m_textSaved) {
        OpenFunction();
        return;
    }
    switch (askToSave()) {
    case SaveAnswer::Cancel:
        return;
    case SaveAnswer::No:
        OpenFunction();
        return;
    case SaveAnswer::Yes:
        SaveFunction();
        OpenFunction();
        return;
    }
}

void DocumentCommands::OpenFunction() {
    const QString fileName =
        Prompter::instance().openFileName(&m_window, {"Open", FileFilter, QString()});
    if (fileName.isEmpty())
        return;
    const auto file = TextFile::read(fileName);
    if (!file)
        return; // an unreadable file leaves the post as it was
    m_box.surface().setText(file->text);
    m_window.setWindowTitle(captionFor(fileName));
    emit matchesFile();
}

void DocumentCommands::SaveFunction() {
    const QString fileName =
        Prompter::instance().saveFileName(&m_window, {"Save", FileFilter, "txt"});
    if (fileName.isEmpty())
        return;
    m_textSaved = true;
    if (TextFile::write(fileName, m_box.surface().text()))
        emit matchesFile();
}

void DocumentCommands::CopyAllFunction() {
    Clipboard& clipboard = Clipboard::instance();
    EditingSurface& surface = m_box.surface();
    clipboard.clear();
    surface.setSelStart(0);
    if (m_box.isBlank()) {
        Prompter::inform(&m_window, "No text to copy");
        return;
    }
    surface.setSelLength(m_box.characterCount());
    clipboard.setText(surface.selText());
    surface.setSelStart(0);
    Prompter::inform(&m_window, "Copied All text to Clipboard\r\n\r\nPlease remember to have a "
                                "preview\r\nof the post before you hit the Submit button");
}

void DocumentCommands::Cut() {
    m_box.cut();
    m_box.setFocus();
}

void DocumentCommands::Copy() {
    m_box.copy();
    m_box.setFocus();
}

void DocumentCommands::Paste() {
    m_box.paste();
}

void DocumentCommands::ClearAll() {
    m_box.surface().setText(QString());
}

#pragma once

#include "platform/TextDecoding.h"

#include <QObject>

class Post;
class QWidget;

// New, Open, Save, Copy All, Cut, Copy, Paste and Clear All: how the post moves between
// the editing control, text files and the clipboard.
class DocumentCommands : public QObject {
    Q_OBJECT
public:
    // Questions and file dialogs belong to window.
    DocumentCommands(Post& post, QWidget& window, QObject* parent = nullptr);

    void newPost();
    // Offers to save changed text first.
    void openWithPrompt();
    void open();
    void save();
    void copyAll();
    void cut();
    void copy();
    void paste();
    void clearAll();

    // The caption of the work area for a post of the given file name.
    static QString captionFor(const QString& name);

    static const char* const FileFilter;

private:
    enum class SaveAnswer { Yes, No, Cancel };
    SaveAnswer askToSave();
    TextDecoding::SourceEncoding encodingForSave();

    Post& m_post;
    QWidget& m_window;
};

#pragma once

#include "platform/TextDecoding.h"

#include <QObject>

class DraftRecovery;
class Post;
class QWidget;

// New, Open, Save, Copy All, Cut, Copy, Paste and Clear All: how the post moves between
// the editing control, text files and the clipboard.
class DocumentCommands : public QObject {
    Q_OBJECT
public:
    // Questions and file dialogs belong to window. A post is never replaced without
    // deciding what happens to its recovery copy in drafts.
    DocumentCommands(Post& post, DraftRecovery& drafts, QWidget& window, QObject* parent = nullptr);

    enum class SaveResult { Saved, Cancelled, Failed };

    void newPost();
    // Offers to save changed text first.
    void openWithPrompt();
    void open();
    void save();
    // Asks for a file and writes the post to it; a failed write is reported and leaves the
    // post unsaved.
    SaveResult saveToChosenFile();
    // Puts text in place of the post, after the same save question as Open. Returns whether
    // it did: not when the user cancelled or the save failed.
    bool replaceAskingFirst(const QString& text);
    void copyAll();
    void cut();
    void copy();
    void paste();
    void clearAll();

    // The caption of the work area for a post of the given file name.
    static QString captionFor(const QString& name);

    static const char* const FileFilter;

private:
    TextDecoding::SourceEncoding encodingForSave();
    // What became of a changed post the user is about to replace.
    enum class Settled { NothingToSave, Discarded, Saved, SaveCancelled, Stop };
    Settled settleChangedPost();
    // A post whose save was cancelled keeps its copy; any other post is let go.
    void releaseCopy(Settled settled);
    void reportFailedSave(const QString& fileName, const QString& reason);

    Post& m_post;
    DraftRecovery& m_drafts;
    QWidget& m_window;
};

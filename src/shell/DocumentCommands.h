#pragma once

#include <QObject>

class RichTextBox;
class QWidget;

// New, Open, Save, Copy All, Cut, Copy, Paste and Clear All: how the post moves between
// the editing surface, text files and the clipboard.
class DocumentCommands : public QObject {
    Q_OBJECT
public:
    DocumentCommands(RichTextBox& box, QWidget& window, bool& textSaved, QObject* parent = nullptr);

    void NewFunction();
    void OpenWithPrompt();
    void OpenFunction();
    void SaveFunction();
    void CopyAllFunction();
    void Cut();
    void Copy();
    void Paste();
    void ClearAll();

    static QString captionFor(const QString& name);

signals:
    // The post now matches a file on disk: it was just saved or opened.
    void matchesFile();

public:
    static const char* const FileFilter;

private:
    enum class SaveAnswer { Yes, No, Cancel };
    SaveAnswer askToSave();

    RichTextBox& m_box;
    QWidget& m_window;
    bool& m_textSaved;
};

#pragma once

#include "platform/TextDecoding.h"

#include <QObject>
#include <QPoint>
#include <QString>

class EditingSurface;
class RichTextBox;

// The post being written: the editing control that holds its text, whether that text is
// saved, and the file name the caption shows. Everything that acts on the post shares
// this one object by reference.
class Post : public QObject {
    Q_OBJECT
public:
    explicit Post(RichTextBox& editor, QObject* parent = nullptr);

    RichTextBox& editor() const { return m_editor; }
    EditingSurface& surface() const;

    // No character at all; a post of blanks and line breaks is not empty.
    bool isEmpty() const;
    // Nothing but blanks and line breaks.
    bool isBlank() const;

    // True after a save and until the next change of the text.
    bool isSaved() const { return m_saved; }
    void setSaved(bool saved) { m_saved = saved; }
    // The text now matches a file on disk: it was just saved or opened.
    void markMatchesFile();

    QString fileName() const { return m_fileName; }
    void setFileName(const QString& fileName);

    // The encoding of the file the post was opened from, which Save keeps: a file written
    // by another program goes back in the form that program reads. An emptied post starts
    // afresh as UTF-8.
    TextDecoding::SourceEncoding encoding() const { return m_encoding; }
    void setEncoding(TextDecoding::SourceEncoding encoding) { m_encoding = encoding; }

    // The caret's position in pixels, in the editing control's coordinates.
    QPoint caretPosition() const;

signals:
    // Every change of the text, after the saved flag was cleared.
    void changed();
    void matchesFile();
    void fileNameChanged(const QString& fileName);

private:
    RichTextBox& m_editor;
    bool m_saved = false;
    QString m_fileName;
    TextDecoding::SourceEncoding m_encoding = TextDecoding::SourceEncoding::Utf8;
};

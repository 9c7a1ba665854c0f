#pragma once

#include "platform/EditingSurface.h"
#include "platform/ParagraphChangeTracker.h"

#include <QTextCursor>
#include <QTextEdit>
#include <memory>

class RichTextBox;

// The contract of the editing surface, carried out on a RichTextBox.
class RichTextBoxSurface : public EditingSurface {
    Q_OBJECT
public:
    explicit RichTextBoxSurface(RichTextBox& box);

    QString text() const override;
    void setText(const QString& text) override;
    int selStart() const override;
    void setSelStart(int start) override;
    int selLength() const override;
    void setSelLength(int length) override;
    QString selText() const override;
    void setSelText(const QString& text) override;
    QString rtf() const override;
    void setRtf(const QString& content) override;
    std::optional<ParagraphChange> takeChange() override;
    void forgetChanges() override;
    void replaceParagraphs(int first, int count, const QByteArray& image) override;
    QString name() const override;
    void setFocus() override;
    void setRedraw(bool redraw) override;
    void setFontNameAndSize(const QString& family, double pointSize) override;

private:
    // The selection: the control's own, or while drawing is off the one it will show.
    QTextCursor selection() const;
    void select(const QTextCursor& selection);

    RichTextBox& m_box;
    QTextCursor m_replayBatch; // one edit for the changes given back while drawing is off
    QTextCursor m_replaySelection;
    // The paragraphs the batch has replaced so far, first and last, by number.
    int m_batchFirst = -1;
    int m_batchLast = -1;
};

// The rich-text editing control. Typed text takes the control's font; pasted rich text
// keeps its colours and strike-out but nothing else of its formatting. The control has
// no undo of its own and no context menu: its owner decides what those do. Each of its
// own edits (keys, input methods, paste, drop, cut) is announced to its change tracker
// before it is made.
class RichTextBox : public QTextEdit {
    Q_OBJECT
public:
    explicit RichTextBox(QWidget* parent = nullptr);
    ~RichTextBox() override;

    EditingSurface& surface() { return *m_surface; }

    // Characters in the control, a line break counting as one.
    int characterCount() const;
    // True when the text holds nothing but blanks and line breaks. Looks only as far
    // as the first character that is not blank.
    bool isBlank() const;

    // The selected text alone takes a font name or size, as a preview. This is not a text
    // change; the next font name and size given to the whole text replaces it.
    void setSelFontName(const QString& family);
    void setSelFontSize(double pointSize);

    // Cuts the selection to the clipboard, as an announced edit.
    void cut();
    // Announces an edit of the characters from to to that is made straight on the document,
    // for as long as the returned object lives; the control's own edits need none.
    ParagraphChangeTracker::Edit announceEdit(int from, int to);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    friend class RichTextBoxSurface;
    void emitSelectionChangeIfMoved();
    MouseArgs mouseArgs(const QMouseEvent* event) const;
    void mergeSelectionFormat(const QTextCharFormat& format);
    void dropSelectionFonts();
    // Announces an edit of the selection widened by before and after characters (and
    // reaching the given position when there is one).
    ParagraphChangeTracker::Edit announceSelectionEdit(int before, int after, int also = -1);

    std::unique_ptr<RichTextBoxSurface> m_surface;
    ParagraphChangeTracker* m_tracker; // owned by the document
    int m_lastSelStart = 0;
    int m_lastSelLength = 0;
    bool m_dragMayMove = false;    // a press in the selection may drag it away
    bool m_selectionFonts = false; // some text carries a font of its own (a preview)
};

#pragma once

#include "platform/EditingSurface.h"

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
    void spliceRtf(const QString& current, int head, const QString& block, int tail) override;
    QString name() const override;
    void setFocus() override;
    void setRedraw(bool redraw) override;
    void setFontNameAndSize(const QString& family, double pointSize) override;

private:
    RichTextBox& m_box;
};

// The rich-text editing control. Typed text takes the control's font; pasted rich text
// keeps its colours and strike-out but nothing else of its formatting. The control has
// no undo of its own and no context menu: its owner decides what those do.
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

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    friend class RichTextBoxSurface;
    void emitSelectionChangeIfMoved();
    MouseArgs mouseArgs(const QMouseEvent* event) const;
    void mergeSelectionFormat(const QTextCharFormat& format);
    void dropSelectionFonts();

    std::unique_ptr<RichTextBoxSurface> m_surface;
    int m_lastSelStart = 0;
    int m_lastSelLength = 0;
    bool m_formatting = false;     // font changes made here are not text changes
    bool m_selectionFonts = false; // some text carries a font of its own (a preview)
};

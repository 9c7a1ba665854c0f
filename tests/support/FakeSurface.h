#pragma once

#include "platform/EditingSurface.h"
#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfSplice.h"
#include "platform/rtf/RtfWriter.h"

#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

// An editing surface without a window: the content lives in a QTextDocument, its RTF
// goes through the program's own writer and reader, and the test drives it as a user
// would (typing, keys, mouse presses). Every change of the text raises changed and
// selectionChanged, in the order that caretMoveFirst chooses: controls differ in it.
class FakeSurface : public EditingSurface {
    Q_OBJECT
public:
    QString text() const override { return document.toPlainText().replace("\n", "\r\n"); }
    void setText(const QString& text) override {
        document.setPlainText(QString(text).replace("\r\n", "\n"));
        rebuilt();
    }
    int selStart() const override { return m_cursor.selectionStart(); }
    void setSelStart(int start) override {
        m_cursor.setPosition(std::clamp(start, 0, document.characterCount() - 1));
        emit selectionChanged();
    }
    int selLength() const override { return m_cursor.selectionEnd() - m_cursor.selectionStart(); }
    void setSelLength(int length) override {
        const int start = m_cursor.selectionStart();
        m_cursor.setPosition(start);
        m_cursor.setPosition(std::clamp(start + length, 0, document.characterCount() - 1),
                             QTextCursor::KeepAnchor);
        emit selectionChanged();
    }
    QString selText() const override { return m_cursor.selectedText(); }
    void setSelText(const QString& text) override {
        m_cursor.insertText(text);
        notifyChange();
    }
    QString rtf() const override { return RtfWriter::write(document); }
    void setRtf(const QString& content) override {
        RtfReader::read(content, document);
        rebuilt();
    }
    void spliceRtf(const QString& current, int head, const QString& block, int tail) override {
        RtfSplice::apply(document, current, head, block, tail);
        rebuilt();
    }
    QString name() const override { return "RichTextBox1"; }
    void setFocus() override {}
    void setRedraw(bool redraw) override { ++(redraw ? redrawResumptions : redrawSuspensions); }
    void setFontNameAndSize(const QString&, double) override {}

    void select(int start, int length) {
        setSelStart(start);
        setSelLength(length);
    }
    // Types each character as its own key stroke at the caret.
    void type(const QString& text) {
        for (QChar c : text)
            setSelText(c);
    }
    void backspace() {
        m_cursor.deletePreviousChar();
        notifyChange();
    }
    // Applies formatting to the selection, as a paste of formatted text would.
    void mergeFormatOnSelection(const QTextCharFormat& format) {
        m_cursor.mergeCharFormat(format);
        notifyChange();
    }
    // Raises keyDown and returns the key code the listeners left (0 when swallowed).
    int pressKey(int keyCode, int shift = 0) {
        KeyDownArgs args{keyCode, shift};
        emit keyDown(args);
        return args.keyCode;
    }
    void pressMouse() { emit mousePressed(MouseArgs{1, {}}); }

    QTextDocument document;
    bool caretMoveFirst = false;
    int redrawSuspensions = 0;
    int redrawResumptions = 0;

private:
    void rebuilt() {
        m_cursor = QTextCursor(&document);
        notifyChange();
    }
    void notifyChange() {
        if (caretMoveFirst)
            emit selectionChanged();
        emit changed();
        if (!caretMoveFirst)
            emit selectionChanged();
    }

    QTextCursor m_cursor{&document};
};

#pragma once

#include "platform/EditingSurface.h"
#include "platform/ParagraphChangeTracker.h"
#include "platform/rtf/RtfParagraphs.h"
#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfWriter.h"

#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

// An editing surface without a window: the content lives in a QTextDocument, its RTF
// goes through the program's own writer and reader, its edits are announced to a change
// tracker as the control's are, and the test drives it as a user would (typing, keys,
// mouse presses). Every change of the text raises changed and
// selectionChanged, in the order that caretMoveFirst chooses: controls differ in it.
class FakeSurface : public EditingSurface {
    Q_OBJECT
public:
    FakeSurface() { document.setUndoRedoEnabled(false); }

    QString text() const override { return document.toPlainText().replace("\n", "\r\n"); }
    void setText(const QString& text) override {
        ParagraphChangeTracker::Edit edit(tracker, 0, document.characterCount());
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
        const auto edit = announce(0, 0);
        m_cursor.insertText(text);
        notifyChange();
    }
    QString rtf() const override { return RtfWriter::write(document); }
    void setRtf(const QString& content) override {
        ParagraphChangeTracker::Edit edit(tracker, 0, document.characterCount());
        RtfReader::read(content, document);
        rebuilt();
    }
    std::optional<ParagraphChange> takeChange() override { return tracker.take(); }
    void forgetChanges() override { tracker.forget(); }
    void replaceParagraphs(int first, int count, const QByteArray& image) override {
        {
            ParagraphChangeTracker::ModeScope replay(tracker, ParagraphChangeTracker::Mode::Replay);
            RtfParagraphs::replace(document, first, count, image);
        }
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
        const auto edit = announce(1, 0);
        m_cursor.deletePreviousChar();
        notifyChange();
    }
    // Applies formatting to the selection, as a paste of formatted text would.
    void mergeFormatOnSelection(const QTextCharFormat& format) {
        const auto edit = announce(0, 0);
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
    ParagraphChangeTracker tracker{document};
    bool caretMoveFirst = false;
    int redrawSuspensions = 0;
    int redrawResumptions = 0;

private:
    // Announces an edit of the selection widened by before and after characters.
    ParagraphChangeTracker::Edit announce(int before, int after) {
        return ParagraphChangeTracker::Edit(tracker, m_cursor.selectionStart() - before,
                                            m_cursor.selectionEnd() + after);
    }
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

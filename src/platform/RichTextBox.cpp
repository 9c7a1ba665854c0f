#include "platform/RichTextBox.h"

#include "platform/LineBreaks.h"
#include "platform/PastedText.h"
#include "platform/VirtualKeys.h"
#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfSplice.h"
#include "platform/rtf/RtfWriter.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>

namespace {
int mouseButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}
} // namespace

RichTextBox::RichTextBox(QWidget* parent)
    : QTextEdit(parent), m_surface(std::make_unique<RichTextBoxSurface>(*this)) {
    setAcceptRichText(true);
    setUndoRedoEnabled(false);
    setTabChangesFocus(false);
    connect(this, &QTextEdit::textChanged, this, [this] {
        if (m_formatting)
            return;
        // The caret has already moved with the edit: listeners hear of the move first,
        // so the undo history knows the selection the edit replaced.
        emitSelectionChangeIfMoved();
        emit m_surface->changed();
    });
    connect(this, &QTextEdit::cursorPositionChanged, this,
            &RichTextBox::emitSelectionChangeIfMoved);
    connect(this, &QTextEdit::selectionChanged, this, &RichTextBox::emitSelectionChangeIfMoved);
}

RichTextBox::~RichTextBox() = default;

int RichTextBox::characterCount() const {
    return document()->characterCount() - 1;
}

bool RichTextBox::isBlank() const {
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (!block.text().trimmed().isEmpty())
            return false;
    }
    return true;
}

void RichTextBox::setSelFontName(const QString& family) {
    QTextCharFormat format;
    format.setFontFamilies({family});
    mergeSelectionFormat(format);
}

void RichTextBox::setSelFontSize(double pointSize) {
    if (pointSize <= 0)
        return;
    QTextCharFormat format;
    format.setFontPointSize(pointSize);
    mergeSelectionFormat(format);
}

void RichTextBox::mergeSelectionFormat(const QTextCharFormat& format) {
    QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return;
    QScopedValueRollback<bool> formatting(m_formatting, true);
    cursor.mergeCharFormat(format);
    m_selectionFonts = true;
}

void RichTextBox::dropSelectionFonts() {
    if (!m_selectionFonts)
        return;
    m_selectionFonts = false;
    QScopedValueRollback<bool> formatting(m_formatting, true);
    QTextCursor cursor(document());
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            if (!format.hasProperty(QTextFormat::FontFamilies) &&
                !format.hasProperty(QTextFormat::FontPointSize))
                continue;
            format.clearProperty(QTextFormat::FontFamilies);
            format.clearProperty(QTextFormat::FontPointSize);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
}

void RichTextBox::emitSelectionChangeIfMoved() {
    const QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    const int length = cursor.selectionEnd() - start;
    // A move that changes both the caret and the selection raises both of the
    // control's signals; listeners hear of it once.
    if (start == m_lastSelStart && length == m_lastSelLength)
        return;
    m_lastSelStart = start;
    m_lastSelLength = length;
    emit m_surface->selectionChanged();
}

void RichTextBox::keyPressEvent(QKeyEvent* event) {
    const int keyCode = VirtualKeys::fromQtKey(event->key());
    KeyDownArgs args{keyCode, VirtualKeys::shiftMask(event->modifiers())};
    emit m_surface->keyDown(args);
    // A listener swallows a key by setting its code to 0; keys that have no code (most
    // letters of other alphabets) always reach the control.
    if (keyCode != 0 && args.keyCode == 0) {
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

MouseArgs RichTextBox::mouseArgs(const QMouseEvent* event) const {
    return {mouseButton(event->button()), event->position().toPoint()};
}

void RichTextBox::mousePressEvent(QMouseEvent* event) {
    emit m_surface->mousePressed(mouseArgs(event));
    QTextEdit::mousePressEvent(event);
}

void RichTextBox::mouseReleaseEvent(QMouseEvent* event) {
    QTextEdit::mouseReleaseEvent(event);
    const MouseArgs args = mouseArgs(event);
    if (args.button == 1)
        emit m_surface->clicked();
    emit m_surface->mouseReleased(args);
}

void RichTextBox::contextMenuEvent(QContextMenuEvent* event) {
    // The owner pops up its own Edit menu from the right-button press.
    event->accept();
}

void RichTextBox::insertFromMimeData(const QMimeData* source) {
    if (!source)
        return;
    if (source->hasHtml()) {
        QTextCursor cursor = textCursor();
        PastedText::insert(cursor, QTextDocumentFragment::fromHtml(source->html()));
        ensureCursorVisible();
        return;
    }
    if (source->hasText()) {
        QTextCursor cursor = textCursor();
        cursor.insertText(LineBreaks::toInternal(source->text()));
        setTextCursor(cursor);
        ensureCursorVisible();
    }
}

RichTextBoxSurface::RichTextBoxSurface(RichTextBox& box) : m_box(box) {}

QString RichTextBoxSurface::text() const {
    return LineBreaks::toCrLf(m_box.toPlainText());
}

void RichTextBoxSurface::setText(const QString& text) {
    m_box.setPlainText(LineBreaks::toInternal(text));
}

int RichTextBoxSurface::selStart() const {
    return m_box.textCursor().selectionStart();
}

void RichTextBoxSurface::setSelStart(int start) {
    QTextCursor cursor = m_box.textCursor();
    cursor.setPosition(qBound(0, start, m_box.characterCount()));
    m_box.setTextCursor(cursor);
}

int RichTextBoxSurface::selLength() const {
    const QTextCursor cursor = m_box.textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void RichTextBoxSurface::setSelLength(int length) {
    QTextCursor cursor = m_box.textCursor();
    const int start = cursor.selectionStart();
    cursor.setPosition(start);
    cursor.setPosition(qBound(start, start + qMax(0, length), m_box.characterCount()),
                       QTextCursor::KeepAnchor);
    m_box.setTextCursor(cursor);
}

QString RichTextBoxSurface::selText() const {
    return LineBreaks::toCrLf(m_box.textCursor().selectedText());
}

void RichTextBoxSurface::setSelText(const QString& text) {
    QTextCursor cursor = m_box.textCursor();
    cursor.insertText(LineBreaks::toInternal(text), QTextCharFormat());
    m_box.setTextCursor(cursor);
    m_box.ensureCursorVisible();
}

QString RichTextBoxSurface::rtf() const {
    return RtfWriter::write(*m_box.document());
}

void RichTextBoxSurface::setRtf(const QString& content) {
    RtfReader::read(content, *m_box.document());
}

void RichTextBoxSurface::spliceRtf(const QString& current, int head, const QString& block,
                                   int tail) {
    RtfSplice::apply(*m_box.document(), current, head, block, tail);
}

QString RichTextBoxSurface::name() const {
    return m_box.objectName();
}

void RichTextBoxSurface::setFocus() {
    m_box.setFocus(Qt::OtherFocusReason);
}

void RichTextBoxSurface::setRedraw(bool redraw) {
    m_box.setUpdatesEnabled(redraw);
    if (redraw)
        m_box.viewport()->update();
}

void RichTextBoxSurface::setFontNameAndSize(const QString& family, double pointSize) {
    m_box.dropSelectionFonts();
    QFont font = m_box.document()->defaultFont();
    const bool unchanged = font.family() == family && qFuzzyCompare(font.pointSizeF(), pointSize) &&
                           !font.bold() && !font.italic() && !font.underline();
    if (unchanged)
        return;
    font.setFamily(family);
    if (pointSize > 0)
        font.setPointSizeF(pointSize);
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    QScopedValueRollback<bool> formatting(m_box.m_formatting, true);
    m_box.document()->setDefaultFont(font);
}

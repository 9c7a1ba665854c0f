#include "platform/RichTextBox.h"

#include "platform/BackgroundLayoutWatch.h"
#include "platform/ChangedParagraphs.h"
#include "platform/LayoutPause.h"
#include "platform/LineBreaks.h"
#include "platform/PastedText.h"
#include "platform/VirtualKeys.h"
#include "platform/rtf/RtfParagraphs.h"
#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfWriter.h"

#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <algorithm>
#include <utility>

namespace {
// False for keys that only move the caret or the selection, or copy: no edit follows, so
// the paragraphs of a large selection need not be kept for them.
bool mayEdit(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return false;
    default:
        return !event.matches(QKeySequence::Copy) && !event.matches(QKeySequence::SelectAll);
    }
}

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

// Changes spread over more characters than this are laid out in the background, as a text
// just opened is: laying out the whole stretch between them at once would stall the program.
constexpr int kLaidOutAtOnce = 64 * 1024;

// Ends the outermost edit block, whose replaced paragraphs span span characters (-1: none
// replaced), and shows the selection. Where it can, only the paragraphs replaced are laid out
// again. Otherwise the document lays out everything between the first and the last change,
// or with a wide span, drops its layout and makes it again starting from the top and in
// steps, the part on show first; then the selection is shown while nothing is laid out: the
// control redraws where the caret was, and would otherwise have the text laid out down to
// there.
void endEditBlock(QTextCursor& block, int span, QTextEdit& box, const QTextCursor& selection) {
    QTextDocument& document = *block.document();
    std::optional<LayoutPause> pause;
    const bool onlyReplaced = span >= 0 && ChangedParagraphs::layOutOnlyThem(box);
    if (!onlyReplaced && span > kLaidOutAtOnce)
        pause.emplace(document);
    block.endEditBlock();
    box.setTextCursor(selection);
}

} // namespace

RichTextBox::RichTextBox(QWidget* parent)
    : QTextEdit(parent), m_surface(std::make_unique<RichTextBoxSurface>(*this)),
      m_tracker(new ParagraphChangeTracker(*document())) {
    setAcceptRichText(true);
    setUndoRedoEnabled(false);
    setTabChangesFocus(false);
    ChangedParagraphs::installLayout(*document());
    new BackgroundLayoutWatch(*this);
    connect(this, &QTextEdit::textChanged, this, [this] {
        if (!m_tracker->takeTextChanged())
            return; // layout only, or formatting that is no change of the text
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
    ParagraphChangeTracker::ModeScope disregard(*m_tracker,
                                                ParagraphChangeTracker::Mode::Disregard);
    cursor.mergeCharFormat(format);
    m_selectionFonts = true;
}

void RichTextBox::dropSelectionFonts() {
    if (!m_selectionFonts)
        return;
    m_selectionFonts = false;
    ParagraphChangeTracker::ModeScope disregard(*m_tracker,
                                                ParagraphChangeTracker::Mode::Disregard);
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

void RichTextBox::cut() {
    const auto edit = announceSelectionEdit(0, 0);
    QTextEdit::cut();
}

ParagraphChangeTracker::Edit RichTextBox::announceEdit(int from, int to) {
    // A font preview ends with the edit; it must not be kept as the text's formatting.
    dropSelectionFonts();
    return ParagraphChangeTracker::Edit(*m_tracker, from, to);
}

ParagraphChangeTracker::Edit RichTextBox::announceSelectionEdit(int before, int after, int also) {
    const QTextCursor cursor = textCursor();
    int from = cursor.selectionStart() - before;
    int to = cursor.selectionEnd() + after;
    if (also >= 0) {
        from = std::min(from, also);
        to = std::max(to, also);
    }
    return announceEdit(from, to);
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
    if (!mayEdit(*event)) {
        QTextEdit::keyPressEvent(event);
        return;
    }
    // Backspace and Delete (with Ctrl a word) reach across a paragraph's edge at most.
    const auto edit = announceSelectionEdit(1, 1);
    QTextEdit::keyPressEvent(event);
}

void RichTextBox::inputMethodEvent(QInputMethodEvent* event) {
    const auto edit = announceSelectionEdit(
        std::max(0, -event->replacementStart()) + 1,
        std::max(0, event->replacementStart() + event->replacementLength()) + 1);
    QTextEdit::inputMethodEvent(event);
}

void RichTextBox::dropEvent(QDropEvent* event) {
    // Moving text here takes it out of the selection and puts it in at the drop.
    const auto edit =
        announceSelectionEdit(0, 0, cursorForPosition(event->position().toPoint()).position());
    QTextEdit::dropEvent(event);
}

MouseArgs RichTextBox::mouseArgs(const QMouseEvent* event) const {
    return {mouseButton(event->button()), event->position().toPoint()};
}

void RichTextBox::mousePressEvent(QMouseEvent* event) {
    emit m_surface->mousePressed(mouseArgs(event));
    const QTextCursor cursor = textCursor();
    const int at = cursorForPosition(event->position().toPoint()).position();
    m_dragMayMove = event->button() == Qt::LeftButton && cursor.hasSelection() &&
                    at >= cursor.selectionStart() && at <= cursor.selectionEnd();
    QTextEdit::mousePressEvent(event);
}

void RichTextBox::mouseMoveEvent(QMouseEvent* event) {
    // A drag that starts here may move the selection into another program.
    if (!m_dragMayMove) {
        QTextEdit::mouseMoveEvent(event);
        return;
    }
    const auto edit = announceSelectionEdit(0, 0);
    QTextEdit::mouseMoveEvent(event);
}

void RichTextBox::mouseReleaseEvent(QMouseEvent* event) {
    m_dragMayMove = false;
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
    const auto edit = announceSelectionEdit(0, 0);
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
    const auto edit = m_box.announceEdit(0, m_box.characterCount());
    m_box.setPlainText(LineBreaks::toInternal(text));
}

QTextCursor RichTextBoxSurface::selection() const {
    return m_replayBatch.isNull() ? m_box.textCursor() : m_replaySelection;
}

void RichTextBoxSurface::select(const QTextCursor& selection) {
    if (m_replayBatch.isNull())
        m_box.setTextCursor(selection);
    else
        m_replaySelection = selection;
}

int RichTextBoxSurface::selStart() const {
    return selection().selectionStart();
}

void RichTextBoxSurface::setSelStart(int start) {
    QTextCursor cursor = selection();
    cursor.setPosition(qBound(0, start, m_box.characterCount()));
    select(cursor);
}

int RichTextBoxSurface::selLength() const {
    const QTextCursor cursor = selection();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void RichTextBoxSurface::setSelLength(int length) {
    QTextCursor cursor = selection();
    const int start = cursor.selectionStart();
    cursor.setPosition(start);
    cursor.setPosition(qBound(start, start + qMax(0, length), m_box.characterCount()),
                       QTextCursor::KeepAnchor);
    select(cursor);
}

QString RichTextBoxSurface::selText() const {
    return LineBreaks::toCrLf(m_box.textCursor().selectedText());
}

void RichTextBoxSurface::setSelText(const QString& text) {
    const auto edit = m_box.announceSelectionEdit(0, 0);
    QTextCursor cursor = m_box.textCursor();
    cursor.insertText(LineBreaks::toInternal(text), QTextCharFormat());
    m_box.setTextCursor(cursor);
    m_box.ensureCursorVisible();
}

QString RichTextBoxSurface::rtf() const {
    return RtfWriter::write(*m_box.document());
}

void RichTextBoxSurface::setRtf(const QString& content) {
    const auto edit = m_box.announceEdit(0, m_box.characterCount());
    RtfReader::read(content, *m_box.document());
}

std::optional<ParagraphChange> RichTextBoxSurface::takeChange() {
    return m_box.m_tracker->take();
}

void RichTextBoxSurface::forgetChanges() {
    m_box.m_tracker->forget();
}

void RichTextBoxSurface::replaceParagraphs(int first, int count, const QByteArray& image) {
    ParagraphChangeTracker::ModeScope replay(*m_box.m_tracker,
                                             ParagraphChangeTracker::Mode::Replay);
    QTextDocument& document = *m_box.document();
    const int blocksBefore = document.blockCount();
    if (!m_replayBatch.isNull())
        ChangedParagraphs::dropLines(document, first, count);
    RtfParagraphs::replace(document, first, count, image);
    if (m_replayBatch.isNull())
        return;
    const int last = first + count - 1 + document.blockCount() - blocksBefore;
    m_batchFirst = m_batchFirst < 0 ? first : std::min(m_batchFirst, first);
    m_batchLast = std::max({m_batchLast, last, first});
}

QString RichTextBoxSurface::name() const {
    return m_box.objectName();
}

void RichTextBoxSurface::setFocus() {
    m_box.setFocus(Qt::OtherFocusReason);
}

void RichTextBoxSurface::setRedraw(bool redraw) {
    ParagraphChangeTracker& tracker = *m_box.m_tracker;
    if (!redraw) {
        m_box.setUpdatesEnabled(false);
        tracker.setMode(ParagraphChangeTracker::Mode::Replay);
        m_replayBatch = QTextCursor(m_box.document());
        m_replayBatch.beginEditBlock();
        m_replaySelection = m_box.textCursor();
        return;
    }
    if (!m_replayBatch.isNull()) {
        QTextDocument& document = *m_box.document();
        const int span = m_batchFirst < 0 ? -1
                                          : document.findBlockByNumber(m_batchLast).position() -
                                                document.findBlockByNumber(m_batchFirst).position();
        endEditBlock(m_replayBatch, span, m_box, std::exchange(m_replaySelection, QTextCursor()));
        m_replayBatch = QTextCursor();
        m_batchFirst = m_batchLast = -1;
        tracker.setMode(ParagraphChangeTracker::Mode::Track);
    }
    m_box.setUpdatesEnabled(true);
    m_box.ensureCursorVisible();
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
    ParagraphChangeTracker::ModeScope disregard(*m_box.m_tracker,
                                                ParagraphChangeTracker::Mode::Disregard);
    m_box.document()->setDefaultFont(font);
}

#include "markup/TagColouring.h"

#include "markup/BackgroundTagCheck.h"
#include "markup/TagPair.h"
#include "platform/ExtraSelections.h"
#include "post/PostHighlighter.h"

#include <QAbstractTextDocumentLayout>
#include <QHelpEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolTip>
#include <algorithm>

namespace {

// Marks the extra selections of the highlighted pair as this aid's own.
constexpr int kPairProperty = QTextFormat::UserProperty + 0x7a9;

bool before(const TagProblem& first, const TagProblem& second) {
    return first.position < second.position ||
           (first.position == second.position && first.length < second.length);
}

QTextEdit::ExtraSelection pairSelection(QTextDocument* document, int start, int length,
                                        const QColor& background) {
    QTextEdit::ExtraSelection selection;
    selection.cursor = QTextCursor(document);
    selection.cursor.setPosition(start);
    selection.cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    selection.format.setBackground(background);
    return selection;
}

} // namespace

TagColouring::TagColouring(QTextEdit& editor, PostHighlighter& highlighter, QObject* parent)
    : QObject(parent), m_editor(editor), m_highlighter(&highlighter),
      m_marker(TagColours::fromPalette(editor.palette())),
      m_check(new BackgroundTagCheck(*editor.document(), this)) {
    connect(m_check, &BackgroundTagCheck::problemsFound, this, &TagColouring::setProblems);
    connect(&editor, &QTextEdit::cursorPositionChanged, this, &TagColouring::showPairAtCaret);
    editor.installEventFilter(this);
    editor.viewport()->installEventFilter(this);
}

TagColouring::~TagColouring() {
    if (m_highlighter)
        m_highlighter->removeMarker(&m_marker);
}

void TagColouring::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    m_marker.setProblems({});
    if (enabled) {
        m_highlighter->addMarker(&m_marker);
        m_check->start();
    } else {
        m_check->stop();
        m_highlighter->removeMarker(&m_marker);
    }
    showPairAtCaret();
}

void TagColouring::setProblems(const QList<TagProblem>& problems) {
    if (!m_enabled || !m_highlighter)
        return;
    // Only the paragraphs where a mark comes or goes are drawn again.
    QList<TagProblem> sorted = problems;
    std::sort(sorted.begin(), sorted.end(), before);
    QList<TagProblem> changed;
    const QList<TagProblem>& shown = m_marker.problems();
    std::set_symmetric_difference(shown.cbegin(), shown.cend(), sorted.cbegin(), sorted.cend(),
                                  std::back_inserter(changed), before);
    m_marker.setProblems(sorted);
    refreshParagraphsAt(changed);
}

void TagColouring::refreshParagraphsAt(const QList<TagProblem>& problems) {
    int lastRefreshed = -1;
    for (const TagProblem& problem : problems) {
        const QTextBlock paragraph = m_editor.document()->findBlock(problem.position);
        if (paragraph.isValid() && paragraph.blockNumber() != lastRefreshed) {
            m_highlighter->refresh(paragraph.position(), paragraph.position());
            lastRefreshed = paragraph.blockNumber();
        }
    }
}

void TagColouring::showPairAtCaret() {
    const std::optional<TagPair> pair =
        m_enabled && !m_editor.textCursor().hasSelection()
            ? findTagPair(*m_editor.document(), m_editor.textCursor().position())
            : std::nullopt;
    QList<QTextEdit::ExtraSelection> selections;
    if (pair) {
        const QColor background = m_marker.colours().pairBackground;
        selections << pairSelection(m_editor.document(), pair->start, pair->startLength, background)
                   << pairSelection(m_editor.document(), pair->end, pair->endLength, background);
    }
    ExtraSelections::replaceOwn(m_editor, kPairProperty, selections);
}

bool TagColouring::showProblemTip(const QHelpEvent& event) {
    const QPoint inDocument(event.pos().x() + m_editor.horizontalScrollBar()->value(),
                            event.pos().y() + m_editor.verticalScrollBar()->value());
    const int position = m_editor.document()->documentLayout()->hitTest(inDocument, Qt::ExactHit);
    for (const TagProblem& problem : m_marker.problems()) {
        if (problem.position <= position && position < problem.position + problem.length) {
            QToolTip::showText(event.globalPos(), problem.message(), m_editor.viewport());
            return true;
        }
    }
    QToolTip::hideText();
    return false;
}

bool TagColouring::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_editor.viewport() && event->type() == QEvent::ToolTip && m_enabled)
        return showProblemTip(static_cast<QHelpEvent&>(*event));
    if (watched == &m_editor && event->type() == QEvent::PaletteChange) {
        m_marker.setColours(TagColours::fromPalette(m_editor.palette()));
        if (m_enabled)
            m_highlighter->refreshAll();
        showPairAtCaret();
    }
    return QObject::eventFilter(watched, event);
}

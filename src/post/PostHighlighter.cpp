#include "post/PostHighlighter.h"

#include "platform/ChangedParagraphs.h"
#include "platform/LayoutFormats.h"
#include "post/TextMarker.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <numeric>
#include <utility>

namespace {

// A change up to this many characters (typing, a paste, an undo step) is marked at once.
constexpr int kMarkAtOnce = 8192;
// How long one slice of marking may keep the events waiting.
constexpr int kSliceMilliseconds = 5;
// A slice lays its marked paragraphs out again whenever they hold this many characters, so
// that its clock counts the layout too: long paragraphs cost far more to lay out than to mark.
constexpr int kRelayOutCharacters = 16384;
// While the user types, marking in the background waits for a pause this long, so that
// keys are not kept waiting behind its slices.
constexpr int kTypingPauseMilliseconds = 50;
// Stretches kept apart before they are merged into one.
constexpr size_t kMostStretches = 32;
// Each of the first markers keeps its state in 8 bits of the paragraph's user state.
constexpr int kStateBits = 8;
constexpr int kMarkersWithState = 3;

int packedStateOf(const QTextBlock& paragraph) {
    return paragraph.isValid() ? qMax(0, paragraph.userState()) : 0;
}

// Puts cursor at the start of the paragraph holding position. QTextCursor::setPosition would
// first lay out every paragraph up to there, on a post just opened most of it at once.
void moveToParagraph(QTextCursor& cursor, const QTextDocument& document, int position) {
    const bool keepPositionOnInsert = cursor.keepPositionOnInsert();
    cursor = QTextCursor(document.findBlock(qBound(0, position, document.characterCount() - 1)));
    cursor.setKeepPositionOnInsert(keepPositionOnInsert);
}

bool isLaidOut(const QTextBlock& paragraph) {
    return paragraph.isValid() && paragraph.layout()->lineCount() > 0;
}

// The state of the marker at index within a packed state.
int stateOf(int packedState, qsizetype index) {
    return index < kMarkersWithState ? (packedState >> (kStateBits * index)) & 0xff : 0;
}

} // namespace

PostHighlighter::PostHighlighter(QTextDocument* document)
    : QObject(document), m_document(document) {
    m_idle.setSingleShot(true);
    m_idle.setInterval(0);
    connect(&m_idle, &QTimer::timeout, this, &PostHighlighter::markSlice);
    connect(document, &QTextDocument::contentsChange, this, &PostHighlighter::onContentsChange);
}

void PostHighlighter::followView(QTextEdit* view) {
    m_view = view;
    connect(view->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { m_visibleMarked = false; });
    view->viewport()->installEventFilter(this);
}

// Paragraphs on show that wait for their marks get them before they are drawn, so that a
// large change (Undo All, a paste) is drawn once, with its marks, rather than twice.
bool PostHighlighter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && m_view && watched == m_view->viewport() &&
        !m_visibleMarked && !m_pending.empty()) {
        m_visibleMarked = true;
        // When this paint draws the whole view, it draws them.
        m_drawnAnyway =
            static_cast<QPaintEvent*>(event)->rect().contains(m_view->viewport()->rect());
        markVisible();
        m_drawnAnyway = false;
        relayOutMarked();
    }
    return false;
}

void PostHighlighter::addMarker(TextMarker* marker) {
    if (!m_markers.contains(marker))
        m_markers.append(marker);
    refreshAll();
}

void PostHighlighter::removeMarker(TextMarker* marker) {
    if (m_markers.removeAll(marker) > 0)
        refreshAll();
}

void PostHighlighter::refresh(int from, int to) {
    if (to - from <= kMarkAtOnce)
        markStretchNow(from, to);
    else
        addPending(from, to);
}

void PostHighlighter::refreshAll() {
    refresh(0, m_document->characterCount() - 1);
}

int PostHighlighter::stateBefore(const QTextBlock& paragraph, const TextMarker* marker) const {
    const qsizetype index = m_markers.indexOf(const_cast<TextMarker*>(marker));
    return index < 0 ? 0 : stateOf(packedStateOf(paragraph.previous()), index);
}

void PostHighlighter::onContentsChange(int position, int removed, int added) {
    for (TextMarker* marker : std::as_const(m_markers))
        marker->contentsChange(position, removed, added);
    if (added > kMarkAtOnce) {
        dropMarks(position, position + added);
        addPending(position, position + added);
        // The paragraphs on show are marked as they are drawn (eventFilter); the others wait
        // until the change is on screen.
        m_idle.start(kTypingPauseMilliseconds);
        return;
    }
    // The changed paragraph is laid out again from its start in any case. Saying so keeps the
    // redraw to it: a change starting further in (a key typed in one of the last paragraphs)
    // can otherwise have the layout redraw everything on show from the top.
    m_document->markContentsDirty(m_document->findBlock(position).position(), 0);
    m_change = {position, position + added};
    markStretchNow(position, position + added);
    m_change = MarkedRun();
    if (!m_pending.empty())
        m_idle.start(kTypingPauseMilliseconds);
}

// The paragraphs of a large change are laid out again with it and marked again after it.
// Taking their marks off first spares that layout the cost of the marks: each mark's ends
// cut the text into more pieces to shape. Paragraphs the change keeps the lines of keep
// their marks too.
void PostHighlighter::dropMarks(int from, int to) {
    const bool keptLines = ChangedParagraphs::othersKeepLines(*m_document);
    const QTextBlock last = m_document->findBlock(qMin(to, m_document->characterCount() - 1));
    for (QTextBlock paragraph = m_document->findBlock(from); paragraph.isValid();
         paragraph = paragraph.next()) {
        if (!paragraph.layout()->formats().isEmpty() && !(keptLines && isLaidOut(paragraph)))
            LayoutFormats::set(*paragraph.layout(), {});
        if (paragraph == last)
            break;
    }
}

void PostHighlighter::addPending(int from, int to) {
    from = m_document->findBlock(from).position();
    to = m_document->findBlock(qMin(to, m_document->characterCount() - 1)).position();
    m_visibleMarked = false;
    m_idle.start(0);
    for (PendingStretch& stretch : m_pending) {
        if (stretch.start.position() <= to && from <= stretch.end.position()) {
            moveToParagraph(stretch.start, *m_document, qMin(from, stretch.start.position()));
            moveToParagraph(stretch.end, *m_document, qMax(to, stretch.end.position()));
            return;
        }
    }
    PendingStretch stretch{QTextCursor(m_document), QTextCursor(m_document)};
    stretch.start.setKeepPositionOnInsert(true); // text typed before it is marked on its own
    moveToParagraph(stretch.start, *m_document, from);
    moveToParagraph(stretch.end, *m_document, to);
    if (m_pending.size() >= kMostStretches) {
        for (const PendingStretch& other : m_pending) {
            moveToParagraph(stretch.start, *m_document,
                            qMin(stretch.start.position(), other.start.position()));
            moveToParagraph(stretch.end, *m_document,
                            qMax(stretch.end.position(), other.end.position()));
        }
        m_pending.clear();
    }
    m_pending.push_back(stretch);
}

// Marks the paragraphs from the one holding from to the one holding to; when the last
// hands a new state on, the paragraphs after it are marked between events.
void PostHighlighter::markStretchNow(int from, int to) {
    QTextBlock paragraph = m_document->findBlock(from);
    bool handsOn = false;
    for (; paragraph.isValid() && paragraph.position() <= to; paragraph = paragraph.next())
        handsOn = markParagraph(paragraph);
    relayOutMarked();
    if (handsOn && paragraph.isValid())
        addPending(paragraph.position(), paragraph.position());
}

// The waiting paragraphs on show, marked ahead of their turn (and again in it). Which they
// are is read from their own layouts: while a long post is still being laid out, the view's
// hit test may name a paragraph that has no layout yet, far below.
void PostHighlighter::markVisible() {
    if (!m_view)
        return;
    const int top = m_view->verticalScrollBar()->value();
    const int bottom = top + m_view->viewport()->height();
    QTextBlock paragraph = m_view->cursorForPosition(QPoint(0, 0)).block();
    if (!isLaidOut(paragraph) || paragraph.layout()->position().y() > top)
        paragraph = m_document->begin();
    for (; isLaidOut(paragraph); paragraph = paragraph.next()) {
        const QTextLayout* layout = paragraph.layout();
        const QRectF shape = layout->boundingRect().translated(layout->position());
        if (shape.top() > bottom)
            break;
        const int position = paragraph.position();
        const bool waiting = std::any_of(m_pending.begin(), m_pending.end(), [&](const auto& s) {
            return s.start.position() <= position + paragraph.length() &&
                   position <= s.end.position();
        });
        if (shape.bottom() >= top && waiting && markParagraph(paragraph) &&
            paragraph.next().isValid())
            addPending(paragraph.next().position(), paragraph.next().position());
    }
}

void PostHighlighter::markSlice() {
    QElapsedTimer clock;
    clock.start();
    if (!m_visibleMarked) {
        m_visibleMarked = true;
        markVisible();
    }
    while (!m_pending.empty() && clock.elapsed() < kSliceMilliseconds) {
        PendingStretch& stretch = m_pending.front();
        const QTextBlock paragraph = m_document->findBlock(stretch.start.position());
        if (!paragraph.isValid() || paragraph.position() > stretch.end.position()) {
            m_pending.erase(m_pending.begin());
            continue;
        }
        const bool handsOn = markParagraph(paragraph);
        if (m_marked.to - m_marked.from >= kRelayOutCharacters)
            relayOutMarked();
        const QTextBlock next = paragraph.next();
        if (!next.isValid()) {
            m_pending.erase(m_pending.begin());
            continue;
        }
        moveToParagraph(stretch.start, *m_document, next.position());
        if (handsOn && next.position() > stretch.end.position())
            moveToParagraph(stretch.end, *m_document, next.position());
    }
    relayOutMarked();
    if (m_pending.empty())
        emit settled();
    else
        m_idle.start(0);
}

void PostHighlighter::noteMarked(const QTextBlock& paragraph) {
    if (m_marked.from >= 0 && paragraph.position() != m_marked.to)
        relayOutMarked(); // not next to the run gathered so far
    if (m_marked.from < 0)
        m_marked.from = paragraph.position();
    m_marked.to = paragraph.position() + paragraph.length();
}

// Neighbours are drawn again together; paragraphs apart, each on its own, so that a
// paragraph on show between two marked ones is not drawn again for them.
void PostHighlighter::noteRedrawn(const QRectF& paragraph) {
    if (m_drawnAnyway)
        return;
    if (paragraph.top() > m_redraw.bottom() + 1)
        redrawNoted();
    m_redraw |= paragraph;
}

void PostHighlighter::redrawNoted() {
    if (m_redraw.isValid())
        emit m_document->documentLayout()->update(std::exchange(m_redraw, QRectF()));
}

void PostHighlighter::relayOutMarked() {
    redrawNoted();
    if (m_marked.from < 0)
        return;
    const MarkedRun run = std::exchange(m_marked, MarkedRun());
    // Up to the last paragraph's line break, not past it: the paragraph after would be laid
    // out again too.
    m_document->markContentsDirty(run.from, run.to - run.from - 1);
}

bool PostHighlighter::markParagraph(const QTextBlock& paragraph) {
    const QString text = paragraph.text();
    const int before = packedStateOf(paragraph.previous());
    const QList<QTextLayout::FormatRange> marks = mergedMarks(paragraph, text, before);
    QTextLayout* layout = paragraph.layout();
    if (layout->formats() != marks) {
        // A paragraph of the change under way is laid out with it; any other keeps its lines.
        const bool inChange = m_change.from <= paragraph.position() + paragraph.length() &&
                              paragraph.position() <= m_change.to;
        if (!inChange && LayoutFormats::setKeepingLines(*layout, marks)) {
            if (isLaidOut(paragraph))
                noteRedrawn(m_document->documentLayout()->blockBoundingRect(paragraph));
        } else {
            LayoutFormats::set(*layout, marks);
            noteMarked(paragraph);
        }
    }
    int after = 0;
    for (int i = 0; i < m_markers.size() && i < kMarkersWithState; ++i)
        after |= (m_markers[i]->stateAfter(text, stateOf(before, i)) & 0xff) << (kStateBits * i);
    QTextBlock block = paragraph;
    const bool changed = block.userState() != after;
    block.setUserState(after);
    return changed;
}

// Cuts the paragraph at every mark's ends and gives each piece the merge of the marks that
// cover it, in the order they were made.
QList<QTextLayout::FormatRange> PostHighlighter::mergedMarks(const QTextBlock& paragraph,
                                                             const QString& text,
                                                             int packedStateBefore) {
    QList<QTextLayout::FormatRange> marks;
    for (qsizetype i = 0; i < m_markers.size(); ++i)
        m_markers[i]->markParagraph(paragraph, text, stateOf(packedStateBefore, i), marks);
    if (marks.isEmpty())
        return marks;
    QList<int> cuts;
    for (const QTextLayout::FormatRange& mark : std::as_const(marks))
        cuts << mark.start << mark.start + mark.length;
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    // Sweep the cuts left to right with the marks in order of their start; only the few
    // marks covering the present cut are merged, so a long paragraph full of marks costs
    // time in proportion to its marks.
    QList<qsizetype> byStart(marks.size());
    std::iota(byStart.begin(), byStart.end(), 0);
    std::stable_sort(byStart.begin(), byStart.end(),
                     [&](qsizetype a, qsizetype b) { return marks[a].start < marks[b].start; });
    QList<qsizetype> covering; // indexes into marks, in the order the marks were made
    qsizetype nextStart = 0;
    QList<QTextLayout::FormatRange> merged;
    for (qsizetype i = 0; i + 1 < cuts.size(); ++i) {
        const int cut = cuts[i];
        covering.removeIf([&](qsizetype m) { return marks[m].start + marks[m].length <= cut; });
        for (; nextStart < byStart.size() && marks[byStart[nextStart]].start <= cut; ++nextStart)
            if (marks[byStart[nextStart]].length > 0)
                covering.insert(
                    std::upper_bound(covering.begin(), covering.end(), byStart[nextStart]),
                    byStart[nextStart]);
        QTextCharFormat format;
        for (const qsizetype m : std::as_const(covering))
            format.merge(marks[m].format);
        if (format.propertyCount() == 0)
            continue;
        // Neighbours that look the same are one range: each range is shaped and drawn as a
        // piece of its own ("[b][i]" one run of the tag colour, not two).
        if (!merged.isEmpty() && merged.last().start + merged.last().length == cut &&
            merged.last().format == format)
            merged.last().length += cuts[i + 1] - cut;
        else
            merged.append({cut, cuts[i + 1] - cut, format});
    }
    return merged;
}

#include "platform/ParagraphChangeTracker.h"

#include "platform/rtf/RtfParagraphs.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <utility>

namespace {

// Where a position of the text before an edit of removed characters at position, replaced
// by added ones, lies after it; one inside the replaced stretch goes to its start (atEnd
// false) or its end.
int mapped(int at, int position, int removed, int added, bool atEnd) {
    if (at <= position)
        return at;
    if (at >= position + removed)
        return at + added - removed;
    return atEnd ? position + added : position;
}

} // namespace

ParagraphChangeTracker::ParagraphChangeTracker(QTextDocument& document)
    : QObject(&document), m_document(document) {
    document.documentLayout(); // a document without a layout reports no changes
    connect(&document, &QTextDocument::contentsChange, this,
            &ParagraphChangeTracker::onContentsChange);
}

ParagraphChangeTracker::Edit::Edit(ParagraphChangeTracker& tracker, int from, int to)
    : m_tracker(tracker) {
    if (tracker.m_mode == Mode::Track && tracker.m_following)
        tracker.keep(from, to);
    ++tracker.m_openEdits;
}

ParagraphChangeTracker::Edit::~Edit() {
    --m_tracker.m_openEdits;
}

ParagraphChangeTracker::ModeScope::ModeScope(ParagraphChangeTracker& tracker, Mode mode)
    : m_tracker(tracker), m_previous(tracker.mode()) {
    tracker.setMode(mode);
}

ParagraphChangeTracker::ModeScope::~ModeScope() {
    m_tracker.setMode(m_previous);
}

void ParagraphChangeTracker::setMode(Mode mode) {
    if (m_mode == Mode::Replay && mode == Mode::Track)
        forget();
    m_mode = mode;
}

std::optional<ParagraphChange> ParagraphChangeTracker::take() {
    if (m_lost) {
        forget();
        ParagraphChange change;
        change.followed = false;
        return change;
    }
    if (m_changedFrom < 0) {
        forget();
        return std::nullopt;
    }
    // The changed paragraphs now, and the kept ones that stayed as they were at either end.
    const int first = blockAt(m_changedFrom);
    const int last = blockAt(m_changedTo);
    const int keptFirst = blockAt(m_keptFrom);
    const int keptLast = blockAt(m_keptTo);
    const int unchangedBefore = first - keptFirst;
    const int unchangedAfter = keptLast - last;
    const int countBefore = int(m_kept.size()) - unchangedBefore - unchangedAfter;
    ParagraphChange change;
    change.first = first;
    change.countBefore = countBefore;
    change.countAfter = last - first + 1;
    if (unchangedBefore < 0 || unchangedAfter < 0 || countBefore < 1) {
        change.followed = false; // cannot happen while every change lies in the kept range
    } else {
        change.before =
            RtfParagraphs::join(m_kept.cbegin() + unchangedBefore, m_kept.cend() - unchangedAfter);
        change.after = RtfParagraphs::write(m_document, first, last);
    }
    forget();
    if (change.followed && change.countBefore == change.countAfter && change.before == change.after)
        return std::nullopt;
    return change;
}

void ParagraphChangeTracker::forget() {
    m_following = true;
    m_kept.clear();
    m_kept.shrink_to_fit();
    m_changedFrom = m_changedTo = -1;
    m_lost = false;
}

bool ParagraphChangeTracker::takeTextChanged() {
    return std::exchange(m_textChanged, false);
}

void ParagraphChangeTracker::keep(int from, int to) {
    if (m_lost)
        return;
    const int first = blockAt(std::min(from, to));
    const int last = blockAt(std::max(from, to));
    // Paragraphs kept for edits that changed nothing are still as they were; they are worth
    // keeping only next to the ones this edit may touch.
    if (m_changedFrom < 0 && !m_kept.empty() &&
        (last + 1 < blockAt(m_keptFrom) || first > blockAt(m_keptTo) + 1))
        m_kept.clear();
    if (m_kept.empty()) {
        for (int block = first; block <= last; ++block)
            m_kept.push_back(RtfParagraphs::write(m_document, block, block));
        m_keptFrom = m_document.findBlockByNumber(first).position();
        m_keptTo = endOf(last);
        return;
    }
    // Paragraphs outside the kept ones have not changed yet: they are kept as they are.
    const int keptFirst = blockAt(m_keptFrom);
    const int keptLast = blockAt(m_keptTo);
    if (first < keptFirst) {
        std::vector<QByteArray> earlier;
        for (int block = first; block < keptFirst; ++block)
            earlier.push_back(RtfParagraphs::write(m_document, block, block));
        m_kept.insert(m_kept.begin(), earlier.begin(), earlier.end());
        m_keptFrom = m_document.findBlockByNumber(first).position();
    }
    if (last > keptLast) {
        for (int block = keptLast + 1; block <= last; ++block)
            m_kept.push_back(RtfParagraphs::write(m_document, block, block));
        m_keptTo = endOf(last);
    }
}

void ParagraphChangeTracker::onContentsChange(int position, int removed, int added) {
    if (m_mode == Mode::Disregard)
        return;
    if (m_mode == Mode::Track && m_openEdits == 0 && removed == added)
        return; // a highlighter's layout formats: the text and its formats stay as they are
    m_textChanged = true;
    if (m_mode == Mode::Replay || m_lost || !m_following)
        return;
    // A change of formats may take in the last kept paragraph's separator, which holds no text.
    const int keptEnd = m_keptTo + (removed == added ? 1 : 0);
    if (m_kept.empty() || position < m_keptFrom || position + removed > keptEnd) {
        m_lost = true; // the paragraphs as they were are gone
        return;
    }
    m_keptTo += added - removed;
    if (m_changedFrom < 0) {
        m_changedFrom = position;
        m_changedTo = position + added;
        return;
    }
    m_changedFrom = std::min(mapped(m_changedFrom, position, removed, added, false), position);
    m_changedTo = std::max(mapped(m_changedTo, position, removed, added, true), position + added);
}

int ParagraphChangeTracker::blockAt(int position) const {
    const int last = m_document.characterCount() - 1;
    return m_document.findBlock(std::clamp(position, 0, last)).blockNumber();
}

int ParagraphChangeTracker::endOf(int blockNumber) const {
    const QTextBlock block = m_document.findBlockByNumber(blockNumber);
    // The last paragraph's end counts the document's closing separator, which whole-text
    // changes report as removed.
    return block.position() + block.length() - (block.next().isValid() ? 1 : 0);
}

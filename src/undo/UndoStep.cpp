#include "undo/UndoStep.h"

#include <algorithm>

UndoStep::UndoStep(const ParagraphChange& change, Selection before, Selection after)
    : m_beforeSize(int32_t(change.before.size())), m_first(change.first),
      m_countBefore(change.countBefore), m_countAfter(change.countAfter), m_selectionBefore(before),
      m_selectionAfter(after) {
    const QByteArray& was = change.before;
    const QByteArray& is = change.after;
    const qsizetype shortest = std::min(was.size(), is.size());
    const auto start = std::mismatch(was.cbegin(), was.cbegin() + shortest, is.cbegin()).first;
    m_sharedStart = int32_t(start - was.cbegin());
    const auto end =
        std::mismatch(was.crbegin(), was.crbegin() + (shortest - m_sharedStart), is.crbegin())
            .first;
    m_sharedEnd = int32_t(end - was.crbegin());
    m_images.reserve(was.size() + is.size() - m_sharedStart - m_sharedEnd);
    m_images.append(was).append(is.constData() + m_sharedStart,
                                is.size() - m_sharedStart - m_sharedEnd);
}

QByteArray UndoStep::after() const {
    const QByteArrayView images(m_images);
    QByteArray image;
    image.reserve(m_images.size() - m_beforeSize + m_sharedStart + m_sharedEnd);
    image.append(images.first(m_sharedStart))
        .append(images.sliced(m_beforeSize))
        .append(images.sliced(m_beforeSize - m_sharedEnd, m_sharedEnd));
    return image;
}

ParagraphChange UndoStep::change() const {
    ParagraphChange change;
    change.first = m_first;
    change.countBefore = m_countBefore;
    change.countAfter = m_countAfter;
    change.before = before();
    change.after = after();
    return change;
}

#include "post/TextCounts.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

namespace {

// A change whose paragraphs hold more characters than this is counted after the pause.
constexpr int kLargestCountAtOnce = 64 * 1024;
constexpr int kPauseMs = 300;

// Words of text between from and to; a word cut at either end counts.
int wordsIn(const QString& text, int from, int to) {
    int words = 0;
    bool inWord = false;
    for (int i = from; i < to; ++i) {
        const bool blank = text.at(i).isSpace();
        if (!blank && !inWord)
            ++words;
        inWord = !blank;
    }
    return words;
}

int wordsOf(const QTextBlock& paragraph) {
    const QString text = paragraph.text();
    return wordsIn(text, 0, int(text.size()));
}

} // namespace

TextCounts::TextCounts(QTextDocument& document, QObject* parent)
    : QObject(parent), m_document(document), m_pause(new QTimer(this)) {
    m_pause->setSingleShot(true);
    m_pause->setInterval(kPauseMs);
    connect(m_pause, &QTimer::timeout, this, &TextCounts::recountAll);
    document.documentLayout(); // a document without one reports no contentsChange
    connect(&document, &QTextDocument::contentsChange, this, &TextCounts::onContentsChange);
    recountAll();
}

int TextCounts::characters() const {
    return m_document.characterCount() - 1;
}

int TextCounts::words() const {
    return m_words;
}

int TextCounts::wordsBetween(int start, int end) const {
    if (start >= end)
        return 0;
    const QTextBlock first = m_document.findBlock(start);
    const QTextBlock last = m_document.findBlock(end - 1);
    if (first == last)
        return wordsIn(first.text(), start - first.position(), end - first.position());
    int words = wordsIn(first.text(), start - first.position(), first.length() - 1);
    for (QTextBlock block = first.next(); block.isValid() && block != last; block = block.next())
        words += m_stale ? wordsOf(block) : m_paragraphWords[size_t(block.blockNumber())];
    return words + wordsIn(last.text(), 0, end - last.position());
}

void TextCounts::onContentsChange(int position, int /*removed*/, int added) {
    if (m_stale) {
        m_pause->start();
        emit changed(); // the characters are always up to date
        return;
    }
    const QTextBlock first = m_document.findBlock(position);
    QTextBlock last = m_document.findBlock(position + added);
    if (!last.isValid())
        last = m_document.lastBlock();
    const int changedLength = last.position() + last.length() - first.position();
    const int newSpan = last.blockNumber() - first.blockNumber() + 1;
    const int oldSpan = newSpan + int(m_paragraphWords.size()) - m_document.blockCount();
    const int firstNumber = first.blockNumber();
    if (changedLength > kLargestCountAtOnce || oldSpan < 1 ||
        size_t(firstNumber + oldSpan) > m_paragraphWords.size()) {
        m_stale = true;
        m_pause->start();
        emit changed();
        return;
    }
    const auto from = m_paragraphWords.begin() + firstNumber;
    for (auto it = from; it != from + oldSpan; ++it)
        m_words -= *it;
    std::vector<int> counted;
    counted.reserve(size_t(newSpan));
    for (QTextBlock block = first;; block = block.next()) {
        counted.push_back(wordsOf(block));
        m_words += counted.back();
        if (block == last)
            break;
    }
    const auto at = m_paragraphWords.erase(from, from + oldSpan);
    m_paragraphWords.insert(at, counted.begin(), counted.end());
    emit changed();
}

void TextCounts::recountAll() {
    m_paragraphWords.clear();
    m_paragraphWords.reserve(size_t(m_document.blockCount()));
    m_words = 0;
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        m_paragraphWords.push_back(wordsOf(block));
        m_words += m_paragraphWords.back();
    }
    m_stale = false;
    emit changed();
}

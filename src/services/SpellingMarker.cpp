#include "services/SpellingMarker.h"

#include "post/PostHighlighter.h"
#include "services/Dictionary.h"

#include <QTextBlock>
#include <QTextDocument>

namespace {
constexpr int kMostSuggestions = 5;
// Paragraph results kept beyond the post's paragraphs before they are all forgotten.
constexpr int kSpareParagraphResults = 1024;
} // namespace

SpellingMarker::SpellingMarker(PostHighlighter& highlighter) : m_highlighter(&highlighter) {
    m_underline.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    m_underline.setUnderlineColor(Qt::red);
    m_highlighter->addMarker(this);
}

SpellingMarker::~SpellingMarker() {
    if (m_highlighter)
        m_highlighter->removeMarker(this);
}

void SpellingMarker::setDictionary(std::shared_ptr<Dictionary> dictionary) {
    m_dictionary = std::move(dictionary);
    forgetChecks();
}

void SpellingMarker::setEnabled(bool enabled) {
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    if (m_highlighter)
        m_highlighter->refreshAll();
}

std::optional<SpellingMarker::Misspelling>
SpellingMarker::misspellingAt(const QTextBlock& paragraph, int position) {
    if (!m_enabled || !m_dictionary || !paragraph.isValid())
        return std::nullopt;
    const QString text = paragraph.text();
    const bool insideCode = m_highlighter->stateBefore(paragraph, this) != 0;
    for (const TextRange& range : misspellingsIn(text, insideCode))
        if (range.start <= position && position <= range.start + range.length)
            return Misspelling{range.start, range.length, text.mid(range.start, range.length)};
    return std::nullopt;
}

QStringList SpellingMarker::suggestionsFor(const QString& word) const {
    return m_dictionary ? m_dictionary->suggestions(word).mid(0, kMostSuggestions) : QStringList();
}

void SpellingMarker::addToDictionary(const QString& word) {
    if (!m_dictionary)
        return;
    m_dictionary->add(word);
    forgetChecks();
}

void SpellingMarker::ignoreAll(const QString& word) {
    m_ignoredWords.insert(word);
    forgetChecks();
}

void SpellingMarker::markParagraph(const QTextBlock& paragraph, const QString& text,
                                   QList<QTextLayout::FormatRange>& marks) {
    if (!m_enabled || !m_dictionary)
        return;
    const bool insideCode = m_highlighter->stateBefore(paragraph, this) != 0;
    for (const TextRange& range : misspellingsIn(text, insideCode))
        marks.append({range.start, range.length, m_underline});
}

int SpellingMarker::stateAfter(const QString& text, int stateBefore) {
    bool insideCode = stateBefore != 0;
    // Every "[" starts a token of its own, so only the tags need looking at.
    for (qsizetype open = text.indexOf(u'['); open >= 0; open = text.indexOf(u'[', open + 1)) {
        const TextToken token = nextToken(text, int(open));
        if (token.kind == TextToken::Kind::Tag)
            insideCode = insideCodeAfter(text, token, insideCode);
    }
    return insideCode ? 1 : 0;
}

const QList<TextRange>& SpellingMarker::misspellingsIn(const QString& text, bool insideCode) {
    const size_t key = qHashMulti(0, text, insideCode);
    const auto known = m_checkedParagraphs.constFind(key);
    if (known != m_checkedParagraphs.constEnd())
        return *known;
    if (m_checkedParagraphs.size() >
        m_highlighter->document()->blockCount() * 2 + kSpareParagraphResults)
        m_checkedParagraphs.clear(); // results of paragraphs long since changed
    QList<TextRange> misspellings;
    for (TextToken token = nextToken(text, 0); token.kind != TextToken::Kind::End;
         token = nextToken(text, token.end())) {
        if (token.kind == TextToken::Kind::Tag)
            insideCode = insideCodeAfter(text, token, insideCode);
        else if (token.kind == TextToken::Kind::Word && !insideCode &&
                 !knows(text.mid(token.start, token.length)))
            misspellings.append({token.start, token.length});
    }
    return *m_checkedParagraphs.insert(key, misspellings);
}

bool SpellingMarker::knows(const QString& word) {
    if (m_ignoredWords.contains(word))
        return true;
    auto known = m_knownWords.find(word);
    if (known == m_knownWords.end())
        known = m_knownWords.insert(word, m_dictionary->knows(word));
    return *known;
}

// The dictionary or the words to leave alone changed: every paragraph is looked at again.
void SpellingMarker::forgetChecks() {
    m_knownWords.clear();
    m_checkedParagraphs.clear();
    if (m_highlighter)
        m_highlighter->refreshAll();
}

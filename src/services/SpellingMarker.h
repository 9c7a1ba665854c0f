#pragma once

#include "post/TextMarker.h"
#include "services/TextTokens.h"

#include <QHash>
#include <QPointer>
#include <QSet>
#include <QTextCharFormat>
#include <memory>
#include <optional>

class Dictionary;
class PostHighlighter;

// Spelling as you type: underlines the words the dictionary does not know with a red
// wave. It follows the spelling dialog's rules (TextTokens): only words are looked up,
// never tags, addresses, smiley codes or the inside of a [code] region, which may span
// paragraphs. Each paragraph's result is kept by its text, so a paragraph is looked at
// again only when it changes, and each word is looked up once.
class SpellingMarker : public TextMarker {
public:
    // Adds itself to the highlighter.
    explicit SpellingMarker(PostHighlighter& highlighter);
    ~SpellingMarker() override;

    // Nothing is marked without a dictionary.
    void setDictionary(std::shared_ptr<Dictionary> dictionary);
    Dictionary* dictionary() const { return m_dictionary.get(); }
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }

    // A marked word, positions within its paragraph.
    struct Misspelling {
        int start = 0;
        int length = 0;
        QString word;
    };
    // The marked word at (or just before) position in the paragraph.
    std::optional<Misspelling> misspellingAt(const QTextBlock& paragraph, int position);
    // The dictionary's best few.
    QStringList suggestionsFor(const QString& word) const;
    // The word is learnt for good, in the personal word list the dialog uses.
    void addToDictionary(const QString& word);
    // The word is left alone until the program ends.
    void ignoreAll(const QString& word);

    void markParagraph(const QTextBlock& paragraph, const QString& text,
                       QList<QTextLayout::FormatRange>& marks) override;
    // 1 inside a [code] region.
    int stateAfter(const QString& text, int stateBefore) override;

private:
    const QList<TextRange>& misspellingsIn(const QString& text, bool insideCode);
    bool knows(const QString& word);
    void forgetChecks();

    QPointer<PostHighlighter> m_highlighter; // gone with its document
    std::shared_ptr<Dictionary> m_dictionary;
    bool m_enabled = true;
    QTextCharFormat m_underline;
    QSet<QString> m_ignoredWords;
    QHash<QString, bool> m_knownWords;
    QHash<size_t, QList<TextRange>> m_checkedParagraphs; // by the text and the code state
};

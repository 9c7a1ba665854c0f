#pragma once

#include <QString>

// A piece of a post's text as the spelling check sees it. VNML tags, smiley codes, web
// and mail addresses, numbers and abbreviations are never words, so they are never
// checked.
struct TextToken {
    enum class Kind {
        Word,        // letters, with inner apostrophes and hyphens: "don't", "well-known"
        NotAWord,    // an address, a number, an abbreviation like "e.g.", a ":code:"
        Tag,         // "[" ... "]" on one line: "[b]", "[quote Jo]", "[wink]"
        SentenceEnd, // ".", "!", "?" or a run of them holding "!" or "?"
        Punctuation, // any other character that is not white space, "..." included
        LineBreak,   // CR, LF or CR LF
        End          // nothing but white space is left
    };
    Kind kind = Kind::End;
    int start = 0;
    int length = 0;

    int end() const { return start + length; }
};

// The token that starts at or after from, skipping spaces and tabs.
TextToken nextToken(const QString& text, int from);

// Whether what follows a Tag token is inside a [code] region, where nothing is a word:
// "[code]" opens one, "[/code]" closes it, any other tag leaves it as it was.
bool insideCodeAfter(const QString& text, const TextToken& tag, bool insideCode);

// The sentence around the given range: back to the previous sentence end or line break
// and on to the next, limited to a few hundred characters either way.
struct TextRange {
    int start = 0;
    int length = 0;
};
TextRange sentenceAround(const QString& text, int start, int length);

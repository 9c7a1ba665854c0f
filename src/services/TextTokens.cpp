#include "services/TextTokens.h"

#include "markup/VnmlTokens.h"

#include <QStringView>

namespace {

using Kind = TextToken::Kind;

bool isBlank(QChar c) {
    return c.isSpace() && c != u'\r' && c != u'\n';
}

bool isLineBreak(QChar c) {
    return c == u'\r' || c == u'\n';
}

bool isWordChar(QChar c) {
    return c.isLetter() || c.isMark();
}

bool isApostrophe(QChar c) {
    return c == u'\'' || c == u'\u2019';
}

bool isSentenceMark(QChar c) {
    return c == u'.' || c == u'!' || c == u'?';
}

QChar at(const QString& text, int i) {
    return i >= 0 && i < text.size() ? text.at(i) : QChar();
}

// Where the white-space delimited run that starts at from ends; a tag ends it too. Looks
// no further than any address goes, so a text without spaces costs no more per token.
int runEnd(const QString& text, int from) {
    constexpr int longestAddress = 2048;
    const int limit = qMin(int(text.size()), from + longestAddress);
    int i = from;
    while (i < limit && !text.at(i).isSpace() && text.at(i) != u'[')
        ++i;
    return i;
}

bool looksLikeAddress(QStringView run) {
    for (const char* prefix : {"http://", "https://", "ftp://", "www.", "mailto:"})
        if (run.startsWith(QLatin1String(prefix), Qt::CaseInsensitive))
            return true;
    if (run.contains(QLatin1String("://")))
        return true;
    const int at = run.indexOf(u'@');
    return at > 0 && run.indexOf(u'.', at) > at + 1;
}

// An address ends before the punctuation that closes the sentence or clause around it.
int trimClosingPunctuation(const QString& text, int start, int end) {
    static const QString closing = QStringLiteral(".,;:!?)'\"");
    while (end > start + 1 && closing.contains(text.at(end - 1)))
        --end;
    return end;
}

// A closing "]" on the same line, or -1.
int tagEnd(const QString& text, int open) {
    for (int i = open + 1; i < text.size(); ++i) {
        if (text.at(i) == u']')
            return i + 1;
        if (isLineBreak(text.at(i)) || text.at(i) == u'[')
            return -1;
    }
    return -1;
}

int numberEnd(const QString& text, int from) {
    int i = from;
    while (i < text.size()) {
        const QChar c = text.at(i);
        const bool innerSeparator =
            (c == u'.' || c == u',' || c == u':') && at(text, i + 1).isDigit();
        if (!c.isLetterOrNumber() && !innerSeparator)
            break;
        ++i;
    }
    return i;
}

TextToken wordOrNotAWord(const QString& text, int from) {
    int i = from;
    bool hasDigit = false;
    bool dotted = false;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (isWordChar(c)) {
            ++i;
        } else if (c.isDigit()) {
            hasDigit = true;
            ++i;
        } else if ((isApostrophe(c) || c == u'-') && isWordChar(at(text, i + 1))) {
            i += 2;
        } else if (c == u'.' && at(text, i + 1).isLetterOrNumber()) {
            dotted = true; // "e.g", "example.com"
            i += 2;
        } else {
            break;
        }
    }
    if (dotted && at(text, i) == u'.')
        ++i; // the abbreviation's own full stop
    const bool smileyCode = at(text, from - 1) == u':' && at(text, i) == u':';
    if (hasDigit || dotted || smileyCode)
        return {Kind::NotAWord, from, (smileyCode ? i + 1 : i) - from};
    return {Kind::Word, from, i - from};
}

TextToken punctuation(const QString& text, int from) {
    if (!isSentenceMark(text.at(from)))
        return {Kind::Punctuation, from, 1};
    int i = from;
    bool strong = false;
    while (i < text.size() && isSentenceMark(text.at(i))) {
        strong = strong || text.at(i) != u'.';
        ++i;
    }
    const bool ends = strong || i - from == 1; // "..." trails off within the sentence
    return {ends ? Kind::SentenceEnd : Kind::Punctuation, from, i - from};
}

} // namespace

TextToken nextToken(const QString& text, int from) {
    int i = qMax(0, from);
    while (i < text.size() && isBlank(text.at(i)))
        ++i;
    if (i >= text.size())
        return {Kind::End, int(text.size()), 0};

    const QChar c = text.at(i);
    if (isLineBreak(c)) {
        const bool crlf = c == u'\r' && at(text, i + 1) == u'\n';
        return {Kind::LineBreak, i, crlf ? 2 : 1};
    }
    if (c == u'[') {
        const int end = tagEnd(text, i);
        return end < 0 ? TextToken{Kind::Punctuation, i, 1} : TextToken{Kind::Tag, i, end - i};
    }
    const int run = runEnd(text, i);
    if (looksLikeAddress(QStringView(text).mid(i, run - i)))
        return {Kind::NotAWord, i, trimClosingPunctuation(text, i, run) - i};
    if (isWordChar(c))
        return wordOrNotAWord(text, i);
    if (c.isDigit())
        return {Kind::NotAWord, i, numberEnd(text, i) - i};
    return punctuation(text, i);
}

bool insideCodeAfter(const QString& text, const TextToken& tag, bool insideCode) {
    QStringView name = QStringView(text).mid(tag.start + 1, tag.length - 2);
    const bool closing = name.startsWith(u'/');
    if (closing)
        name = name.mid(1);
    if (name.compare(vnmlTagName(VnmlTag::Code), Qt::CaseInsensitive) == 0)
        return !closing;
    return insideCode;
}

TextRange sentenceAround(const QString& text, int start, int length) {
    constexpr int reach = 300;
    int first = start;
    const int lowest = qMax(0, start - reach);
    while (first > lowest) {
        const QChar before = text.at(first - 1);
        if (isLineBreak(before) || (before.isSpace() && isSentenceMark(at(text, first - 2))))
            break;
        --first;
    }
    while (first < start && text.at(first).isSpace())
        ++first;

    int last = start + length;
    const int highest = qMin(int(text.size()), start + length + reach);
    while (last < highest && !isLineBreak(text.at(last))) {
        if (isSentenceMark(text.at(last)) && !isSentenceMark(at(text, last + 1)) &&
            (last + 1 == text.size() || text.at(last + 1).isSpace())) {
            ++last;
            break;
        }
        ++last;
    }
    return {first, last - first};
}

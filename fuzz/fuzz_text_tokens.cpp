// Splits any text into spelling tokens as the spelling check walks it: the tokens come in
// order, lie inside the text, take at least one character each, leave only spaces and
// tabs between them, and each holds what its kind says. The sentence around a word holds
// the word.
#include "FuzzSupport.h"
#include "services/TextTokens.h"

using FuzzSupport::check;
using Kind = TextToken::Kind;

namespace {

bool isBlank(QChar c) {
    return c.isSpace() && c != u'\r' && c != u'\n';
}

void checkKind(const TextToken& token, QStringView piece) {
    switch (token.kind) {
    case Kind::LineBreak:
        check(piece == u"\r" || piece == u"\n" || piece == u"\r\n");
        break;
    case Kind::Tag:
        check(piece.startsWith(u'[') && piece.endsWith(u']') && piece.size() >= 2);
        check(!piece.contains(u'\r') && !piece.contains(u'\n'));
        break;
    case Kind::SentenceEnd:
        check(piece.size() == 1 || piece.contains(u'!') || piece.contains(u'?'));
        break;
    case Kind::Word:
        check(piece.front().isLetter() || piece.front().isMark());
        break;
    default:
        break;
    }
    if (token.kind != Kind::LineBreak)
        check(!piece.front().isSpace());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = FuzzSupport::textOf(data, size);
    int from = 0;
    for (qsizetype count = 0;; ++count) {
        check(count <= text.size()); // every token takes a character
        const TextToken token = nextToken(text, from);
        check(token.start >= from && token.length >= 0 && token.end() <= text.size());
        for (int i = from; i < token.start; ++i)
            check(isBlank(text.at(i)));
        if (token.kind == Kind::End) {
            check(token.start == text.size() && token.length == 0);
            break;
        }
        check(token.length > 0);
        const QStringView piece = QStringView(text).mid(token.start, token.length);
        checkKind(token, piece);
        if (token.kind == Kind::Word) {
            const TextRange sentence = sentenceAround(text, token.start, token.length);
            check(sentence.start >= 0 && sentence.start <= token.start);
            check(sentence.start + sentence.length >= token.end());
            check(sentence.start + sentence.length <= text.size());
        }
        from = token.end();
    }
    return 0;
}

#include "platform/rtf/RtfTokenizer.h"

#include <algorithm>

namespace {

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

int hexValue(QChar c) {
    if (isAsciiDigit(c))
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

// Control words are at most 32 letters; longer ones are consumed but cut.
constexpr qsizetype kMaxWordLength = 32;

} // namespace

RtfToken RtfTokenizer::next() {
    RtfToken token;
    if (pos_ >= input_.size())
        return token;
    const QChar c = input_[pos_];
    if (c == u'{') {
        ++pos_;
        token.kind = RtfToken::Kind::GroupStart;
        return token;
    }
    if (c == u'}') {
        ++pos_;
        token.kind = RtfToken::Kind::GroupEnd;
        return token;
    }
    if (c == u'\\')
        return readControl();
    return readText();
}

void RtfTokenizer::skip(int count) {
    pos_ = std::min(input_.size(), pos_ + std::max(count, 0));
}

RtfToken RtfTokenizer::readText() {
    const qsizetype start = pos_;
    while (pos_ < input_.size()) {
        const QChar c = input_[pos_];
        if (c == u'{' || c == u'}' || c == u'\\')
            break;
        ++pos_;
    }
    RtfToken token;
    token.kind = RtfToken::Kind::Text;
    token.text = input_.mid(start, pos_ - start);
    return token;
}

RtfToken RtfTokenizer::readControl() {
    RtfToken token;
    ++pos_; // the backslash
    if (pos_ >= input_.size())
        return token; // a lone backslash at the end ends the input

    const QChar first = input_[pos_];
    if (!isAsciiLetter(first)) {
        ++pos_;
        if (first == u'\'' && pos_ + 1 < input_.size()) {
            const int high = hexValue(input_[pos_]);
            const int low = hexValue(input_[pos_ + 1]);
            if (high >= 0 && low >= 0) {
                pos_ += 2;
                token.kind = RtfToken::Kind::HexByte;
                token.byte = static_cast<unsigned char>(high * 16 + low);
                return token;
            }
        }
        token.kind = RtfToken::Kind::ControlSymbol;
        token.symbol = first;
        return token;
    }

    const qsizetype wordStart = pos_;
    while (pos_ < input_.size() && isAsciiLetter(input_[pos_]))
        ++pos_;
    token.kind = RtfToken::Kind::ControlWord;
    token.word = input_.mid(wordStart, std::min(pos_ - wordStart, kMaxWordLength));

    const bool negative =
        pos_ + 1 < input_.size() && input_[pos_] == u'-' && isAsciiDigit(input_[pos_ + 1]);
    if (negative)
        ++pos_;
    if (pos_ < input_.size() && isAsciiDigit(input_[pos_])) {
        long long value = 0;
        while (pos_ < input_.size() && isAsciiDigit(input_[pos_])) {
            value = std::min<long long>(value * 10 + (input_[pos_].unicode() - u'0'),
                                        RtfToken::kMaxParameter);
            ++pos_;
        }
        token.hasParameter = true;
        token.parameter = static_cast<int>(negative ? -value : value);
    }
    if (pos_ < input_.size() && input_[pos_] == u' ')
        ++pos_;
    return token;
}

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
    if (m_pos >= m_input.size())
        return token;
    const QChar c = m_input[m_pos];
    if (c == u'{') {
        ++m_pos;
        token.kind = RtfToken::Kind::GroupStart;
        return token;
    }
    if (c == u'}') {
        ++m_pos;
        token.kind = RtfToken::Kind::GroupEnd;
        return token;
    }
    if (c == u'\\')
        return readControl();
    return readText();
}

void RtfTokenizer::skip(int count) {
    m_pos = std::min(m_input.size(), m_pos + std::max(count, 0));
}

RtfToken RtfTokenizer::readText() {
    const qsizetype start = m_pos;
    while (m_pos < m_input.size()) {
        const QChar c = m_input[m_pos];
        if (c == u'{' || c == u'}' || c == u'\\')
            break;
        ++m_pos;
    }
    RtfToken token;
    token.kind = RtfToken::Kind::Text;
    token.text = m_input.mid(start, m_pos - start);
    return token;
}

RtfToken RtfTokenizer::readControl() {
    RtfToken token;
    ++m_pos; // the backslash
    if (m_pos >= m_input.size())
        return token; // a lone backslash at the end ends the input

    const QChar first = m_input[m_pos];
    if (!isAsciiLetter(first)) {
        ++m_pos;
        if (first == u'\'' && m_pos + 1 < m_input.size()) {
            const int high = hexValue(m_input[m_pos]);
            const int low = hexValue(m_input[m_pos + 1]);
            if (high >= 0 && low >= 0) {
                m_pos += 2;
                token.kind = RtfToken::Kind::HexByte;
                token.byte = static_cast<unsigned char>(high * 16 + low);
                return token;
            }
        }
        token.kind = RtfToken::Kind::ControlSymbol;
        token.symbol = first;
        return token;
    }

    const qsizetype wordStart = m_pos;
    while (m_pos < m_input.size() && isAsciiLetter(m_input[m_pos]))
        ++m_pos;
    token.kind = RtfToken::Kind::ControlWord;
    token.word = m_input.mid(wordStart, std::min(m_pos - wordStart, kMaxWordLength));

    const bool negative =
        m_pos + 1 < m_input.size() && m_input[m_pos] == u'-' && isAsciiDigit(m_input[m_pos + 1]);
    if (negative)
        ++m_pos;
    if (m_pos < m_input.size() && isAsciiDigit(m_input[m_pos])) {
        long long value = 0;
        while (m_pos < m_input.size() && isAsciiDigit(m_input[m_pos])) {
            value = std::min<long long>(value * 10 + (m_input[m_pos].unicode() - u'0'),
                                        RtfToken::kMaxParameter);
            ++m_pos;
        }
        token.hasParameter = true;
        token.parameter = static_cast<int>(negative ? -value : value);
    }
    if (m_pos < m_input.size() && m_input[m_pos] == u' ')
        ++m_pos;
    return token;
}

#include "markup/VnmlTokens.h"

#include "markup/SmileyTable.h"

#include <array>
#include <limits>

namespace {

enum class Argument { None, Optional, Required };

struct TagRule {
    VnmlTag tag;
    const char* name;
    Argument argument;
    bool block;
    bool verbatim;
};

constexpr std::array<TagRule, kVnmlTagCount> kRules{{
    {VnmlTag::Bold, "b", Argument::None, false, false},
    {VnmlTag::Italic, "i", Argument::None, false, false},
    {VnmlTag::Underline, "u", Argument::None, false, false},
    {VnmlTag::Strike, "s", Argument::None, false, false},
    {VnmlTag::Mono, "tt", Argument::None, false, false},
    {VnmlTag::Sub, "sub", Argument::None, false, false},
    {VnmlTag::Sup, "sup", Argument::None, false, false},
    {VnmlTag::Color, "color", Argument::Required, false, false},
    {VnmlTag::Quote, "quote", Argument::Optional, true, false},
    {VnmlTag::Code, "code", Argument::None, true, true},
    {VnmlTag::BulletList, "ul", Argument::None, true, false},
    {VnmlTag::NumberList, "ol", Argument::None, true, false},
    {VnmlTag::ListItem, "li", Argument::None, true, false},
    {VnmlTag::Link, "link", Argument::Required, false, false},
    {VnmlTag::Ignore, "ignore", Argument::None, false, true},
    {VnmlTag::Image, "img", Argument::Required, false, false},
}};

// The forum's colour words: the sixteen basic web colours.
struct ColourWord {
    const char* word;
    const char* hex;
};
constexpr std::array<ColourWord, 16> kColourWords{{
    {"aqua", "#00ffff"},
    {"black", "#000000"},
    {"blue", "#0000ff"},
    {"fuchsia", "#ff00ff"},
    {"gray", "#808080"},
    {"green", "#008000"},
    {"lime", "#00ff00"},
    {"maroon", "#800000"},
    {"navy", "#000080"},
    {"olive", "#808000"},
    {"purple", "#800080"},
    {"red", "#ff0000"},
    {"silver", "#c0c0c0"},
    {"teal", "#008080"},
    {"white", "#ffffff"},
    {"yellow", "#ffff00"},
}};

bool sameName(QStringView text, const char* name) {
    return text.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

std::optional<QLatin1String> colourHex(QStringView word) {
    for (const ColourWord& entry : kColourWords) {
        if (sameName(word, entry.word))
            return QLatin1String(entry.hex);
    }
    return std::nullopt;
}

const TagRule* ruleByName(QStringView name) {
    for (const TagRule& rule : kRules) {
        if (sameName(name, rule.name))
            return &rule;
    }
    return nullptr;
}

int smileyIndex(QStringView code) {
    const auto& table = smileys();
    for (int i = 0; i < kSmileyCount; ++i) {
        if (sameName(code, table[i].name))
            return i;
    }
    return -1;
}

bool isLineBreak(QChar c) {
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// Reads the inside of one pair of brackets; nothing when it is no tag.
std::optional<VnmlToken> classify(QStringView inner, int offset) {
    VnmlToken token;
    token.offset = offset;
    token.length = int(inner.size()) + 2;
    if (inner.startsWith(QLatin1Char('/'))) {
        const TagRule* rule = ruleByName(inner.mid(1));
        if (!rule || rule->tag == VnmlTag::Image)
            return std::nullopt;
        token.kind = VnmlToken::Kind::End;
        token.tag = rule->tag;
        return token;
    }
    const qsizetype blank = inner.indexOf(QLatin1Char(' '));
    const QStringView name = blank < 0 ? inner : inner.left(blank);
    const TagRule* rule = ruleByName(name);
    if (!rule) {
        token.kind = VnmlToken::Kind::Smiley;
        token.smiley = smileyIndex(inner);
        return token.smiley < 0 ? std::nullopt : std::optional(token);
    }
    const QStringView argument = blank < 0 ? QStringView() : inner.mid(blank + 1);
    if (rule->argument == Argument::None && blank >= 0)
        return std::nullopt;
    if (rule->argument == Argument::Required && argument.trimmed().isEmpty())
        return std::nullopt;
    if (rule->tag == VnmlTag::Color && !parseColourArgument(argument))
        return std::nullopt;
    token.kind = rule->tag == VnmlTag::Image ? VnmlToken::Kind::Image : VnmlToken::Kind::Start;
    token.tag = rule->tag;
    token.argOffset = offset + 1 + int(blank) + 1;
    token.argLength = int(argument.size());
    return token;
}

class Lexer {
public:
    // A paragraph lexer reads a [code] region left open as running on past its text.
    explicit Lexer(QStringView text, bool paragraph = false)
        : m_text(text), m_paragraph(paragraph) {}

    std::vector<VnmlToken> run(bool insideCode = false) {
        const qsizetype size = m_text.size();
        qsizetype pos = 0;
        if (insideCode)
            pos = m_textStart = skipVerbatim(VnmlTag::Code, 0);
        while (pos < size) {
            const qsizetype open = m_text.indexOf(QLatin1Char('['), pos);
            if (open < 0)
                break;
            qsizetype close = open + 1;
            while (close < size && m_text[close] != QLatin1Char(']') &&
                   m_text[close] != QLatin1Char('[') && !isLineBreak(m_text[close]))
                ++close;
            if (close >= size)
                break;
            if (m_text[close] != QLatin1Char(']')) {
                pos = m_text[close] == QLatin1Char('[') ? close : close + 1;
                continue;
            }
            pos = close + 1;
            const auto token = classify(m_text.mid(open + 1, close - open - 1), int(open));
            if (!token)
                continue;
            flushText(open);
            m_tokens.push_back(*token);
            m_textStart = pos;
            if (token->kind == VnmlToken::Kind::Start && isVerbatimTag(token->tag))
                pos = m_textStart = skipVerbatim(token->tag, pos);
        }
        flushText(size);
        return std::move(m_tokens);
    }

private:
    void flushText(qsizetype end) {
        if (end > m_textStart)
            m_tokens.push_back(
                {VnmlToken::Kind::Text, VnmlTag::Bold, int(m_textStart), int(end - m_textStart)});
    }

    // Takes everything up to the verbatim tag's end tag as text, and the end tag; returns
    // where reading goes on. Without an end tag the start tag stays unmatched and the
    // text after it is read as usual.
    qsizetype skipVerbatim(VnmlTag tag, qsizetype from) {
        qsizetype& noEndFrom = m_noEndFrom[tag == VnmlTag::Code ? 0 : 1];
        if (from >= noEndFrom)
            return from;
        const QString endTag = QLatin1String("[/") + vnmlTagName(tag) + QLatin1Char(']');
        const qsizetype end = m_text.indexOf(endTag, from, Qt::CaseInsensitive);
        if (end < 0 && m_paragraph && tag == VnmlTag::Code) {
            flushText(m_text.size());
            return m_text.size();
        }
        if (end < 0) {
            noEndFrom = from; // no later start tag can find one either
            return from;
        }
        flushText(end);
        m_tokens.push_back({VnmlToken::Kind::End, tag, int(end), int(endTag.size())});
        return end + endTag.size();
    }

    QStringView m_text;
    bool m_paragraph;
    std::vector<VnmlToken> m_tokens;
    qsizetype m_textStart = 0;
    qsizetype m_noEndFrom[2] = {std::numeric_limits<qsizetype>::max(),
                                std::numeric_limits<qsizetype>::max()};
};

} // namespace

QLatin1String vnmlTagName(VnmlTag tag) {
    return QLatin1String(kRules[size_t(tag)].name);
}

bool isBlockTag(VnmlTag tag) {
    return kRules[size_t(tag)].block;
}

bool isVerbatimTag(VnmlTag tag) {
    return kRules[size_t(tag)].verbatim;
}

std::vector<VnmlToken> tokenizeVnml(QStringView text) {
    return Lexer(text).run();
}

bool insideCodeAfterTag(QStringView tag, bool insideCode) {
    QStringView name = tag.mid(1, tag.size() - 2);
    const bool closing = name.startsWith(u'/');
    if (closing)
        name = name.mid(1);
    return sameName(name, kRules[size_t(VnmlTag::Code)].name) ? !closing : insideCode;
}

bool insideCodeAfter(QStringView paragraph, bool insideCode) {
    for (qsizetype open = paragraph.indexOf(u'['); open >= 0;
         open = paragraph.indexOf(u'[', open + 1)) {
        qsizetype close = open + 1;
        while (close < paragraph.size() && paragraph[close] != u']' && paragraph[close] != u'[' &&
               !isLineBreak(paragraph[close]))
            ++close;
        if (close < paragraph.size() && paragraph[close] == u']')
            insideCode = insideCodeAfterTag(paragraph.mid(open, close - open + 1), insideCode);
    }
    return insideCode;
}

std::vector<VnmlToken> tokenizeVnmlParagraph(QStringView paragraph, bool insideCode) {
    return Lexer(paragraph, true).run(insideCode);
}

std::optional<VnmlColours> parseColourArgument(QStringView argument) {
    const qsizetype blank = argument.indexOf(QLatin1Char(' '));
    const QStringView textWord = blank < 0 ? argument : argument.left(blank);
    const QStringView backgroundWord = blank < 0 ? QStringView() : argument.mid(blank + 1);
    if (textWord.isEmpty() && backgroundWord.isEmpty())
        return std::nullopt;
    VnmlColours colours;
    if (!textWord.isEmpty()) {
        const auto hex = colourHex(textWord);
        if (!hex)
            return std::nullopt;
        colours.text = *hex;
    }
    if (blank >= 0) {
        const auto hex = colourHex(backgroundWord);
        if (!hex)
            return std::nullopt;
        colours.background = *hex;
    }
    return colours;
}

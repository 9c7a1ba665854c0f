#include "markup/TagPair.h"

#include "markup/VnmlTokens.h"

#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

namespace {

bool isTag(const VnmlToken& token) {
    return token.kind == VnmlToken::Kind::Start || token.kind == VnmlToken::Kind::End;
}

// Walks tags of one kind, away from the tag at the caret; the first tag that closes
// the walk at depth zero is the partner.
class PartnerWalk {
public:
    PartnerWalk(VnmlTag tag, bool forward) : m_tag(tag), m_forward(forward) {}

    // Tokens of a piece of text that starts at documentPosition, in text order.
    std::optional<TagPair> visit(const std::vector<VnmlToken>& tokens, int documentPosition) {
        const int count = int(tokens.size());
        for (int i = 0; i < count; ++i) {
            const VnmlToken& token = tokens[size_t(m_forward ? i : count - 1 - i)];
            if (!isTag(token) || token.tag != m_tag)
                continue;
            const bool opensDeeper = (token.kind == VnmlToken::Kind::Start) == m_forward;
            if (opensDeeper) {
                ++m_depth;
            } else if (m_depth-- == 0) {
                return TagPair{documentPosition + token.offset, token.length, 0, 0};
            }
        }
        return std::nullopt;
    }

private:
    VnmlTag m_tag;
    bool m_forward;
    int m_depth = 0;
};

} // namespace

std::optional<TagPair> findTagPair(const QTextDocument& document, int caret, int reach) {
    const QTextBlock paragraph = document.findBlock(caret);
    if (!paragraph.isValid())
        return std::nullopt;
    const QString text = paragraph.text();
    const int at = caret - paragraph.position();
    // A tag at the caret starts at the last "[" up to it and ends at or after the caret.
    const int open = int(text.lastIndexOf(QLatin1Char('['), std::min(at, int(text.size()) - 1)));
    if (open < 0 || text.indexOf(QLatin1Char(']'), open) < at - 1)
        return std::nullopt;

    // Only the paragraph's text within reach of the caret is read.
    const int from = std::max(0, at - reach);
    const int to = std::min(int(text.size()), at + reach);
    const std::vector<VnmlToken> tokens = tokenizeVnml(QStringView(text).mid(from, to - from));
    const int origin = paragraph.position() + from;
    int onCaret = -1;
    for (int i = 0; i < int(tokens.size()); ++i) {
        const VnmlToken& token = tokens[size_t(i)];
        const int start = from + token.offset;
        if (!isTag(token) || start > at)
            continue;
        if (at < start + token.length) {
            onCaret = i; // inside it: wins over a tag that ends just before
            break;
        }
        if (at == start + token.length)
            onCaret = i;
    }
    if (onCaret < 0)
        return std::nullopt;

    const VnmlToken& tag = tokens[size_t(onCaret)];
    const bool forward = tag.kind == VnmlToken::Kind::Start;
    PartnerWalk walk(tag.tag, forward);
    const std::vector<VnmlToken> rest =
        forward ? std::vector<VnmlToken>(tokens.begin() + onCaret + 1, tokens.end())
                : std::vector<VnmlToken>(tokens.begin(), tokens.begin() + onCaret);
    std::optional<TagPair> partner = walk.visit(rest, origin);
    int budget = reach - (forward ? to - at : at - from);
    for (QTextBlock next = forward ? paragraph.next() : paragraph.previous();
         !partner && next.isValid() && budget > 0; next = forward ? next.next() : next.previous()) {
        const QString nextText = next.text();
        const int length = std::min(int(nextText.size()), budget);
        const int skipped = forward ? 0 : int(nextText.size()) - length;
        partner = walk.visit(tokenizeVnml(QStringView(nextText).mid(skipped, length)),
                             next.position() + skipped);
        budget -= length + 1;
    }
    if (!partner)
        return std::nullopt;
    const TagPair here{origin + tag.offset, tag.length, 0, 0};
    const TagPair& first = forward ? here : *partner;
    const TagPair& second = forward ? *partner : here;
    return TagPair{first.start, first.startLength, second.start, second.startLength};
}

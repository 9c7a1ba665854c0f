#include "markup/VnmlPairing.h"

#include <array>

VnmlPairing pairVnmlTags(const std::vector<VnmlToken>& tokens) {
    const int count = int(tokens.size());
    VnmlPairing pairing;
    pairing.partner.assign(count, VnmlPairing::kNone);

    // The open start tags of each kind, latest last, and all open start tags as a
    // doubly linked list in the order they were opened, so that one in the middle can
    // leave it at once.
    std::array<std::vector<int>, kVnmlTagCount> openByTag;
    std::vector<int> previous(count, VnmlPairing::kNone);
    std::vector<int> next(count, VnmlPairing::kNone);
    int latest = VnmlPairing::kNone;

    for (int i = 0; i < count; ++i) {
        const VnmlToken& token = tokens[i];
        if (token.kind == VnmlToken::Kind::Start) {
            openByTag[size_t(token.tag)].push_back(i);
            previous[i] = latest;
            if (latest != VnmlPairing::kNone)
                next[latest] = i;
            latest = i;
        } else if (token.kind == VnmlToken::Kind::End) {
            std::vector<int>& open = openByTag[size_t(token.tag)];
            if (open.empty())
                continue;
            const int start = open.back();
            open.pop_back();
            pairing.partner[start] = i;
            pairing.partner[i] = start;
            if (start != latest)
                pairing.crossings.push_back({i, latest});
            if (previous[start] != VnmlPairing::kNone)
                next[previous[start]] = next[start];
            if (next[start] != VnmlPairing::kNone)
                previous[next[start]] = previous[start];
            else
                latest = previous[start];
        }
    }
    return pairing;
}

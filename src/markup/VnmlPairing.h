#pragma once

#include "markup/VnmlTokens.h"

#include <vector>

// Which start tag each end tag closes. An end tag closes the latest open start tag of
// its kind, even when tags opened after that one are still open (a crossing).
struct VnmlPairing {
    static constexpr int kNone = -1;

    // Per token: the index of its partner, or kNone for a text, a smiley, an image and
    // a tag without a partner.
    std::vector<int> partner;

    // An end tag that closed its start tag while `innerStart`, opened later, was open.
    struct Crossing {
        int end;
        int innerStart;
    };
    std::vector<Crossing> crossings;
};

// One pass; each tag costs constant time however deep the nesting.
VnmlPairing pairVnmlTags(const std::vector<VnmlToken>& tokens);

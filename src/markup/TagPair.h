#pragma once

#include <optional>

class QTextDocument;

// A start tag and its end tag in the post, by position and length.
struct TagPair {
    int start = 0;
    int startLength = 0;
    int end = 0;
    int endLength = 0;
};

// The tag at the caret (the caret inside it or just after it) and its partner, found by
// walking the tags from it forward or backward, paragraph by paragraph, counting the
// nesting of tags of its kind. Nothing when the caret is on no tag or the partner is
// not within reach characters of it.
std::optional<TagPair> findTagPair(const QTextDocument& document, int caret, int reach = 50000);

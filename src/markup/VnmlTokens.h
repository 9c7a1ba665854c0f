#pragma once

#include <QLatin1String>
#include <QStringView>
#include <optional>
#include <vector>

// The tags a post can carry, as the forum understands them.
enum class VnmlTag {
    Bold,
    Italic,
    Underline,
    Strike,
    Mono,
    Sub,
    Sup,
    Color,
    Quote,
    Code,
    BulletList,
    NumberList,
    ListItem,
    Link,
    Ignore,
    Image,
};

inline constexpr int kVnmlTagCount = int(VnmlTag::Image) + 1;

// "b", "color", "img", ...
QLatin1String vnmlTagName(VnmlTag tag);
// Quotes, code and lists stand on lines of their own; a line break next to them is
// part of the layout, not of the text.
bool isBlockTag(VnmlTag tag);
// Code and ignore show everything up to their end tag as written.
bool isVerbatimTag(VnmlTag tag);

// One piece of a post: plain text, a start or end tag, a smiley code or an image tag.
// Offsets and lengths are in the text as given; the argument is what follows the tag
// name and its blank ("red yellow", "Jo", an address).
struct VnmlToken {
    enum class Kind { Text, Start, End, Smiley, Image };
    Kind kind;
    VnmlTag tag = VnmlTag::Bold; // Start, End and Image
    int offset = 0;
    int length = 0;
    int argOffset = 0;
    int argLength = 0;
    int smiley = -1; // index into smileys()
};

// Splits a post into tokens in one pass. Bracketed text that is no tag stays text; so
// does everything between a code or ignore tag and its end tag.
std::vector<VnmlToken> tokenizeVnml(QStringView text);

// A post read a paragraph at a time: a [code] region ("[code]" to "[/code]", in any case)
// may span paragraphs. Whether what follows a tag (its brackets and what is between them)
// is inside a region, given whether what precedes it is; any other tag changes nothing.
bool insideCodeAfterTag(QStringView tag, bool insideCode);
// The same after a whole paragraph: each of its bracketed stretches in turn.
bool insideCodeAfter(QStringView paragraph, bool insideCode);
// One paragraph's tokens: when it starts inside a region, everything up to the region's end
// tag is text, and a region it opens without closing runs on to its end.
std::vector<VnmlToken> tokenizeVnmlParagraph(QStringView paragraph, bool insideCode);

// The colours of a "[color text background]" argument as #rrggbb; either may be absent
// ("[color  yellow]" colours only the background). Nothing when a word is unknown.
struct VnmlColours {
    QLatin1String text;
    QLatin1String background;
};
std::optional<VnmlColours> parseColourArgument(QStringView argument);

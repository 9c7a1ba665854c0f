#pragma once

#include "markup/TagChecker.h"
#include "markup/TagColours.h"
#include "post/TextMarker.h"

// Colours the tags of the post: known tags in one colour, their arguments in another,
// smiley codes in a third; a word in brackets that is no tag stays as it is. The tags
// the tag checker reports get a wavy underline in the tag colour and carry the checker's
// message as their tooltip.
class TagColourMarker : public TextMarker {
public:
    explicit TagColourMarker(const TagColours& colours) : m_colours(colours) {}

    void setColours(const TagColours& colours) { m_colours = colours; }
    const TagColours& colours() const { return m_colours; }

    // The problems of the whole post, in the order of their positions.
    void setProblems(const QList<TagProblem>& problems) { m_problems = problems; }
    const QList<TagProblem>& problems() const { return m_problems; }
    // The problems after the change move with their tags, and those it touched go until the
    // next check.
    void contentsChange(int position, int removed, int added) override;

    // Nothing inside a [code] region is coloured, even when it spans paragraphs.
    void markParagraph(const QTextBlock& paragraph, const QString& text, int stateBefore,
                       QList<QTextLayout::FormatRange>& marks) override;
    // 1 inside a [code] region.
    int stateAfter(const QString& text, int stateBefore) override;

private:
    void markProblems(int paragraphStart, int paragraphLength,
                      QList<QTextLayout::FormatRange>& marks) const;

    TagColours m_colours;
    QList<TagProblem> m_problems;
};

#pragma once

#include <QList>
#include <QString>
#include <QTextLayout>

class QTextBlock;

// One writing aid's marks on the post (misspelt words, coloured tags): formats drawn over
// a paragraph that are never part of the text, so the text, its RTF content, the undo
// history and the clipboard never see them.
class TextMarker {
public:
    virtual ~TextMarker() = default;

    // Appends the marks of one paragraph; positions count within text, the paragraph's
    // characters without its line break, and stateBefore is the state (see stateAfter) the
    // paragraph before handed on. A marker that has nothing yet for the paragraph (still
    // checking) appends nothing and asks PostHighlighter to refresh it later.
    virtual void markParagraph(const QTextBlock& paragraph, const QString& text, int stateBefore,
                               QList<QTextLayout::FormatRange>& marks) = 0;

    // The text changed at position, before any paragraph is marked again: a marker that
    // keeps positions in the post moves them here.
    virtual void contentsChange(int position, int removed, int added) {
        Q_UNUSED(position);
        Q_UNUSED(removed);
        Q_UNUSED(added);
    }

    // For marks that depend on earlier paragraphs (the inside of a [code] region opened
    // further up): the state, 0 to 255, that this paragraph hands on to the next, given the
    // one handed to it. A paragraph whose state changes has the next one marked again.
    // Markers without such a state keep 0.
    virtual int stateAfter(const QString& text, int stateBefore) {
        Q_UNUSED(text);
        return stateBefore;
    }
};

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
    // characters without its line break. A marker that has nothing yet for the paragraph
    // (still checking) appends nothing and asks PostHighlighter to refresh it later.
    virtual void markParagraph(const QTextBlock& paragraph, const QString& text,
                               QList<QTextLayout::FormatRange>& marks) = 0;
};

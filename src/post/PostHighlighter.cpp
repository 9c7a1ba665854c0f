#include "post/PostHighlighter.h"

#include "post/TextMarker.h"

#include <QTextDocument>
#include <algorithm>

PostHighlighter::PostHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}

void PostHighlighter::addMarker(TextMarker* marker) {
    if (!m_markers.contains(marker))
        m_markers.append(marker);
    refreshAll();
}

void PostHighlighter::removeMarker(TextMarker* marker) {
    if (m_markers.removeAll(marker) > 0)
        refreshAll();
}

void PostHighlighter::refreshParagraph(const QTextBlock& paragraph) {
    rehighlightBlock(paragraph);
}

void PostHighlighter::refreshAll() {
    rehighlight();
}

void PostHighlighter::highlightBlock(const QString& text) {
    QList<QTextLayout::FormatRange> marks;
    for (TextMarker* marker : std::as_const(m_markers))
        marker->markParagraph(currentBlock(), text, marks);
    if (marks.isEmpty())
        return;
    // Cut the paragraph at every mark's ends and give each piece the merge of the marks
    // that cover it, in the order they were made.
    QList<int> cuts;
    for (const QTextLayout::FormatRange& mark : std::as_const(marks))
        cuts << mark.start << mark.start + mark.length;
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    for (qsizetype i = 0; i + 1 < cuts.size(); ++i) {
        QTextCharFormat merged;
        for (const QTextLayout::FormatRange& mark : std::as_const(marks))
            if (mark.start <= cuts[i] && cuts[i] < mark.start + mark.length)
                merged.merge(mark.format);
        if (merged.propertyCount() > 0)
            setFormat(cuts[i], cuts[i + 1] - cuts[i], merged);
    }
}

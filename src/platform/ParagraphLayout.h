#pragma once

#include <QTextBlock>

class QAbstractTextDocumentLayout;

// Lays one paragraph of a document's top frame out as the document's own layout does (line
// widths, indents, wrapping, line heights), its lines placed relative to the paragraph. The
// document's layout then only has to move it into place, without laying out every paragraph
// from there to the end. It follows Qt 6.4's QTextDocumentLayout step by step, in its
// fixed-point arithmetic; the undo tests compare every line it makes with Qt's own. Needs
// Qt's private headers; it is built only where they are.
class ParagraphLayout {
public:
    explicit ParagraphLayout(const QAbstractTextDocumentLayout& documentLayout);

    void layOut(const QTextBlock& paragraph) const;

private:
    const QAbstractTextDocumentLayout& m_documentLayout;
    qreal m_dpiScale = 1;
    // The top frame's text area, left and right, in Qt's fixed-point units.
    int m_left = 0;
    int m_right = 0;
};

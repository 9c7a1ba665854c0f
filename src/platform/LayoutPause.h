#pragma once

#include <QSizeF>
#include <QTextDocument>

// While it lives, the document has no page and so no layout: edits cost no layout, and the
// caret can be moved without the text being laid out down to where it was. When it ends,
// the page comes back and the whole text is laid out again from the top, a screenful at
// once and the rest while the program waits for input.
class LayoutPause {
public:
    explicit LayoutPause(QTextDocument& document)
        : m_document(document), m_page(document.pageSize()) {
        document.setPageSize(QSizeF(0, 0));
    }
    ~LayoutPause() { m_document.setPageSize(m_page); }

    // Lays the whole text out again from the top, the rest in the background.
    static void layOutAgain(QTextDocument& document) { LayoutPause pause(document); }

    LayoutPause(const LayoutPause&) = delete;
    LayoutPause& operator=(const LayoutPause&) = delete;

private:
    QTextDocument& m_document;
    const QSizeF m_page;
};

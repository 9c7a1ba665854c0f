#include "platform/ChangedParagraphs.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <utility>

#ifdef QUILLET_TEXT_ENGINE
#include "platform/ParagraphLayout.h"

#include <QtGui/private/qtextdocumentlayout_p.h>

namespace {

// Lines that still cover the paragraph's characters, as a paragraph laid out and not
// changed since has.
bool hasLinesFor(const QTextBlock& paragraph) {
    const QTextLayout& layout = *paragraph.layout();
    int covered = 0;
    for (int i = 0; i < layout.lineCount(); ++i)
        covered += layout.lineAt(i).textLength();
    return layout.lineCount() > 0 && covered == paragraph.length() - 1;
}

class ChangedParagraphsLayout : public QTextDocumentLayout {
public:
    using QTextDocumentLayout::QTextDocumentLayout;

    bool layingOutOnlyChanged = false;

protected:
    void documentChanged(int from, int oldLength, int length) override {
        if (!std::exchange(layingOutOnlyChanged, false)) {
            QTextDocumentLayout::documentChanged(from, oldLength, length);
            return;
        }
        const QTextDocument& text = *document();
        const ParagraphLayout paragraphs(*this);
        const QTextBlock first = text.findBlock(from);
        const QTextBlock end = text.findBlock(from + length).next();
        // The paragraphs beside the change too, in case one of them was merged into it.
        QTextBlock paragraph = first.previous().isValid() ? first.previous() : first;
        for (; paragraph.isValid(); paragraph = paragraph.next()) {
            if (paragraph != first && !hasLinesFor(paragraph))
                paragraphs.layOut(paragraph);
            if (paragraph == end)
                break;
        }
        // Qt lays out the first paragraph of the change and moves every other into place.
        QTextDocumentLayout::documentChanged(first.position(), 1, 1);
    }
};

ChangedParagraphsLayout* layoutOf(const QTextDocument& document) {
    return dynamic_cast<ChangedParagraphsLayout*>(document.documentLayout());
}

} // namespace

void ChangedParagraphs::installLayout(QTextDocument& document) {
    auto* layout = new ChangedParagraphsLayout(&document);
    // The control has the text measured for the widget it draws on.
    layout->setPaintDevice(document.documentLayout()->paintDevice());
    document.setDocumentLayout(layout);
}

void ChangedParagraphs::dropLines(QTextDocument& document, int first, int count) {
    QTextBlock paragraph = document.findBlockByNumber(first);
    for (int i = 0; i < count && paragraph.isValid(); ++i, paragraph = paragraph.next())
        paragraph.clearLayout();
}

bool ChangedParagraphs::layOutOnlyThem(QTextEdit& editor) {
    const QTextDocument& document = *editor.document();
    ChangedParagraphsLayout* layout = layoutOf(document);
    if (!layout || layout->layoutStatus() < 100 || !document.rootFrame()->childFrames().isEmpty() ||
        document.pageSize().height() > 0 || editor.lineWrapMode() == QTextEdit::FixedColumnWidth)
        return false;
    layout->layingOutOnlyChanged = true;
    return true;
}

bool ChangedParagraphs::othersKeepLines(const QTextDocument& document) {
    const ChangedParagraphsLayout* layout = layoutOf(document);
    return layout && layout->layingOutOnlyChanged;
}

#else

void ChangedParagraphs::installLayout(QTextDocument&) {}
void ChangedParagraphs::dropLines(QTextDocument&, int, int) {}
bool ChangedParagraphs::layOutOnlyThem(QTextEdit&) {
    return false;
}
bool ChangedParagraphs::othersKeepLines(const QTextDocument&) {
    return false;
}

#endif

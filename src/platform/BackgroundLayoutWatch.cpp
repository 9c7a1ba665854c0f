#include "platform/BackgroundLayoutWatch.h"

#include "platform/LayoutPause.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#ifdef QUILLET_TEXT_ENGINE
#include <QtGui/private/qtextdocumentlayout_p.h>
#endif

BackgroundLayoutWatch::BackgroundLayoutWatch(QTextEdit& editor)
    : QObject(&editor), m_editor(editor) {
#ifdef QUILLET_TEXT_ENGINE
    // contentsChange comes before the layout hears of the change, contentsChanged after.
    QTextDocument* document = editor.document();
    connect(document, &QTextDocument::contentsChange, this,
            [this] { m_wasLayingOut = layingOut(); });
    connect(document, &QTextDocument::contentsChanged, this, [this, document] {
        const bool ended =
            m_wasLayingOut && !layingOut() && document->lastBlock().layout()->lineCount() == 0;
        m_wasLayingOut = false;
        if (ended)
            layOutAgain();
    });
#endif
}

bool BackgroundLayoutWatch::layingOut() const {
#ifdef QUILLET_TEXT_ENGINE
    const auto* layout = qobject_cast<QTextDocumentLayout*>(m_editor.document()->documentLayout());
    return layout && layout->layoutStatus() < 100;
#else
    return false;
#endif
}

// Whichever costs less: laying out again in the background from the top, with the text down
// to the view at once, or laying out at once the rest the layout had not reached.
void BackgroundLayoutWatch::layOutAgain() {
#ifdef QUILLET_TEXT_ENGINE
    QTextDocument& document = *m_editor.document();
    auto* layout = qobject_cast<QTextDocumentLayout*>(document.documentLayout());
    QScrollBar& scroll = *m_editor.verticalScrollBar();
    const int shown = scroll.value();
    const int viewEnd =
        m_editor.cursorForPosition(QPoint(0, m_editor.viewport()->height())).position();
    QTextBlock rest = document.findBlock(viewEnd);
    while (rest.isValid() && rest.layout()->lineCount() > 0)
        rest = rest.next();
    const int restLength = document.characterCount() - rest.position(); // the last has none
    if (restLength < viewEnd) {
        document.markContentsDirty(rest.position(), restLength);
        return;
    }
    LayoutPause::layOutAgain(document);
    layout->ensureLayouted(shown + m_editor.viewport()->height());
    // The control learns the new height only later; the view needs it now to stay put.
    emit layout->documentSizeChanged(layout->dynamicDocumentSize());
    scroll.setValue(shown);
#endif
}

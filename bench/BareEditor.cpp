#include "BareEditor.h"

#include "platform/rtf/RtfReader.h"

#include <QApplication>

BareEditor::BareEditor(const QSize& size) {
    resize(size);
    show();
    setFocus();
}

void BareEditor::load(const QString& rtf) {
    RtfReader::read(rtf, *document());
    document()->setUndoRedoEnabled(false); // forgets the load, as Reset All does
    document()->setUndoRedoEnabled(true);
    QApplication::processEvents();
}

void BareEditor::layOutAgainTo(int position) {
    QTextDocument& text = *document();
    const QSizeF page = text.pageSize();
    text.setPageSize(QSizeF(0, 0));
    text.setPageSize(page);
    QTextCursor caret(&text);
    caret.setPosition(position);
    setTextCursor(caret);
}

#include "BareEditor.h"

#include "platform/LayoutPause.h"
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
    LayoutPause::layOutAgain(*document());
    QTextCursor caret(document());
    caret.setPosition(position);
    setTextCursor(caret);
}

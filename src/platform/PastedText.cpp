#include "platform/PastedText.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {
QTextCharFormat keptFormat(const QTextCharFormat& pasted) {
    QTextCharFormat kept;
    if (pasted.hasProperty(QTextFormat::ForegroundBrush))
        kept.setForeground(pasted.foreground());
    if (pasted.hasProperty(QTextFormat::BackgroundBrush))
        kept.setBackground(pasted.background());
    if (pasted.fontStrikeOut())
        kept.setFontStrikeOut(true);
    return kept;
}
} // namespace

namespace PastedText {

void insert(QTextCursor& cursor, const QTextDocumentFragment& pasted) {
    QTextDocument source;
    QTextCursor(&source).insertFragment(pasted);
    // One edit block: the document reports one change, and lays it out once.
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    for (QTextBlock block = source.begin(); block.isValid(); block = block.next()) {
        if (block != source.begin())
            cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid())
                cursor.insertText(fragment.text(), keptFormat(fragment.charFormat()));
        }
    }
    cursor.endEditBlock();
}

QTextDocumentFragment normalised(const QTextDocumentFragment& pasted) {
    QTextDocument result;
    QTextCursor out(&result);
    insert(out, pasted);
    return QTextDocumentFragment(&result);
}

} // namespace PastedText

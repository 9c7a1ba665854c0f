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

QTextDocumentFragment normalised(const QTextDocumentFragment& pasted) {
    QTextDocument source;
    QTextCursor(&source).insertFragment(pasted);

    QTextDocument result;
    QTextCursor out(&result);
    for (QTextBlock block = source.begin(); block.isValid(); block = block.next()) {
        if (block != source.begin())
            out.insertBlock(QTextBlockFormat(), QTextCharFormat());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid())
                out.insertText(fragment.text(), keptFormat(fragment.charFormat()));
        }
    }
    return QTextDocumentFragment(&result);
}

} // namespace PastedText

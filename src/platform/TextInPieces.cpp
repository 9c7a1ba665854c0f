#include "platform/TextInPieces.h"

#include "platform/LineBreaks.h"

#include <QTextCursor>
#include <QTextDocument>

namespace TextInPieces {

bool replace(QTextDocument& document, const QString& text,
             const TextDecoding::KeepGoing& keepGoing) {
    const QString internal = LineBreaks::toInternal(text);
    // A line break of its own keeps the new text's last line apart from the old first one.
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("\n"), QTextCharFormat());
    cursor.setPosition(0);
    for (qsizetype start = 0; start < internal.size(); start += kPieceSize) {
        cursor.insertText(internal.mid(start, kPieceSize), QTextCharFormat());
        if (!keepGoing(std::min(start + kPieceSize, internal.size()))) {
            cursor.movePosition(QTextCursor::NextCharacter); // the line break put in first
            cursor.setPosition(0, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
            return false;
        }
    }
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    return true;
}

} // namespace TextInPieces

#include "platform/TextInPieces.h"

#include "platform/LayoutPause.h"
#include "platform/LineBreaks.h"

#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <optional>

namespace {

// Inserts text at the start of the document, a piece at a time, each on its own line
// ahead of the old text. Returns the cursor just after it, or nothing when stopped, with
// what went in taken out again.
std::optional<QTextCursor> insertAhead(QTextDocument& document, const QString& text,
                                       const TextDecoding::KeepGoing& keepGoing) {
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("\n"), QTextCharFormat());
    cursor.setPosition(0);
    for (qsizetype start = 0; start < text.size(); start += TextInPieces::kPieceSize) {
        cursor.insertText(text.mid(start, TextInPieces::kPieceSize), QTextCharFormat());
        if (!keepGoing(std::min(start + TextInPieces::kPieceSize, text.size()))) {
            cursor.movePosition(QTextCursor::NextCharacter); // the line break put in first
            cursor.setPosition(0, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
            return std::nullopt;
        }
    }
    return cursor;
}

} // namespace

namespace TextInPieces {

bool replace(QTextEdit& control, const QString& text, const TextDecoding::KeepGoing& keepGoing) {
    QTextDocument& document = *control.document();
    const LayoutPause pause(document);
    std::optional<QTextCursor> end;
    {
        const QSignalBlocker quiet(control);
        end = insertAhead(document, LineBreaks::toInternal(text), keepGoing);
    }
    if (end) {
        end->movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        end->removeSelectedText();
        // Before the layout comes back: the caret's old place is at the end of the text,
        // which would have to be laid out before the control could move it.
        control.setTextCursor(QTextCursor(&document));
    }
    return end.has_value();
}

} // namespace TextInPieces

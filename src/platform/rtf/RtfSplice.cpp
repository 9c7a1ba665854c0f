#include "platform/rtf/RtfSplice.h"

#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfTokenizer.h"
#include "platform/rtf/RtfWriter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>

namespace {

bool isOneOf(QStringView word, std::initializer_list<const char*> words) {
    for (const char* w : words) {
        if (word == QLatin1String(w))
            return true;
    }
    return false;
}

// True when paragraphs read the same on their own as inside a whole document: they
// hold only what the writer puts in a body, so they change no table, leave no group
// open and pass no state on to the paragraph after them.
bool isPlainBody(QStringView paragraphs) {
    RtfTokenizer tokens(paragraphs);
    int depth = 0;
    bool fallbackDue = false; // \uN is followed by one fallback character
    for (RtfToken token = tokens.next(); token.kind != RtfToken::Kind::End; token = tokens.next()) {
        if (fallbackDue && token.kind != RtfToken::Kind::Text)
            return false;
        fallbackDue = false;
        switch (token.kind) {
        case RtfToken::Kind::GroupStart:
            if (++depth > 1)
                return false;
            break;
        case RtfToken::Kind::GroupEnd:
            if (--depth < 0)
                return false;
            break;
        case RtfToken::Kind::ControlSymbol:
            if (!isOneOf(QStringView(&token.symbol, 1), {"\\", "{", "}"}))
                return false;
            break;
        case RtfToken::Kind::ControlWord:
            if (token.word == u"u") {
                fallbackDue = true;
            } else if (token.word == u"par") {
                if (depth != 0)
                    return false;
            } else if (!isOneOf(token.word, {"tab", "line"}) &&
                       (depth == 0 || !isOneOf(token.word, {"f", "fs", "b", "i", "ul", "strike",
                                                            "cf", "highlight"}))) {
                return false;
            }
            break;
        case RtfToken::Kind::Text:
            break;
        default:
            return false;
        }
    }
    // A lone backslash at the end would escape the \par or brace after it in the whole string.
    const qsizetype size = paragraphs.size();
    qsizetype backslashes = 0;
    while (backslashes < size && paragraphs[size - 1 - backslashes] == u'\\')
        ++backslashes;
    return depth == 0 && !fallbackDue && backslashes % 2 == 0;
}

// Rebuilds only the paragraphs that the change touches; false, with the document
// untouched, when the strings' shape does not allow it.
bool applyToParagraphs(QTextDocument& document, const QString& current, qsizetype head,
                       const QString& block, qsizetype tail) {
    const qsizetype body = RtfWriter::bodyStart(current);
    if (body < 0 || head < body || tail < 1 || head + tail > current.size())
        return false;
    if (!document.rootFrame()->childFrames().isEmpty())
        return false; // tables: blocks would not map to lines one to one

    // From the start of the paragraph that holds the change's start to the end of the one
    // that holds its end (before its \par, or before the closing brace).
    const QStringView text(current);
    const qsizetype start = text.lastIndexOf(u'\n', head - 1) + 1;
    const qsizetype tailStart = current.size() - tail;
    const qsizetype lineEnd = text.indexOf(u'\n', tailStart + 4);
    const qsizetype stop = lineEnd < 0 ? current.size() - 1 : lineEnd - 4;
    if (stop < tailStart)
        return false;

    QString paragraphs = text.mid(start, head - start).toString();
    paragraphs += block;
    paragraphs += text.mid(tailStart, stop - tailStart);
    if (!isPlainBody(paragraphs))
        return false;
    const int first = int(text.mid(body, start - body).count(u'\n'));
    const int last = first + int(text.mid(start, stop - start).count(u'\n'));
    if (last + int(text.mid(stop).count(u'\n')) + 1 != document.blockCount())
        return false;

    const QTextBlock firstBlock = document.findBlockByNumber(first);
    const QTextBlock lastBlock = document.findBlockByNumber(last);
    const bool undoRedo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    cursor.setPosition(firstBlock.position());
    cursor.setPosition(lastBlock.position() + lastBlock.length() - 1, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    // As a paragraph of a fresh read would be.
    cursor.setBlockFormat(QTextBlockFormat());
    cursor.setBlockCharFormat(QTextCharFormat());
    RtfReader::insert(paragraphs.prepend(text.left(body)).append(u'}'), cursor);
    cursor.endEditBlock();
    document.setUndoRedoEnabled(undoRedo);
    return true;
}

} // namespace

namespace RtfSplice {

void apply(QTextDocument& document, const QString& current, qsizetype head, const QString& block,
           qsizetype tail) {
    if (!applyToParagraphs(document, current, head, block, tail))
        RtfReader::read(current.left(head) + block + current.right(tail), document);
}

} // namespace RtfSplice

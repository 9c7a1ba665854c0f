#pragma once

#include <QStringView>

class QTextCursor;
class QTextDocument;

// Reads an RTF string. Any input, however malformed, is read without crashing or hanging;
// what cannot be understood is skipped and the plain text that can be recovered is kept.
namespace RtfReader {
// Replaces the document's content, as one edit that the document's undo history skips.
void read(QStringView rtf, QTextDocument& document);
// Inserts the content at the cursor, leaving the rest of the document as it is.
void insert(QStringView rtf, QTextCursor& cursor);
} // namespace RtfReader

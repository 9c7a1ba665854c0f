#pragma once

#include <QTextDocumentFragment>

class QTextCursor;

// Rich text brought in by a paste keeps its text colour, background and strike-out;
// font, size, bold, italic, underline and any paragraph layout are dropped, so the
// pasted text looks like the rest of the post.
namespace PastedText {
// Puts the pasted text in at the cursor, in place of its selection, as it is kept.
void insert(QTextCursor& cursor, const QTextDocumentFragment& pasted);
// The pasted text as it is kept.
QTextDocumentFragment normalised(const QTextDocumentFragment& pasted);
} // namespace PastedText

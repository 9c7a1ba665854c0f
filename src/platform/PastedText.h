#pragma once

#include <QTextDocumentFragment>

// Rich text brought in by a paste keeps its text colour, background and strike-out;
// font, size, bold, italic, underline and any paragraph layout are dropped, so the
// pasted text looks like the rest of the post.
namespace PastedText {
QTextDocumentFragment normalised(const QTextDocumentFragment& pasted);
}

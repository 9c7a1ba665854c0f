#pragma once

#include "platform/TextDecoding.h"

#include <QString>

class QTextDocument;

// Puts a very large plain text in place of a document's text a piece at a time, so that
// the window still paints and takes a Cancel while it goes in. The new text goes in ahead
// of the old one, which stays as it was until the last piece is in: stopped at any piece,
// the document is left as it was.
namespace TextInPieces {

// Characters per piece: a piece goes in within a few tenths of a second.
inline constexpr qsizetype kPieceSize = 1 << 20;

// Replaces the document's text with text (any line breaks) in its plain format. After each
// piece keepGoing hears how many characters of text are in; false stops and takes them
// out again. Returns whether the text was replaced.
bool replace(QTextDocument& document, const QString& text,
             const TextDecoding::KeepGoing& keepGoing);

} // namespace TextInPieces

#pragma once

#include "platform/TextDecoding.h"

#include <QString>

class QTextEdit;

// Puts a very large plain text in place of a text control's text a piece at a time, so
// that the window still paints and takes a Cancel while it goes in. The new text goes in
// ahead of the old one, which stays as it was until the last piece is in, and the control
// lays the new text out once, after the last piece, as it does a text set whole.
namespace TextInPieces {

// Characters per piece.
inline constexpr qsizetype kPieceSize = 1 << 20;

// Replaces the control's text with text (any line breaks) in its plain format, caret at
// the start. After each piece keepGoing hears how many characters of text are in; false
// stops and takes them out again. The control's listeners hear of one change, the
// replacement, and of none when it was stopped. Returns whether the text was replaced.
bool replace(QTextEdit& control, const QString& text, const TextDecoding::KeepGoing& keepGoing);

} // namespace TextInPieces

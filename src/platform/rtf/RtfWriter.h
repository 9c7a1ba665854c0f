#pragma once

#include <QString>
#include <QStringView>

class QTextDocument;

// Writes what the editing surface can hold (font, size, bold, italic, underline, strike,
// text and background colour, paragraphs, any Unicode character) as one RTF string.
namespace RtfWriter {
// The header (font and colour tables) comes first; then one paragraph a line, each ended
// by \par but the last, and the closing brace. Text holds no raw line break.
QString write(const QTextDocument& document);
// Where the paragraphs of a string that write() made begin; -1 when it is not one.
qsizetype bodyStart(QStringView rtf);
} // namespace RtfWriter

#pragma once

#include <QString>
#include <QStringView>

class QTextBlock;
class QTextDocument;

// Writes what the editing surface can hold (font, size, bold, italic, underline, strike,
// text and background colour, paragraphs, any Unicode character) as one RTF string.
namespace RtfWriter {
// The header (font and colour tables) comes first; then one paragraph a line, each ended
// by \par but the last, and the closing brace. Text holds no raw line break.
QString write(const QTextDocument& document);
// The same for the paragraphs from first to last alone, with tables of what they use.
QString write(const QTextBlock& first, const QTextBlock& last);
// The header of a text that uses no font and no colour.
QString emptyHeader();
// Where the paragraphs of a string that write() made begin; -1 when it is not one.
qsizetype bodyStart(QStringView rtf);
} // namespace RtfWriter

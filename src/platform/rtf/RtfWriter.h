#pragma once

#include <QString>

class QTextDocument;

// Writes what the editing surface can hold (font, size, bold, italic, underline, strike,
// text and background colour, paragraphs, any Unicode character) as one RTF string.
namespace RtfWriter {
QString write(const QTextDocument& document);
}

#pragma once

#include <QString>

class QTextDocument;

// Replaces the document's content with what an RTF string describes. Any input, however
// malformed, is read without crashing or hanging; what cannot be understood is skipped
// and the plain text that can be recovered is kept.
namespace RtfReader {
void read(const QString& rtf, QTextDocument& document);
}

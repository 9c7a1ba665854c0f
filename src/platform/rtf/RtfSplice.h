#pragma once

#include <QString>

class QTextDocument;

namespace RtfSplice {

// Gives the document the content current.left(head) + block + current.right(tail), where
// current is what RtfWriter::write makes of the document now. The text and everything the
// RTF carries come out as RtfReader::read of that string would make them. When the change
// lies in whole paragraphs of plain writer output, under the same font and colour tables,
// only those paragraphs are rebuilt, so the rest of the document keeps its layout.
void apply(QTextDocument& document, const QString& current, qsizetype head, const QString& block,
           qsizetype tail);

} // namespace RtfSplice

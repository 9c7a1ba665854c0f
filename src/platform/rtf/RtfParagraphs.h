#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

class QTextDocument;

// Paragraphs of a document as compact RTF images: the writer's output for those paragraphs
// alone, in Latin-1 (the writer writes nothing but ASCII), and without its header when the
// paragraphs use no font and no colour. A one-line image costs about its text.
namespace RtfParagraphs {
// The image of the paragraphs (blocks) numbered first to last.
QByteArray write(const QTextDocument& document, int first, int last);
// One image of the paragraphs of several images, in order.
QByteArray join(std::vector<QByteArray>::const_iterator begin,
                std::vector<QByteArray>::const_iterator end);
// Replaces count paragraphs from the one numbered first with the image's paragraphs, as one
// edit. The rest of the document keeps its blocks and their layout.
void replace(QTextDocument& document, int first, int count, QByteArrayView image);
} // namespace RtfParagraphs

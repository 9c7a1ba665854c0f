// Replaces any run of paragraphs of a document with the paragraphs of another, as Undo and
// Redo put changed paragraphs back, and checks that the new paragraphs read as their image
// says and that the paragraphs around them stay as they were. The raw input as an image
// is put in too: whatever it holds, the document comes out whole.
//
// Input: two bytes choose the first paragraph replaced and two how many (each taken modulo
// what fits); the rest is the document's RTF, then a NUL, then the RTF put in.
#include "FuzzSupport.h"
#include "platform/rtf/RtfParagraphs.h"
#include "platform/rtf/RtfReader.h"

#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>

using FuzzSupport::check;

namespace {

int numberAt(const uint8_t* data) {
    return int(data[0]) << 8 | data[1];
}

QStringList paragraphs(const QTextDocument& document) {
    QStringList texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        texts.append(block.text());
    return texts;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzSupport::startGuiApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4)
        return 0;
    const QByteArray rest(reinterpret_cast<const char*>(data + 4), qsizetype(size - 4));
    const qsizetype split = rest.indexOf('\0');
    QTextDocument document, source;
    RtfReader::read(QString::fromUtf8(split < 0 ? rest : rest.left(split)), document);
    RtfReader::read(split < 0 ? QString() : QString::fromUtf8(rest.mid(split + 1)), source);

    const QStringList before = paragraphs(document);
    const int first = numberAt(data) % document.blockCount();
    const int count = 1 + numberAt(data + 2) % (document.blockCount() - first);
    const QByteArray image = RtfParagraphs::write(source, 0, source.blockCount() - 1);
    RtfParagraphs::replace(document, first, count, image);

    const QStringList expected =
        before.mid(0, first) + paragraphs(source) + before.mid(first + count);
    check(paragraphs(document) == expected);
    check(RtfParagraphs::write(document, first, first + source.blockCount() - 1) == image);

    RtfParagraphs::replace(document, 0, document.blockCount(), rest);
    check(document.blockCount() >= 1);
    return 0;
}

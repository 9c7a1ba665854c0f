// Splices any block into the RTF of any document, as Undo and Redo put a changed range
// back, and checks that the document comes out as a full read of the spliced string
// would make it: the same plain text and the same RTF.
//
// Input: two bytes choose where the change starts and two how much it replaces (each
// taken modulo what fits); the rest is the document's RTF, then a NUL, then the block.
#include "FuzzSupport.h"
#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfSplice.h"
#include "platform/rtf/RtfWriter.h"

#include <QTextDocument>

using FuzzSupport::check;

namespace {

qsizetype numberAt(const uint8_t* data) {
    return qsizetype(data[0]) << 8 | data[1];
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
    QTextDocument document;
    RtfReader::read(QString::fromUtf8(split < 0 ? rest : rest.left(split)), document);
    const QString block = split < 0 ? QString() : QString::fromUtf8(rest.mid(split + 1));

    const QString current = RtfWriter::write(document);
    const qsizetype head = numberAt(data) % (current.size() + 1);
    const qsizetype tail = current.size() - head - numberAt(data + 2) % (current.size() - head + 1);
    const QString spliced = current.left(head) + block + current.right(tail);
    RtfSplice::apply(document, current, head, block, tail);

    QTextDocument full;
    RtfReader::read(spliced, full);
    check(document.toPlainText() == full.toPlainText());
    check(RtfWriter::write(document) == RtfWriter::write(full));
    return 0;
}

// Feeds arbitrary bytes to the RTF reader. Whatever it makes of them must write out and
// read back to the same plain text and the same RTF; a crash, a hang or a difference is
// a finding.
#include "FuzzSupport.h"
#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfWriter.h"

#include <QTextDocument>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    FuzzSupport::startGuiApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    // The first byte chooses how the rest is decoded: both kinds of text reach the reader.
    const auto* bytes = reinterpret_cast<const char*>(data + 1);
    const auto length = qsizetype(size - 1);
    const QString input =
        data[0] & 1 ? QString::fromUtf8(bytes, length) : QString::fromLatin1(bytes, length);

    QTextDocument first;
    RtfReader::read(input, first);
    const QString written = RtfWriter::write(first);
    QTextDocument second;
    RtfReader::read(written, second);
    FuzzSupport::check(second.toPlainText() == first.toPlainText() &&
                       RtfWriter::write(second) == written);
    return 0;
}

// Reads any bytes as a custom text file and checks the line rule: entries never hold a
// carriage return, they are the text cut at CR or CR LF, and writing them gives a file
// that reads back as the same entries.
#include "FuzzSupport.h"
#include "settings/CustomTextFile.h"

using FuzzSupport::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = FuzzSupport::textOf(data, size);
    const QStringList entries = CustomTextFile::parseEntries(text);
    for (const QString& entry : entries)
        check(!entry.contains(u'\r'));

    QString breaksAsCr = text;
    breaksAsCr.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    QString rebuilt = entries.join(u'\r');
    if (breaksAsCr.endsWith(u'\r'))
        rebuilt += u'\r';
    check(rebuilt == breaksAsCr);

    check(CustomTextFile::parseEntries(CustomTextFile::formatEntries(entries)) == entries);
    return 0;
}

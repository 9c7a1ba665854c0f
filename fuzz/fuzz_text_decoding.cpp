// Decodes any bytes as a text file and checks that nothing is lost: UTF-8 input gives
// back the same bytes, a byte order mark aside; Windows-1252 input gives one distinct
// character per byte; and the strict UTF-8 test agrees with Qt's own decoder. The line
// break helpers keep every character too.
#include "FuzzSupport.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringList>

using FuzzSupport::check;
using namespace TextDecoding;

namespace {

// The byte each Windows-1252 character came from; the table having 256 entries shows
// that no two bytes share a character.
const QHash<QChar, unsigned char>& windows1252Bytes() {
    static const QHash<QChar, unsigned char> bytes = [] {
        QHash<QChar, unsigned char> table;
        for (int byte = 0; byte < 256; ++byte)
            table.insert(fromWindows1252(static_cast<unsigned char>(byte)), uchar(byte));
        check(table.size() == 256);
        return table;
    }();
    return bytes;
}

// Each piece is one line with its own break, only the last may lack one, and the pieces
// and the normalised text hold every character and every break.
void checkLineBreaks(const QString& text) {
    const QStringList pieces = splitKeepingLineBreaks(text);
    check(pieces.join(QString()) == text);
    qsizetype breaks = 0;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        QString line = pieces.at(i);
        check(!line.isEmpty());
        if (line.endsWith(u"\r\n"))
            line.chop(2);
        else if (line.endsWith(u'\r') || line.endsWith(u'\n'))
            line.chop(1);
        else
            check(i == pieces.size() - 1);
        breaks += line.size() < pieces.at(i).size();
        check(!line.contains(u'\r') && !line.contains(u'\n'));
    }
    const QString withLf = normalizeLineBreaks(text, u"\n");
    check(!withLf.contains(u'\r') && withLf.count(u'\n') == breaks);
    check(withLf.size() == text.size() - text.count(QStringLiteral("\r\n")));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const DecodedText decoded = decode(bytes);
    const bool valid = isValidUtf8(bytes);
    // Qt's decoder replaces whatever is not strict UTF-8, so only valid input comes back.
    QStringDecoder qtDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom |
                                                       QStringDecoder::Flag::Stateless);
    const QString qtText = qtDecoder.decode(bytes);
    check(valid == !qtDecoder.hasError() && valid == (qtText.toUtf8() == bytes));
    switch (decoded.encoding) {
    case SourceEncoding::Utf8:
        check(valid && decoded.text.toUtf8() == bytes);
        break;
    case SourceEncoding::Utf8WithBom:
        check(valid && "\xEF\xBB\xBF" + decoded.text.toUtf8() == bytes);
        break;
    case SourceEncoding::Windows1252:
        check(!valid && decoded.text.size() == bytes.size());
        for (qsizetype i = 0; i < bytes.size(); ++i)
            check(windows1252Bytes().value(decoded.text.at(i)) == uchar(bytes.at(i)));
        break;
    }
    checkLineBreaks(decoded.text);
    return 0;
}

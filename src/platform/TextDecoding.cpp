#include "platform/TextDecoding.h"

#include <QStringDecoder>
#include <array>

namespace TextDecoding {

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

// Windows-1252 characters for the bytes 0x80-0x9F; the five unassigned bytes keep their
// own value.
constexpr std::array<char16_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

} // namespace

bool isValidUtf8(const QByteArray& bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        const unsigned char lead = data[i];
        int length = 0;
        char32_t codePoint = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            codePoint = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            codePoint = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            codePoint = lead & 0x07;
        } else {
            return false;
        }
        if (size - i < length)
            return false;
        for (int k = 1; k < length; ++k) {
            if (!isContinuation(data[i + k]))
                return false;
            codePoint = (codePoint << 6) | (data[i + k] & 0x3F);
        }
        static constexpr char32_t kSmallestForLength[] = {0, 0, 0x80, 0x800, 0x10000};
        if (codePoint < kSmallestForLength[length] || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

QChar fromWindows1252(unsigned char byte) {
    const bool inHighControlRange = byte >= 0x80 && byte <= 0x9F;
    return QChar(inHighControlRange ? kHighControlRange[byte - 0x80] : char16_t(byte));
}

QString fromWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes)
        *out++ = fromWindows1252(static_cast<unsigned char>(c));
    return text;
}

DecodedText decode(const QByteArray& bytes) {
    if (!isValidUtf8(bytes))
        return {fromWindows1252(bytes), SourceEncoding::Windows1252};
    if (bytes.startsWith(kUtf8Bom)) {
        // Decoded with the mark, then the mark dropped: QString::fromUtf8 would take a U+FEFF
        // right after it for a second mark and drop that character too.
        QStringDecoder toText(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        return {QString(toText(bytes)).mid(1), SourceEncoding::Utf8WithBom};
    }
    return {QString::fromUtf8(bytes), SourceEncoding::Utf8};
}

QByteArray encode(const QString& text, bool withByteOrderMark) {
    const QByteArray body = text.toUtf8();
    // A text that starts with U+FEFF needs a mark before it, or reading takes it for one.
    return withByteOrderMark || text.startsWith(QChar(0xFEFF)) ? kUtf8Bom + body : body;
}

QString normalizeLineBreaks(const QString& text, QStringView lineBreak) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            if (i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            result += lineBreak;
        } else if (c == u'\n') {
            result += lineBreak;
        } else {
            result += c;
        }
    }
    return result;
}

QStringList splitKeepingLineBreaks(const QString& text) {
    QStringList pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        pieces.append(text.mid(start, i + 1 - start));
        start = i + 1;
    }
    if (start < text.size())
        pieces.append(text.mid(start));
    return pieces;
}

QString firstLineBreak(const QString& text, const QString& fallback) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'\n')
            return QStringLiteral("\n");
        if (text.at(i) == u'\r')
            return text.mid(i, 2) == u"\r\n" ? QStringLiteral("\r\n") : QStringLiteral("\r");
    }
    return fallback;
}

} // namespace TextDecoding

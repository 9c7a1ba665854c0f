#include "platform/TextDecoding.h"

#include <QList>
#include <QStringDecoder>
#include <algorithm>
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

// Long texts are decoded in pieces of this size, so that progress can be shown between them.
constexpr qsizetype kPieceSize = 1 << 20;

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The bytes cut into pieces of about pieceSize, each cut moved back (at most three bytes)
// to the start of a character, so that each piece checks and converts alone as it would
// within the whole.
QList<QByteArrayView> piecesOf(const QByteArray& bytes, qsizetype pieceSize) {
    QList<QByteArrayView> pieces;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    for (qsizetype start = 0; start < bytes.size();) {
        qsizetype end = std::min(start + pieceSize, bytes.size());
        for (int back = 0;
             back < 3 && end < bytes.size() && end - 1 > start && isContinuation(data[end]); ++back)
            --end;
        pieces.append(QByteArrayView(bytes).sliced(start, end - start));
        start = end;
    }
    return pieces;
}

std::optional<char> toWindows1252(QChar c) {
    const char16_t code = c.unicode();
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return char(code);
    const auto* found = std::find(kHighControlRange.begin(), kHighControlRange.end(), code);
    if (found == kHighControlRange.end())
        return std::nullopt;
    return char(0x80 + (found - kHighControlRange.begin()));
}

} // namespace

bool isValidUtf8(QByteArrayView bytes) {
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

QString fromWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes)
        *out++ = fromWindows1252(static_cast<unsigned char>(c));
    return text;
}

DecodedText decode(const QByteArray& bytes) {
    return *decode(bytes, KeepGoing());
}

std::optional<DecodedText> decode(const QByteArray& bytes, const KeepGoing& keepGoing) {
    // Without progress to show, the whole text is one piece.
    const QList<QByteArrayView> pieces =
        piecesOf(bytes, keepGoing ? kPieceSize : std::max<qsizetype>(bytes.size(), 1));
    const auto stopped = [&keepGoing](qint64 done) { return keepGoing && !keepGoing(done); };
    bool valid = true;
    qint64 done = 0;
    for (const QByteArrayView piece : pieces) {
        valid = valid && isValidUtf8(piece);
        if (stopped(done += piece.size()))
            return std::nullopt;
    }
    DecodedText decoded;
    decoded.encoding = !valid                       ? SourceEncoding::Windows1252
                       : bytes.startsWith(kUtf8Bom) ? SourceEncoding::Utf8WithBom
                                                    : SourceEncoding::Utf8;
    if (pieces.size() > 1)
        decoded.text.reserve(bytes.size());
    // One decoder for all pieces, keeping the mark as a character: QString::fromUtf8 would
    // drop a U+FEFF at the start of every piece, the text's own one after the mark included.
    QStringDecoder toText(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    for (const QByteArrayView piece : pieces) {
        done += piece.size();
        decoded.text += valid ? QString(toText(piece)) : fromWindows1252(piece);
        if (stopped(done))
            return std::nullopt;
    }
    if (decoded.encoding == SourceEncoding::Utf8WithBom)
        decoded.text.remove(0, 1);
    return decoded;
}

bool fitsWindows1252(QStringView text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return toWindows1252(c).has_value(); });
}

QByteArray encode(const QString& text, SourceEncoding encoding) {
    if (encoding == SourceEncoding::Windows1252 && fitsWindows1252(text)) {
        QByteArray bytes(text.size(), Qt::Uninitialized);
        std::transform(text.begin(), text.end(), bytes.begin(),
                       [](QChar c) { return *toWindows1252(c); });
        return bytes;
    }
    const QByteArray body = text.toUtf8();
    // A text that starts with U+FEFF needs a mark before it, or reading takes it for one.
    return encoding == SourceEncoding::Utf8WithBom || text.startsWith(QChar(0xFEFF))
               ? kUtf8Bom + body
               : body;
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

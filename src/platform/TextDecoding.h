#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

// Turns the bytes of a text file into text and back. Files written by this program are
// UTF-8; files written by older Windows programs are 8-bit Windows-1252, so anything that
// is not valid UTF-8 is read as Windows-1252 and opens without loss.
namespace TextDecoding {

enum class SourceEncoding { Utf8, Utf8WithBom, Windows1252 };

struct DecodedText {
    QString text;
    SourceEncoding encoding = SourceEncoding::Utf8;
};

// Strict check: no overlong forms, no surrogates, nothing above U+10FFFF, no cut sequence.
bool isValidUtf8(const QByteArray& bytes);

// Every one of the 256 byte values has a character, so this never fails or loses a byte:
// 0x80-0x9F carry the Windows punctuation, and its five unassigned values map to the
// C1 controls of the same number, as Windows itself maps them.
QString fromWindows1252(const QByteArray& bytes);
QChar fromWindows1252(unsigned char byte);

// UTF-8 (a leading byte order mark is dropped) when valid, otherwise Windows-1252.
DecodedText decode(const QByteArray& bytes);

// The bytes to write: UTF-8, with a byte order mark only when asked for.
QByteArray encode(const QString& text, bool withByteOrderMark);

// Every line break (CR LF, lone LF, lone CR) replaced by lineBreak.
QString normalizeLineBreaks(const QString& text, QStringView lineBreak);

// The text cut at every line break (CR LF, LF, CR), each piece keeping its own break, so
// that joining the pieces gives the text back unchanged. A final piece without a break is
// kept; a text that ends in a break gives no empty piece after it.
QStringList splitKeepingLineBreaks(const QString& text);

// The first line break of the text, or fallback when it has none.
QString firstLineBreak(const QString& text, const QString& fallback);

} // namespace TextDecoding

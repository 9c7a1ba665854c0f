#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <optional>

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
bool isValidUtf8(QByteArrayView bytes);

// Every one of the 256 byte values has a character, so this never fails or loses a byte:
// 0x80-0x9F carry the Windows punctuation, and its five unassigned values map to the
// C1 controls of the same number, as Windows itself maps them.
QString fromWindows1252(QByteArrayView bytes);
QChar fromWindows1252(unsigned char byte);

// UTF-8 (a leading byte order mark is dropped) when valid, otherwise Windows-1252.
DecodedText decode(const QByteArray& bytes);

// Told how much of a long task is done, in the task's own units; returns false to stop it.
using KeepGoing = std::function<bool(qint64 done)>;

// As decode, in pieces of about a megabyte, so that a long text can show its progress: the
// bytes are checked, then converted, and keepGoing hears of each piece twice (done counts
// up to twice the size). Nothing when keepGoing stopped it.
std::optional<DecodedText> decode(const QByteArray& bytes, const KeepGoing& keepGoing);

// UTF-8 for a file the program rewrites, with a byte order mark where it had one.
inline SourceEncoding asUtf8(SourceEncoding read) {
    return read == SourceEncoding::Utf8WithBom ? read : SourceEncoding::Utf8;
}

// Whether every character has a Windows-1252 byte.
bool fitsWindows1252(QStringView text);

// The bytes to write in the given encoding. A text that does not fit Windows-1252 is
// written as UTF-8 instead, so that no character is lost.
QByteArray encode(const QString& text, SourceEncoding encoding);

// Every line break (CR LF, lone LF, lone CR) replaced by lineBreak.
QString normalizeLineBreaks(const QString& text, QStringView lineBreak);

// The text cut at every line break (CR LF, LF, CR), each piece keeping its own break, so
// that joining the pieces gives the text back unchanged. A final piece without a break is
// kept; a text that ends in a break gives no empty piece after it.
QStringList splitKeepingLineBreaks(const QString& text);

// The first line break of the text, or fallback when it has none.
QString firstLineBreak(const QString& text, const QString& fallback);

} // namespace TextDecoding

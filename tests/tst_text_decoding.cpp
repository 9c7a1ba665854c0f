// Text files' bytes: the strict UTF-8 test that decides the encoding, the Windows-1252
// fallback, and writes that never damage the file they replace. Opening and saving posts
// and the settings file exercise the rest.
#include "platform/TextDecoding.h"
#include "platform/TextFile.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace TextDecoding;

class TestTextDecoding : public QObject {
    Q_OBJECT

private slots:
    void decodeTakesStrictUtf8OrElseWindows1252_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<SourceEncoding>("encoding");
        const auto row = [](const char* name, const char* bytes, SourceEncoding encoding) {
            QTest::newRow(name) << QByteArray(bytes) << encoding;
        };
        row("empty", "", SourceEncoding::Utf8);
        row("two, three, four bytes", "\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80",
            SourceEncoding::Utf8);
        row("bom", "\xEF\xBB\xBFok", SourceEncoding::Utf8WithBom);
        row("bom, then U+FEFF as text", "\xEF\xBB\xBF\xEF\xBB\xBFok", SourceEncoding::Utf8WithBom);
        row("overlong slash", "\xC0\xAF", SourceEncoding::Windows1252);
        row("overlong three bytes", "\xE0\x80\xAF", SourceEncoding::Windows1252);
        row("surrogate", "\xED\xA0\x80", SourceEncoding::Windows1252);
        row("above U+10FFFF", "\xF4\x90\x80\x80", SourceEncoding::Windows1252);
        row("cut at end", "abc\xE2\x82", SourceEncoding::Windows1252);
        row("lone continuation", "a\x80z", SourceEncoding::Windows1252);
        row("five-byte lead", "\xF8\x88\x80\x80\x80", SourceEncoding::Windows1252);
        // Long texts are decoded in pieces of a megabyte, cut between characters.
        const QByteArray piece((1 << 20) - 1, 'a');
        QTest::newRow("euro across a piece's end")
            << piece + "\xE2\x82\xAC" << SourceEncoding::Utf8;
        QTest::newRow("U+FEFF starting a piece")
            << piece + "a\xEF\xBB\xBFx" << SourceEncoding::Utf8;
        QTest::newRow("bad byte in the last piece")
            << piece + piece + "\xE9" << SourceEncoding::Windows1252;
    }

    void decodeTakesStrictUtf8OrElseWindows1252() {
        QFETCH(QByteArray, bytes);
        QFETCH(SourceEncoding, encoding);
        const DecodedText decoded = decode(bytes);
        QCOMPARE(decoded.encoding, encoding);
        if (encoding == SourceEncoding::Windows1252)
            QCOMPARE(decoded.text.size(), bytes.size()); // one character for every byte
        else                                             // every character but the mark
            QCOMPARE(decoded.text.toUtf8(),
                     bytes.mid(encoding == SourceEncoding::Utf8WithBom ? 3 : 0));
        QCOMPARE(encode(decoded.text, encoding), bytes); // saved as it was read

        const auto inPieces = decode(bytes, [](qint64) { return true; });
        QCOMPARE(inPieces->text, decoded.text);
        QCOMPARE(inPieces->encoding, encoding);
    }

    void windows1252MapsEveryByte() {
        QByteArray all;
        for (int byte = 0; byte < 256; ++byte)
            all.append(char(byte));
        const QString text = fromWindows1252(all);
        QCOMPARE(text.at(0x80), QChar(0x20AC)); // euro
        for (int unassigned : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
            QCOMPARE(text.at(unassigned), QChar(unassigned));
        // 256 distinct characters: nothing is lost.
        QCOMPARE(QSet<QChar>(text.cbegin(), text.cend()).size(), 256);
        // A character without a byte (U+0080 is not the euro's 0x80) turns the text to UTF-8.
        QVERIFY(!fitsWindows1252(text + QChar(0x80)));
        QCOMPARE(encode(text + QChar(0x263A), SourceEncoding::Windows1252),
                 (text + QChar(0x263A)).toUtf8());
    }

    void textFileRefusesWhatItCannotReplace() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("folder.txt")); // a folder in place of the file
        QVERIFY(!TextFile::write(dir.filePath("folder.txt"), "x"));
        QVERIFY(TextFile::write(dir.filePath("notes.txt"), "first"));
        QVERIFY(!TextFile::write(dir.filePath("notes.txt/inside.txt"), "x"));
        QCOMPARE(TextFile::read(dir.filePath("notes.txt"))->text, "first");
    }
};

QTEST_GUILESS_MAIN(TestTextDecoding)
#include "tst_text_decoding.moc"

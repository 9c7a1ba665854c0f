#include "platform/TextDecoding.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace TextDecoding;
using namespace Qt::StringLiterals;

class TestTextDecoding : public QObject {
    Q_OBJECT

private slots:
    void utf8Validity_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("ascii") << QByteArray("plain [b]text[/b]") << true;
        QTest::newRow("two, three, four bytes")
            << QByteArray("\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80") << true;
        QTest::newRow("bom") << QByteArray("\xEF\xBB\xBFok") << true;
        QTest::newRow("latin-1 e acute") << QByteArray("caf\xE9") << false;
        QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << false;
        QTest::newRow("overlong three bytes") << QByteArray("\xE0\x80\xAF") << false;
        QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << false;
        QTest::newRow("above U+10FFFF") << QByteArray("\xF4\x90\x80\x80") << false;
        QTest::newRow("cut at end") << QByteArray("abc\xE2\x82") << false;
        QTest::newRow("lone continuation") << QByteArray("a\x80z") << false;
        QTest::newRow("five-byte lead") << QByteArray("\xF8\x88\x80\x80\x80") << false;
    }
    void utf8Validity() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QCOMPARE(isValidUtf8(bytes), valid);
    }

    void windows1252MapsEveryByte() {
        QByteArray all;
        for (int byte = 0; byte < 256; ++byte)
            all.append(char(byte));
        const QString text = fromWindows1252(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text.at(0x80), QChar(0x20AC)); // euro
        QCOMPARE(text.at(0x93), QChar(0x201C)); // left double quote
        for (int unassigned : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
            QCOMPARE(text.at(unassigned), QChar(unassigned));
        QCOMPARE(text.at(0xE9), QChar(0x00E9));
        // 256 distinct characters: nothing is lost.
        QCOMPARE(QSet<QChar>(text.cbegin(), text.cend()).size(), 256);
    }

    void decodeChoosesEncoding() {
        const DecodedText utf8 = decode("caf\xC3\xA9");
        QCOMPARE(utf8.text, u"café"_s);
        QCOMPARE(utf8.encoding, SourceEncoding::Utf8);

        const DecodedText withBom = decode("\xEF\xBB\xBF"
                                           "caf\xC3\xA9");
        QCOMPARE(withBom.text, u"café"_s);
        QCOMPARE(withBom.encoding, SourceEncoding::Utf8WithBom);

        const DecodedText windows = decode("\x93quoted\x94 caf\xE9");
        QCOMPARE(windows.text, u"\u201Cquoted\u201D café"_s);
        QCOMPARE(windows.encoding, SourceEncoding::Windows1252);
    }

    void encodeWritesUtf8() {
        QCOMPARE(encode(u"€"_s), QByteArray("\xE2\x82\xAC"));
        QCOMPARE(encode(u"a"_s, true), QByteArray("\xEF\xBB\xBF"
                                                  "a"));
    }

    void lineBreaks() {
        const QString mixed = u"a\r\nb\nc\rd\r\n\r\n"_s;
        QCOMPARE(normalizeLineBreaks(mixed, u"\r\n"), u"a\r\nb\r\nc\r\nd\r\n\r\n"_s);
        QCOMPARE(normalizeLineBreaks(mixed, u"\n"), u"a\nb\nc\nd\n\n"_s);
        QCOMPARE(splitKeepingLineBreaks(mixed),
                 QStringList({"a\r\n", "b\n", "c\r", "d\r\n", "\r\n"}));
        QCOMPARE(splitKeepingLineBreaks(u"x\ny"_s), QStringList({"x\n", "y"}));
        QCOMPARE(splitKeepingLineBreaks(QString()), QStringList());
        QCOMPARE(firstLineBreak(u"a\nb\r\n"_s), u"\n"_s);
        QCOMPARE(firstLineBreak(u"a\rb"_s), u"\r"_s);
        QCOMPARE(firstLineBreak(u"none"_s), u"\r\n"_s);
    }

    void textFileWriteFailureKeepsOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("notes.txt");
        QVERIFY(TextFile::write(path, u"first"_s));
        QVERIFY(!TextFile::read(dir.filePath("missing.txt")).has_value());
        // A folder in place of the file cannot be replaced.
        QVERIFY(QDir(dir.path()).mkdir("folder.txt"));
        QVERIFY(!TextFile::write(dir.filePath("folder.txt"), u"x"_s));
        QVERIFY(!TextFile::write(dir.filePath("notes.txt/inside.txt"), u"x"_s));
        QCOMPARE(TextFile::read(path)->text, u"first"_s);
    }
};

QTEST_GUILESS_MAIN(TestTextDecoding)
#include "tst_text_decoding.moc"

#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfSplice.h"
#include "platform/rtf/RtfWriter.h"

#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

namespace {

QString roundTrip(const QString& rtf) {
    QTextDocument document;
    RtfReader::read(rtf, document);
    return RtfWriter::write(document);
}

QTextCharFormat formatAt(const QTextDocument& document, int position) {
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

// The lengths of the common head of two strings and of their common tail after it.
std::pair<int, int> commonEnds(const QString& a, const QString& b) {
    int head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    int tail = 0;
    while (tail < a.size() - head && tail < b.size() - head &&
           a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    return {head, tail};
}

// Length of the region in which two strings differ, between their common head and tail.
int differingSpan(const QString& a, const QString& b) {
    const auto [head, tail] = commonEnds(a, b);
    return int(std::max(a.size(), b.size())) - head - tail;
}

QTextCharFormat randomFormat(QRandomGenerator& random) {
    QTextCharFormat format;
    const quint32 bits = random.generate();
    if (bits & 1)
        format.setFontFamilies({bits & 2 ? "Verdana" : "Courier New"});
    if (bits & 4)
        format.setFontPointSize(8 + (bits >> 20) % 12);
    if (bits & 8)
        format.setFontWeight(QFont::Bold);
    if (bits & 16)
        format.setFontItalic(true);
    if (bits & 32)
        format.setFontUnderline(true);
    if (bits & 64)
        format.setFontStrikeOut(true);
    if (bits & 128)
        format.setForeground(QColor::fromRgb((bits >> 8) % 4 * 80, 0, 200));
    if (bits & 256)
        format.setBackground(QColor::fromRgb(255, (bits >> 12) % 3 * 100, 0));
    return format;
}

// Text with the characters RTF treats specially, non-ASCII, surrogate pairs, tabs and
// line breaks, in runs of random formatting and paragraphs of which some are empty.
void fillRandomly(QTextDocument& document, QRandomGenerator& random) {
    static const QStringList pieces =
        QString::fromUtf8("word| |{|}|\\|\\par|\t|\u2028|é€|😀👍🏽|中文|?").split(u'|');
    QTextCursor cursor(&document);
    for (int run = int(random.bounded(1, 40)); run > 0; --run) {
        if (random.bounded(6) == 0)
            cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        QString text;
        for (int i = int(random.bounded(1, 5)); i > 0; --i)
            text += pieces[random.bounded(int(pieces.size()))];
        cursor.insertText(text, random.bounded(2) ? randomFormat(random) : QTextCharFormat());
    }
}

// Marks every paragraph with a property the RTF does not carry, so a test can tell which
// paragraphs a rebuild left alone.
constexpr int kMark = QTextFormat::UserProperty + 1;

void markParagraphs(QTextDocument& document) {
    QTextBlockFormat mark;
    mark.setProperty(kMark, true);
    QTextCursor cursor(&document);
    cursor.select(QTextCursor::Document);
    cursor.mergeBlockFormat(mark);
}

int markedParagraphs(const QTextDocument& document) {
    int marked = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        marked += block.blockFormat().hasProperty(kMark);
    return marked;
}

} // namespace

class TestRtf : public QObject {
    Q_OBJECT
private slots:
    void everyAttributeSurvivesARoundTrip_data() {
        QTest::addColumn<QTextCharFormat>("format");
        const auto row = [](const char* name, auto set) {
            QTextCharFormat format;
            set(format);
            QTest::newRow(name) << format;
        };
        row("family", [](auto& f) { f.setFontFamilies({"Courier New"}); });
        row("family with RTF characters", [](auto& f) { f.setFontFamilies({"Odd; {Name}\\"}); });
        row("size", [](auto& f) { f.setFontPointSize(10.5); });
        row("text colour", [](auto& f) { f.setForeground(QColor(200, 10, 30)); });
        row("highlight", [](auto& f) { f.setBackground(QColor(0, 255, 255)); });
        row("all at once", [](auto& f) {
            f.setFontFamilies({"Verdana"});
            f.setFontPointSize(11);
            f.setFontWeight(QFont::Bold);
            f.setFontItalic(true);
            f.setFontUnderline(true);
            f.setFontStrikeOut(true);
            f.setForeground(Qt::red);
            f.setBackground(Qt::yellow);
        });
    }

    void everyAttributeSurvivesARoundTrip() {
        QFETCH(QTextCharFormat, format);
        QTextDocument original;
        QTextCursor cursor(&original);
        cursor.insertText("plain ");
        cursor.insertText("styled", format);
        cursor.insertText(" plain");

        const QString rtf = RtfWriter::write(original);
        QTextDocument read;
        RtfReader::read(rtf, read);
        QCOMPARE(read.toPlainText(), original.toPlainText());
        QCOMPARE(RtfWriter::write(read), rtf);

        const QTextCharFormat styled = formatAt(read, 7);
        const QTextCharFormat plain = formatAt(read, 1);
        for (int property :
             {int(QTextFormat::FontFamilies), int(QTextFormat::FontPointSize),
              int(QTextFormat::FontWeight), int(QTextFormat::FontItalic),
              int(QTextFormat::TextUnderlineStyle), int(QTextFormat::FontStrikeOut),
              int(QTextFormat::ForegroundBrush), int(QTextFormat::BackgroundBrush)}) {
            QCOMPARE(styled.property(property), format.property(property));
            QVERIFY(!plain.hasProperty(property));
        }
    }

    void textSurvivesARoundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("RTF characters") << QString("a\\b{c}d \\par {\\rtf1}");
        QTest::newRow("Latin-1 and Euro") << QString::fromUtf8("café € ÿ ß");
        QTest::newRow("CJK and RTL") << QString::fromUtf8("中文 עברית");
        QTest::newRow("emoji") << QString::fromUtf8("smile 😀 and 👍🏽 done");
        QTest::newRow("tab and line break") << QString("a\tb") + QChar(0x2028) + "c";
        QTest::newRow("spaces after control words") << QString("\t  x") + QChar(0x2028) + " y";
        QTest::newRow("paragraphs") << QString("first\nsecond\n\n\nlast\n");
        QTest::newRow("high BMP") << QString::fromUtf8("\uffe0\uff01\u00a0");
    }

    void textSurvivesARoundTrip() {
        QFETCH(QString, text);
        QTextDocument original;
        QTextCursor(&original).insertText(text);
        const QString rtf = RtfWriter::write(original);
        for (QChar c : rtf)
            QVERIFY2(c.unicode() < 0x80, "the output is plain ASCII");
        QTextDocument read;
        RtfReader::read(rtf, read);
        QCOMPARE(read.toPlainText(), original.toPlainText());
        QCOMPARE(read.blockCount(), original.blockCount());
        QCOMPARE(RtfWriter::write(read), rtf);
    }

    void outputIsCanonicalAndLocal() {
        QTextDocument document;
        QTextCursor cursor(&document);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        for (int i = 0; i < 300; ++i) {
            cursor.insertText(QString("line %1 with some text ").arg(i), QTextCharFormat());
            cursor.insertText("bold", bold);
            cursor.insertBlock();
        }
        const QString before = RtfWriter::write(document);
        QCOMPARE(RtfWriter::write(document), before);

        // Typing one character in the middle changes the output only around it.
        cursor.setPosition(document.findBlockByNumber(150).position() + 2);
        cursor.insertText("x", QTextCharFormat());
        QVERIFY(differingSpan(before, RtfWriter::write(document)) <= 1);

        // So does bolding a word: the run is split where the format changes.
        cursor.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, 3);
        cursor.mergeCharFormat(bold);
        QVERIFY(differingSpan(before, RtfWriter::write(document)) < 20);

        // Fragments that the document keeps apart but that look alike are written as one run.
        QTextDocument split;
        QTextCursor splitCursor(&split);
        QTextCharFormat anchor = bold;
        anchor.setAnchorHref("x"); // not written, but keeps the fragments apart
        splitCursor.insertText("ab", bold);
        splitCursor.insertText("cd", anchor);
        QVERIFY(RtfWriter::write(split).contains("{\\b abcd}"));
    }

    void readsRtfFromOtherPrograms() {
        const QString rtf =
            "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat{\\fonttbl{\\f0\\fnil\\fcharset0 "
            "Calibri;}"
            "{\\f1\\froman Times New Roman{\\*\\panose 02020603050405020304};}}\r\n"
            "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
            "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
            "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang9 caf\\'e9 \\'80\\cf1\\b red\\cf0\\b0 "
            "\\f1 times\\par\r\n"
            "\\uc2\\u8364\\'3f\\'3fx{\\uc0\\u9731}\\tab y\\line z\\~\\emdash\\par\r\n"
            "{\\field{\\*\\fldinst HYPERLINK \"http://x.example\"}{\\fldrslt link}}"
            "{\\*\\unknowndest skipped}\\bin3 {}}after\\highlight2 hl\\unknownword42 \\par\r\n}";
        QTextDocument document;
        RtfReader::read(rtf, document);
        QCOMPARE(document.blockCount(), 4);
        QCOMPARE(document.findBlockByNumber(0).text(), QString::fromUtf8("café €redtimes"));
        QCOMPARE(document.findBlockByNumber(1).text(),
                 QString::fromUtf8("€x☃\ty") + QChar(0x2028) + QString::fromUtf8("z\u00a0—"));
        QCOMPARE(document.findBlockByNumber(2).text(), QString("linkafterhl"));

        const QTextCharFormat red = formatAt(document, 6);
        QCOMPARE(red.foreground().color(), QColor(Qt::red));
        QCOMPARE(red.fontWeight(), int(QFont::Bold));
        QCOMPARE(red.property(QTextFormat::FontFamilies).toStringList(), QStringList{"Calibri"});
        QCOMPARE(red.fontPointSize(), 11.0);
        const QTextCharFormat times = formatAt(document, 9);
        QCOMPARE(times.property(QTextFormat::FontFamilies).toStringList(),
                 QStringList{"Times New Roman"});
        QVERIFY(!times.hasProperty(QTextFormat::ForegroundBrush));
        const QTextCharFormat highlighted =
            formatAt(document, document.findBlockByNumber(2).position() + 9);
        QCOMPARE(highlighted.background().color(), QColor(Qt::blue));
    }

    void malformedInputKeepsThePlainText_data() {
        QTest::addColumn<QString>("rtf");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, const QString& rtf, const QString& text) {
            QTest::newRow(name) << rtf << text;
        };
        row("not RTF at all", "just text", "just text");
        row("unclosed groups", "{\\rtf1{\\b Hello} {\\i world", "Hello world");
        row("extra closing braces", "}}a}b{\\b c}}}", "abc");
        row("truncated control word", "{\\rtf1 abc\\", "abc");
        row("truncated hex", "{\\rtf1 abc\\'4", "abc4");
        row("bad hex", "x\\'zzy", "xzzy");
        row("huge numbers", "{\\fs999999999999999999 a\\u99999999999?b\\cf-5 c}", "abc");
        row("huge unicode skip", "\\uc99999\\u65 xyz{z}q", "Azq");
        row("negative bin", "a\\bin-5 b", "ab");
        row("bin past the end", "a\\bin999999 b", "a");
        row("deep nesting", QString(100000, u'{') + "deep" + QString(100000, u'}') + "x", "deepx");
        row("long control word", "\\" + QString(10000, u'a') + " text", "text");
        row("control characters", QString("a\nb\rc") + QChar(0) + "d\\u10?e", "abcde");
        row("colour index past the table", "{\\colortbl;\\red1;}\\cf99 a\\highlight7 b", "ab");
    }

    void malformedInputKeepsThePlainText() {
        QFETCH(QString, rtf);
        QFETCH(QString, text);
        QTextDocument document;
        RtfReader::read(rtf, document);
        QCOMPARE(document.toPlainText(), text);
        // Whatever was read can be written and read back unchanged.
        const QString written = RtfWriter::write(document);
        QCOMPARE(roundTrip(written), written);
    }

    void generatedAndMutatedInputNeverBreaksTheReader() {
        QTextDocument source;
        QTextCursor cursor(&source);
        QTextCharFormat format;
        format.setFontFamilies({"Verdana"});
        format.setForeground(Qt::red);
        format.setFontWeight(QFont::Bold);
        cursor.insertText("Hello ");
        cursor.insertText(QString::fromUtf8("wörld 😀 {x}"), format);
        cursor.insertBlock();
        cursor.insertText("second\tline");
        const QString valid = RtfWriter::write(source);

        QRandomGenerator random(20240611);
        const QString alphabet = "{}\\'*;0123456789-abfiuclpr ?\r\n";
        for (int round = 0; round < 600; ++round) {
            QString input;
            switch (round % 3) {
            case 0: // random characters, weighted towards RTF syntax
                for (int i = int(random.bounded(200)); i > 0; --i)
                    input += random.bounded(2) ? alphabet[random.bounded(int(alphabet.size()))]
                                               : QChar(char16_t(random.bounded(0x10000)));
                break;
            case 1: // valid output, truncated
                input = valid.left(random.bounded(int(valid.size())));
                break;
            default: // valid output with characters deleted, replaced and inserted
                input = valid;
                for (int edits = int(random.bounded(1, 8)); edits > 0; --edits) {
                    const int at = random.bounded(int(input.size()));
                    const QChar c = alphabet[random.bounded(int(alphabet.size()))];
                    switch (random.bounded(3)) {
                    case 0:
                        input.remove(at, 1);
                        break;
                    case 1:
                        input[at] = c;
                        break;
                    default:
                        input.insert(at, c);
                    }
                }
            }
            QTextDocument document;
            RtfReader::read(input, document);
            if (round % 3 == 1 && input.size() > valid.indexOf("Hello ") + 6)
                QVERIFY(document.toPlainText().startsWith("Hello "));
            const QString written = RtfWriter::write(document);
            QCOMPARE(roundTrip(written), written);
        }
    }

    void randomDocumentsRoundTrip() {
        QRandomGenerator random(1789);
        for (int round = 0; round < 300; ++round) {
            QTextDocument original;
            fillRandomly(original, random);
            const QString rtf = RtfWriter::write(original);
            QTextDocument read;
            RtfReader::read(rtf, read);
            QCOMPARE(read.toPlainText(), original.toPlainText());
            QCOMPARE(RtfWriter::write(read), rtf);
        }
    }

    void spliceEqualsAFullReadAndKeepsOtherParagraphs() {
        QRandomGenerator random(2718);
        int partial = 0;
        for (int round = 0; round < 300; ++round) {
            QTextDocument document;
            fillRandomly(document, random);
            const QString before = RtfWriter::write(document);
            // An edit like a user's: a formatted insertion, a deletion or a new paragraph.
            QTextDocument edited;
            RtfReader::read(before, edited);
            QTextCursor cursor(&edited);
            cursor.setPosition(random.bounded(edited.characterCount()));
            cursor.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, random.bounded(4));
            switch (random.bounded(3)) {
            case 0:
                cursor.insertText("new {text}", randomFormat(random));
                break;
            case 1:
                cursor.removeSelectedText();
                break;
            default:
                cursor.insertBlock();
            }
            const QString after = RtfWriter::write(edited);
            if (after == before)
                continue;
            const auto [head, tail] = commonEnds(before, after);

            // Forwards, and back again as Undo does.
            for (const auto& [from, to] : {std::pair(before, after), std::pair(after, before)}) {
                QTextDocument target;
                RtfReader::read(from, target);
                markParagraphs(target);
                RtfSplice::apply(target, from, head, to.mid(head, to.size() - head - tail), tail);
                QTextDocument full;
                RtfReader::read(to, full);
                QCOMPARE(RtfWriter::write(target), to);
                QCOMPARE(target.toPlainText(), full.toPlainText());
                if (markedParagraphs(target) > 0)
                    ++partial;
            }
        }
        QVERIFY(partial > 200); // most changes leave the tables alone
    }
};

QTEST_GUILESS_MAIN(TestRtf)
#include "tst_rtf.moc"

#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfSplice.h"
#include "platform/rtf/RtfWriter.h"

#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

namespace {

QTextCharFormat formatAt(const QTextDocument& document, int position) {
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

// Reads back what the writer makes of a document, and checks that the text and the
// paragraphs survive and that writing the copy gives the same RTF again.
void checkRoundTrip(const QTextDocument& original, QTextDocument& copy) {
    const QString rtf = RtfWriter::write(original);
    RtfReader::read(rtf, copy);
    QCOMPARE(copy.toPlainText(), original.toPlainText());
    QCOMPARE(copy.blockCount(), original.blockCount());
    QCOMPARE(RtfWriter::write(copy), rtf);
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

// Each bit of bits turns on one attribute; the high bits choose sizes and colours.
QTextCharFormat formatFromBits(quint32 bits) {
    QTextCharFormat format;
    if (bits & 1)
        format.setFontFamilies({bits & 2 ? "Verdana" : "Courier New"});
    if (bits & 4)
        format.setFontPointSize(8 + (bits >> 20) % 12);
    format.setFontWeight(bits & 8 ? QFont::Bold : QFont::Normal);
    format.setFontItalic(bits & 16);
    format.setFontUnderline(bits & 32);
    format.setFontStrikeOut(bits & 64);
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
        cursor.insertText(text, random.bounded(2) ? formatFromBits(random.generate())
                                                  : QTextCharFormat());
    }
}

// Marks every paragraph with a property the RTF does not carry, so a test can tell which
// paragraphs a rebuild left alone; returns how many carry the mark.
constexpr int kMark = QTextFormat::UserProperty + 1;

int markedParagraphs(QTextDocument& document, bool markAll = false) {
    QTextBlockFormat mark;
    mark.setProperty(kMark, true);
    int marked = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (markAll)
            QTextCursor(block).mergeBlockFormat(mark);
        marked += block.blockFormat().hasProperty(kMark);
    }
    return marked;
}

} // namespace

class TestRtf : public QObject {
    Q_OBJECT
private slots:
    void textAndEveryAttributeSurviveARoundTrip() {
        // What RTF escapes, non-ASCII, surrogate pairs, tabs, line and paragraph breaks,
        // and a run that carries every attribute, in a font whose name needs escaping.
        const QString text = QString::fromUtf8("a\\b{c}d \\par {\\rtf1} café € ÿ 中文 עברית "
                                               "😀 👍🏽 \uffe0\u00a0\t\u2028 x\n\n\nlast\n");
        QTextCharFormat format = formatFromBits(0xFFFFFFFF);
        format.setFontFamilies({"Odd; {Name}\\"});
        format.setFontPointSize(10.5);
        QTextDocument original, copy;
        QTextCursor cursor(&original);
        cursor.insertText(text);
        cursor.insertText("styled", format);
        cursor.insertText("|", QTextCharFormat());
        checkRoundTrip(original, copy);
        for (QChar c : RtfWriter::write(original))
            QVERIFY2(c.unicode() < 0x80, "the output is plain ASCII");
        const QTextCharFormat styled = formatAt(copy, int(text.size()));
        const QTextCharFormat plain = formatAt(copy, copy.characterCount() - 2);
        for (int property :
             {QTextFormat::FontFamilies, QTextFormat::FontPointSize, QTextFormat::FontWeight,
              QTextFormat::FontItalic, QTextFormat::TextUnderlineStyle, QTextFormat::FontStrikeOut,
              QTextFormat::ForegroundBrush, QTextFormat::BackgroundBrush}) {
            QCOMPARE(styled.property(property), format.property(property));
            QVERIFY(!plain.hasProperty(property));
        }
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

        // Typing one character in the middle changes the output only around it; so does
        // bolding a word, where the run is split at the format change.
        cursor.setPosition(document.findBlockByNumber(150).position() + 2);
        cursor.insertText("x", QTextCharFormat());
        QVERIFY(differingSpan(before, RtfWriter::write(document)) <= 1);
        cursor.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, 3);
        cursor.mergeCharFormat(bold);
        QVERIFY(differingSpan(before, RtfWriter::write(document)) < 20);

        // Fragments that the document keeps apart but that look alike are written as one run.
        QTextDocument split;
        QTextCharFormat anchor = bold;
        anchor.setAnchorHref("x"); // not written, but keeps the fragments apart
        cursor = QTextCursor(&split);
        cursor.insertText("ab", bold);
        cursor.insertText("cd", anchor);
        QVERIFY(RtfWriter::write(split).contains("{\\b abcd}"));
    }

    void readsTheFormattingOfOtherProgramsRtf() {
        QTextDocument document;
        RtfReader::read(
            QString("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}{\\f1\\froman "
                    "Times New Roman{\\*\\panose 0202};}}\r\n{\\colortbl ;\\red255\\green0\\blue0;"
                    "\\red0\\green0\\blue255;}\r\n\\pard\\f0\\fs22 a\\cf1\\b b\\cf0\\b0 \\f1 c"
                    "\\highlight2 d}"),
            document);
        QCOMPARE(document.toPlainText(), "abcd");
        const QTextCharFormat b = formatAt(document, 1);
        QCOMPARE(b.foreground().color(), QColor(Qt::red));
        QCOMPARE(b.fontWeight(), int(QFont::Bold));
        QCOMPARE(b.property(QTextFormat::FontFamilies).toStringList(), QStringList{"Calibri"});
        QCOMPARE(b.fontPointSize(), 11.0);
        const QTextCharFormat c = formatAt(document, 2);
        QCOMPARE(c.property(QTextFormat::FontFamilies).toStringList(),
                 QStringList{"Times New Roman"});
        QVERIFY(!c.hasProperty(QTextFormat::ForegroundBrush));
        QCOMPARE(formatAt(document, 3).background().color(), QColor(Qt::blue));
    }

    void anyInputKeepsItsPlainText_data() {
        QTest::addColumn<QString>("rtf");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, const QString& rtf, const QString& text) {
            QTest::newRow(name) << rtf << text;
        };
        row("another program's escapes",
            "caf\\'e9 \\'80\\uc2\\u8364\\'3f\\'3fx{\\uc0\\u9731}\\tab y"
            "\\line z\\~\\emdash\\par\r\nq",
            QString::fromUtf8("café €€x☃\ty\u2028z\u00a0—\u2029q"));
        row("fields, skipped destinations and binary data",
            "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}{\\*\\unknowndest skipped}"
            "\\bin3 {}}after\\unknownword42 x",
            "linkafterx");
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

    void anyInputKeepsItsPlainText() {
        QFETCH(QString, rtf);
        QTextDocument document, copy;
        RtfReader::read(rtf, document);
        QTEST(document.toRawText(), "text");
        checkRoundTrip(document, copy); // whatever was read can be written and read back
    }

    void generatedAndMutatedInputNeverBreaksTheReader() {
        QRandomGenerator random(20240611);
        QTextDocument source;
        fillRandomly(source, random);
        QTextCursor(&source).insertText("Hello ", QTextCharFormat());
        const QString valid = RtfWriter::write(source);
        const QString alphabet = "{}\\'*;0123456789-abfiuclpr ?\r\n";
        const auto someCharacter = [&] { return alphabet[random.bounded(int(alphabet.size()))]; };
        for (int round = 0; round < 600; ++round) {
            QString input;
            if (round % 3 == 0) { // random characters, weighted towards RTF syntax
                for (int i = int(random.bounded(200)); i > 0; --i)
                    input += random.bounded(2) ? someCharacter()
                                               : QChar(char16_t(random.bounded(0x10000)));
            } else if (round % 3 == 1) { // valid output, truncated
                input = valid.left(random.bounded(int(valid.size())));
            } else { // valid output with characters deleted, replaced and inserted
                input = valid;
                for (int edits = int(random.bounded(1, 8)); edits > 0; --edits) {
                    const int at = random.bounded(int(input.size()));
                    const int kind = random.bounded(3);
                    if (kind == 0)
                        input.remove(at, 1);
                    else if (kind == 1)
                        input[at] = someCharacter();
                    else
                        input.insert(at, someCharacter());
                }
            }
            QTextDocument document, copy;
            RtfReader::read(input, document);
            if (round % 3 == 1 && input.size() > valid.indexOf("Hello ") + 6)
                QVERIFY(document.toPlainText().startsWith("Hello "));
            checkRoundTrip(document, copy);
        }
    }

    void randomDocumentsRoundTripAndSpliceAsAFullReadWould() {
        QRandomGenerator random(2718);
        int partial = 0;
        for (int round = 0; round < 300; ++round) {
            QTextDocument document, edited;
            fillRandomly(document, random);
            checkRoundTrip(document, edited);
            const QString before = RtfWriter::write(document);
            // An edit like a user's: a formatted insertion, a deletion or a new paragraph.
            QTextCursor cursor(&edited);
            cursor.setPosition(random.bounded(edited.characterCount()));
            cursor.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, random.bounded(4));
            const int kind = random.bounded(3);
            if (kind == 0)
                cursor.insertText("new {text}", formatFromBits(random.generate()));
            else if (kind == 1)
                cursor.removeSelectedText();
            else
                cursor.insertBlock();
            const QString after = RtfWriter::write(edited);
            if (after == before)
                continue;
            const auto [head, tail] = commonEnds(before, after);

            // Forwards, and back again as Undo does; paragraphs outside the change are kept.
            for (const auto& [from, to] : {std::pair(before, after), std::pair(after, before)}) {
                QTextDocument target, full;
                RtfReader::read(from, target);
                markedParagraphs(target, true);
                RtfSplice::apply(target, from, head, to.mid(head, to.size() - head - tail), tail);
                RtfReader::read(to, full);
                QCOMPARE(RtfWriter::write(target), to);
                QCOMPARE(target.toPlainText(), full.toPlainText());
                partial += markedParagraphs(target) > 0;
            }
        }
        QVERIFY(partial > 200); // most changes leave the tables alone
    }
};

QTEST_GUILESS_MAIN(TestRtf)
#include "tst_rtf.moc"

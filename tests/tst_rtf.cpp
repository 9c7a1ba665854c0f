#include "platform/ParagraphChangeTracker.h"
#include "platform/rtf/RtfParagraphs.h"
#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfWriter.h"

#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>
#include <optional>
#include <tuple>

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

// The RTF, perhaps cut short, with characters deleted and inserted: any character,
// though most of them ones that mean something in RTF.
QString damaged(QString rtf, QRandomGenerator& random) {
    static const QString syntax = "{}\\'*;0123456789-abfiuclpr ?\r\n";
    if (random.bounded(2))
        rtf.truncate(random.bounded(int(rtf.size())));
    for (int edits = int(random.bounded(8)); edits > 0; --edits) {
        const int at = random.bounded(int(rtf.size()) + 1);
        const QChar c = random.bounded(4) ? syntax[random.bounded(int(syntax.size()))]
                                          : QChar(char16_t(random.bounded(0x10000)));
        if (random.bounded(2))
            rtf.remove(at, 1);
        else
            rtf.insert(at, c);
    }
    return rtf;
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
        cursor.insertText("sty", format);
        format.setAnchorHref("x"); // not written: the two fragments come out as one run
        cursor.insertText("led", format);
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

    // Input the reader cannot follow loses what it cannot follow, not the text around it.
    void brokenInputKeepsItsPlainText() {
        const std::pair<QString, QString> cases[] = {
            {"{\\rtf1{\\b Hello} {\\i world", "Hello world"}, // unclosed groups
            {QString(100000, u'{') + "deep" + QString(100000, u'}') + "x", "deepx"}};
        for (const auto& [rtf, text] : cases) {
            QTextDocument document, copy;
            RtfReader::read(rtf, document);
            QCOMPARE(document.toRawText(), text);
            checkRoundTrip(document, copy); // whatever was read can be written and read back
        }
    }

    void randomDocumentsRoundTripSurviveDamageAndReplaceOnlyTheChangedParagraphs() {
        QRandomGenerator random(2718);
        for (int round = 0; round < 300; ++round) {
            QTextDocument document, edited;
            fillRandomly(document, random);
            checkRoundTrip(document, edited);
            const QString before = RtfWriter::write(document);
            // An edit like a user's, announced as the control announces a key's: a formatted
            // insertion, a deletion or a new paragraph.
            ParagraphChangeTracker tracker(edited);
            tracker.forget(); // follows from here
            QTextCursor cursor(&edited);
            cursor.setPosition(random.bounded(edited.characterCount()));
            cursor.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, random.bounded(4));
            {
                const ParagraphChangeTracker::Edit edit(tracker, cursor.selectionStart() - 1,
                                                        cursor.selectionEnd() + 1);
                const int kind = random.bounded(3);
                if (kind == 0)
                    cursor.insertText("new {text}", formatFromBits(random.generate()));
                else if (kind == 1)
                    cursor.removeSelectedText();
                else
                    cursor.insertBlock();
            }
            const QString after = RtfWriter::write(edited);
            for (const QString& rtf : {before, after}) { // damaged output never breaks the reader
                QTextDocument damagedCopy, copy;
                RtfReader::read(damaged(rtf, random), damagedCopy);
                checkRoundTrip(damagedCopy, copy);
            }
            const std::optional<ParagraphChange> change = tracker.take();
            QCOMPARE(change.has_value(), after != before);
            if (!change)
                continue;
            QVERIFY(change->followed);

            // Forwards, and back again as Undo does; only the change's paragraphs are rebuilt.
            const std::tuple<QString, QString, int, QByteArray> ways[] = {
                {before, after, change->countBefore, change->after},
                {after, before, change->countAfter, change->before}};
            for (const auto& [from, to, count, image] : ways) {
                QTextDocument target, full;
                RtfReader::read(from, target);
                markedParagraphs(target, true);
                RtfParagraphs::replace(target, change->first, count, image);
                RtfReader::read(to, full);
                QCOMPARE(RtfWriter::write(target), to);
                QCOMPARE(target.toPlainText(), full.toPlainText());
                const int rebuilt =
                    count == change->countBefore ? change->countAfter : change->countBefore;
                QCOMPARE(markedParagraphs(target), target.blockCount() - rebuilt);
            }
        }
    }
};

QTEST_MAIN(TestRtf) // change tracking needs a document layout, hence fonts
#include "tst_rtf.moc"

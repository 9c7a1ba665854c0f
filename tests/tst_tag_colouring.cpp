// Tag colouring on the post: the colours, the tag checker's marks and the pair at the caret.
#include "EditorFixture.h"
#include "markup/TagColourMarker.h"
#include "markup/TagPair.h"
#include "settings/EditorSettingsStore.h"
#include "undo/UndoHistory.h"

#include <QAbstractTextDocumentLayout>
#include <QStyle>
#include <QTextBlock>
#include <QToolTip>

class TestTagColouring : public QObject {
    Q_OBJECT

    static QList<QTextLayout::FormatRange> marksOf(const EditorFixture& f, int paragraph) {
        return f.box()->document()->findBlockByNumber(paragraph).layout()->formats();
    }

private slots:
    // Each palette's three colours read on its background and differ from one another.
    void coloursReadInLightAndDarkThemes() {
        QPalette dark(QColor(0x35, 0x35, 0x35));
        dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
        dark.setColor(QPalette::Link, QColor(0x2a, 0x82, 0xda));
        for (const QPalette& palette : {QApplication::style()->standardPalette(), dark}) {
            const TagColours colours = TagColours::fromPalette(palette);
            const QColor inks[] = {colours.tag, colours.argument, colours.smiley};
            for (const QColor& ink : inks)
                QVERIFY2(contrastRatio(ink, palette.color(QPalette::Base)) >= 3,
                         qPrintable(ink.name()));
            QVERIFY(inks[0] != inks[1] && inks[1] != inks[2] && inks[0] != inks[2]);
        }
    }

    // "T" a tag, "A" its argument, "S" a smiley; words that are no tag stay plain.
    void classifiesTagsArgumentsAndSmileys() {
        const TagColours colours = TagColours::fromPalette(QPalette());
        TagColourMarker marker(colours);
        for (const auto& [text, expected] : std::initializer_list<std::pair<QString, QString>>{
                 {"[b]x[/B]", "T[b] T[/B]"},
                 {"a [color red yellow]b", "T[color red yellow] Ared yellow"},
                 {"[quote Jo][/quote]", "T[quote Jo] AJo T[/quote]"},
                 {"[img http://a.example/p.png]",
                  "T[img http://a.example/p.png] Ahttp://a.example/p.png"},
                 {"[wink][Wink]", "S[wink] S[Wink]"},
                 {"[foo] [b x] [color purplish] [/img] [b", ""},
                 // A [code] region spans paragraphs; one left open runs on to the end.
                 {"[code]\n[b]x [wink]\n[i][/CODE] [u]", "T[code] T[/CODE] T[u]"},
                 {"[code][b]\n[i]", "T[code]"},
             }) {
            QTextDocument document(text);
            QStringList found;
            int state = 0;
            for (QTextBlock block = document.firstBlock(); block.isValid(); block = block.next()) {
                QList<QTextLayout::FormatRange> marks;
                marker.markParagraph(block, block.text(), state, marks);
                state = marker.stateAfter(block.text(), state);
                for (const QTextLayout::FormatRange& mark : marks) {
                    const QColor ink = mark.format.foreground().color();
                    const char* kind = ink == colours.tag        ? "T"
                                       : ink == colours.argument ? "A"
                                                                 : "S";
                    found << kind + block.text().mid(mark.start, mark.length);
                }
            }
            QCOMPARE(found.join(' '), expected);
        }
    }

    // Marks are drawn over the text: typing with or without them makes the same content
    // and the same undo steps; off takes every mark away, and stays so.
    void colouringNeverTouchesTheText() {
        QStringList results;
        for (bool on : {false, true}) {
            QRectF redrawn;
            EditorFixture f;
            QVERIFY(f.action("mnuColourTags")->isChecked());
            f.action("mnuColourTags")->setChecked(on);
            f.type("[b][i]bold[/i][/b] [wink]\n[color red]x");
            QTest::qWait(700); // past the undo delay and the check's pause
            QCOMPARE(marksOf(f, 0).value(0).length, on ? 6 : 0); // "[b][i]": one run, one colour
            results << f.surface().rtf() + QString::number(f.workArea->undoHistory().undoCount());
            QCOMPARE(EditorSettingsStore(f.paths().settingsFile).load().colourTags, on);
#ifdef QUILLET_TEXT_ENGINE
            // A key before the marks has its own paragraph redrawn, not the one after.
            QAbstractTextDocumentLayout* layout = f.box()->document()->documentLayout();
            connect(layout, &QAbstractTextDocumentLayout::update, [&](QRectF r) { redrawn |= r; });
            f.select(0);
            f.type("a");
            QVERIFY(redrawn.bottom() <=
                    layout->blockBoundingRect(f.box()->document()->begin()).bottom());
#endif
        }
        QCOMPARE(results[1], results[0]);
    }

    // A tag the checker reports is underlined after the pause, its message shows where
    // the mouse rests, and the mark goes once the tag is closed or colouring is off.
    void problemIsUnderlinedWithItsMessage() {
        EditorFixture f;
        f.surface().setText("ok [i]y[/i]\r\nab [b]x");
        f.post().setSaved(true);
        auto underlined = [&] {
            for (const QTextLayout::FormatRange& mark : marksOf(f, 1))
                if (mark.format.underlineStyle() == QTextCharFormat::WaveUnderline)
                    return QString::number(mark.start) + "+" + QString::number(mark.length);
            return QString();
        };
#ifdef QUILLET_TEXT_ENGINE
        // The mark comes after the pause: its paragraph is drawn again on the lines it had,
        // and nothing after it is laid out or drawn again.
        QAbstractTextDocumentLayout* layout = f.box()->document()->documentLayout();
        const QTextBlock second = f.box()->document()->findBlockByNumber(1);
        const QRectF place = layout->blockBoundingRect(second);
        QRectF redrawn;
        connect(layout, &QAbstractTextDocumentLayout::update, [&](QRectF r) { redrawn |= r; });
        QTRY_COMPARE(underlined(), "3+3");
        QCOMPARE(layout->blockBoundingRect(second), place);
        QVERIFY(redrawn.isValid() && redrawn.bottom() <= place.bottom());
#endif
        QTRY_COMPARE(underlined(), "3+3");
        QVERIFY(f.post().isSaved());
        QTest::qWait(600); // the mark stays through its own redraw and the next check
        QCOMPARE(underlined(), "3+3");
        QTextCursor onTag(f.box()->document());
        onTag.setPosition(12 + 4);
        const QPoint point = f.box()->cursorRect(onTag).center();
        QHelpEvent rest(QEvent::ToolTip, point, f.box()->viewport()->mapToGlobal(point));
        QApplication::sendEvent(f.box()->viewport(), &rest);
        QCOMPARE(QToolTip::text(), "Line 2, column 4: [b] is never closed");

        f.select(f.box()->characterCount());
        f.type("[/b]");
        QTRY_COMPARE(underlined(), "");
        f.surface().setText("[b]x");
        QTRY_VERIFY(!marksOf(f, 0).isEmpty());
        // A [code] opened or closed above re-marks the paragraphs after it.
        f.surface().setText("\r\n[b]x");
        QTRY_VERIFY(!marksOf(f, 1).isEmpty());
        for (const char* change : {"[code]", ""}) {
            f.select(0, f.box()->document()->firstBlock().length() - 1);
            f.surface().setSelText(change);
            QTRY_COMPARE(marksOf(f, 1).isEmpty(), *change != 0);
        }
        f.action("mnuColourTags")->trigger();
        QVERIFY(marksOf(f, 0).isEmpty() && f.box()->extraSelections().isEmpty());
    }

    // A long post is laid out in the background while its marks come: every paragraph gets
    // its layout, those without marks too, and the marks come to the last paragraph.
    void longPostIsLaidOutWhileItIsMarked() {
        EditorFixture f;
        const QString plain = QStringLiteral("a plain line of the long post\r\n");
        f.surface().setText((plain.repeated(9) + "[b]x[/b]\r\n").repeated(600) + "[i]y");
        const QTextDocument& document = *f.box()->document();
        QTRY_VERIFY(!marksOf(f, document.blockCount() - 1).isEmpty());
        QTRY_VERIFY(document.lastBlock().layout()->lineCount() > 0);
        for (QTextBlock paragraph = document.begin(); paragraph.isValid();
             paragraph = paragraph.next())
            QVERIFY2(paragraph.layout()->lineCount() > 0, qPrintable(paragraph.text()));
    }

    // "|" is the caret; the pair is given as start+length of both tags.
    void findsThePairAtTheCaret() {
        for (const auto& [text, expected] : std::initializer_list<std::pair<QString, QString>>{
                 {"|[b]a\n[b]b[/b]\nc[/b]", "0+3 15+4"},
                 {"[b]a\n[b]b[/b]\nc[/b]|", "0+3 15+4"},
                 {"[b]a\n[b]b[/|b]\nc[/b]", "5+3 9+4"},
                 {"[quote Jo]\n[quote]x[/quote]\n[/quo|te]", "0+10 28+8"},
                 {"[b]x[/b]|[i]y[/i]", "8+3 12+4"},
                 {"[b]a|a[/b]", ""},
                 {"[b|]x [b]x[/i]", ""},
                 {"[b|]" + QString(60, 'x') + "[/b]", ""}, // beyond the reach of 50
             }) {
            QTextDocument document(QString(text).remove('|'));
            const auto pair = findTagPair(document, int(text.indexOf('|')), 50);
            QCOMPARE(pair ? QString("%1+%2 %3+%4")
                                .arg(pair->start)
                                .arg(pair->startLength)
                                .arg(pair->end)
                                .arg(pair->endLength)
                          : QString(),
                     expected);
        }
        EditorFixture f;
        f.type("[b]x\n[/b]");
        QCOMPARE(f.box()->extraSelections().size(), 2);
    }
};

QTEST_MAIN(TestTagColouring)
#include "tst_tag_colouring.moc"

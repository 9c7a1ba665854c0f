// The post as the forum shows it: every tag the program writes, what stays as written,
// and input meant to break the preview.
#include "markup/ListText.h"
#include "markup/TagChecker.h"
#include "markup/VnmlRenderer.h"

#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

class TestVnmlRenderer : public QObject {
    Q_OBJECT

    // The quote and code boxes carry long style attributes; the tests read them as
    // {box} ... {/box}, and paragraphs and pre blocks without their styles.
    static QString boxed(QString html) {
        static const QRegularExpression boxOpen("<table[^>]*><tr><td>");
        static const QRegularExpression styled("<(p|pre) style=\"[^\"]*\">");
        html.replace(boxOpen, "{box}");
        html.replace("</td></tr></table>", "{/box}");
        html.replace(styled, "<\\1>");
        return html;
    }

    static QString render(const QString& post) { return boxed(renderVnml(post)); }

    // The list skeletons the list page inserts, one nested after an item of another.
    static QString nestedAfterItem(const QString& outer, int item, const QString& inner) {
        const QString itemEnd = QString(" enter item%1 [/li]").arg(item);
        QString post = outer;
        return post.insert(post.indexOf(itemEnd) + itemEnd.size(), inner);
    }

private slots:
    void rendersThePost_data() {
        QTest::addColumn<QString>("post");
        QTest::addColumn<QString>("html");
        const auto row = [](const char* name, const QString& post, const QString& html) {
            QTest::newRow(name) << post << html;
        };
        row("plain text", "hello", "hello");
        row("every kind of line break", "a\r\nb\nc\rd", "a<br>b<br>c<br>d");
        row("styles", "[b]b[/b][i]i[/i][u]u[/u][s]s[/s][tt]t[/tt]H[sub]2[/sub]O m[sup]2[/sup]",
            "<b>b</b><i>i</i><u>u</u><s>s</s><tt>t</tt>H<sub>2</sub>O m<sup>2</sup>");
        row("tag names in any case", "[B]x[/b][Quote]q[/QUOTE]", "<b>x</b>{box}q{/box}");
        row("the formatting page's nesting",
            "[quote Jo][b][i][tt][color red]hello[/color][/tt][/i][/b][/quote]",
            "{box}<p><b>Jo wrote:</b></p><b><i><tt><span style=\"color:#ff0000;\">hello</span>"
            "</tt></i></b>{/box}");
        row("colour", "[color red]x[/color]", "<span style=\"color:#ff0000;\">x</span>");
        row("colour on highlight", "[color red yellow]x[/color]",
            "<span style=\"color:#ff0000;background-color:#ffff00;\">x</span>");
        row("highlight alone, two blanks", "[color  yellow]x[/color]",
            "<span style=\"background-color:#ffff00;\">x</span>");
        row("colour with highlight None", "[color navy white]x[/color]",
            "<span style=\"color:#000080;background-color:#ffffff;\">x</span>");
        row("unknown colour word", "[color purplish]x[/color]", "[color purplish]x[/color]");
        row("three colour words", "[color red blue green]x[/color]",
            "[color red blue green]x[/color]");
        row("plain quote", "[quote]hi[/quote]", "{box}hi{/box}");
        row("handle with markup", "[quote <b>&]x[/quote]",
            "{box}<p><b>&lt;b&gt;&amp; wrote:</b></p>x{/box}");
        row("quote in a quote", "[quote A]x[quote B]y[/quote][/quote]",
            "{box}<p><b>A wrote:</b></p>x{box}<p><b>B wrote:</b></p>y{/box}{/box}");
        row("breaks around blocks", "Hi\r\n[quote]\r\nq\r\n[/quote]\r\nBye\r\n\r\n[code]c[/code]",
            "Hi{box}q{/box}Bye<br>{box}<pre>c</pre>{/box}");
        row("code shows tags as written", "[code][b]x[/b]\r\n<i> [wink][/code]",
            "{box}<pre>[b]x[/b]\n&lt;i&gt; [wink]</pre>{/box}");
        row("code ends at the first end tag", "[code][code]x[/code][/code]",
            "{box}<pre>[code]x</pre>{/box}[/code]");
        row("ignore shows tags as written", "[ignore][b]x[/b] [wink] [/quote][/ignore]",
            "[b]x[/b] [wink] [/quote]");
        row("code without end tag", "[code][b]x[/b]", "[code]<b>x</b>");
        row("bulleted list", listText({ListKind::Bulleted, 1}), "<ul><li> enter item1 </li></ul>");
        row("numbered list", listText({ListKind::Numbered, 2}),
            "<ol><li> enter item1 </li><li> enter item2 </li></ol>");
        row("list nested after an item",
            nestedAfterItem(listText({ListKind::Numbered, 2}), 1,
                            listText({ListKind::Bulleted, 1})),
            "<ol><li> enter item1 </li><ul><li> enter item1 </li></ul><li> enter item2 </li></ol>");
        row("web link", "[link http://forum.example/?a=1&b=\"2\"]site[/link]",
            "<a href=\"http://forum.example/?a=1&amp;b=&quot;2&quot;\">site</a>");
        row("mail link", "[LINK mailto:jo@forum.example]mail[/link]",
            "<a href=\"mailto:jo@forum.example\">mail</a>");
        row("script link stays text", "[link javascript:alert(1)]x[/link]",
            "[link javascript:alert(1)]x[/link]");
        row("file link stays text", "[link file:///etc/passwd]x[/link]",
            "[link file:///etc/passwd]x[/link]");
        row("link without address", "[link]x[/link]", "[link]x[/link]");
        row("image placeholder", "[img https://forum.example/a.png]",
            "<span style=\"color:#505050; background-color:#e4e4e4;\">&nbsp;Image: "
            "https://forum.example/a.png&nbsp;</span>");
        row("image from elsewhere stays text", "[img data:image/png;base64,AAAA]",
            "[img data:image/png;base64,AAAA]");
        row("smiley", "a [wink] b",
            "a <img src=\"qrc:/smileys/wink.svg\" width=\"20\" height=\"20\" "
            "style=\"vertical-align:middle;\" alt=\"[wink]\"> b");
        row("smiley in capitals", "[2ThumbsUp]",
            "<img src=\"qrc:/smileys/2thumbsup.svg\" width=\"20\" height=\"20\" "
            "style=\"vertical-align:middle;\" alt=\"[2ThumbsUp]\">");
        row("html is text", "<script>alert(\"x\")</script> & <b>",
            "&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt; &amp; &lt;b&gt;");
        row("unknown tags", "[foo]x[/foo] [b x] [winky] [/img] [ b]",
            "[foo]x[/foo] [b x] [winky] [/img] [ b]");
        row("brackets that make no tag", "[[b]x[/b]] [b\r\n] [", "[<b>x</b>] [b<br>] [");
        row("stray end tag", "x[/b]", "x[/b]");
        row("start tag without end", "[b]x", "[b]x");
        row("crossed inline tags reopen", "[b][i]x[/b]y[/i]", "<b><i>x</i></b><i>y</i>");
        row("crossing a quote", "[quote][b]x[/quote]y[/b]", "{box}<b>x</b>{/box}<b>y</b>");
        row("a block closed from outside stays closed", "[b][quote]x[/b]y[/quote]z",
            "<b>{box}x{/box}</b>yz");
    }

    void rendersThePost() {
        QFETCH(QString, post);
        QFETCH(QString, html);
        QCOMPARE(render(post), html);
    }

    void imagesAreShownOnlyWhenAsked() {
        VnmlRenderOptions options;
        options.loadImages = true;
        QCOMPARE(renderVnml(QString("[img http://forum.example/a.gif?x=1&y=2]"), options),
                 "<img src=\"http://forum.example/a.gif?x=1&amp;y=2\">");
        QCOMPARE(renderVnml(QString("[img javascript:x]"), options), "[img javascript:x]");
    }

    void listsOfFifteenNestedTwice() {
        const QString innermost = listText({ListKind::Bulleted, 15});
        const QString middle = nestedAfterItem(listText({ListKind::Numbered, 15}), 3, innermost);
        const QString post = nestedAfterItem(listText({ListKind::Bulleted, 15}), 2, middle);
        const QString html = renderVnml(post);
        QCOMPARE(html.count("<li>"), 45);
        QCOMPARE(html.count("</li>"), 45);
        QVERIFY(html.startsWith("<ul><li> enter item1 </li><li> enter item2 </li><ol><li>"));
        QVERIFY(html.endsWith("<li> enter item15 </li></ul>"));
        QVERIFY(!html.contains('[')); // every tag became markup
        QVERIFY(!html.contains("<br>"));
        QVERIFY(checkTags(post).isEmpty());

        // The view indents each level further than the one around it.
        QTextDocument document;
        document.setHtml(html);
        QSet<int> indents;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            if (block.textList())
                indents.insert(block.textList()->format().indent());
        }
        QCOMPARE(indents.size(), 3);
    }

    void deepNestingDrawsOnlySoManyBoxes() {
        const int depth = 10000;
        const QString post =
            QString("[quote]").repeated(depth) + "deep" + QString("[/quote]").repeated(depth);
        const QString html = renderVnml(post);
        QCOMPARE(html.count("<table"), kMaxRenderedNesting);
        QCOMPARE(html.count("</table>"), kMaxRenderedNesting);
        QVERIFY(html.contains("deep"));
        QVERIFY(!html.contains("[quote]"));

        // The view can take it.
        QTextDocument document;
        document.setHtml(html);
        QVERIFY(document.toPlainText().contains("deep"));
    }

    void hostileNestingFinishes_data() {
        QTest::addColumn<QString>("post");
        const int n = 10000;
        QTest::newRow("unclosed quotes") << QString("[quote]").repeated(n);
        QTest::newRow("stray ends") << QString("[/quote]").repeated(n);
        QTest::newRow("crossed at every level")
            << QString("[b]").repeated(n) + QString("[i]").repeated(n) + "x" +
                   QString("[/b]").repeated(n) + QString("[/i]").repeated(n);
        QTest::newRow("code without end tags") << QString("[code]x").repeated(n * 10);
        QTest::newRow("open brackets") << QString("[").repeated(n * 100);
        QTest::newRow("mixed nesting") << QString("[ul][li][color red][quote Jo][b]").repeated(n) +
                                              "x" +
                                              QString("[/b][/quote][/color][/li][/ul]").repeated(n);
    }

    void hostileNestingFinishes() {
        QFETCH(QString, post);
        const QString html = renderVnml(post);
        QVERIFY(!html.isEmpty());
        QVERIFY(html.count("<table") <= kMaxRenderedNesting);
        checkTags(post); // finishes too
    }

    void megabytePost() {
        const QString paragraph = "[b]Bold[/b] and [color red yellow]colour[/color] with a "
                                  "[wink] and a [link https://forum.example/]link[/link].\r\n"
                                  "[quote Jo]a [i]quote[/i][/quote]\r\n";
        const int copies = (1 << 20) / int(paragraph.size()) + 1;
        const QString post = paragraph.repeated(copies);
        const QString html = renderVnml(post);
        QCOMPARE(html.count("<b>Bold</b>"), copies);
        QCOMPARE(html.count("wink.svg"), copies);
        QCOMPARE(html.count("<table"), copies);
        QVERIFY(checkTags(post).isEmpty());
    }
};

QTEST_MAIN(TestVnmlRenderer)
#include "tst_vnml_renderer.moc"

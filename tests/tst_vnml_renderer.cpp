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

    // The list skeletons the list page inserts, one nested after an item of another.
    static QString nestedAfterItem(QString outer, int item, const QString& inner) {
        const QString itemEnd = QString(" enter item%1 [/li]").arg(item);
        return outer.insert(outer.indexOf(itemEnd) + itemEnd.size(), inner);
    }

private slots:
    // The quote and code boxes carry long style attributes; the rows read them as
    // {box} ... {/box}, and paragraphs and pre blocks without their styles.
    void rendersThePost_data() {
        QTest::addColumn<QString>("post");
        QTest::addColumn<QString>("html");
        const auto row = [](const char* name, const QString& post, const QString& html) {
            QTest::newRow(name) << post << html;
        };
        const QString span = "<span style=\"%1\">x</span>";
        row("every kind of line break", "a\r\nb\nc\rd", "a<br>b<br>c<br>d");
        row("styles", "[b]b[/b][i]i[/i][u]u[/u][s]s[/s][tt]t[/tt]H[sub]2[/sub]O m[sup]2[/sup]",
            "<b>b</b><i>i</i><u>u</u><s>s</s><tt>t</tt>H<sub>2</sub>O m<sup>2</sup>");
        row("tag names in any case", "[B]x[/b][Quote]q[/QUOTE]", "<b>x</b>{box}q{/box}");
        row("the formatting page's nesting",
            "[quote Jo][b][i][tt][color red]hello[/color][/tt][/i][/b][/quote]",
            "{box}<p><b>Jo wrote:</b></p><b><i><tt><span style=\"color:#ff0000;\">hello</span>"
            "</tt></i></b>{/box}");
        row("colour on highlight", "[color red yellow]x[/color]",
            span.arg("color:#ff0000;background-color:#ffff00;"));
        row("highlight alone, two blanks", "[color  yellow]x[/color]",
            span.arg("background-color:#ffff00;"));
        row("unknown colour word", "[color purplish]x[/color]", "[color purplish]x[/color]");
        row("three colour words", "[color red blue green]x[/color]",
            "[color red blue green]x[/color]");
        row("handle with markup, quote in a quote", "[quote <b>&]x[quote B]y[/quote][/quote]",
            "{box}<p><b>&lt;b&gt;&amp; wrote:</b></p>x{box}<p><b>B wrote:</b></p>y{/box}{/box}");
        row("breaks around blocks", "Hi\r\n[quote]\r\nq\r\n[/quote]\r\nBye\r\n\r\n[code]c[/code]",
            "Hi{box}q{/box}Bye<br>{box}<pre>c</pre>{/box}");
        row("code shows tags as written", "[code][b]x[/b]\r\n<i> [wink][/code]",
            "{box}<pre>[b]x[/b]\n&lt;i&gt; [wink]</pre>{/box}");
        row("code ends at the first end tag", "[code][code]x[/code][/code]",
            "{box}<pre>[code]x</pre>{/box}[/code]");
        row("ignore shows tags as written", "[ignore][b]x[/b] [wink] [/quote][/ignore]",
            "[b]x[/b] [wink] [/quote]");
        row("code without end tag", "[code][b]x[/b]", "[code]<b>x</b>");
        row("list nested after an item",
            nestedAfterItem(listText({ListKind::Numbered, 2}), 1,
                            listText({ListKind::Bulleted, 1})),
            "<ol><li> enter item1 </li><ul><li> enter item1 </li></ul><li> enter item2 </li></ol>");
        row("web link", "[link http://forum.example/?a=1&b=\"2\"]site[/link]",
            "<a href=\"http://forum.example/?a=1&amp;b=&quot;2&quot;\">site</a>");
        row("mail link", "[LINK mailto:jo@forum.example]mail[/link]",
            "<a href=\"mailto:jo@forum.example\">mail</a>");
        row("script and file links stay text",
            "[link javascript:alert(1)]x[/link][link file:///etc/passwd]y[/link][link]z[/link]",
            "[link javascript:alert(1)]x[/link][link file:///etc/passwd]y[/link][link]z[/link]");
        row("image placeholder", "[img https://forum.example/a.png]",
            "<span style=\"color:#505050; background-color:#e4e4e4;\">&nbsp;Image: "
            "https://forum.example/a.png&nbsp;</span>");
        row("image from elsewhere stays text", "[img data:image/png;base64,AAAA]",
            "[img data:image/png;base64,AAAA]");
        row("smiley in capitals", "a [2ThumbsUp]",
            "a <img src=\"qrc:/smileys/2thumbsup.svg\" width=\"20\" height=\"20\" "
            "style=\"vertical-align:middle;\" alt=\"[2ThumbsUp]\">");
        row("html is text", "<script>alert(\"x\")</script> & <b>",
            "&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt; &amp; &lt;b&gt;");
        row("unknown tags and stray brackets",
            "[foo]x[/foo] [b x] [winky] [/img] [ b] [[b]x[/b]] [",
            "[foo]x[/foo] [b x] [winky] [/img] [ b] [<b>x</b>] [");
        row("unpaired tags", "x[/b] [b]x", "x[/b] [b]x");
        row("crossed inline tags reopen", "[b][i]x[/b]y[/i]", "<b><i>x</i></b><i>y</i>");
        row("crossing a quote", "[quote][b]x[/quote]y[/b]", "{box}<b>x</b>{/box}<b>y</b>");
        row("a block closed from outside stays closed", "[b][quote]x[/b]y[/quote]z",
            "<b>{box}x{/box}</b>yz");
    }
    void rendersThePost() {
        QFETCH(QString, post);
        QFETCH(QString, html);
        QString shown = renderVnml(post);
        shown.replace(QRegularExpression("<table[^>]*><tr><td>"), "{box}");
        shown.replace("</td></tr></table>", "{/box}");
        shown.replace(QRegularExpression("<(p|pre) style=\"[^\"]*\">"), "<\\1>");
        QCOMPARE(shown, html);
    }

    void imagesAreShownOnlyWhenAsked() {
        const VnmlRenderOptions load{true};
        QCOMPARE(renderVnml(QString("[img http://forum.example/a.gif?x=1&y=2]"), load),
                 "<img src=\"http://forum.example/a.gif?x=1&amp;y=2\">");
        QCOMPARE(renderVnml(QString("[img javascript:x]"), load), "[img javascript:x]");
    }

    // The view indents each level of lists of fifteen, nested twice, further than the last.
    void nestedListsIndentEachLevel() {
        const QString middle = nestedAfterItem(listText({ListKind::Numbered, 15}), 3,
                                               listText({ListKind::Bulleted, 15}));
        const QString post = nestedAfterItem(listText({ListKind::Bulleted, 15}), 2, middle);
        const QString html = renderVnml(post);
        QCOMPARE(html.count("<li>"), 45);
        QVERIFY(!html.contains('[') && !html.contains("<br>"));
        QVERIFY(checkTags(post).isEmpty());
        QTextDocument document;
        document.setHtml(html);
        QSet<int> indents;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            if (block.textList())
                indents.insert(block.textList()->format().indent());
        }
        QCOMPARE(indents.size(), 3);
    }

    // Deeper nesting still pairs its tags but draws no further box, so a hostile post cannot
    // make the view lay out thousands of boxes inside each other.
    void hostileNestingFinishes() {
        const int n = 10000;
        const QString deep =
            QString("[quote]").repeated(n) + "deep" + QString("[/quote]").repeated(n);
        const QString html = renderVnml(deep);
        QCOMPARE(html.count("<table"), kMaxRenderedNesting);
        QCOMPARE(html.count("</table>"), kMaxRenderedNesting);
        QVERIFY(html.contains("deep") && !html.contains("[quote]"));
        QTextDocument document; // the view can take it
        document.setHtml(html);
        QVERIFY(document.toPlainText().contains("deep"));
        for (const QString& post :
             {QString("[quote]").repeated(n), QString("[/quote]").repeated(n),
              QString("[b]").repeated(n) + QString("[i]").repeated(n) + "x" +
                  QString("[/b]").repeated(n) + QString("[/i]").repeated(n),
              QString("[code]x").repeated(n * 10), QString("[").repeated(n * 100),
              QString("[ul][li][color red][quote Jo][b]").repeated(n) + "x" +
                  QString("[/b][/quote][/color][/li][/ul]").repeated(n)}) {
            QVERIFY(renderVnml(post).count("<table") <= kMaxRenderedNesting);
            checkTags(post); // finishes too
        }
    }
};

QTEST_MAIN(TestVnmlRenderer)
#include "tst_vnml_renderer.moc"

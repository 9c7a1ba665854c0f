// The post as the forum shows it, as the preview renders it.
#include "markup/ListText.h"
#include "markup/PreviewDocument.h"
#include "markup/TagChecker.h"
#include "markup/VnmlRenderer.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

class TestVnmlRenderer : public QObject {
    Q_OBJECT

    // A list skeleton as the list page inserts it, put in after an item of another list.
    static QString nestedAfterItem(QString outer, int item, const QString& inner) {
        const QString itemEnd = QString(" enter item%1 [/li]").arg(item);
        return outer.insert(outer.indexOf(itemEnd) + itemEnd.size(), inner);
    }

private slots:
    // The quote and code boxes carry long style attributes; the rows read them as
    // {box} ... {/box}, and paragraphs and pre blocks without their styles.
    void rendersThePost() {
        const QString smiley = "<img src=\"qrc:/smileys/2thumbsup.svg\" width=\"20\" height=\"20\" "
                               "style=\"vertical-align:middle;\" alt=\"[2ThumbsUp]\">";
        for (const auto& [post, html] : std::initializer_list<std::pair<QString, QString>>{
                 {"a\r\nb\nc\rd "
                  "[b]b[/b][i]i[/i][u]u[/u][s]s[/s][tt]t[/tt]H[sub]2[/sub]O[sup]2[/sup]",
                  "a<br>b<br>c<br>d "
                  "<b>b</b><i>i</i><u>u</u><s>s</s><tt>t</tt>H<sub>2</sub>O<sup>2</sup>"},
                 {"[Quote Jo][B][i][tt][color red]x[/color][/tt][/i][/b][/QUOTE]",
                  "{box}<p><b>Jo wrote:</b></p><b><i><tt><span style=\"color:#ff0000;\">x</span>"
                  "</tt></i></b>{/box}"},
                 {"[color red yellow]x[/color][color  yellow]y[/color][color navy white]z[/color]",
                  "<span style=\"color:#ff0000;background-color:#ffff00;\">x</span><span "
                  "style=\"background-color:#ffff00;\">y</span><span "
                  "style=\"color:#000080;background-color:#ffffff;\">z</span>"},
                 // Unknown colour words and links to anything but the web stay as written.
                 {"[color purplish]x[/color][color red blue green]y[/color][link javascript:x]x"
                  "[/link][link file:///etc/passwd]y[/link][link]z[/link]",
                  ""},
                 {"[quote <b>&]x[quote]y[/quote][/quote]",
                  "{box}<p><b>&lt;b&gt;&amp; wrote:</b></p>x{box}y{/box}{/box}"},
                 {"Hi\r\n[quote]\r\nq\r\n[/quote]\r\nBye\r\n\r\n[code]c[/code]",
                  "Hi{box}q{/box}Bye<br>{box}<pre>c</pre>{/box}"},
                 {"[code][b]x[/b]\r\n<i> [wink][code][/code][/code]",
                  "{box}<pre>[b]x[/b]\n&lt;i&gt; [wink][code]</pre>{/box}[/code]"},
                 {"[ignore][b]x[/b] [wink] [/quote][/ignore][code][b]x[/b]",
                  "[b]x[/b] [wink] [/quote][code]<b>x</b>"},
                 {"[link http://forum.example/?a=1&b=\"2\"]site[/link][LINK "
                  "mailto:jo@x.example]m[/link]",
                  "<a href=\"http://forum.example/?a=1&amp;b=&quot;2&quot;\">site</a><a "
                  "href=\"mailto:jo@x.example\">m</a>"},
                 {"[img https://forum.example/a.png][img data:image/png;base64,AAAA]",
                  "<span style=\"color:#505050; background-color:#e4e4e4;\">&nbsp;Image: "
                  "https://forum.example/a.png&nbsp;</span>[img data:image/png;base64,AAAA]"},
                 {"a [2ThumbsUp] <script>\"x\"</script> &",
                  "a " + smiley + " &lt;script&gt;&quot;x&quot;&lt;/script&gt; &amp;"},
                 {"[foo]x[/foo] [b x] [winky] [/img] [ b] [[b]x[/b]] [ x[/b] [b]x",
                  "[foo]x[/foo] [b x] [winky] [/img] [ b] [<b>x</b>] [ x[/b] [b]x"},
                 // Crossed inline tags reopen; a block closed from outside stays closed.
                 {"[b][i]x[/b]y[/i] [quote][b]x[/quote]y[/b] [b][quote]x[/b]y[/quote]z",
                  "<b><i>x</i></b><i>y</i> {box}<b>x</b>{/box}<b>y</b> <b>{box}x{/box}</b>yz"},
             }) {
            QString shown = renderVnml(post);
            shown.replace(QRegularExpression("<table[^>]*><tr><td>"), "{box}");
            shown.replace("</td></tr></table>", "{/box}");
            shown.replace(QRegularExpression("<(p|pre) style=\"[^\"]*\">"), "<\\1>");
            QCOMPARE(shown, html.isEmpty() ? post : html);
        }
        const VnmlRenderOptions load{true}; // images only when asked for
        QCOMPARE(
            renderVnml(QString("[img http://x.example/a.gif?x=1&y=2][img javascript:x]"), load),
            "<img src=\"http://x.example/a.gif?x=1&amp;y=2\">[img javascript:x]");
    }

    // The view indents each level of lists of fifteen, nested twice as the list page puts
    // them in, further than the last.
    void nestedListsIndentEachLevel() {
        const QString middle = nestedAfterItem(listText({ListKind::Numbered, 15}), 3,
                                               listText({ListKind::Bulleted, 15}));
        const QString post = nestedAfterItem(listText({ListKind::Bulleted, 15}), 2, middle);
        const QString html = renderVnml(post);
        QCOMPARE(html.count("<li>"), 45);
        QVERIFY(!html.contains('[') && !html.contains("<br>") && checkTags(post).isEmpty());
        QTextDocument document;
        document.setHtml(html);
        QSet<int> indents;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            if (block.textList())
                indents.insert(block.textList()->format().indent());
        }
        QCOMPARE(indents, (QSet<int>{1, 2, 3}));
    }

    // The preview's document reads as the view of the HTML shows it, a line to a paragraph;
    // patched to a newer post it equals one built afresh, and a patch moves only what changed.
    void thePreviewDocumentIsPatched() {
        QString post = "a\r\n[b]b\r\nc[/b] [wink]\r\n\r\n[quote Jo]q\r\n[b]r[/b][/quote]\r\n" +
                       listText({ListKind::Bulleted, 3}) + "\r\nz";
        QTextDocument plain;
        plain.setHtml(renderVnml(post));
        const std::unique_ptr<QTextDocument> shown = buildPreviewDocument(post, {});
        QCOMPARE(shown->toPlainText(), plain.toPlainText().replace(QChar::LineSeparator, '\n'));
        QCOMPARE(shown->firstBlock().next().text(), "b");

        const QStringList pieces{"x",       "\r\n",     "[b]",      "[/b]",
                                 "[quote]", "[/quote]", "[ul][li]", "[/li][/ul]",
                                 "[wink]",  "[code]",   "[/code]"};
        QRandomGenerator random(17);
        std::unique_ptr<QTextDocument> target = buildPreviewDocument(post, {});
        for (int edit = 0; edit < 400; ++edit) {
            const int at = random.bounded(int(post.size()) + 1);
            post.remove(at, random.bounded(std::min(6, int(post.size()) - at) + 1));
            post.insert(at, pieces[random.bounded(int(pieces.size()))]);
            std::unique_ptr<QTextDocument> next = buildPreviewDocument(post, {});
            const int stepSize = 1 + random.bounded(40);
            for (const PreviewPatch::Step& step :
                 diffPreviewDocuments(*target, *next, stepSize).steps)
                applyPreviewStep(*shown, step);
            QCOMPARE(shown->toHtml(), next->toHtml());
            target = std::move(next);
        }

        const QString lines = QString("[b]line[/b] [wink]\r\n").repeated(300);
        const auto before = buildPreviewDocument(lines, {});
        const auto after = buildPreviewDocument(QString(lines).insert(3000, "[i]x[/i]"), {});
        int moved = 0;
        for (const PreviewPatch::Step& step : diffPreviewDocuments(*before, *after, 1000).steps)
            moved += step.to - step.from + int(step.insert.toRawText().size());
        QVERIFY(moved > 0 && moved < 100);
    }

    // Deeper nesting still pairs its tags but draws no further box, so a hostile post cannot
    // make the view lay out thousands of boxes inside each other.
    void hostileNestingFinishes() {
        const int n = 10000;
        const QString html =
            renderVnml(QString("[quote]").repeated(n) + "deep" + QString("[/quote]").repeated(n));
        QCOMPARE(html.count("<table"), kMaxRenderedNesting);
        QCOMPARE(html.count("</table>"), kMaxRenderedNesting);
        QVERIFY(html.contains("deep") && !html.contains("[quote]"));
        QTextDocument document; // the view can take it
        document.setHtml(html);
        QVERIFY(document.toPlainText().contains("deep"));
        for (const QString& post : {QString("[code]x").repeated(n * 10) + QString("[").repeated(n),
                                    QString("[ul][li][color red][quote Jo][b]").repeated(n) + "x" +
                                        QString("[/b][/i][/color][/li][/ul]").repeated(n)})
            QVERIFY(renderVnml(post).count("<table") <= kMaxRenderedNesting);
    }
};

QTEST_MAIN(TestVnmlRenderer)
#include "tst_vnml_renderer.moc"

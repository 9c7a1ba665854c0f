// The tag check: which tags it reports, where it says they are, and what it lets pass.
#include "markup/TagChecker.h"

#include <QTest>

class TestTagChecker : public QObject {
    Q_OBJECT

private slots:
    // "crossed [/b] over [i] 1:8 @7+4": kind, tag (and the tag still open inside),
    // line:column, surface position and length.
    void findsTheProblems_data() {
        QTest::addColumn<QString>("post");
        QTest::addColumn<QStringList>("problems");
        const auto row = [](const char* name, const QString& post, const QStringList& problems) {
            QTest::newRow(name) << post << problems;
        };
        row("balanced", "[b]x[/b] [quote Jo][i]y[/i][/quote]", {});
        row("every colour form",
            "[color red]a[/color][color red yellow]b[/color][color  yellow]c[/color]", {});
        row("names in any case", "[B]x[/b][Color Red]y[/COLOR]", {});
        row("start tag without end", "ab[b]x", {"open [b] 1:3 @2+3"});
        row("end tag without start", "x[/i]", {"stray [/i] 1:2 @1+4"});
        row("closed out of order", "[b][i]x[/b][/i]", {"crossed [/b] over [i] 1:8 @7+4"});
        row("the tag just inside is named", "[quote][b][u]x[/quote][/u][/b]",
            {"crossed [/quote] over [u] 1:15 @14+8"});
        row("an item left open in a list", "[ul][li]a[/ul]",
            {"open [li] 1:5 @4+4", "crossed [/ul] over [li] 1:10 @9+5"});
        row("in text order", "[/b][i]", {"stray [/b] 1:1 @0+4", "open [i] 1:5 @4+3"});
        row("CR LF counts one in the surface", "a\r\nb\r\n  [/u]", {"stray [/u] 3:3 @6+4"});
        row("LF and CR alone", "a\nb\r[/u]", {"stray [/u] 3:1 @4+4"});
        row("code and ignore hide their tags", "[code][b][/i][/code][ignore][/quote][/ignore]", {});
        row("code without end", "[code][b]x[/b]", {"open [code] 1:1 @0+6"});
        row("no pairs for smileys and images", "[wink][img http://forum.example/a.png]", {});
        row("unknown tags pass", "[foo][/foo][b x][/img][color purplish]", {});
        row("bad link address still pairs", "[link javascript:x]y",
            {"open [link javascript:x] 1:1 @0+19"});
        row("stray after a closed pair", "[b]x[/b][/b]", {"stray [/b] 1:9 @8+4"});
    }
    void findsTheProblems() {
        QFETCH(QString, post);
        QFETCH(QStringList, problems);
        QStringList found;
        for (const TagProblem& problem : checkTags(post)) {
            const char* kind[] = {"open ", "stray ", "crossed "};
            found << kind[int(problem.kind)] + problem.tag +
                         (problem.innerTag.isEmpty() ? "" : " over " + problem.innerTag) +
                         QString(" %1:%2 @%3+%4")
                             .arg(problem.line)
                             .arg(problem.column)
                             .arg(problem.position)
                             .arg(problem.length);
        }
        QCOMPARE(found, problems);
    }

    void messagesSayWhatIsWrongAndWhere() {
        QStringList messages;
        for (const TagProblem& problem :
             checkTags(QString("[b]\r\n[i]x[/b][/i][/u]\r\n[quote Jo]")))
            messages << problem.message();
        QCOMPARE(messages,
                 (QStringList{"Line 2, column 5: [/b] closes before [i] inside it is closed",
                              "Line 2, column 13: [/u] has no start tag",
                              "Line 3, column 1: [quote Jo] is never closed"}));
    }

    void hostileInput() {
        const int depth = 10000;
        const QList<TagProblem> open = checkTags(QString("[quote]").repeated(depth));
        QCOMPARE(open.size(), depth);
        QCOMPARE(open.last().column, 7 * (depth - 1) + 1);
        QVERIFY(checkTags(QString("[quote]").repeated(depth) + QString("[/quote]").repeated(depth))
                    .isEmpty());
        // Each [/b] closes past every [i]: one crossing apiece, and the [i]s pair after.
        const int n = 5000;
        const QList<TagProblem> crossed =
            checkTags(QString("[b]").repeated(n) + QString("[i]").repeated(n) +
                      QString("[/b]").repeated(n) + QString("[/i]").repeated(n));
        QCOMPARE(crossed.size(), n);
        QCOMPARE(crossed.first().kind, TagProblem::Kind::Crossed);
    }
};

QTEST_MAIN(TestTagChecker)
#include "tst_tag_checker.moc"

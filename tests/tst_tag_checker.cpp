// The tag check (the preview's problem list shows its messages).
#include "markup/BackgroundTagCheck.h"

#include <QTest>

class TestTagChecker : public QObject {
    Q_OBJECT

private slots:
    // "crossed [/b] over [i] 1:8 @7+4": kind, tag (and the tag still open inside),
    // line:column, surface position and length.
    void findsTheProblems() {
        for (const auto& [post, problems] : std::initializer_list<std::pair<QString, QStringList>>{
                 {"[b]x[/b] [quote Jo][i]y[/i][/quote][B]x[/b][Color Red]y[/COLOR]", {}},
                 {"[color red]a[/color][color red yellow]b[/color][color  yellow]c[/color]", {}},
                 {"ab[b]x", {"open [b] 1:3 @2+3"}},
                 {"x[/i]", {"stray [/i] 1:2 @1+4"}},
                 {"[b][i]x[/b][/i]", {"crossed [/b] over [i] 1:8 @7+4"}},
                 {"[quote][b][u]x[/quote][/u][/b]", {"crossed [/quote] over [u] 1:15 @14+8"}},
                 {"[ul][li]a[/ul]", {"open [li] 1:5 @4+4", "crossed [/ul] over [li] 1:10 @9+5"}},
                 {"[/b][i]", {"stray [/b] 1:1 @0+4", "open [i] 1:5 @4+3"}},
                 // A CR LF counts one character in the surface; LF and CR alone break too.
                 {"a\r\nb\r\n  [/u]", {"stray [/u] 3:3 @6+4"}},
                 {"a\nb\r[/u]", {"stray [/u] 3:1 @4+4"}},
                 // Code and ignore hide the tags inside them; smileys, images and tags
                 // the forum does not know take no partner.
                 {"[code][b][/i][/code][ignore][/quote][b][/ignore][wink][img "
                  "http://x.example/a.png]"
                  "[foo][/foo][b x][/img][color purplish]",
                  {}},
                 {"[code][b]x[/b]", {"open [code] 1:1 @0+6"}},
                 {"[link javascript:x]y", {"open [link javascript:x] 1:1 @0+19"}},
                 {"[b]x[/b][/b]", {"stray [/b] 1:9 @8+4"}},
             }) {
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
    }

    // Each [/b] closes past every [i]: one crossing apiece, and the [i]s pair after.
    void manyCrossingsAreReportedOnceEach() {
        const int n = 5000;
        const QList<TagProblem> crossed =
            checkTags(QString("[b]").repeated(n) + QString("[i]").repeated(n) +
                      QString("[/b]").repeated(n) + QString("[/i]").repeated(n));
        QCOMPARE(crossed.size(), n);
        QCOMPARE(crossed.first().kind, TagProblem::Kind::Crossed);
    }

    // Texts handed in quickly: only the newest is reported last, and a check dropped
    // during a check takes nothing down with it.
    void theCheckReportsTheNewestText() {
        const QString slow = QString("[b]x[/i]\r\n").repeated(20000);
        {
            BackgroundTagCheck dropped;
            dropped.check(slow);
        }
        BackgroundTagCheck checker;
        QList<QList<TagProblem>> reports;
        connect(&checker, &BackgroundTagCheck::problemsFound, this,
                [&](const QList<TagProblem>& problems) { reports << problems; });
        for (const QString& post : {slow, QString("[u]"), QString("a\r\n[/b] [i] [/s]")})
            checker.check(post);
        QVERIFY(checker.isChecking());
        QTRY_VERIFY(!checker.isChecking());
        QVERIFY(reports.size() <= 2);
        QCOMPARE(reports.last(), checkTags(QString("a\r\n[/b] [i] [/s]")));
        QCOMPARE(checker.problems(), reports.last());
    }
};

QTEST_MAIN(TestTagChecker)
#include "tst_tag_checker.moc"

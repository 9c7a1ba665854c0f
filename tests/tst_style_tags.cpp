// Composing tags on the formatting page and putting them around the selection.
#include "EditorFixture.h"
#include "markup/TagHolders.h"
#include "platform/RichTextBox.h"
#include "shell/PostEditor.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>

class TestStyleTags : public QObject {
    Q_OBJECT

    static QString shown(const EditorFixture& f) {
        return f.workArea->findChild<QLabel*>("lblShow")->text();
    }
    static void selectAll(const EditorFixture& f) {
        f.surface().setSelStart(0);
        f.surface().setSelLength(f.box()->characterCount());
    }

private slots:
    void composeOrderIsFixedWhateverIsSet() {
        TagHolders holders;
        holders.TxtCodeStart = "A";
        holders.TxtQuoteDaveStart = "B";
        holders.TxtBoldStart = "C";
        holders.TxtMonoStart = "D";
        holders.TxtLBracket = "[color ";
        holders.TxtTeal = "teal";
        holders.TxtHLYellow = " yellow";
        holders.TxtRBracket = "]";
        holders.TxtColorEnd = "1";
        holders.TxtMonoEnd = "2";
        holders.TxtBoldEnd = "3";
        holders.TxtQuoteDaveEnd = "4";
        holders.TxtCodeEnd = "5";
        holders.compose();
        QCOMPARE(holders.TxtStartTag, "ABCD[color teal yellow]");
        QCOMPARE(holders.TxtEndTag, "12345");
        QCOMPARE(holders.display(), "ABCD[color teal yellow] YOUR TEXT 12345");
        QCOMPARE(holders.holder("TxtHLYellow"), &holders.TxtHLYellow);
        QCOMPARE(holders.holder("NoSuchHolder"), nullptr);
    }

    void applyWrapsInTheSameOrderWhateverTheTickingOrder_data() {
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("underline then bold") << QStringList{"chkUnderline", "chkBold"};
        QTest::newRow("bold then underline") << QStringList{"chkBold", "chkUnderline"};
    }
    void applyWrapsInTheSameOrderWhateverTheTickingOrder() {
        QFETCH(QStringList, boxes);
        EditorFixture f;
        f.clipboard.content = QString("something the user copied");
        f.type("abc");
        selectAll(f);
        for (const QString& box : boxes)
            f.click(box.toLatin1());
        f.click("cmdInsert");
        QCOMPARE(f.surface().text(), "[b][u]abc[/u][/b]");
        QVERIFY(!f.clipboard.content.has_value());
        QCOMPARE(f.surface().selStart(), f.box()->characterCount());
        QCOMPARE(f.surface().selLength(), 0);
    }

    void applyClearsTheRealClipboardToo() {
        EditorFixture f(EditorFixture::UseSystemClipboard);
        QGuiApplication::clipboard()->setText("before");
        f.type("one\ntwo");
        selectAll(f);
        f.click("chkItalic");
        f.click("cmdInsert");
        QCOMPARE(f.surface().text(), "[i]one\r\ntwo[/i]");
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    }

    void applyWithoutSelectionInsertsBothTagsAtTheCaret() {
        EditorFixture f;
        f.type("xy");
        f.surface().setSelStart(1);
        f.click("chkBold");
        f.click("cmdInsert");
        QCOMPARE(f.surface().text(), "x[b][/b]y");
        QCOMPARE(f.surface().selStart(), 8);
    }

    void applyWithNothingChosenPutsTheSelectionBack() {
        EditorFixture f;
        f.type("keep");
        selectAll(f);
        f.click("cmdInsert");
        QCOMPARE(f.surface().text(), "keep");
        QVERIFY(!f.clipboard.content.has_value());
    }

    void unusableClipboardNeverLosesTheSelection() {
        EditorFixture f;
        f.clipboard.available = false;
        f.type("precious");
        selectAll(f);
        f.click("chkStrike");
        f.click("cmdInsert");
        QCOMPARE(f.surface().text(), "[s]precious[/s]");
    }

    void workedExampleShowsTheComposedTags() {
        EditorFixture f;
        QCOMPARE(shown(f), " YOUR TEXT ");
        for (const char* box : {"chkTT", "chkBold", "chkItalic"})
            f.click(box);
        QCOMPARE(shown(f), "[b][i][tt] YOUR TEXT [/tt][/i][/b]");
        QCOMPARE(f.workArea->holders.TxtStartTag, "[b][i][tt]");
        QCOMPARE(f.workArea->holders.TxtEndTag, "[/tt][/i][/b]");

        f.click("chkBold"); // cleared again
        QCOMPARE(f.workArea->holders.TxtBoldStart, QString());
        QCOMPARE(f.workArea->holders.TxtBoldEnd, QString());
        QCOMPARE(shown(f), "[i][tt] YOUR TEXT [/tt][/i]");
    }

    void sampleShowsTheChosenStyle() {
        EditorFixture f;
        auto* sample = f.workArea->findChild<QLabel*>("LblSample");
        f.click("chkBold");
        f.click("chkStrike");
        QVERIFY(sample->font().bold());
        QVERIFY(sample->font().strikeOut());
        f.click("chkTT");
        QCOMPARE(sample->font().family(), "Courier New");
        QCOMPARE(sample->font().pointSize(), 11);
        f.click("chkTT");
        QCOMPARE(sample->font().family(), "Verdana");
        QCOMPARE(sample->font().pointSize(), 10);
        QVERIFY(sample->font().bold());
    }

    void clearResetsThePageButNotThePost() {
        EditorFixture f;
        f.type("text");
        for (const char* box : {"chkBold", "chkItalic", "chkUnderline", "chkStrike", "chkTT"})
            f.click(box);
        f.click("cmdDefault");
        for (const char* box : {"chkBold", "chkItalic", "chkUnderline", "chkStrike", "chkTT"})
            QVERIFY2(!f.button(box)->isChecked(), box);
        const TagHolders& h = f.workArea->holders;
        QCOMPARE(h.TxtStartTag + h.TxtEndTag, QString());
        QCOMPARE(shown(f), " YOUR TEXT ");
        auto* sample = f.workArea->findChild<QLabel*>("LblSample");
        QCOMPARE(sample->font().family(), "Verdana");
        QVERIFY(!sample->font().bold() && !sample->font().italic());
        QVERIFY(!sample->font().underline() && !sample->font().strikeOut());
        QCOMPARE(f.surface().text(), "text");
    }

    void pageSwitcherHighlightsOneButtonAndExplainsItsPage() {
        EditorFixture f;
        auto* help = f.workArea->findChild<QLabel*>("Label6");
        QVERIFY(f.button("cmdStyle")->font().bold());
        QVERIFY(help->text().startsWith("You can use any combination of color & style"));
        f.click("cmdSmiley");
        QVERIFY(f.workArea->findChild<QWidget*>("FrameSmiley")->isVisible());
        QVERIFY(!f.workArea->findChild<QWidget*>("FrameCustom")->isVisible());
        QVERIFY(help->text().contains("verify & insert more"));
        f.click("cmdList");
        QVERIFY(help->text().startsWith("To insert sub items"));
        f.click("cmdStyle");
        QVERIFY(f.button("cmdStyle")->font().bold());
        QVERIFY(!f.button("cmdSmiley")->font().bold());
        QVERIFY(!f.button("cmdList")->font().bold());
        QVERIFY(f.workArea->findChild<QWidget*>("FrameCustom")->isVisible());
    }

    void applyIsDisabledOnFocusOnlyWhenNothingIsChosen() {
        EditorFixture f;
        auto* apply = f.button("cmdInsert");
        f.workArea->setFocus(Qt::MouseFocusReason);
        QVERIFY(!apply->isEnabled());
        QVERIFY(f.box()->hasFocus());
        f.click("chkUnderline");
        f.workArea->setFocus(Qt::MouseFocusReason);
        QVERIFY(apply->isEnabled());
    }
};

QTEST_MAIN(TestStyleTags)
#include "tst_style_tags.moc"

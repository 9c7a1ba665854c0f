// The text colour and highlight groups: the one colour tag they compose, the sample's
// colours and the two defaults that together remove the colour tag.
#include "EditorFixture.h"
#include "platform/RichTextBox.h"
#include "platform/SystemColours.h"
#include "shell/PostEditor.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

class TestColourTags : public QObject {
    Q_OBJECT

    static QString startTag(const EditorFixture& f) { return f.workArea->holders.TxtStartTag; }
    static QString endTag(const EditorFixture& f) { return f.workArea->holders.TxtEndTag; }
    static QLabel* sample(const EditorFixture& f) {
        return f.workArea->findChild<QLabel*>("LblSample");
    }
    static QColor sampleText(const EditorFixture& f) {
        return sample(f)->palette().color(QPalette::WindowText);
    }
    static QColor sampleBackground(const EditorFixture& f) {
        return sample(f)->palette().color(QPalette::Window);
    }

private slots:
    void startsWithoutColourTag() {
        EditorFixture f;
        QVERIFY(f.button("OptionBlack")->isChecked());
        QVERIFY(f.button("OptionHLNone")->isChecked());
        QCOMPARE(startTag(f), QString());
        QCOMPARE(endTag(f), QString());
        QCOMPARE(sampleText(f), QColor(Qt::black));
        QCOMPARE(sampleBackground(f), QColor(Qt::white));
    }

    void textColourThenHighlightsThenBlack() {
        EditorFixture f;
        f.click("OptionRed");
        QCOMPARE(startTag(f), "[color red]");
        QCOMPARE(endTag(f), "[/color]");
        f.click("OptionHLYellow");
        QCOMPARE(startTag(f), "[color red yellow]");
        QCOMPARE(sampleText(f), QColor(255, 0, 0));
        QCOMPARE(sampleBackground(f), QColor(255, 255, 0));
        f.click("OptionHLNone");
        QCOMPARE(startTag(f), "[color red white]");
        QCOMPARE(sampleBackground(f), QColor(Qt::white));
        f.click("OptionBlack"); // with None: the full reset
        QCOMPARE(startTag(f), QString());
        QCOMPARE(endTag(f), QString());
        QCOMPARE(sampleText(f), QColor(Qt::black));
    }

    void colourTagSitsInsideTheStyleTags() {
        EditorFixture f;
        f.type("abc");
        f.surface().setSelStart(0);
        f.surface().setSelLength(3);
        f.click("OptionRed");
        f.click("chkBold");
        f.click("cmdInsert");
        QCOMPARE(f.surface().text(), "[b][color red]abc[/color][/b]");
    }

    void clearSelectsTheDefaultsAndRemovesEveryTag() {
        EditorFixture f;
        for (const char* control : {"OptionPurple", "OptionHLGreen", "OptionQuote", "chkBold"})
            f.click(control);
        f.click("cmdDefault");
        for (const char* option : {"OptionBlack", "OptionHLNone", "OptionNone"})
            QVERIFY2(f.button(option)->isChecked(), option);
        QCOMPARE(startTag(f), QString());
        QCOMPARE(endTag(f), QString());
        const TagHolders& h = f.workArea->holders;
        QCOMPARE(h.TxtLBracket + h.TxtRBracket + h.TxtColorEnd + h.TxtPurple + h.TxtHLGreen +
                     h.TxtHLWhite + h.TxtBlack,
                 QString());
        QCOMPARE(sampleText(f), QColor(Qt::black));
        QCOMPARE(sampleBackground(f), QColor(Qt::white));
        QVERIFY(!sample(f)->font().italic());
    }

    void applyIsDisabledOnFocusWhileNoColourIsChosen() {
        EditorFixture f;
        auto* apply = f.button("cmdInsert");
        f.click("OptionQuote"); // the main tag does not count
        f.workArea->setFocus(Qt::MouseFocusReason);
        QVERIFY(!apply->isEnabled());
        f.click("OptionHLRed");
        f.workArea->setFocus(Qt::MouseFocusReason);
        QVERIFY(apply->isEnabled());
        f.click("OptionHLNone");
        f.click("OptionGray");
        f.workArea->setFocus(Qt::MouseFocusReason);
        QVERIFY(apply->isEnabled());
    }

    void captionsAreDrawnInOrOnTheirColours() {
        EditorFixture f;
        QCOMPARE(f.button("OptionRed")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(SystemColours::backgroundOf(f.button("OptionHLYellow")), QColor(255, 255, 0));
        QCOMPARE(SystemColours::backgroundOf(f.button("OptionHLAqua")), QColor(128, 255, 255));
    }
};

QTEST_MAIN(TestColourTags)
#include "tst_colour_tags.moc"

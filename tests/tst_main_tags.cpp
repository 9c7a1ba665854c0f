// The main tags: Text Only, Quote, Quote( ) with its handle, and Code; their pictures,
// the Italic box they take away or clear, and Apply's refusal of a quote without handle.
#include "EditorFixture.h"
#include "platform/RichTextBox.h"
#include "shell/PostEditor.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

class TestMainTags : public QObject {
    Q_OBJECT

    static QLineEdit* field(const EditorFixture& f, const char* name) {
        return f.workArea->findChild<QLineEdit*>(name);
    }
    static bool sampleItalic(const EditorFixture& f) {
        return f.workArea->findChild<QLabel*>("LblSample")->font().italic();
    }
    static QStringList visiblePictures(const EditorFixture& f) {
        QStringList shown;
        for (const char* name : {"PicNone", "PicQuote", "PicQuoteDave", "picCode"}) {
            if (f.workArea->findChild<QLabel*>(name)->isVisible())
                shown << name;
        }
        return shown;
    }
    static bool handleControlsVisible(const EditorFixture& f) {
        bool all = true;
        bool any = false;
        for (const char* name : {"TxtHandle", "LblHandle", "cmdHandlePaste", "TxtQuoteDisplay"}) {
            const bool visible = f.workArea->findChild<QWidget*>(name)->isVisible();
            all = all && visible;
            any = any || visible;
        }
        Q_ASSERT(all == any);
        return all;
    }
    static void typeAndSelectAll(const EditorFixture& f, const QString& text) {
        f.type(text);
        f.surface().setSelStart(0);
        f.surface().setSelLength(text.size());
    }

private slots:
    void startsAsTextOnly() {
        EditorFixture f;
        QVERIFY(f.button("OptionNone")->isChecked());
        QCOMPARE(visiblePictures(f), QStringList{"PicNone"});
        QVERIFY(!handleControlsVisible(f));
        QVERIFY(f.button("chkItalic")->isEnabled());
        QCOMPARE(field(f, "TxtQuoteDisplay")->text(), QString());
    }

    void quoteWrapsAndTakesTheItalicBoxAway() {
        EditorFixture f;
        f.click("chkItalic");
        f.click("OptionQuote");
        QVERIFY(!f.button("chkItalic")->isEnabled());
        QVERIFY(!f.button("chkItalic")->isChecked());
        QVERIFY(sampleItalic(f));
        QCOMPARE(visiblePictures(f), QStringList{"PicQuote"});
        QVERIFY(!handleControlsVisible(f));
        typeAndSelectAll(f, "abc");
        f.click("cmdInsert");
        QCOMPARE(f.surface().text(), "[quote]abc[/quote]");
    }

    void creditedQuoteCarriesTheHandle() {
        EditorFixture f;
        f.click("OptionQuoteDave");
        QVERIFY(handleControlsVisible(f));
        QCOMPARE(visiblePictures(f), QStringList{"PicQuoteDave"});
        QCOMPARE(f.workArea->holders.TxtStartTag, "[quote]");
        QTest::keyClicks(field(f, "TxtHandle"), "Jo");
        f.click("chkBold"); // Italic is disabled, Bold is not
        QCOMPARE(field(f, "TxtQuoteDisplay")->text(), "(Jo):");
        QCOMPARE(f.workArea->holders.TxtStartTag, "[quote Jo][b]");
        QCOMPARE(f.workArea->holders.TxtEndTag, "[/b][/quote]");
        typeAndSelectAll(f, "hello");
        f.click("cmdInsert");
        QCOMPARE(f.surface().text(), "[quote Jo][b]hello[/b][/quote]");
        QVERIFY(f.prompter.messages.isEmpty());
    }

    void creditedQuoteWithoutHandleIsRefused_data() {
        QTest::addColumn<QString>("typedThenDeleted");
        QTest::newRow("never typed") << QString();
        QTest::newRow("typed then deleted") << QString("Jo");
    }
    void creditedQuoteWithoutHandleIsRefused() {
        QFETCH(QString, typedThenDeleted);
        EditorFixture f;
        typeAndSelectAll(f, "abc");
        f.click("OptionQuoteDave");
        QLineEdit* handle = field(f, "TxtHandle");
        QTest::keyClicks(handle, typedThenDeleted);
        handle->clear();
        QCOMPARE(f.workArea->holders.TxtStartTag,
                 typedThenDeleted.isEmpty() ? "[quote]" : "[quote ]");
        f.box()->setFocus();
        f.click("cmdInsert");
        QCOMPARE(f.prompter.messages.size(), 1);
        QCOMPARE(f.prompter.messages[0].text, "Please enter a Handle Name");
        QCOMPARE(f.prompter.messages[0].title, "Quillet");
        QCOMPARE(f.prompter.messages[0].icon, Prompter::Icon::Information);
        QCOMPARE(f.prompter.messages[0].buttons, Prompter::Buttons::Ok);
        QVERIFY(handle->hasFocus());
        QCOMPARE(f.surface().text(), "abc");
    }

    void codeClearsItalicButLeavesTheBoxEnabled() {
        EditorFixture f;
        f.click("chkItalic");
        f.click("Optioncode");
        QVERIFY(f.button("chkItalic")->isEnabled());
        QVERIFY(!f.button("chkItalic")->isChecked());
        QVERIFY(!sampleItalic(f));
        QCOMPARE(f.workArea->holders.TxtStartTag, "[code]");
        f.click("OptionQuote");
        QCOMPARE(f.workArea->holders.TxtStartTag, "[quote]");
        QCOMPARE(f.workArea->holders.TxtEndTag, "[/quote]");
    }

    // Leaving the credited quote empties the handle, whose change handler fills the
    // hidden display and the start holder before the option empties the holder again.
    void leavingTheCreditedQuoteForgetsTheHandle() {
        EditorFixture f;
        f.click("OptionQuoteDave");
        QTest::keyClicks(field(f, "TxtHandle"), "Jo");
        f.click("Optioncode");
        QCOMPARE(field(f, "TxtHandle")->text(), QString());
        QCOMPARE(field(f, "TxtQuoteDisplay")->text(), "():");
        QCOMPARE(f.workArea->holders.TxtQuoteDaveStart, QString());
        QCOMPARE(f.workArea->holders.TxtStartTag, "[code]");
        f.click("OptionQuoteDave");
        QCOMPARE(f.workArea->holders.TxtStartTag, "[quote]");
    }

    void textOnlyAfterCodeWithItalicClearsTheMainTag() {
        EditorFixture f;
        f.click("Optioncode");
        f.click("chkItalic");
        f.click("OptionNone");
        QCOMPARE(visiblePictures(f), QStringList{"PicNone"});
        QCOMPARE(f.workArea->holders.TxtStartTag, "[i]");
        QVERIFY(f.button("chkItalic")->isChecked());
        QVERIFY(sampleItalic(f));
    }

    void pasteFillsTheHandleAtItsCaret() {
        EditorFixture f;
        f.click("OptionQuoteDave");
        QLineEdit* handle = field(f, "TxtHandle");
        QTest::keyClicks(handle, "Dr");
        f.clipboard.content = QString("Jo");
        f.click("cmdHandlePaste");
        QCOMPARE(handle->text(), "DrJo");
        QVERIFY(handle->hasFocus());
        QCOMPARE(field(f, "TxtQuoteDisplay")->text(), "(DrJo):");
        QCOMPARE(f.workArea->holders.TxtQuoteDaveStart, "[quote DrJo]");
        QCOMPARE(f.clipboard.content, QString("Jo"));
    }

    void pasteButtonKeepsTheOrdinaryCursor() {
        EditorFixture f;
        QCOMPARE(f.button("cmdHandlePaste")->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(f.button("cmdInsert")->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(f.workArea->findChild<QLabel*>("Label1")->cursor().shape(),
                 Qt::PointingHandCursor);
    }
};

QTEST_MAIN(TestMainTags)
#include "tst_main_tags.moc"

// The main tags: Text Only, Quote, Quote( ) with its handle, and Code.
#include "EditorFixture.h"

class TestMainTags : public QObject {
    Q_OBJECT

    static QLineEdit* field(const EditorFixture& f, const char* name) {
        return f.child<QLineEdit>(name);
    }
    // The picture shown, the Italic box, the sample's slant, whether the four handle
    // controls show, and the handle display: "PicQuoteDave, box disabled, italic, handle (Jo):".
    static QString state(const EditorFixture& f) {
        QStringList state;
        for (const char* name : {"PicNone", "PicQuote", "PicQuoteDave", "picCode"}) {
            if (f.child<QLabel>(name)->isVisible())
                state << name;
        }
        const QAbstractButton* box = f.button("chkItalic");
        state << (!box->isEnabled() ? "box disabled" : box->isChecked() ? "box on" : "box off");
        state << (f.child<QLabel>("LblSample")->font().italic() ? "italic" : "upright");
        int handleShown = 0;
        for (const char* name : {"TxtHandle", "LblHandle", "cmdHandlePaste", "TxtQuoteDisplay"})
            handleShown += f.child(name)->isVisible();
        const QString display = field(f, "TxtQuoteDisplay")->text();
        state << (handleShown == 4 ? "handle " : handleShown ? "part " : "") + display;
        return state.join(", ");
    }

private slots:
    // Steps are buttons to click; "@Jo" puts Jo in the handle field.
    void optionsSetTagsPictureAndItalic() {
        for (const auto& [steps, shown, expected] : {
                 std::tuple("", " YOUR TEXT ", "PicNone, box off, upright, "),
                 {"chkItalic OptionQuote", "[quote] YOUR TEXT [/quote]",
                  "PicQuote, box disabled, italic, "},
                 {"chkItalic Optioncode", "[code] YOUR TEXT [/code]",
                  "picCode, box off, upright, "},
                 {"OptionQuoteDave @Jo chkBold", "[quote Jo][b] YOUR TEXT [/b][/quote]",
                  "PicQuoteDave, box disabled, italic, handle (Jo):"},
                 {"OptionQuoteDave @Jo @", "[quote ] YOUR TEXT [/quote]",
                  "PicQuoteDave, box disabled, italic, handle ():"},
                 // Leaving the credited quote forgets the handle.
                 {"OptionQuoteDave @Jo Optioncode", "[code] YOUR TEXT [/code]",
                  "picCode, box off, upright, ():"},
                 {"OptionQuoteDave @Jo Optioncode OptionQuoteDave", "[quote] YOUR TEXT [/quote]",
                  "PicQuoteDave, box disabled, italic, handle ():"},
                 {"Optioncode chkItalic OptionNone", "[i] YOUR TEXT [/i]",
                  "PicNone, box on, italic, "},
             }) {
            EditorFixture f;
            for (const QString& step : QString(steps).split(' ', Qt::SkipEmptyParts)) {
                if (step.startsWith('@'))
                    field(f, "TxtHandle")->setText(step.mid(1));
                else
                    f.click(step.toLatin1());
            }
            QCOMPARE(f.shownTags(), shown);
            QCOMPARE(state(f), expected);
            // Apply is enabled on focus for a style box or a main tag.
            f.workArea->setFocus(Qt::MouseFocusReason);
            QCOMPARE(f.button("cmdInsert")->isEnabled(), QString(shown) != " YOUR TEXT ");
        }
    }

    void creditedQuoteWithoutHandleIsRefused() {
        EditorFixture f;
        f.type("abc");
        f.select(0, 3);
        f.clickAll("OptionQuoteDave cmdInsert");
        QCOMPARE(f.prompter.asked(), QStringList{"Quillet: Please enter a Handle Name"});
        QCOMPARE(f.prompter.messages[0].icon, Prompter::Icon::Information);
        QVERIFY(field(f, "TxtHandle")->hasFocus());
        QCOMPARE(f.text(), "abc");
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
        QCOMPARE(f.shownTags(), "[quote DrJo] YOUR TEXT [/quote]");
        QCOMPARE(f.clipboard.content, QString("Jo"));
    }
};

QTEST_MAIN(TestMainTags)
#include "tst_main_tags.moc"

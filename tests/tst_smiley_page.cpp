// The smiley page.
#include "EditorFixture.h"
#include "markup/SmileyPage.h"
#include "markup/SmileyTable.h"
#include "platform/SystemColours.h"

class TestSmileyPage : public QObject {
    Q_OBJECT

private slots:
    // A used button stays grey until Reset; the star asks first. Clicked with the mouse,
    // which gives the button the focus. Among them those spelt unlike their codes.
    void buttonsPutTheirCodeInAndTurnGreyUntilReset() {
        EditorFixture f;
        f.click("cmdSmiley");
        const auto grey = [&](const char* name) {
            return SystemColours::backgroundOf(f.button(name)) == SystemColours::grayText();
        };
        for (const auto& [button, code] : {std::pair("cmdBigsmile", "[bigsmile]"),
                                           {"cmdCanon", "[cannon]"},
                                           {"cmdGorgeos", "[gorgeous]"},
                                           {"cmdOlympic", "[olympics]"},
                                           {"cmd2ThumpsUp", "[2thumbsup]"},
                                           {"cmdThumpsDown", "[thumbsdown]"}}) {
            f.surface().setText("a--b");
            f.select(1, 2);
            QVERIFY(!grey(button) && f.button(button)->toolTip() == code);
            QTest::mouseClick(f.button(button), Qt::LeftButton);
            QCOMPARE(f.text(), "a" + QString(code) + "b");
            QCOMPARE(f.surface().selStart(), 1 + int(strlen(code)));
            QVERIFY(f.box()->hasFocus() && grey(button));
        }
        QVERIFY(!grey("cmdWink"));

        f.prompter.answers = {Prompter::Answer::No, Prompter::Answer::Yes};
        f.surface().setText(QString());
        QTest::mouseClick(f.button("cmdStar"), Qt::LeftButton);
        QCOMPARE(f.text(), QString());
        QVERIFY(!grey("cmdStar"));
        QCOMPARE(f.prompter.messages[0].buttons, Prompter::Buttons::YesNo);
        QVERIFY(f.prompter.messages[0].text.startsWith(
            "This will insert a star image only in your reply\r\n"));
        QTest::mouseClick(f.button("cmdStar"), Qt::LeftButton);
        QCOMPARE(f.text(), "[img https://forums.vornet.example/images/star.gif]");
        QVERIFY(grey("cmdStar"));

        f.click("cmdResetSmiley");
        const QStringList names = smileyPageButtons();
        for (const QString& name : names)
            QCOMPARE(SystemColours::backgroundOf(f.button(name.toLatin1())),
                     SystemColours::window());
        QCOMPARE(f.text(), "[img https://forums.vornet.example/images/star.gif]");
        QCOMPARE(names.size(), 30); // the star stands between the wink and the swords
        QCOMPARE(names.mid(names.indexOf("cmdWink"), 3),
                 (QStringList{"cmdWink", "cmdStar", "cmdSwords"}));
    }

    // The work area answers by opening the smiley browser; the page only asks.
    void moreSmileysAsksForTheListAndLeavesThePostAlone() {
        RichTextBox box;
        box.surface().setText("x");
        SmileyPage page(box.surface());
        QSignalSpy requested(&page, &SmileyPage::moreSmileysRequested);
        page.findChild<QAbstractButton*>("cmdMoreSmiley")->click();
        QCOMPARE(requested.count(), 1);
        QCOMPARE(box.surface().text(), "x");
    }
};

QTEST_MAIN(TestSmileyPage)
#include "tst_smiley_page.moc"

// The smiley page: each picture button puts its code in at the caret and stays grey
// until Reset; the star asks first.
#include "EditorFixture.h"
#include "markup/SmileyPage.h"
#include "markup/SmileyTable.h"
#include "platform/SystemColours.h"

class TestSmileyPage : public QObject {
    Q_OBJECT

    // A mouse click, which gives the button the focus as a user's click does.
    static void press(const EditorFixture& f, const char* name) {
        f.click("cmdSmiley");
        QTest::mouseClick(f.button(name), Qt::LeftButton);
    }
    static QColor background(const EditorFixture& f, const char* name) {
        return SystemColours::backgroundOf(f.button(name));
    }

private slots:
    // Among them the buttons whose names are spelt unlike their codes.
    void buttonReplacesTheSelectionWithItsCode() {
        for (const auto& [button, code] : {std::pair("cmdBigsmile", "[bigsmile]"),
                                           {"cmdCanon", "[cannon]"},
                                           {"cmdGorgeos", "[gorgeous]"},
                                           {"cmdOlympic", "[olympics]"},
                                           {"cmd2ThumpsUp", "[2thumbsup]"},
                                           {"cmdThumpsDown", "[thumbsdown]"}}) {
            EditorFixture f;
            f.type("a--b");
            f.select(1, 2);
            press(f, button);
            QCOMPARE(f.text(), "a" + QString(code) + "b");
            QCOMPARE(f.surface().selStart(), 1 + int(strlen(code)));
            QVERIFY(f.box()->hasFocus());
        }
    }

    void usedButtonsTurnGreyUntilResetAndTheStarAsksFirst() {
        EditorFixture f;
        QCOMPARE(background(f, "cmdWink"), SystemColours::window());
        press(f, "cmdWink");
        press(f, "cmdWink");
        QCOMPARE(background(f, "cmdWink"), SystemColours::grayText());
        QCOMPARE(background(f, "cmdPipe"), SystemColours::window());

        f.prompter.answers = {Prompter::Answer::No, Prompter::Answer::Yes};
        press(f, "cmdStar");
        QCOMPARE(f.text(), "[wink][wink]");
        QCOMPARE(background(f, "cmdStar"), SystemColours::window());
        QCOMPARE(f.prompter.asked(),
                 QStringList{"Quillet: This will insert a star image only in "
                             "your reply\r\nUse the Thanks giving link to "
                             "give a star\r\n\r\nDo you want to insert anyway?"});
        QCOMPARE(f.prompter.messages[0].buttons, Prompter::Buttons::YesNo);
        press(f, "cmdStar");
        QCOMPARE(f.text(), "[wink][wink][img https://forums.vornet.example/images/star.gif]");
        QCOMPARE(background(f, "cmdStar"), SystemColours::grayText());

        f.click("cmdResetSmiley");
        for (const QString& name : smileyPageButtons())
            QCOMPARE(background(f, name.toLatin1()), QColor(Qt::white));
        QCOMPARE(f.text(), "[wink][wink][img https://forums.vornet.example/images/star.gif]");
    }

    // Row by row, left to right, in table order with the star between wink and swords.
    void buttonsStandInTableOrder() {
        EditorFixture f;
        f.click("cmdSmiley");
        const QStringList names = smileyPageButtons();
        QCOMPARE(names.size(), 30);
        QCOMPARE(names.mid(names.indexOf("cmdWink"), 3),
                 (QStringList{"cmdWink", "cmdStar", "cmdSwords"}));
        for (int i = 1; i < names.size(); ++i) {
            const QRect before = f.button(names[i - 1].toLatin1())->geometry();
            const QRect here = f.button(names[i].toLatin1())->geometry();
            QVERIFY2(here.top() == before.top() ? here.left() > before.left()
                                                : here.top() > before.top(),
                     qPrintable(names[i]));
        }
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

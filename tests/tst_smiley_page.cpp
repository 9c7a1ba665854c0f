// The smiley page: each picture button puts its code in at the caret and stays grey
// until Reset; the star asks first.
#include "EditorFixture.h"
#include "markup/SmileyTable.h"
#include "platform/RichTextBox.h"
#include "platform/SystemColours.h"
#include "shell/PostEditor.h"

#include <QAbstractButton>
#include <QSignalSpy>
#include <QTest>

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
    void buttonInsertsItsExactCode_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("code");
        // Among them the buttons whose names are spelt unlike their codes.
        for (const auto& [button, code] : {std::pair("cmdCanon", "[cannon]"),
                                           {"cmdGorgeos", "[gorgeous]"},
                                           {"cmdOlympic", "[olympics]"},
                                           {"cmd2ThumpsUp", "[2thumbsup]"},
                                           {"cmdThumpsDown", "[thumbsdown]"},
                                           {"cmdBigCheeks", "[bigcheeks]"}})
            QTest::newRow(code) << QString(button) << QString(code);
    }
    void buttonInsertsItsExactCode() {
        QFETCH(QString, button);
        QFETCH(QString, code);
        EditorFixture f;
        f.type("ab");
        f.surface().setSelStart(1);
        press(f, button.toLatin1());
        QCOMPARE(f.surface().text(), "a" + code + "b");
        QCOMPARE(f.surface().selStart(), 1 + code.size());
        QVERIFY(f.box()->hasFocus());
    }

    void smileyReplacesTheSelection() {
        EditorFixture f;
        f.type("I am happy");
        f.surface().setSelStart(5);
        f.surface().setSelLength(5);
        press(f, "cmdBigsmile");
        QCOMPARE(f.surface().text(), "I am [bigsmile]");
    }

    void usedButtonsTurnGreyUntilReset() {
        EditorFixture f;
        QCOMPARE(background(f, "cmdWink"), SystemColours::window());
        press(f, "cmdWink");
        press(f, "cmdWink");
        QCOMPARE(f.surface().text(), "[wink][wink]");
        QCOMPARE(background(f, "cmdWink"), SystemColours::grayText());
        QCOMPARE(background(f, "cmdPipe"), SystemColours::window());
        QVERIFY(SystemColours::backgroundOf(f.box()) != SystemColours::grayText());
        f.click("cmdResetSmiley");
        for (const QString& name : smileyPageButtons())
            QCOMPARE(background(f, name.toLatin1()), QColor(Qt::white));
        QCOMPARE(f.surface().text(), "[wink][wink]");
    }

    void starAsksAndInsertsOnlyOnYes() {
        EditorFixture f;
        f.prompter.answers = {Prompter::Answer::No, Prompter::Answer::Yes};
        press(f, "cmdStar");
        QCOMPARE(f.surface().text(), QString());
        QCOMPARE(background(f, "cmdStar"), SystemColours::window());
        QCOMPARE(f.prompter.messages.size(), 1);
        const Prompter::Message& warning = f.prompter.messages[0];
        QCOMPARE(warning.title, "Quillet");
        QCOMPARE(warning.text, "This will insert a star image only in your reply\r\n"
                               "Use the Thanks giving link to give a star\r\n\r\n"
                               "Do you want to insert anyway?");
        QCOMPARE(warning.buttons, Prompter::Buttons::YesNo);

        press(f, "cmdStar");
        QCOMPARE(f.surface().text(), "[img https://forums.vornet.example/images/star.gif]");
        QCOMPARE(background(f, "cmdStar"), SystemColours::grayText());
        f.click("cmdResetSmiley");
        QCOMPARE(background(f, "cmdStar"), QColor(Qt::white));
    }

    // Row by row, left to right, in table order with the star after the wink.
    void buttonsStandInTableOrder() {
        EditorFixture f;
        f.click("cmdSmiley");
        const QStringList names = smileyPageButtons();
        QCOMPARE(names.size(), 30);
        for (int i = 1; i < names.size(); ++i) {
            const QRect before = f.button(names[i - 1].toLatin1())->geometry();
            const QRect here = f.button(names[i].toLatin1())->geometry();
            const bool follows = here.top() == before.top() ? here.left() > before.left()
                                                            : here.top() > before.top();
            QVERIFY2(follows, qPrintable(names[i]));
        }
    }

    void moreSmileysAsksForTheListAndLeavesThePostAlone() {
        EditorFixture f;
        QObject* page = f.workArea->findChild<QObject*>("FrameSmiley");
        QSignalSpy requested(page, SIGNAL(moreSmileysRequested()));
        f.type("x");
        f.click("cmdMoreSmiley");
        QCOMPARE(requested.count(), 1);
        QCOMPARE(f.surface().text(), "x");
    }
};

QTEST_MAIN(TestSmileyPage)
#include "tst_smiley_page.moc"

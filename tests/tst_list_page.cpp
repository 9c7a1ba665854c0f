// The list page: the chosen list skeleton goes in at the caret, byte for byte.
#include "EditorFixture.h"
#include "platform/RichTextBox.h"
#include "shell/PostEditor.h"

#include <QAbstractButton>
#include <QTest>

class TestListPage : public QObject {
    Q_OBJECT

    static void insertList(const EditorFixture& f, const char* option) {
        f.click("cmdList");
        f.click(option);
        f.click("cmdListInsert");
    }

private slots:
    void withoutOptionAsksForOne() {
        EditorFixture f;
        f.type("keep");
        f.click("cmdListInsert");
        QCOMPARE(f.prompter.messages.size(), 1);
        QCOMPARE(f.prompter.messages[0].text, "Please select an option");
        QCOMPARE(f.prompter.messages[0].title, "Quillet");
        QCOMPARE(f.prompter.messages[0].icon, Prompter::Icon::Information);
        QCOMPARE(f.surface().text(), "keep");
    }

    void numberedThreeItemsByteForByte() {
        EditorFixture f;
        insertList(f, "Option13");
        QCOMPARE(f.surface().text(), "\r\n[ol]\r\n[li] enter item1 [/li]\r\n[li] enter item2 "
                                     "[/li]\r\n[li] enter item3 [/li]\r\n[/ol]");
        QCOMPARE(f.surface().selStart(), f.box()->characterCount());
        QVERIFY(f.box()->hasFocus());
    }

    void shapesFollowTheOptionNumbers_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("opening");
        QTest::addColumn<QString>("lastItem");
        // The ends of each block of ten: bulleted 1-10, numbered 11-20, then 21-25 and 26-30.
        for (const auto& [option, opening, last] : {std::tuple("Option1", "[ul]", 1),
                                                    {"Option10", "[ul]", 10},
                                                    {"Option11", "[ol]", 1},
                                                    {"Option20", "[ol]", 10},
                                                    {"Option21", "[ul]", 11},
                                                    {"Option25", "[ul]", 15},
                                                    {"Option26", "[ol]", 11},
                                                    {"Option30", "[ol]", 15}})
            QTest::newRow(option) << QString(option) << QString(opening)
                                  << QString("[li] enter item%1 [/li]").arg(last);
    }
    void shapesFollowTheOptionNumbers() {
        QFETCH(QString, option);
        QFETCH(QString, opening);
        QFETCH(QString, lastItem);
        EditorFixture f;
        insertList(f, option.toLatin1());
        const QStringList lines = f.surface().text().split("\r\n");
        QCOMPARE(lines.first(), QString());
        QCOMPARE(lines[1], opening);
        QCOMPARE(lines[lines.size() - 2], lastItem);
        QCOMPARE(lines.last(), QString(opening).insert(1, '/'));
    }

    void listReplacesTheSelectionAndStaysChosen() {
        EditorFixture f;
        f.type("xSELy");
        f.surface().setSelStart(1);
        f.surface().setSelLength(3);
        insertList(f, "Option1");
        QCOMPARE(f.surface().text(), "x\r\n[ul]\r\n[li] enter item1 [/li]\r\n[/ul]y");
        QVERIFY(f.button("Option1")->isChecked());
        f.surface().setSelStart(0);
        f.click("cmdListInsert");
        QVERIFY(f.surface().text().startsWith("\r\n[ul]\r\n[li] enter item1 [/li]\r\n[/ul]x"));
    }

    void nestedListGoesAfterTheItem() {
        EditorFixture f;
        insertList(f, "Option12");
        const QString text = f.surface().text();
        const QString item1 = "[li] enter item1 [/li]";
        // The surface counts a line break as one character.
        f.surface().setSelStart(text.indexOf(item1) - 2 + item1.size());
        insertList(f, "Option2");
        QCOMPARE(f.surface().text(), "\r\n[ol]\r\n[li] enter item1 [/li]\r\n[ul]\r\n[li] enter "
                                     "item1 [/li]\r\n[li] enter item2 [/li]\r\n[/ul]\r\n[li] "
                                     "enter item2 [/li]\r\n[/ol]");
    }

    void oneChoiceAcrossBothColumns() {
        EditorFixture f;
        f.click("cmdList");
        for (int n = 1; n <= 30; ++n)
            QVERIFY(!f.button(QStringLiteral("Option%1").arg(n).toLatin1())->isChecked());
        f.click("Option5");
        f.click("Option27");
        QVERIFY(!f.button("Option5")->isChecked());
        QVERIFY(f.button("Option27")->isChecked());
    }
};

QTEST_MAIN(TestListPage)
#include "tst_list_page.moc"

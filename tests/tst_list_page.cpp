// The list page: the chosen list skeleton goes in at the caret, byte for byte.
#include "EditorFixture.h"

class TestListPage : public QObject {
    Q_OBJECT

private slots:
    void listReplacesTheSelectionAndStaysChosen() {
        EditorFixture f;
        f.type("xSELy");
        f.select(1, 3);
        f.clickAll("cmdList cmdListInsert");
        QCOMPARE(f.prompter.asked(), QStringList{"Quillet: Please select an option"});
        QCOMPARE(f.prompter.messages[0].icon, Prompter::Icon::Information);
        f.clickAll("Option13 cmdListInsert");
        const QString list = "\r\n[ol]\r\n[li] enter item1 [/li]\r\n[li] enter item2 [/li]\r\n"
                             "[li] enter item3 [/li]\r\n[/ol]";
        QCOMPARE(f.text(), "x" + list + "y");
        QCOMPARE(f.surface().selStart(), 1 + list.size() - list.count("\r\n"));
        QVERIFY(f.box()->hasFocus());
        f.select(0);
        f.click("cmdListInsert");
        QCOMPARE(f.text(), list + "x" + list + "y");
    }

    // The numbers do not follow the columns: 1-10 and 21-25 are bulleted, 11-20 and 26-30
    // numbered. One option is chosen at a time across both columns.
    void shapesFollowTheOptionNumbers() {
        EditorFixture f;
        f.click("cmdList");
        QString previous = "Option30";
        for (const auto& [option, tag, items] : {std::tuple("Option1", "ul", 1),
                                                 {"Option10", "ul", 10},
                                                 {"Option11", "ol", 1},
                                                 {"Option20", "ol", 10},
                                                 {"Option21", "ul", 11},
                                                 {"Option25", "ul", 15},
                                                 {"Option26", "ol", 11},
                                                 {"Option30", "ol", 15}}) {
            f.surface().setText(QString());
            f.clickAll(QString(option) + " cmdListInsert");
            QVERIFY(!f.button(previous.toLatin1())->isChecked());
            previous = option;
            // Captioned with its count, in its kind's column.
            QCOMPARE(f.button(option)->text(),
                     QString(items > 1 ? "%1 Items" : "%1 Item").arg(items));
            QCOMPARE(f.button(option)->parent() == f.button("Option1")->parent(), *tag == 'u');
            const QStringList lines = f.text().split("\r\n");
            QCOMPARE(lines.size(), items + 3);
            QCOMPARE(lines[1] + lines.last(), QString("[%1][/%1]").arg(tag));
            QCOMPARE(lines[items + 1], QString("[li] enter item%1 [/li]").arg(items));
        }
    }
};

QTEST_MAIN(TestListPage)
#include "tst_list_page.moc"

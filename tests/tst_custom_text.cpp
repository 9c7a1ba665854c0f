// The custom text window, the file it writes on Close and the word list that follows it.
#include "EditorFixture.h"
#include "ModalScript.h"
#include "TestFiles.h"
#include "platform/RichTextBox.h"
#include "settings/CustomTextDialog.h"
#include "shell/PostEditor.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

QStringList shown(QWidget* window, const char* listName) {
    const auto* list = window->findChild<QListWidget*>(listName);
    QStringList items;
    for (int row = 0; row < list->count(); ++row)
        items << list->item(row)->text();
    return items;
}

void click(QWidget* window, const char* button) {
    window->findChild<QPushButton*>(button)->click();
}

void add(QWidget* window, const QString& text) {
    window->findChild<QLineEdit*>("TxtCustom")->setText(text);
    click(window, "cmdAdd");
}

} // namespace

class TestCustomText : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    QString path() const { return m_folder.filePath("CustomList.ini"); }

private slots:
    void addAndDeleteChangeTheSortedListAndClosingWritesIt() {
        writeFile(path(), "zulu\r\nAlpha\r\n");
        CustomTextDialog window(path());
        add(&window, "mike");
        add(&window, "alpha");
        QCOMPARE(shown(&window, "ListCustom"), QStringList({"Alpha", "alpha", "mike", "zulu"}));
        click(&window, "cmdDelete"); // nothing selected
        window.findChild<QListWidget*>("ListCustom")->setCurrentRow(2);
        click(&window, "cmdDelete");

        window.show(); // Enter reaches the default button only when it is shown
        auto* typed = window.findChild<QLineEdit*>("TxtCustom");
        QTest::keyClicks(typed, "   ");
        QVERIFY(!window.findChild<QPushButton*>("cmdAdd")->isEnabled()); // only spaces
        QTest::keyClick(typed, Qt::Key_Return);
        QTest::keyClicks(typed, "word ");
        QTest::keyClick(typed, Qt::Key_Return);
        QCOMPARE(fileBytes(path()), QByteArray("zulu\r\nAlpha\r\n"));
        QTest::keyClick(&window, Qt::Key_Escape); // closes, and only closing writes
        QCOMPARE(fileBytes(path()), QByteArray("   word \r\nAlpha\r\nalpha\r\nzulu\r\n"));
    }

    void theWorkAreaWordListFollowsTheFile() {
        EditorFixture f(EditorFixture::UseTestClipboard, {"zulu", "alpha"});
        const auto words = [&] { return shown(f.workArea.get(), "ListWords"); };
        QCOMPARE(words(), QStringList({"zulu", "alpha"})); // file order
        ModalScript modal;
        modal.steps << [](QDialog& window) {
            add(&window, "mike");
            click(&window, "cmdClose");
        };
        f.click("cmdCtext");
        QCOMPARE(modal.opened, QStringList({"frmCustomText"}));
        QCOMPARE(words(), QStringList({"alpha", "mike", "zulu"}));
        QVERIFY(f.box()->hasFocus());
        QTRY_VERIFY(!f.workArea->findChild<CustomTextDialog*>()); // closing unloads it

        f.action("mnuPretype")->trigger(); // beside the work area, so typing goes on
        auto* window = f.workArea->findChild<CustomTextDialog*>("frmCustomText");
        QVERIFY(window && window->isVisible() && !window->isModal());
        add(window, "later");
        QCOMPARE(words().size(), 3); // the list as loaded until Close
        click(window, "cmdClose");
        QCOMPARE(words(), QStringList({"alpha", "later", "mike", "zulu"}));
    }
};

QTEST_MAIN(TestCustomText)
#include "tst_custom_text.moc"

// The custom text window: its sorted working list, Add and Delete, the file it writes on
// Close, and the work area's word list that follows the file.
#include "EditorFixture.h"
#include "ModalScript.h"
#include "TestFiles.h"
#include "platform/RichTextBox.h"
#include "settings/CustomTextDialog.h"
#include "settings/SettingsPaths.h"
#include "shell/PostEditor.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList shown(const QListWidget* list) {
    QStringList items;
    for (int row = 0; row < list->count(); ++row)
        items << list->item(row)->text();
    return items;
}

QStringList shown(QWidget* window, const char* listName) {
    return shown(window->findChild<QListWidget*>(listName));
}

QPushButton* button(QWidget* window, const char* name) {
    return window->findChild<QPushButton*>(name);
}

void add(QWidget* window, const QString& text) {
    window->findChild<QLineEdit*>("TxtCustom")->setText(text);
    button(window, "cmdAdd")->click();
}

} // namespace

class TestCustomText : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    QString path() const { return m_folder.filePath("CustomList.ini"); }

private slots:
    void cleanup() { QFile::remove(path()); }

    void entriesAreListedAndWrittenInCaseBlindOrder() {
        CustomTextDialog window(path());
        QVERIFY(shown(&window, "ListCustom").isEmpty());
        QVERIFY(!button(&window, "cmdAdd")->isEnabled());
        QCOMPARE(window.findChild<QLabel*>("Label1")->text(),
                 "Enter all the custom text into this list. Use CTRL+L to get the list while you "
                 "are typing.");
        for (const char* entry : {"b", "A", "c", "b"})
            add(&window, entry);
        QCOMPARE(shown(&window, "ListCustom"), QStringList({"A", "b", "b", "c"}));
        QVERIFY(window.findChild<QLineEdit*>("TxtCustom")->text().isEmpty());
        QVERIFY(!button(&window, "cmdAdd")->isEnabled());
        QVERIFY(!QFile::exists(path())); // nothing is written before Close

        QSignalSpy closed(&window, &CustomTextDialog::closedAndWritten);
        button(&window, "cmdClose")->click();
        QCOMPARE(closed.count(), 1);
        QCOMPARE(fileBytes(path()), QByteArray("A\r\nb\r\nb\r\nc\r\n"));
    }

    void onlySpacesCannotBeAddedButSpacesAroundTextAreKept() {
        CustomTextDialog window(path());
        window.show(); // Enter reaches the default button only when it is shown
        auto* typed = window.findChild<QLineEdit*>("TxtCustom");
        QTest::keyClicks(typed, "   ");
        QVERIFY(!button(&window, "cmdAdd")->isEnabled());
        QTest::keyClick(typed, Qt::Key_Return);
        QVERIFY(shown(&window, "ListCustom").isEmpty());
        typed->clear();
        QTest::keyClicks(typed, "  word ");
        QVERIFY(button(&window, "cmdAdd")->isEnabled());
        QTest::keyClick(typed, Qt::Key_Return);
        QCOMPARE(shown(&window, "ListCustom"), QStringList({"  word "}));
        QTest::keyClick(&window, Qt::Key_Escape); // Escape closes, which writes
        QCOMPARE(fileBytes(path()), QByteArray("  word \r\n"));
    }

    void deleteRemovesOnlyTheSelectedEntry() {
        writeFile(path(), "one\r\ntwo\r\nthree\r\n");
        CustomTextDialog window(path());
        auto* list = window.findChild<QListWidget*>("ListCustom");
        button(&window, "cmdDelete")->click(); // nothing selected
        QCOMPARE(shown(list), QStringList({"one", "three", "two"}));
        list->setCurrentRow(1);
        button(&window, "cmdDelete")->click();
        QCOMPARE(shown(list), QStringList({"one", "two"}));
        button(&window, "cmdClose")->click();
        QCOMPARE(fileBytes(path()), QByteArray("one\r\ntwo\r\n"));
    }

    void fileLinesEndAtCarriageReturnsOnly() {
        writeFile(path(), "a\nb\nc");
        QCOMPARE(shown(CustomTextDialog(path()).findChild<QListWidget*>("ListCustom")),
                 QStringList({"a\nb\nc"}));
        writeFile(path(), "x\ry\r\n\r\nlast without break");
        QCOMPARE(shown(CustomTextDialog(path()).findChild<QListWidget*>("ListCustom")),
                 QStringList({"", "last without break", "x", "y"}));
    }

    void closingWithoutAFileCreatesAnEmptyOne() {
        CustomTextDialog window(path());
        button(&window, "cmdClose")->click();
        QVERIFY(QFile::exists(path()));
        QCOMPARE(fileBytes(path()), QByteArray());
    }

    void anUnwritableFileLosesTheListQuietly() {
        CustomTextDialog window(m_folder.filePath("missing-folder/CustomList.ini"));
        add(&window, "kept nowhere");
        QSignalSpy closed(&window, &CustomTextDialog::closedAndWritten);
        button(&window, "cmdClose")->click();
        QCOMPARE(closed.count(), 1);
    }

    void workAreaOffersTheWrittenListAfterClose() {
        EditorFixture f(EditorFixture::UseTestClipboard, {"zulu", "alpha"});
        auto* words = f.workArea->findChild<QListWidget*>("ListWords");
        QCOMPARE(shown(words), QStringList({"zulu", "alpha"})); // file order

        ModalScript modal;
        modal.steps << [](QDialog& window) {
            add(&window, "mike");
            button(&window, "cmdClose")->click();
        };
        f.click("cmdCtext");
        QCOMPARE(modal.opened, QStringList({"frmCustomText"}));
        QCOMPARE(shown(words), QStringList({"alpha", "mike", "zulu"}));
        QVERIFY(f.box()->hasFocus());
    }

    void customTextFromTheMenuLetsTheUserGoOnTyping() {
        EditorFixture f;
        ModalScript modal;
        f.action("mnuPretype")->trigger();
        QVERIFY(modal.opened.isEmpty());
        auto* window = f.workArea->findChild<CustomTextDialog*>("frmCustomText");
        QVERIFY(window && window->isVisible() && !window->isModal());
        add(window, "later");
        auto* words = f.workArea->findChild<QListWidget*>("ListWords");
        QVERIFY(shown(words).isEmpty()); // the work area still has the list as loaded
        f.type("still typing");
        QCOMPARE(f.surface().text(), "still typing");
        button(window, "cmdClose")->click();
        QCOMPARE(shown(words), QStringList({"later"}));
    }
};

QTEST_MAIN(TestCustomText)
#include "tst_custom_text.moc"

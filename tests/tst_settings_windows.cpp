// The settings windows, alone and from the work area: the font choice, the custom styles and
// the custom text list with the word list that follows its file.
#include "EditorFixture.h"
#include "ModalScript.h"
#include "TestFiles.h"
#include "settings/CustomStyleStore.h"
#include "settings/CustomTextDialog.h"
#include "settings/FontFamilies.h"
#include "settings/FontSettingsDialog.h"
#include "settings/IniFile.h"
#include "settings/SettingsPaths.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTextCursor>

namespace {

QPushButton* button(QWidget* window, const char* name) {
    return window->findChild<QPushButton*>(name);
}

QComboBox* list(QWidget* window, const char* name) {
    return window->findChild<QComboBox*>(name);
}

// Picks an entry as a click on it would.
void choose(QWidget* window, const char* name, const QString& text) {
    QComboBox* combo = list(window, name);
    combo->setCurrentIndex(combo->findText(text));
    emit combo->activated(combo->currentIndex());
}

QString documentFont(RichTextBox& box) {
    const QFont font = box.document()->defaultFont();
    return font.family() + ' ' + QString::number(font.pointSizeF());
}

// The size set on one character; 0 when it has the document's.
double sizeAt(RichTextBox& box, int position) {
    QTextCursor cursor(box.document());
    cursor.setPosition(position + 1);
    return cursor.charFormat().fontPointSize();
}

// What the user sees: the first two names, the shown tags, whether Apply and Delete work.
QString stylesShown(QWidget* window) {
    return window->findChild<QLineEdit*>("TxtPre1")->text() + ',' +
           window->findChild<QLineEdit*>("TxtPre2")->text() + '|' +
           window->findChild<QLabel*>("Label1")->text() + '|' +
           (button(window, "cmdApply")->isEnabled() ? "on" : "off") +
           (button(window, "cmdDel")->isEnabled() ? "on" : "off");
}

// Stores the styles from the first slot on.
void store(const EditorFixture& f, const QList<CustomStyle>& styles) {
    CustomStyles all;
    for (int slot = 0; slot < styles.size(); ++slot)
        all.set(slot, styles.at(slot));
    CustomStyleStore(f.paths().settingsFile).save(all);
}

QStringList shown(QWidget* window, const char* listName) {
    const auto* list = window->findChild<QListWidget*>(listName);
    QStringList items;
    for (int row = 0; row < list->count(); ++row)
        items << list->item(row)->text();
    return items;
}

void addText(QWidget* window, const QString& text) {
    window->findChild<QLineEdit*>("TxtCustom")->setText(text);
    button(window, "cmdAdd")->click();
}

} // namespace

class TestSettingsWindows : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;
    QString settings() const { return m_folder.filePath("Settings.ini"); }

private slots:
    void fontPreviewAndCancelStoreNothingApplyStoresTheChoice() {
        writeFile(settings(), "[Font Settings]\r\nFontName=DejaVu Sans\r\nFontSize=14\r\n");
        RichTextBox box;
        box.surface().setText("  some text  ");
        box.surface().setSelStart(2);
        box.surface().setSelLength(2);
        FontSettingsDialog window(box, settings());
        QCOMPARE(window.choice().name + window.choice().size, "DejaVu Sans14");
        QSignalSpy changes(&box.surface(), &EditingSurface::changed);
        choose(&window, "cboFontSize", "16");
        QCOMPARE(sizeAt(box, 2), 16.0);
        QCOMPARE(sizeAt(box, 0), 0.0);
        QCOMPARE(changes.count(), 0); // a preview is not a change of the text
        QSignalSpy unloaded(&window, &FontSettingsDialog::unloaded);
        QTest::keyClick(&window, Qt::Key_Escape);
        QCOMPARE(unloaded.count(), 1);

        FontSettingsDialog next(box, settings());
        // Each family once, without its foundry; a missing font is named with the one drawn.
        QCOMPARE(FontFamilies::withoutFoundries({"C059 [UKWN]", "Arial", "C059 [URW]", "arial"}),
                 QStringList({"Arial", "C059"}));
        auto* inUse = next.findChild<QLabel*>("lblFontInUse");
        list(&next, "cboFontName")->setEditText("No Such Family");
        QVERIFY(!inUse->isHidden() && !inUse->accessibleName().isEmpty() &&
                inUse->text().endsWith(QFontInfo(QFont("No Such Family")).family() + "."));
        list(&next, "cboFontName")->setEditText("DejaVu Serif");
        QVERIFY(inUse->isHidden());
        list(&next, "cboFontSize")->setEditText("large"); // not a number: the size stays
        const QString size = QString::number(box.document()->defaultFont().pointSizeF());
        next.show();
        button(&next, "cmdApply")->click();
        QCOMPARE(documentFont(box), "DejaVu Serif " + size);
        QCOMPARE(box.surface().selStart() + box.surface().selLength(), 0);
        QCOMPARE(IniFile::readValue("Font Settings", "FontSize", settings()), "large");
    }

    void workAreaReloadsTheStoredFontAfterCancel() {
        EditorFixture f;
        writeFile(f.paths().settingsFile,
                  "[Font Settings]\r\nFontName=DejaVu Serif\r\nFontSize=13\r\n");
        ModalScript modal;
        modal.steps << [](QDialog& window) {
            choose(&window, "cboFontSize", "16");
            button(&window, "CmdCancel")->click();
        };
        f.action("mnuOptions")->trigger();
        f.type("y"); // Cancel let the window go: the next change reads the stored choice
        QCOMPARE(modal.opened, QStringList({"FrmOptions"}));
        QCOMPARE(documentFont(*f.box()), "DejaVu Serif 13");
    }

    void addingStoresThePresentStyleInTheFirstEmptySlot() {
        EditorFixture f;
        store(f, {{"ONE", "[s1]", "[/s1]"}, {}, {"THREE", "[s3]", "[/s3]"}});
        ModalScript modal;
        f.click("cmdPreset"); // the style controls are at their neutral state
        f.workArea->findChild<QCheckBox*>("chkBold")->setChecked(true);
        modal.steps << [](QDialog& naming) { QTest::keyClick(&naming, Qt::Key_Escape); };
        f.click("cmdPreset");
        const auto name = [](QDialog& naming) {
            button(&naming, "cmdApply")->click(); // no name yet: stays open
            QVERIFY(naming.result() != QDialog::Accepted);
            naming.findChild<QLineEdit*>("TxtSettingName")->setText("THREE"); // names may repeat
            button(&naming, "cmdApply")->click();
        };
        const auto close = [](QDialog& window) { QTest::keyClick(&window, Qt::Key_Escape); };
        modal.steps << name << close;
        f.click("cmdPreset");
        const CustomStyle added = CustomStyleStore(f.paths().settingsFile).load().at(1);
        QCOMPARE(added.name + added.startTag + added.endTag, "THREE[b][/b]"); // closing stored it
        store(f, QList<CustomStyle>(10, {"USED", "[u]", "[/u]"}));
        modal.steps << name << close;
        f.click("cmdPreset");
        QCOMPARE(CustomStyleStore(f.paths().settingsFile).load().at(0).name, "USED");
        QCOMPARE(modal.opened, QStringList({"frmPresetMSG", "frmPresetMSG", "frmPreset",
                                            "frmPresetMSG", "frmPreset"}));
        QCOMPARE(f.prompter.asked(), QStringList({"Quillet: Please define a style first !!",
                                                  "Quillet: You must enter a code for later use",
                                                  "Quillet: You must enter a code for later use",
                                                  "Quillet:  You have no storage available now\r\n"
                                                  " Delete any of the preset and try again"}));
    }

    void applyAndDeleteWorkOnTheChosenStyle() {
        EditorFixture f;
        store(f, {{"BOLD", "[b]", "[/b]"}, {"ITALIC", "[i]", "[/i]"}});
        f.surface().setText("hello world");
        f.select(6, 5);
        f.clipboard.content = "held before";
        using Answer = Prompter::Answer; // the first answers the message
        f.prompter.answers = {Answer::Ok, Answer::Yes, Answer::No, Answer::Yes, Answer::Yes};
        ModalScript modal;
        QStringList seen;
        modal.steps << [&](QDialog& window) {
            button(&window, "cmdApply")->click(); // no slot chosen
            button(&window, "cmdDel")->click();   // Yes, but no slot chosen
            seen << stylesShown(&window);
            QTest::mouseClick(window.findChild<QLineEdit*>("TxtPre1"), Qt::LeftButton);
            button(&window, "cmdApply")->click();
            seen << f.surface().text() << stylesShown(&window);
            window.findChild<QRadioButton*>("Option2")->click();
            window.show(); // Enter goes to the default button only when it is shown
            QTest::keyClick(&window, Qt::Key_Return);
            seen << f.surface().text() << (window.isVisible() ? "open" : "closed");
            button(&window, "cmdDel")->click(); // No
            seen << stylesShown(&window);
            button(&window, "cmdDel")->click(); // Yes
            window.findChild<QRadioButton*>("Option1")->click();
            button(&window, "cmdDel")->click(); // Yes
            seen << stylesShown(&window);
            button(&window, "cmdClose")->click();
        } << [&](QDialog& window) { seen << stylesShown(&window); };
        f.action("mnuPreSet")->trigger();
        f.click("cmdCStyle");
        QCOMPARE(modal.opened, QStringList({"frmPreset", "frmPreset"}));
        QCOMPARE(seen,
                 QStringList({"BOLD,ITALIC||onon", "hello [b]world[/b]",
                              "BOLD,ITALIC|[b] [/b]|onon", "hello [b]world[/b][i][/i]", "open",
                              "BOLD,ITALIC|[i] [/i]|onon", ",||offoff", ",||offoff"}));
        QVERIFY(!f.clipboard.content.has_value());
        QCOMPARE(f.prompter.asked(), QStringList("Quillet: Please Select a style to apply") +
                                         QStringList(4, "Quillet: Are you sure to delete?"));
    }

    void customTextAddAndDeleteChangeTheSortedListAndClosingWritesIt() {
        const QString path = m_folder.filePath("CustomList.ini");
        writeFile(path, "zulu\r\nAlpha\r\n");
        CustomTextDialog window(path), otherCopy(path);
        addText(&window, "mike");
        addText(&window, "alpha");
        QCOMPARE(shown(&window, "ListCustom"), QStringList({"Alpha", "alpha", "mike", "zulu"}));
        button(&window, "cmdDelete")->click(); // nothing selected
        window.findChild<QListWidget*>("ListCustom")->setCurrentRow(2);
        button(&window, "cmdDelete")->click();

        window.show(); // Enter reaches the default button only when it is shown
        auto* typed = window.findChild<QLineEdit*>("TxtCustom");
        QTest::keyClicks(typed, "   ");
        QVERIFY(!button(&window, "cmdAdd")->isEnabled()); // only spaces
        QTest::keyClick(typed, Qt::Key_Return);
        QTest::keyClicks(typed, "word ");
        QTest::keyClick(typed, Qt::Key_Return);
        QCOMPARE(fileBytes(path), QByteArray("zulu\r\nAlpha\r\n"));
        QTest::keyClick(&window, Qt::Key_Escape); // closes, and only closing writes
        QCOMPARE(fileBytes(path), QByteArray("   word \r\nAlpha\r\nalpha\r\nzulu\r\n"));

        // Another copy's edits merge into the file as it is now; under a held lock, No keeps them.
        otherCopy.show();
        addText(&otherCopy, "other");
        otherCopy.findChild<QListWidget*>("ListCustom")->setCurrentRow(2); // zulu
        button(&otherCopy, "cmdDelete")->click();
        QLockFile held(path + ".lock");
        QVERIFY(held.tryLock(0));
        ScriptedPrompter prompter;
        prompter.answers << Prompter::Answer::No;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Not written: "));
        button(&otherCopy, "cmdClose")->click();
        QCOMPARE(prompter.messages.value(0).icon, Prompter::Icon::Warning);
        QVERIFY(otherCopy.isVisible() && fileBytes(path).endsWith("zulu\r\n"));
        held.unlock();
        button(&otherCopy, "cmdClose")->click();
        QCOMPARE(fileBytes(path), QByteArray("   word \r\nAlpha\r\nalpha\r\nother\r\n"));
    }

    void workAreaWordListFollowsTheCustomTextFile() {
        EditorFixture f(EditorFixture::UseTestClipboard, {"zulu", "alpha"});
        const auto words = [&] { return shown(f.workArea.get(), "ListWords"); };
        ModalScript modal;
        modal.steps << [](QDialog& window) {
            addText(&window, "mike");
            button(&window, "cmdClose")->click();
        };
        f.click("cmdCtext");
        QCOMPARE(modal.opened, QStringList({"frmCustomText"}));
        QCOMPARE(words(), QStringList({"alpha", "mike", "zulu"}));
        QVERIFY(f.box()->hasFocus());
        QTRY_VERIFY(!f.workArea->findChild<CustomTextDialog*>()); // closing unloads it

        f.action("mnuPretype")->trigger(); // beside the work area, so typing goes on
        auto* window = f.workArea->findChild<CustomTextDialog*>("frmCustomText");
        QVERIFY(window && window->isVisible() && !window->isModal());
        addText(window, "later");
        QCOMPARE(words().size(), 3); // the list as loaded until Close
        button(window, "cmdClose")->click();
        QCOMPARE(words(), QStringList({"alpha", "later", "mike", "zulu"}));
    }
};

QTEST_MAIN(TestSettingsWindows)
#include "tst_settings_windows.moc"

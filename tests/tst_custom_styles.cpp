// The custom styles: storing the present style under a name, the window of ten slots, its
// Apply, Delete and Close, and the settings keys it writes.
#include "EditorFixture.h"
#include "ModalScript.h"
#include "platform/RichTextBox.h"
#include "settings/CustomStyleStore.h"
#include "settings/IniFile.h"
#include "settings/SettingsPaths.h"
#include "shell/PostEditor.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

QString text(QWidget* window, const QString& box) {
    return window->findChild<QLineEdit*>(box)->text();
}

QPushButton* button(QWidget* window, const char* name) {
    return window->findChild<QPushButton*>(name);
}

void select(QWidget* window, int slot) {
    window->findChild<QRadioButton*>("Option" + QString::number(slot))->click();
}

CustomStyles stylesNamed(const QStringList& names) {
    CustomStyles styles;
    for (int slot = 0; slot < names.size(); ++slot)
        styles.set(slot, {names.at(slot), "[s" + QString::number(slot + 1) + "]",
                          "[/s" + QString::number(slot + 1) + "]"});
    return styles;
}

} // namespace

class TestCustomStyles : public QObject {
    Q_OBJECT

private slots:
    void withoutSettingsTheSlotsAreEmptyAndCloseWritesThirtyKeys() {
        EditorFixture f;
        ModalScript modal;
        bool applyEnabled = true, deleteEnabled = true;
        QStringList names;
        modal.steps << [&](QDialog& window) {
            for (int slot = 1; slot <= 10; ++slot)
                names << text(&window, "TxtPre" + QString::number(slot));
            applyEnabled = button(&window, "cmdApply")->isEnabled();
            deleteEnabled = button(&window, "cmdDel")->isEnabled();
            button(&window, "cmdClose")->click();
        };
        f.click("cmdCStyle");
        QCOMPARE(modal.opened, QStringList({"frmPreset"}));
        QCOMPARE(names, QStringList(10, QString()));
        QVERIFY(!applyEnabled && !deleteEnabled);

        // The file's exact layout is checked with the store; here only that Close wrote it.
        QCOMPARE(CustomStyleStore(f.paths().settingsFile).load(), CustomStyles());
        QVERIFY(QFile::exists(f.paths().settingsFile));
    }

    void addingAtTheNeutralStateAsksForAStyleFirst() {
        EditorFixture f;
        ModalScript modal;
        f.click("cmdPreset");
        QVERIFY(modal.opened.isEmpty());
        QCOMPARE(f.prompter.messages.size(), 1);
        QCOMPARE(f.prompter.messages[0].text, "Please define a style first !!");
        QCOMPARE(f.prompter.messages[0].title, "Quillet");
        QVERIFY(f.box()->hasFocus());
    }

    void addingFillsTheFirstEmptySlotEvenUnderARepeatedName() {
        EditorFixture f;
        CustomStyles stored = stylesNamed({"ONE", "", "THREE"});
        CustomStyleStore(f.paths().settingsFile).save(stored);
        f.workArea->findChild<QCheckBox*>("chkBold")->setChecked(true);

        ModalScript modal;
        QString refused;
        modal.steps << [&](QDialog& naming) {
            button(&naming, "cmdApply")->click(); // no name yet: stays open
            refused = naming.result() == QDialog::Accepted ? "accepted" : "open";
            naming.findChild<QLineEdit*>("TxtSettingName")->setText("THREE");
            button(&naming, "cmdApply")->click();
        };
        QStringList slot2;
        modal.steps << [&](QDialog& window) {
            slot2 << text(&window, "TxtPre2") << text(&window, "Txt2A") << text(&window, "Txt2B");
            QVERIFY(button(&window, "cmdApply")->isEnabled());
            QTest::keyClick(&window, Qt::Key_Escape); // Escape closes, which stores
        };
        f.click("cmdPreset");
        QCOMPARE(modal.opened, QStringList({"frmPresetMSG", "frmPreset"}));
        QCOMPARE(refused, "open");
        QCOMPARE(f.prompter.messages.size(), 1);
        QCOMPARE(f.prompter.messages[0].text, "You must enter a code for later use");
        QCOMPARE(slot2, QStringList({"THREE", "[b]", "[/b]"}));

        stored.set(1, {"THREE", "[b]", "[/b]"});
        QCOMPARE(CustomStyleStore(f.paths().settingsFile).load(), stored);
    }

    void addingWithAllSlotsUsedSaysSoAndShowsThemUnchanged() {
        EditorFixture f;
        const CustomStyles full = stylesNamed({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"});
        CustomStyleStore(f.paths().settingsFile).save(full);
        f.workArea->findChild<QCheckBox*>("chkItalic")->setChecked(true);
        ModalScript modal;
        modal.steps << [](QDialog& naming) {
            naming.findChild<QLineEdit*>("TxtSettingName")->setText("NEW");
            button(&naming, "cmdApply")->click();
        };
        modal.steps << [](QDialog& window) { button(&window, "cmdClose")->click(); };
        f.click("cmdPreset");
        QCOMPARE(modal.opened, QStringList({"frmPresetMSG", "frmPreset"}));
        QCOMPARE(f.prompter.messages.size(), 1);
        QCOMPARE(f.prompter.messages[0].text,
                 " You have no storage available now\r\n Delete any of the preset and try again");
        QCOMPARE(CustomStyleStore(f.paths().settingsFile).load(), full);
    }

    void cancellingTheNameStoresNothing() {
        EditorFixture f;
        f.workArea->findChild<QCheckBox*>("chkBold")->setChecked(true);
        ModalScript modal;
        modal.steps << [](QDialog& naming) {
            naming.findChild<QLineEdit*>("TxtSettingName")->setText("X");
            QTest::keyClick(&naming, Qt::Key_Escape);
        };
        f.click("cmdPreset");
        QCOMPARE(modal.opened, QStringList({"frmPresetMSG"}));
        QVERIFY(!QFile::exists(f.paths().settingsFile));
        QVERIFY(f.box()->hasFocus());
    }

    void applyWrapsTheSelectionThroughTheClipboardAndStaysOpen() {
        EditorFixture f;
        CustomStyles stored;
        stored.set(0, {"BOLD", "[b]", "[/b]"});
        stored.set(1, {"ITALIC", "[i]", "[/i]"});
        CustomStyleStore(f.paths().settingsFile).save(stored);
        f.surface().setText("hello world");
        f.surface().setSelStart(6);
        f.surface().setSelLength(5);
        f.clipboard.content = "held before";

        ModalScript modal;
        QString shownTags;
        QStringList texts;
        modal.steps << [&](QDialog& window) {
            button(&window, "cmdApply")->click(); // no slot chosen
            texts << f.surface().text();
            select(&window, 1);
            shownTags = window.findChild<QLabel*>("Label1")->text();
            button(&window, "cmdApply")->click();
            texts << f.surface().text();
            select(&window, 2);
            window.show(); // Enter goes to the default button only when it is shown
            QTest::keyClick(&window, Qt::Key_Return);
            texts << f.surface().text();
            QVERIFY(window.result() != QDialog::Accepted); // still open
            button(&window, "cmdClose")->click();
        };
        f.action("mnuPreSet")->trigger();
        QCOMPARE(modal.opened, QStringList({"frmPreset"}));
        QCOMPARE(f.prompter.messages.size(), 1);
        QCOMPARE(f.prompter.messages[0].text, "Please Select a style to apply");
        QCOMPARE(shownTags, "[b] [/b]");
        // The second apply has nothing selected: the tags go in at the caret.
        QCOMPARE(texts,
                 QStringList({"hello world", "hello [b]world[/b]", "hello [b]world[/b][i][/i]"}));
        QVERIFY(!f.clipboard.content.has_value());
    }

    void deleteAsksAndOnlyEmptiesTheChosenSlot() {
        EditorFixture f;
        CustomStyles stored;
        stored.set(0, {"BOLD", "[b]", "[/b]"});
        CustomStyleStore(f.paths().settingsFile).save(stored);
        f.prompter.answers = {Prompter::Answer::Yes, Prompter::Answer::No, Prompter::Answer::Yes};

        ModalScript modal;
        QStringList states;
        modal.steps << [&](QDialog& window) {
            const auto state = [&] {
                states << text(&window, "TxtPre1") + "|" +
                              window.findChild<QLabel*>("Label1")->text() + "|" +
                              (button(&window, "cmdApply")->isEnabled() ? "on" : "off") +
                              (button(&window, "cmdDel")->isEnabled() ? "on" : "off");
            };
            button(&window, "cmdDel")->click(); // Yes, but no slot chosen
            state();
            select(&window, 1);
            button(&window, "cmdDel")->click(); // No
            state();
            button(&window, "cmdDel")->click(); // Yes
            state();
            button(&window, "cmdClose")->click();
        };
        QTest::keyClick(f.box(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(modal.opened, QStringList({"frmPreset"}));
        QCOMPARE(f.prompter.messages.size(), 3);
        QCOMPARE(f.prompter.messages[0].text, "Are you sure to delete?");
        QCOMPARE(f.prompter.messages[0].icon, Prompter::Icon::Question);
        QCOMPARE(f.prompter.messages[0].buttons, Prompter::Buttons::YesNo);
        QCOMPARE(states, QStringList({"BOLD||onon", "BOLD|[b] [/b]|onon", "||offoff"}));
        QCOMPARE(CustomStyleStore(f.paths().settingsFile).load(), CustomStyles());
    }

    void clickingANameChoosesItsSlot() {
        EditorFixture f;
        CustomStyles stored;
        stored.set(2, {"RED", "[color red]", "[/color]"});
        CustomStyleStore(f.paths().settingsFile).save(stored);
        ModalScript modal;
        bool chosen = false;
        QString shown;
        modal.steps << [&](QDialog& window) {
            QTest::mouseClick(window.findChild<QLineEdit*>("TxtPre3"), Qt::LeftButton);
            chosen = window.findChild<QRadioButton*>("Option3")->isChecked();
            shown = window.findChild<QLabel*>("Label1")->text();
        };
        f.click("cmdCStyle");
        QVERIFY(chosen);
        QCOMPARE(shown, "[color red] [/color]");
    }
};

QTEST_MAIN(TestCustomStyles)
#include "tst_custom_styles.moc"

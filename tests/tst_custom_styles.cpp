// The custom styles: storing the present style under a name, the window of ten slots, its
// Apply, Delete and Close, and the settings keys it writes.
#include "EditorFixture.h"
#include "ModalScript.h"
#include "platform/RichTextBox.h"
#include "settings/CustomStyleStore.h"
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

QPushButton* button(QWidget* window, const char* name) {
    return window->findChild<QPushButton*>(name);
}

// What the user sees: the first slot's name, the shown tags, whether Apply and Delete work.
QString state(QWidget* window) {
    return window->findChild<QLineEdit*>("TxtPre1")->text() + '|' +
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

QString stored(const EditorFixture& f, int slot) {
    const CustomStyle style = CustomStyleStore(f.paths().settingsFile).load().at(slot);
    return style.name + '|' + style.startTag + '|' + style.endTag;
}

} // namespace

class TestCustomStyles : public QObject {
    Q_OBJECT

private slots:
    void addingStoresThePresentStyleInTheFirstEmptySlot() {
        EditorFixture f;
        store(f, {{"ONE", "[s1]", "[/s1]"}, {}, {"THREE", "[s3]", "[/s3]"}});
        ModalScript modal;
        f.click("cmdPreset"); // the style controls are at their neutral state
        f.workArea->findChild<QCheckBox*>("chkBold")->setChecked(true);
        modal.steps << [](QDialog& naming) { QTest::keyClick(&naming, Qt::Key_Escape); };
        f.click("cmdPreset");
        QVERIFY(f.box()->hasFocus());
        const auto name = [](QDialog& naming) {
            button(&naming, "cmdApply")->click(); // no name yet: stays open
            QVERIFY(naming.result() != QDialog::Accepted);
            naming.findChild<QLineEdit*>("TxtSettingName")->setText("THREE"); // names may repeat
            button(&naming, "cmdApply")->click();
        };
        const auto close = [](QDialog& window) { QTest::keyClick(&window, Qt::Key_Escape); };
        modal.steps << name << close;
        f.click("cmdPreset");
        QCOMPARE(stored(f, 1), "THREE|[b]|[/b]"); // closing stored it
        store(f, QList<CustomStyle>(10, {"USED", "[u]", "[/u]"}));
        modal.steps << name << close;
        f.click("cmdPreset");
        QCOMPARE(stored(f, 0), "USED|[u]|[/u]");
        QCOMPARE(modal.opened, QStringList({"frmPresetMSG", "frmPresetMSG", "frmPreset",
                                            "frmPresetMSG", "frmPreset"}));
        QStringList messages;
        for (const auto& message : f.prompter.messages)
            messages << message.text;
        QCOMPARE(messages, QStringList({"Please define a style first !!",
                                        "You must enter a code for later use",
                                        "You must enter a code for later use",
                                        " You have no storage available now\r\n"
                                        " Delete any of the preset and try again"}));
    }

    void applyWrapsTheSelectionThroughTheClipboardAndStaysOpen() {
        EditorFixture f;
        store(f, {{"BOLD", "[b]", "[/b]"}, {"ITALIC", "[i]", "[/i]"}});
        f.surface().setText("hello world");
        f.surface().setSelStart(6);
        f.surface().setSelLength(5);
        f.clipboard.content = "held before";
        ModalScript modal;
        QStringList texts;
        modal.steps << [&](QDialog& window) {
            button(&window, "cmdApply")->click(); // no slot chosen
            QTest::mouseClick(window.findChild<QLineEdit*>("TxtPre1"), Qt::LeftButton);
            button(&window, "cmdApply")->click();
            texts << f.surface().text();
            window.findChild<QRadioButton*>("Option2")->click();
            window.show(); // Enter goes to the default button only when it is shown
            QTest::keyClick(&window, Qt::Key_Return);
            texts << f.surface().text() << (window.isVisible() ? "open" : "closed");
            button(&window, "cmdClose")->click();
        };
        f.action("mnuPreSet")->trigger();
        QCOMPARE(modal.opened, QStringList({"frmPreset"}));
        QCOMPARE(f.prompter.messages.size(), 1);
        QCOMPARE(f.prompter.messages[0].text, "Please Select a style to apply");
        // The second apply has nothing selected: the tags go in at the caret.
        QCOMPARE(texts, QStringList({"hello [b]world[/b]", "hello [b]world[/b][i][/i]", "open"}));
        QVERIFY(!f.clipboard.content.has_value());
    }

    void deleteAsksAndOnlyEmptiesTheChosenSlot() {
        EditorFixture f;
        store(f, {{"BOLD", "[b]", "[/b]"}});
        f.prompter.answers = {Prompter::Answer::Yes, Prompter::Answer::No, Prompter::Answer::Yes};
        ModalScript modal;
        QStringList states;
        modal.steps << [&](QDialog& window) {
            button(&window, "cmdDel")->click(); // Yes, but no slot chosen
            states << state(&window);
            window.findChild<QRadioButton*>("Option1")->click();
            button(&window, "cmdDel")->click(); // No
            states << state(&window);
            button(&window, "cmdDel")->click(); // Yes
            states << state(&window);
            button(&window, "cmdClose")->click();
        } << [&](QDialog& window) { states << state(&window); };
        QTest::keyClick(f.box(), Qt::Key_Y, Qt::ControlModifier);
        f.click("cmdCStyle");
        QCOMPARE(modal.opened, QStringList({"frmPreset", "frmPreset"}));
        QCOMPARE(f.prompter.messages[0].text, "Are you sure to delete?");
        QCOMPARE(f.prompter.messages[0].buttons, Prompter::Buttons::YesNo);
        QCOMPARE(states, QStringList({"BOLD||onon", "BOLD|[b] [/b]|onon", "||offoff", "||offoff"}));
    }
};

QTEST_MAIN(TestCustomStyles)
#include "tst_custom_styles.moc"

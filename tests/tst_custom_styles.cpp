// The custom styles: storing the present style, and the window that applies and deletes.
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

// What the user sees: the first two names, the shown tags, whether Apply and Delete work.
QString state(QWidget* window) {
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
        QStringList messages;
        for (const auto& message : f.prompter.messages)
            messages << message.text;
        QCOMPARE(messages, QStringList({"Please define a style first !!",
                                        "You must enter a code for later use",
                                        "You must enter a code for later use",
                                        " You have no storage available now\r\n"
                                        " Delete any of the preset and try again"}));
    }

    void applyAndDeleteWorkOnTheChosenSlot() {
        EditorFixture f;
        store(f, {{"BOLD", "[b]", "[/b]"}, {"ITALIC", "[i]", "[/i]"}});
        f.surface().setText("hello world");
        f.surface().setSelStart(6);
        f.surface().setSelLength(5);
        f.clipboard.content = "held before";
        using Answer = Prompter::Answer; // the first answers the message
        f.prompter.answers = {Answer::Ok, Answer::Yes, Answer::No, Answer::Yes, Answer::Yes};
        ModalScript modal;
        QStringList seen;
        modal.steps << [&](QDialog& window) {
            button(&window, "cmdApply")->click(); // no slot chosen
            button(&window, "cmdDel")->click();   // Yes, but no slot chosen
            seen << state(&window);
            QTest::mouseClick(window.findChild<QLineEdit*>("TxtPre1"), Qt::LeftButton);
            button(&window, "cmdApply")->click();
            seen << f.surface().text() << state(&window);
            window.findChild<QRadioButton*>("Option2")->click();
            window.show(); // Enter goes to the default button only when it is shown
            QTest::keyClick(&window, Qt::Key_Return);
            seen << f.surface().text() << (window.isVisible() ? "open" : "closed");
            button(&window, "cmdDel")->click(); // No
            seen << state(&window);
            button(&window, "cmdDel")->click(); // Yes
            window.findChild<QRadioButton*>("Option1")->click();
            button(&window, "cmdDel")->click(); // Yes
            seen << state(&window);
            button(&window, "cmdClose")->click();
        } << [&](QDialog& window) { seen << state(&window); };
        f.action("mnuPreSet")->trigger();
        f.click("cmdCStyle");
        QCOMPARE(modal.opened, QStringList({"frmPreset", "frmPreset"}));
        QCOMPARE(seen,
                 QStringList({"BOLD,ITALIC||onon", "hello [b]world[/b]",
                              "BOLD,ITALIC|[b] [/b]|onon", "hello [b]world[/b][i][/i]", "open",
                              "BOLD,ITALIC|[i] [/i]|onon", ",||offoff", ",||offoff"}));
        QVERIFY(!f.clipboard.content.has_value());
        QCOMPARE(f.prompter.messages[0].text, "Please Select a style to apply");
        QCOMPARE(f.prompter.messages[1].text, "Are you sure to delete?");
        QCOMPARE(f.prompter.messages.size(), 5);
    }
};

QTEST_MAIN(TestCustomStyles)
#include "tst_custom_styles.moc"

// The link, image and irregular tag dialogs, driven through their own controls without a
// modal loop; the Tools menu is checked to open each one modally.
#include "EditorFixture.h"
#include "markup/ImageDialog.h"
#include "markup/IrregularTagsDialog.h"
#include "markup/LinkDialog.h"
#include "platform/RichTextBox.h"
#include "shell/PostEditor.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

class TestMarkupDialogs : public QObject {
    Q_OBJECT

    // A fixture whose post holds "see HERE now" with HERE selected, and a clipboard that
    // holds something the dialogs are to clear.
    struct Post : EditorFixture {
        Post() {
            type("see HERE now");
            surface().setSelStart(4);
            surface().setSelLength(4);
            clipboard.content = QString("earlier");
        }
    };

    template <class Dialog> static Dialog* shown(Post& f) {
        auto* dialog = new Dialog(f.surface(), f.workArea.get());
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
        (void)QTest::qWaitForWindowExposed(dialog);
        return dialog;
    }
    static void fill(QWidget* dialog, const char* field, const QString& text) {
        dialog->findChild<QLineEdit*>(field)->setText(text);
    }
    static QLineEdit* field(QWidget* dialog, const char* name) {
        return dialog->findChild<QLineEdit*>(name);
    }

private slots:
    void linkWithAddressAndText() {
        Post f;
        LinkDialog dialog(f.surface(), f.workArea.get());
        QCOMPARE(dialog.windowTitle(), "Insert link to a web page");
        fill(&dialog, "txtLink", "http://a.example/x");
        fill(&dialog, "txtLinkText", "the text");
        dialog.CmdAnchor_Click();
        QCOMPARE(f.surface().text(), "see [link http://a.example/x]the text[/link] now");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!f.clipboard.content.has_value());
        QCOMPARE(field(&dialog, "txtLink")->text(), QString());
        QCOMPARE(field(&dialog, "txtLinkText")->text(), QString());
    }

    void linkWithAddressOnlyAsksWhetherToUseIt() {
        Post f;
        f.prompter.answers = {Prompter::Answer::No, Prompter::Answer::Yes};
        auto* dialog = shown<LinkDialog>(f);
        fill(dialog, "txtLink", "http://a.example");
        dialog->CmdAnchor_Click();
        QCOMPARE(f.prompter.messages.size(), 1);
        QCOMPARE(f.prompter.messages[0].text, "Do you want to keep the URL as link text");
        QCOMPARE(f.prompter.messages[0].icon, Prompter::Icon::None);
        QCOMPARE(f.prompter.messages[0].buttons, Prompter::Buttons::YesNo);
        QCOMPARE(f.surface().text(), "see HERE now");
        QVERIFY(dialog->isVisible());
        QVERIFY(field(dialog, "txtLinkText")->hasFocus());

        dialog->CmdAnchor_Click();
        QCOMPARE(f.surface().text(), "see http://a.example now");
        QVERIFY(!f.clipboard.content.has_value());
    }

    void linkWithoutAddressShowsHowOneLooks() {
        Post f;
        auto* dialog = shown<LinkDialog>(f);
        fill(dialog, "txtLinkText", "text only");
        dialog->CmdAnchor_Click();
        QCOMPARE(f.prompter.messages.size(), 1);
        QCOMPARE(f.prompter.messages[0].text,
                 " You must enter a link like  http:// forums.vornet.example/");
        QCOMPARE(f.prompter.messages[0].title, "Quillet");
        QCOMPARE(f.prompter.messages[0].icon, Prompter::Icon::None);
        QCOMPARE(f.prompter.messages[0].buttons, Prompter::Buttons::Ok);
        QVERIFY(field(dialog, "txtLink")->hasFocus());
        QVERIFY(dialog->isVisible());
        QCOMPARE(f.surface().text(), "see HERE now");
        QCOMPARE(f.clipboard.content, QString("earlier"));
    }

    void imageTakesTheAddressAsTyped() {
        Post f;
        ImageDialog dialog(f.surface(), f.workArea.get());
        QCOMPARE(dialog.windowTitle(), "Insert Image");
        fill(&dialog, "txtImgURL", "pic.txt");
        dialog.cmdInsert_Click();
        QCOMPARE(f.surface().text(), "see [img pic.txt] now");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!f.clipboard.content.has_value());
    }

    void imageWithoutAddressIsRefused() {
        Post f;
        auto* dialog = shown<ImageDialog>(f);
        dialog->cmdInsert_Click();
        QCOMPARE(f.prompter.messages.size(), 1);
        QCOMPARE(f.prompter.messages[0].text, " You must enter complete url with image extension");
        QCOMPARE(f.prompter.messages[0].icon, Prompter::Icon::None);
        QVERIFY(field(dialog, "txtImgURL")->hasFocus());
        QVERIFY(dialog->isVisible());
        QCOMPARE(f.surface().text(), "see HERE now");
    }

    void irregularTagWrapsTheSelection_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("sample");
        QTest::addColumn<QString>("wrapped");
        for (const char* tag : {"ignore", "sub", "sup"}) {
            const QString name = QString(tag).replace(0, 1, QString(tag).left(1).toUpper());
            const QString sample = QString(tag) == "ignore"
                                       ? QString("[ignore][b]TEXT[/b][/ignore]")
                                       : QString("[%1]SOME TEXT[/%1]").arg(tag);
            QTest::newRow(tag) << "Option" + name << "pic" + name << sample
                               << QString("see [%1]HERE[/%1] now").arg(tag);
        }
    }
    void irregularTagWrapsTheSelection() {
        QFETCH(QString, option);
        QFETCH(QString, picture);
        QFETCH(QString, sample);
        QFETCH(QString, wrapped);
        Post f;
        IrregularTagsDialog dialog(f.surface(), f.workArea.get());
        QCOMPARE(dialog.windowTitle(), "Irregular tags");
        auto* label1 = dialog.findChild<QLabel*>("Label1");
        auto* label2 = dialog.findChild<QLabel*>("Label2");
        QCOMPARE(label1->text() + label2->text(), QString());
        dialog.findChild<QRadioButton*>(option)->click();
        QCOMPARE(label2->text(), sample);
        QVERIFY(label1->text().startsWith("Use this tags to"));
        QCOMPARE(dialog.findChild<QStackedWidget*>()->currentWidget()->objectName(), picture);
        dialog.cmdApply_Click();
        QCOMPARE(f.surface().text(), wrapped);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!f.clipboard.content.has_value());
    }

    void irregularTagKeepsTheSelectionWhenTheClipboardIsHeld() {
        Post f;
        f.clipboard.available = false;
        IrregularTagsDialog dialog(f.surface(), f.workArea.get());
        dialog.findChild<QRadioButton*>("OptionSub")->click();
        dialog.cmdApply_Click();
        QCOMPARE(f.surface().text(), "see [sub]HERE[/sub] now");
    }

    void irregularTagWithoutOptionIsRefused() {
        Post f;
        auto* dialog = shown<IrregularTagsDialog>(f);
        dialog->cmdApply_Click();
        QCOMPARE(f.prompter.messages.size(), 1);
        QCOMPARE(f.prompter.messages[0].text, "You must select an option");
        QCOMPARE(f.prompter.messages[0].icon, Prompter::Icon::Information);
        QVERIFY(dialog->isVisible());
        QCOMPARE(f.surface().text(), "see HERE now");
    }

    void escapeClosesEachDialogWithoutInserting() {
        Post f;
        auto* link = shown<LinkDialog>(f);
        fill(link, "txtLink", "http://a.example");
        fill(link, "txtLinkText", "text");
        QLineEdit* linkField = field(link, "txtLink");
        QTest::keyClick(linkField, Qt::Key_Escape);
        QVERIFY(!link->isVisible());
        QCOMPARE(linkField->text(), QString());

        auto* image = shown<ImageDialog>(f);
        fill(image, "txtImgURL", "p.png");
        QTest::keyClick(field(image, "txtImgURL"), Qt::Key_Escape);
        QVERIFY(!image->isVisible());

        auto* irregular = shown<IrregularTagsDialog>(f);
        irregular->findChild<QRadioButton*>("OptionSup")->click();
        QTest::keyClick(irregular, Qt::Key_Escape);
        QVERIFY(!irregular->isVisible());

        QCOMPARE(f.surface().text(), "see HERE now");
        QCOMPARE(f.clipboard.content, QString("earlier"));
        QVERIFY(f.prompter.messages.isEmpty());
    }

    void toolsMenuOpensEachDialogModally_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("dialog");
        // The titles are checked with each dialog.
        for (const auto& [item, dialog] : {std::pair("mnuImage", "FrmImage"),
                                           {"mnuLink", "FrmAnchor"},
                                           {"mnuIrregualr", "frmIrregular"}})
            QTest::newRow(item) << QString(item) << QString(dialog);
    }
    void toolsMenuOpensEachDialogModally() {
        QFETCH(QString, item);
        QFETCH(QString, dialog);
        Post f;
        QString openedName;
        // Runs inside the dialog's own loop and closes it, so the test never waits on it.
        QTimer::singleShot(0, this, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                openedName = modal->objectName();
                QTest::keyClick(modal, Qt::Key_Escape);
            }
        });
        f.action(item.toLatin1())->trigger();
        QCOMPARE(openedName, dialog);
        QCOMPARE(f.surface().text(), "see HERE now");
    }
};

QTEST_MAIN(TestMarkupDialogs)
#include "tst_markup_dialogs.moc"

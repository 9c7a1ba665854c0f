// The link, image and irregular tag dialogs, driven through their own controls over a post
// "see HERE now" with HERE selected and "earlier" on the clipboard.
#include "EditorFixture.h"
#include "ModalScript.h"
#include "markup/ImageDialog.h"
#include "markup/IrregularTagsDialog.h"
#include "markup/LinkDialog.h"

#include <QRadioButton>
#include <QStackedWidget>

using Answer = Prompter::Answer;

class TestMarkupDialogs : public QObject {
    Q_OBJECT

    struct Post : EditorFixture {
        Post() {
            type("see HERE now");
            select(4, 4);
            clipboard.content = QString("earlier");
        }
        // A shown dialog, by objectName, with its fields filled ("txtLink=x") and options
        // clicked ("OptionSub") as the semicolon-separated input says.
        QDialog* open(const QString& name, const QString& input = {}) {
            QDialog* dialog = nullptr;
            if (name == "FrmAnchor")
                dialog = new LinkDialog(surface(), workArea.get());
            else if (name == "FrmImage")
                dialog = new ImageDialog(surface(), workArea.get());
            else
                dialog = new IrregularTagsDialog(surface(), workArea.get());
            dialog->show();
            (void)QTest::qWaitForWindowExposed(dialog);
            for (const QString& step : input.split(';', Qt::SkipEmptyParts)) {
                if (step.contains('='))
                    dialog->findChild<QLineEdit*>(step.section('=', 0, 0))
                        ->setText(step.section('=', 1));
                else
                    dialog->findChild<QRadioButton*>(step)->click();
            }
            return dialog;
        }
    };
    static bool fieldsEmpty(const QDialog* dialog) {
        for (const QLineEdit* field : dialog->findChildren<QLineEdit*>()) {
            if (!field->text().isEmpty())
                return false;
        }
        return true;
    }

private slots:
    // A refusal leaves the dialog open with the focus where the message points.
    void insertOrRefuse() {
        const char* const ask = "Do you want to keep the URL as link text";
        for (const auto& [dialog, input, answer, after, message, focus] : {
                 std::tuple("FrmAnchor", "txtLink=http://a.example/x;txtLinkText=the text",
                            Answer::Cancel, "see [link http://a.example/x]the text[/link] now", "",
                            ""),
                 {"FrmAnchor", "txtLink=http://a.example", Answer::Yes, "see http://a.example now",
                  ask, ""},
                 {"FrmAnchor", "txtLink=http://a.example", Answer::No, "", ask, "txtLinkText"},
                 {"FrmAnchor", "txtLinkText=text only", Answer::Cancel, "",
                  " You must enter a link like  http:// forums.vornet.example/", "txtLink"},
                 {"FrmImage", "txtImgURL=pic.txt", Answer::Cancel, "see [img pic.txt] now", "", ""},
                 {"FrmImage", "", Answer::Cancel, "",
                  " You must enter complete url with image extension", "txtImgURL"},
                 {"frmIrregular", "OptionIgnore", Answer::Cancel, "see [ignore]HERE[/ignore] now",
                  "", ""},
                 {"frmIrregular", "OptionSub", Answer::Cancel, "see [sub]HERE[/sub] now", "", ""},
                 {"frmIrregular", "OptionSup", Answer::Cancel, "see [sup]HERE[/sup] now", "", ""},
                 {"frmIrregular", "", Answer::Cancel, "", "You must select an option", ""},
             }) {
            Post f;
            f.prompter.answers = {answer};
            QDialog* shown = f.open(dialog, input);
            for (const char* insert : {"CmdAnchor", "cmdInsert", "cmdApply"}) {
                if (auto* button = shown->findChild<QAbstractButton*>(insert))
                    button->click();
            }
            const bool inserted = *after;
            QCOMPARE(f.text(), inserted ? after : "see HERE now");
            QCOMPARE(f.prompter.asked(),
                     *message ? QStringList{"Quillet: " + QString(message)} : QStringList());
            if (*message) {
                QCOMPARE(f.prompter.messages[0].icon, QString(dialog) == "frmIrregular"
                                                          ? Prompter::Icon::Information
                                                          : Prompter::Icon::None);
                QCOMPARE(f.prompter.messages[0].buttons, QString(message) == ask
                                                             ? Prompter::Buttons::YesNo
                                                             : Prompter::Buttons::Ok);
            }
            QCOMPARE(shown->isVisible(), !inserted);
            QCOMPARE(f.clipboard.content.has_value(), !inserted); // emptied by an insertion
            QCOMPARE(shown->result(), int(inserted ? QDialog::Accepted : QDialog::Rejected));
            QCOMPARE(fieldsEmpty(shown), inserted || !*input);
            if (*focus)
                QVERIFY(shown->findChild<QWidget*>(focus)->hasFocus());
        }
    }

    void irregularOptionsShowTheirSampleAndEscapeClosesEveryDialog() {
        Post f;
        QDialog* irregular = f.open("frmIrregular");
        auto* explanation = irregular->findChild<QLabel*>("Label1");
        auto* sample = irregular->findChild<QLabel*>("Label2");
        QCOMPARE(explanation->text() + sample->text(), QString());
        for (const auto& [option, picture, text] :
             {std::tuple("OptionIgnore", "picIgnore", "[ignore][b]TEXT[/b][/ignore]"),
              {"OptionSub", "picSub", "[sub]SOME TEXT[/sub]"},
              {"OptionSup", "picSup", "[sup]SOME TEXT[/sup]"}}) {
            irregular->findChild<QRadioButton*>(option)->click();
            QCOMPARE(sample->text(), text);
            QVERIFY(explanation->text().startsWith("Use this tags to"));
            QCOMPARE(irregular->findChild<QStackedWidget*>()->currentWidget()->objectName(),
                     picture);
        }
        for (QDialog* dialog : {irregular, f.open("FrmAnchor", "txtLink=a.example;txtLinkText=a"),
                                f.open("FrmImage", "txtImgURL=p.png")}) {
            QTest::keyClick(dialog, Qt::Key_Escape);
            QVERIFY(!dialog->isVisible());
            QVERIFY(fieldsEmpty(dialog));
        }
        QCOMPARE(f.text(), "see HERE now");
        QCOMPARE(f.clipboard.content, QString("earlier"));
        QVERIFY(f.prompter.messages.isEmpty());
    }

    void toolsMenuOpensEachDialogModally() {
        Post f;
        ModalScript modal;
        for (const char* item : {"mnuImage", "mnuLink", "mnuIrregualr"})
            f.action(item)->trigger();
        QCOMPARE(modal.opened, (QStringList{"FrmImage", "FrmAnchor", "frmIrregular"}));
        QCOMPARE(f.text(), "see HERE now");
    }
};

QTEST_MAIN(TestMarkupDialogs)
#include "tst_markup_dialogs.moc"

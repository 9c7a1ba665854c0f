// The link, image and irregular tag dialogs, driven through their own controls.
#include "EditorFixture.h"
#include "ModalScript.h"

#include <QRadioButton>
#include <QStackedWidget>

using Answer = Prompter::Answer;

class TestMarkupDialogs : public QObject {
    Q_OBJECT

    // "see HERE now" with HERE selected and "earlier" on the clipboard.
    struct Post : EditorFixture {
        Post() {
            type("see HERE now");
            select(4, 4);
            clipboard.content = QString("earlier");
        }
        // Opens the dialog from its menu item and hands it, shown, to the step.
        void open(const char* item, const ModalScript::Step& step) {
            ModalScript modal;
            modal.steps << [&](QDialog& dialog) {
                dialog.show();
                QVERIFY(QTest::qWaitForWindowExposed(&dialog));
                step(dialog);
            };
            action(item)->trigger();
            QCOMPARE(modal.opened.size(), 1);
        }
    };

private slots:
    // The input fills fields ("txtLink=x"), clicks options ("OptionSub") or presses Escape,
    // then the insert button is clicked unless Enter ended it. A refusal keeps the dialog open
    // with the focus where the message points; an insertion empties the clipboard, closes it.
    void insertOrRefuse() {
        const char* const ask = "Do you want to keep the URL as link text";
        for (const auto& [item, input, answer, after, message, focus] : {
                 std::tuple("mnuLink", "txtLink=http://a.example/x;txtLinkText=the text",
                            Answer::Cancel, "see [link http://a.example/x]the text[/link] now", "",
                            ""),
                 {"mnuLink", "txtLink=http://a.example", Answer::Yes, "see http://a.example now",
                  ask, ""},
                 {"mnuLink", "txtLink=http://a.example", Answer::No, "", ask, "txtLinkText"},
                 {"mnuLink", "txtLinkText=text only", Answer::Cancel, "",
                  " You must enter a link like  http:// forums.vornet.example/", "txtLink"},
                 {"mnuLink", "txtLink=http://a.example;txtLinkText=text;Escape", Answer::Cancel, "",
                  "", ""},
                 {"mnuImage", "txtImgURL=pic.txt", Answer::Cancel, "see [img pic.txt] now", "", ""},
                 {"mnuImage", "txtImgURL=p.g;Enter", Answer::Cancel, "see [img p.g] now", "", ""},
                 {"mnuImage", "", Answer::Cancel, "",
                  " You must enter complete url with image extension", "txtImgURL"},
                 {"mnuImage", "txtImgURL=pic.txt;Escape", Answer::Cancel, "", "", ""},
                 {"mnuIrregualr", "OptionIgnore", Answer::Cancel, "see [ignore]HERE[/ignore] now",
                  "", ""},
                 {"mnuIrregualr", "OptionSub", Answer::Cancel, "see [sub]HERE[/sub] now", "", ""},
                 {"mnuIrregualr", "OptionSup", Answer::Cancel, "see [sup]HERE[/sup] now", "", ""},
                 {"mnuIrregualr", "", Answer::Cancel, "", "You must select an option", ""},
                 {"mnuIrregualr", "OptionSup;Escape", Answer::Cancel, "", "", ""},
             }) {
            Post f;
            f.prompter.answers = {answer};
            bool open = false, focused = false;
            f.open(item, [&](QDialog& dialog) {
                for (const QString& part : QString(input).split(';', Qt::SkipEmptyParts)) {
                    if (part == "Escape" || part == "Enter")
                        QTest::keyClick(dialog.focusWidget(),
                                        part == "Enter" ? Qt::Key_Return : Qt::Key_Escape);
                    else if (part.contains('='))
                        dialog.findChild<QLineEdit*>(part.section('=', 0, 0))
                            ->setText(part.section('=', 1));
                    else
                        dialog.findChild<QRadioButton*>(part)->click();
                }
                for (const char* insert : {"CmdAnchor", "cmdInsert", "cmdApply"}) {
                    auto* button = dialog.findChild<QAbstractButton*>(insert);
                    if (button && dialog.isVisible() && !QString(input).endsWith("Enter"))
                        button->click();
                }
                open = dialog.isVisible();
                focused = !*focus || dialog.findChild<QWidget*>(focus)->hasFocus();
            });
            const bool inserted = *after;
            QCOMPARE(f.text(), inserted ? after : "see HERE now");
            QCOMPARE(f.prompter.asked(),
                     *message ? QStringList{"Quillet: " + QString(message)} : QStringList());
            QCOMPARE(open, *message && !inserted);
            QCOMPARE(f.clipboard.content.has_value(), !inserted);
            QVERIFY(focused);
            // Closed with nothing chosen, then focus: Apply is off; each choice turns it on or off.
            f.workArea->setFocus(Qt::MouseFocusReason);
            QCOMPARE(f.button("cmdInsert")->isEnabled(), false);
            for (const QString& step :
                 QString("chkBold+ chkBold- OptionRed+ OptionBlack- OptionHLAqua+ "
                         "OptionHLNone- OptionQuoteDave+ OptionNone- chkTT+")
                     .split(' ')) {
                f.click(step.chopped(1).toLatin1());
                QCOMPARE(f.button("cmdInsert")->isEnabled(), step.endsWith('+'));
            }
        }
    }

    void irregularOptionsShowTheirSampleAndPicture() {
        Post f;
        f.open("mnuIrregualr", [](QDialog& dialog) {
            auto* explanation = dialog.findChild<QLabel*>("Label1");
            auto* sample = dialog.findChild<QLabel*>("Label2");
            QCOMPARE(explanation->text() + sample->text(), QString());
            for (const auto& [option, picture, text] :
                 {std::tuple("OptionIgnore", "picIgnore", "[ignore][b]TEXT[/b][/ignore]"),
                  {"OptionSub", "picSub", "[sub]SOME TEXT[/sub]"},
                  {"OptionSup", "picSup", "[sup]SOME TEXT[/sup]"}}) {
                dialog.findChild<QRadioButton*>(option)->click();
                QCOMPARE(sample->text(), text);
                QVERIFY(explanation->text().startsWith("Use this tags to"));
                QCOMPARE(dialog.findChild<QStackedWidget*>()->currentWidget()->objectName(),
                         picture);
            }
        });
    }
};

QTEST_MAIN(TestMarkupDialogs)
#include "tst_markup_dialogs.moc"

// Leaving the program: which questions are asked, and when it really ends.
#include "EditorFixture.h"
#include "platform/ProgramEnd.h"
#include "platform/RichTextBox.h"
#include "shell/MainFrame.h"
#include "shell/PostEditor.h"
#include "shell/PostEditorMenus.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

using Answer = Prompter::Answer;

class TestExitFlow : public QObject {
    Q_OBJECT

    static QStringList titles(const ScriptedPrompter& p) {
        QStringList result;
        for (const Prompter::Message& m : p.messages)
            result << m.title + ": " + m.text;
        return result;
    }
    static const QString ConfirmQuestion;
    static const QString SaveQuestion;

private slots:
    void unchangedTextOnlyAsksForConfirmation_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("saved");
        QTest::newRow("empty surface, whatever the flag") << QString() << false;
        QTest::newRow("saved text") << QString("post") << true;
    }
    void unchangedTextOnlyAsksForConfirmation() {
        QFETCH(QString, typed);
        QFETCH(bool, saved);
        EditorFixture f;
        f.type(typed);
        f.workArea->TextSaved = saved;

        f.prompter.answers = {Answer::No};
        f.click("cmdExit");
        QCOMPARE(titles(f.prompter), QStringList{ConfirmQuestion});
        QCOMPARE(f.prompter.messages.first().icon, Prompter::Icon::Question);
        QCOMPARE(f.prompter.messages.first().buttons, Prompter::Buttons::YesNo);
        QVERIFY(!f.ended);

        f.prompter.answers = {Answer::Yes};
        f.click("cmdExit");
        QVERIFY(f.ended);
    }

    void changedTextOffersToSave() {
        EditorFixture f;
        f.type("draft");
        f.prompter.answers = {Answer::Cancel};
        f.click("cmdExit");
        QCOMPARE(titles(f.prompter), QStringList{SaveQuestion});
        QCOMPARE(f.prompter.messages.first().buttons, Prompter::Buttons::YesNoCancel);
        QVERIFY(!f.ended);
        QCOMPARE(f.surface().text(), "draft");

        f.prompter.answers = {Answer::No};
        f.click("cmdExit");
        QVERIFY(f.ended);
        QVERIFY(f.prompter.fileDialogs.isEmpty());
        QCOMPARE(f.prompter.messages.size(), 2); // no further question after No
    }

    void yesSavesThenEndsEvenWhenTheSaveIsCancelled() {
        EditorFixture f;
        f.type("draft");
        f.prompter.answers = {Answer::Yes};
        f.workArea->menus().fileItem(9)->trigger(); // File > Exit
        QCOMPARE(f.prompter.fileDialogKinds, QStringList{"save"});
        QCOMPARE(f.prompter.fileDialogs.first().title, "Save");
        QVERIFY(f.ended);
    }

    void yesWritesTheTextWithCrLf() {
        QTemporaryDir dir;
        EditorFixture f;
        f.type("line one\nline two");
        const QString path = dir.filePath("post.txt");
        f.prompter.answers = {Answer::Yes};
        f.prompter.fileNames = {path};
        f.click("cmdExit");
        QVERIFY(f.ended);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("line one\r\nline two"));
        QVERIFY(f.workArea->TextSaved);
    }

    void closeBoxRunsTheExitFlowAndIsAlwaysRefused() {
        EditorFixture f;
        f.type("draft");
        f.prompter.answers = {Answer::Cancel};
        QVERIFY(!f.workArea->close());
        QVERIFY(f.workArea->isVisible());
        QCOMPARE(titles(f.prompter), QStringList{SaveQuestion});

        f.prompter.answers = {Answer::No};
        QVERIFY(!f.workArea->close()); // even when the program is told to end
        QVERIFY(f.ended);
    }

    void closingTheFrameAsksTheWorkArea() {
        ScriptedPrompter prompter;
        bool ended = false;
        ProgramEnd::setHandler([&] { ended = true; });
        MainFrame frame;
        auto* workArea = new PostEditor;
        QMdiSubWindow* sub = frame.addWorkArea(workArea);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));

        prompter.answers = {Answer::No};
        QVERIFY(!frame.close());
        QVERIFY(frame.isVisible());
        QCOMPARE(prompter.messages.size(), 1);
        QCOMPARE(prompter.messages.first().text, "OK to Exit ?");
        QVERIFY(!ended);

        prompter.answers = {Answer::No};
        QVERIFY(!sub->close()); // the document window's own close box
        QVERIFY(workArea->isVisible());
        QCOMPARE(prompter.messages.size(), 2);

        prompter.answers = {Answer::Yes};
        frame.close();
        QVERIFY(ended);
        ProgramEnd::setHandler({});
    }

    void frameKeepsItsMinimumSizeAndShowsTheWorkAreaMenus() {
        ScriptedPrompter prompter;
        MainFrame frame;
        auto* workArea = new PostEditor;
        frame.addWorkArea(workArea);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QCOMPARE(frame.windowTitle().left(20), "Vornet FORUMS QUILLE");
        frame.resize(100, 100);
        QVERIFY(frame.width() >= 800 && frame.height() >= 646);
        QStringList menus;
        for (QAction* action : frame.menuBar()->actions())
            menus << action->text();
        QCOMPARE(menus, (QStringList{"&File", "&Edit", "&Tools", "&Browser", "&Help"}));
    }
};

const QString TestExitFlow::ConfirmQuestion = "Quillet: OK to Exit ?";
const QString TestExitFlow::SaveQuestion =
    "Save before exit?: The text in the Text Editor has been changed.\r\n\r\n"
    "Do you wish to save the changes before exiting?";

QTEST_MAIN(TestExitFlow)
#include "tst_exit_flow.moc"

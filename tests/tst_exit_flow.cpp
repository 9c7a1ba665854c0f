// Leaving the program: which questions are asked, and when it really ends.
#include "EditorFixture.h"
#include "TestFiles.h"
#include "shell/DraftRecovery.h"

#include <QMenuBar>
#include <QScreen>

using Answer = Prompter::Answer;

class TestExitFlow : public QObject {
    Q_OBJECT

private slots:
    // An empty or saved post only needs the confirmation; a changed one is offered a save,
    // after which the program ends unless the save failed. The close box runs the same flow
    // and is always refused: only the flow ends the program. The recovery copy goes only
    // when nothing is lost: the post was saved, or the user let it go.
    void exitAsksAndEndsOnlyWhenTold() {
        enum { ExitButton, FileExit, CloseBox };
        const QString confirm = "Quillet: OK to Exit ?";
        const QString save = "Save before exit?: The text in the Text Editor has been changed."
                             "\r\n\r\nDo you wish to save the changes before exiting?";
        QTemporaryDir dir;
        for (const auto& [typed, saved, answer, file, trigger, question, ended, kept] :
             {std::tuple("", false, Answer::No, "", ExitButton, confirm, false, false),
              {"", false, Answer::Yes, "", CloseBox, confirm, true, false},
              {"post", true, Answer::Yes, "", ExitButton, confirm, true, false},
              {"draft", false, Answer::Cancel, "", CloseBox, save, false, true},
              {"draft", false, Answer::No, "", ExitButton, save, true, false},
              {"draft", false, Answer::Yes, "", FileExit, save, true, true},
              {"draft", false, Answer::Yes, "none/post.txt", FileExit, save, false, true},
              {"line one\nline two", false, Answer::Yes, "post.txt", ExitButton, save, true,
               false}}) {
            EditorFixture f;
            f.type(typed);
            f.post().setSaved(saved);
            f.prompter.answers = {answer};
            f.prompter.fileNames = {*file ? dir.filePath(file) : QString()};
            f.workArea->recovery().writeIfDue();
            if (trigger == CloseBox)
                QVERIFY(!f.workArea->close());
            else if (trigger == FileExit)
                f.fileItem(9)->trigger();
            else
                f.click("cmdExit");
            QVERIFY(f.workArea->isVisible());
            QCOMPARE(f.prompter.asked().first(), question);
            QCOMPARE(f.prompter.messages.size(), *file && !ended ? 2 : 1); // a failed save
            QCOMPARE(f.prompter.messages[0].buttons,
                     question == save ? Prompter::Buttons::YesNoCancel : Prompter::Buttons::YesNo);
            QCOMPARE(f.ended, ended);
            QCOMPARE(fileBytes(f.workArea->recovery().copyPath()), QByteArray(kept ? typed : ""));
            // Yes to the save question runs the save before the program ends.
            QCOMPARE(f.prompter.fileDialogKinds, question == save && answer == Answer::Yes
                                                     ? QStringList{"save"}
                                                     : QStringList());
            if (*file && ended) {
                QCOMPARE(fileBytes(dir.filePath(file)), QByteArray("line one\r\nline two"));
                QVERIFY(f.post().isSaved());
            }
        }
    }

    void theFrameAsksTheWorkAreaAndShowsItsMenus() {
        FrameFixture f;
        QCOMPARE(f.frame.windowTitle(), "Vornet FORUMS QUILLET");
        f.frame.resize(100, 100);
        // The smallest size, frame included, fits the screen.
        const QSize screen = f.frame.screen()->availableGeometry().size();
        const QSize outer = f.frame.frameGeometry().size();
        QVERIFY(outer.width() >= qMin(800, screen.width()) &&
                outer.height() >= qMin(646, screen.height()));
        QStringList menus;
        for (const QAction* action : f.frame.menuBar()->actions())
            menus << action->text();
        QCOMPARE(menus, (QStringList{"&File", "&Edit", "&Tools", "&Browser", "&Help"}));

        f.prompter.answers = {Answer::No, Answer::No, Answer::Yes};
        QVERIFY(!f.frame.close());
        QVERIFY(!f.subWindow->close()); // the document window's own close box
        QVERIFY(f.frame.isVisible() && f.workArea->isVisible() && !f.ended);
        f.frame.close();
        QCOMPARE(f.prompter.asked(), QStringList(3, "Quillet: OK to Exit ?"));
        QVERIFY(f.ended);
    }
};

QTEST_MAIN(TestExitFlow)
#include "tst_exit_flow.moc"

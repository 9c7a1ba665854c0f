// Unsaved posts survive a crash, and a deliberate end leaves nothing behind.
#include "EditorFixture.h"
#include "platform/RichTextBox.h"
#include "shell/DocumentCommands.h"
#include "shell/DraftRecovery.h"
#include "shell/PostEditor.h"
#include "undo/UndoHistory.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

using Answer = Prompter::Answer;

class TestDraftRecovery : public QObject {
    Q_OBJECT

    static QString copyOf(const EditorFixture& f) { return f.workArea->recovery().copyPath(); }
    static QByteArray contentOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void leaveCopy(const EditorFixture& f, const char* name, const QByteArray& text) {
        const QString folder = QFileInfo(copyOf(f)).absolutePath();
        QDir().mkpath(folder);
        QFile file(QDir(folder).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

private slots:
    void aCopyIsWrittenAfterAPauseNotWhileTyping() {
        EditorFixture f;
        f.type("draft\nline");
        QVERIFY(!QFile::exists(copyOf(f)));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(copyOf(f)), 4000);
        QCOMPARE(contentOf(copyOf(f)), QByteArray("draft\r\nline"));

        for (int i = 0; i < 10; ++i)
            QTest::keyClick(f.box(), Qt::Key_Backspace);
        f.workArea->recovery().writeIfDue();
        QVERIFY(!QFile::exists(copyOf(f))); // an empty post needs no copy
    }

    void savingOrOpeningRemovesTheCopy() {
        QTemporaryDir dir;
        EditorFixture f;
        f.type("post");
        f.workArea->recovery().writeIfDue();
        QVERIFY(QFile::exists(copyOf(f)));
        f.prompter.fileNames = {dir.filePath("post.txt")};
        f.workArea->documents().SaveFunction();
        QVERIFY(!QFile::exists(copyOf(f)));

        f.type(" changed");
        f.workArea->recovery().writeIfDue();
        QVERIFY(QFile::exists(copyOf(f)));
        f.prompter.answers = {Answer::No};
        f.prompter.fileNames = {dir.filePath("post.txt")};
        f.workArea->documents().OpenWithPrompt();
        f.workArea->recovery().writeIfDue();
        QVERIFY(!QFile::exists(copyOf(f)));
    }

    void everyEndOfTheExitFlowRemovesTheCopy_data() {
        QTest::addColumn<QList<Answer>>("answers");
        QTest::newRow("save, then end") << QList<Answer>{Answer::Yes};
        QTest::newRow("end without saving") << QList<Answer>{Answer::No};
    }
    void everyEndOfTheExitFlowRemovesTheCopy() {
        QFETCH(QList<Answer>, answers);
        EditorFixture f;
        f.type("unsaved");
        f.workArea->recovery().writeIfDue();
        f.prompter.answers = {Answer::Cancel};
        f.click("cmdExit");
        QVERIFY(QFile::exists(copyOf(f))); // the program goes on
        f.prompter.answers = answers;
        f.click("cmdExit");
        QVERIFY(f.ended);
        QVERIFY(!QFile::exists(copyOf(f)));
    }

    void aLeftoverCopyIsOfferedOnce() {
        EditorFixture f;
        leaveCopy(f, "draft-999999999.txt", "lost\r\npost");
        f.prompter.answers = {Answer::Yes};
        QVERIFY(f.workArea->recovery().offerLeftoverCopy(f.workArea.get()));
        QCOMPARE(f.prompter.messages.first().text,
                 "Quillet was closed while a post was not saved. Recover the post?");
        QCOMPARE(f.prompter.messages.first().buttons, Prompter::Buttons::YesNo);
        QCOMPARE(f.surface().text(), "lost\r\npost");
        QVERIFY(!f.workArea->TextSaved);
        QVERIFY(f.workArea->recovery().leftoverCopies().isEmpty());

        QTest::qWait(300); // the recovery is one undoable change
        f.action("mnuUndo")->trigger();
        QCOMPARE(f.surface().text(), QString());
    }

    void copiesOfRunningProcessesAreLeftAlone() {
        EditorFixture f;
        const QByteArray parent = QByteArray::number(qint64(::getppid()));
        leaveCopy(f, "draft-" + parent + ".txt", "another window's post");
        leaveCopy(f, "draft-999999998.txt", "gone");
        QCOMPARE(f.workArea->recovery().leftoverCopies().size(), 1);
        f.prompter.answers = {Answer::No};
        QVERIFY(!f.workArea->recovery().offerLeftoverCopy(f.workArea.get()));
        QCOMPARE(f.surface().text(), QString());
        QVERIFY(f.workArea->recovery().leftoverCopies().isEmpty());
        QVERIFY(!f.workArea->recovery().offerLeftoverCopy(f.workArea.get()));
        QCOMPARE(f.prompter.messages.size(), 1);
    }

    void aKilledProgramsPostComesBack_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("expected");
        QTest::newRow("yes") << "yes"
                             << "typed before the kill\r\nsecond line|1";
        QTest::newRow("no") << "no"
                            << "|1";
    }
    void aKilledProgramsPostComesBack() {
        QFETCH(QString, answer);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QProcess typing;
        typing.start(DRAFT_PROBE, {"type", dir.path(), "typed before the kill"});
        QVERIFY(typing.waitForReadyRead(15000));
        QCOMPARE(typing.readLine().trimmed(), QByteArray("ready"));
        ::kill(pid_t(typing.processId()), SIGKILL);
        QVERIFY(typing.waitForFinished(5000));

        QProcess restart;
        restart.start(DRAFT_PROBE, {"recover", dir.path(), answer});
        QVERIFY(restart.waitForFinished(15000));
        QCOMPARE(QString::fromUtf8(restart.readAllStandardOutput()).trimmed(), expected);
        QVERIFY(QDir(dir.filePath("recovery")).entryList(QDir::Files).isEmpty());
    }
};

QTEST_MAIN(TestDraftRecovery)
#include "tst_draft_recovery.moc"

// Unsaved posts survive a crash. (Saving, opening and exiting remove the copy: see there.)
#include "EditorFixture.h"
#include "TestFiles.h"
#include "shell/DraftRecovery.h"

#include <QDir>
#include <QProcess>
#include <csignal>

using Answer = Prompter::Answer;

class TestDraftRecovery : public QObject {
    Q_OBJECT

    static QString copyOf(const EditorFixture& f) { return f.workArea->recovery().copyPath(); }
    static void leaveCopy(const EditorFixture& f, const QByteArray& pid, const QByteArray& text) {
        const QString folder = QFileInfo(copyOf(f)).absolutePath();
        QDir().mkpath(folder);
        writeFile(QDir(folder).filePath("draft-" + pid + ".txt"), text);
    }

private slots:
    // Two seconds after the first change, however fast the user goes on typing.
    void aCopyIsWrittenAfterAPauseNotWhileTyping() {
        EditorFixture f;
        f.type("draft\nline");
        QVERIFY(!QFile::exists(copyOf(f)));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(copyOf(f)), 4000);
        QCOMPARE(fileBytes(copyOf(f)), QByteArray("draft\r\nline"));
        f.surface().setText(QString());
        f.workArea->recovery().writeIfDue();
        QVERIFY(!QFile::exists(copyOf(f))); // an empty post needs no copy
    }

    // Only a copy of a process that no longer runs is left over; Yes takes it back as one
    // undoable change, and removes it.
    void aLeftoverCopyComesBack() {
        EditorFixture f;
        leaveCopy(f, QByteArray::number(qint64(::getppid())), "another window's post");
        leaveCopy(f, "999999999", "lost\r\npost");
        f.prompter.answers = {Answer::Yes};
        QVERIFY(f.workArea->recovery().offerLeftoverCopy(f.workArea.get()));
        QVERIFY(f.prompter.messages[0].text.endsWith("was not saved. Recover the post?"));
        QCOMPARE(f.text(), "lost\r\npost");
        QVERIFY(!f.post().isSaved());
        QVERIFY(f.workArea->recovery().leftoverCopies().isEmpty());
        QTest::qWait(300);
        f.action("mnuUndo")->trigger();
        QCOMPARE(f.text(), QString());
    }

    // The post typed before a kill is offered at the next start; either answer removes it.
    void aKilledProgramsPostComesBack() {
        for (const auto& [answer, expected] :
             {std::pair("yes", "typed before the kill\r\nsecond line|1"), {"no", "|1"}}) {
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
    }
};

QTEST_MAIN(TestDraftRecovery)
#include "tst_draft_recovery.moc"

// Unsaved posts survive a crash. (Saving, opening and exiting remove the copy: see there.)
#include "EditorFixture.h"
#include "ModalScript.h"
#include "TestFiles.h"
#include "shell/DraftRecovery.h"

#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <csignal>

using Answer = Prompter::Answer;

class TestDraftRecovery : public QObject {
    Q_OBJECT

    static QString copyOf(const EditorFixture& f) { return f.workArea->recovery().copyPath(); }
    static void leaveCopy(const EditorFixture& f, const QByteArray& pid, const QByteArray& text,
                          int minutesOld = 0) {
        const QString folder = QFileInfo(copyOf(f)).absolutePath();
        QDir().mkpath(folder);
        QFile file(QDir(folder).filePath("draft-" + pid + ".txt"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.flush());
        file.setFileTime(QDateTime::currentDateTime().addSecs(-60 * minutesOld),
                         QFileDevice::FileModificationTime);
    }

private slots:
    // Two seconds after the first change, however fast the user goes on typing, in a folder
    // only its owner can enter. A link planted at the copy's path is replaced, not followed.
    void aCopyIsWrittenAfterAPauseNotWhileTyping() {
        EditorFixture f;
        const QString target = f.folder.filePath("target.txt");
        writeFile(target, "someone's file");
        QDir().mkpath(QFileInfo(copyOf(f)).absolutePath());
        QVERIFY(QFile::link(target, copyOf(f)));
        f.type("draft\nline");
        QVERIFY(QFileInfo(copyOf(f)).isSymLink());
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo(copyOf(f)).isSymLink(), 4000);
        QCOMPARE(fileBytes(copyOf(f)), QByteArray("draft\r\nline"));
        QCOMPARE(fileBytes(target), QByteArray("someone's file"));
        QCOMPARE(QFile::permissions(QFileInfo(copyOf(f)).absolutePath()) & 0x0777, 0x0700);
        f.surface().setText(QString());
        f.workArea->recovery().writeIfDue();
        QVERIFY(!QFile::exists(copyOf(f))); // an empty post needs no copy

        // A folder that cannot be made is reported once.
        const QString folder = QFileInfo(copyOf(f)).absolutePath();
        QVERIFY(QDir(folder).removeRecursively());
        writeFile(folder, "");
        for (const char* more : {"a", "b"}) {
            f.type(more);
            f.workArea->recovery().writeIfDue();
        }
        QCOMPARE(f.prompter.messages.size(), 1);
        QVERIFY(f.prompter.messages[0].text.startsWith(
            "Quillet cannot keep a recovery copy of the post: "));
    }

    // Only a regular file of the user, of a process that no longer runs, is left over: a
    // planted link or folder is not. Yes takes it back as one undoable change; the copy
    // stays until the post's own copy is on disk.
    void aLeftoverCopyComesBack() {
        EditorFixture f;
        leaveCopy(f, QByteArray::number(qint64(::getppid())), "another window's post");
        leaveCopy(f, "999999999", "lost\r\npost");
        const QString folder = QFileInfo(copyOf(f)).absolutePath();
        writeFile(f.folder.filePath("secret"), "not a post");
        QVERIFY(QFile::link(f.folder.filePath("secret"), folder + "/draft-999999998.txt"));
        QDir(folder).mkdir("draft-999999997.txt");
        f.prompter.answers = {Answer::Yes};
        QCOMPARE(f.workArea->recovery().offerKeptCopies(f.workArea.get()),
                 DraftRecovery::StartOffer::Recovered);
        QCOMPARE(f.prompter.asked(), QStringList{"Quillet: Quillet was closed while a post was "
                                                 "not saved. Recover the post?"});
        QCOMPARE(f.text(), "lost\r\npost");
        QVERIFY(!f.post().isSaved());
        QCOMPARE(f.workArea->recovery().folder().keptCopies().size(), 1);
        f.workArea->recovery().writeIfDue();
        QVERIFY(f.workArea->recovery().folder().keptCopies().isEmpty());
        QCOMPARE(fileBytes(f.folder.filePath("secret")), QByteArray("not a post"));
        QTest::qWait(300);
        f.action("mnuUndo")->trigger();
        QCOMPARE(f.text(), QString());
    }

    // Several copies: start-up prunes the old and the surplus, says how many are kept and
    // offers the window, which opens one (asking to save the post first) or deletes one.
    void severalCopiesAreListedInTheDraftsWindow() {
        EditorFixture f;
        for (int i = 1; i <= DraftFolder::KeptCount + 1; ++i)
            leaveCopy(f, "1-" + QByteArray::number(i), "post " + QByteArray::number(i), i);
        leaveCopy(f, "1-old", "old post", (DraftFolder::KeptDays + 1) * 24 * 60);
        f.prompter.answers = {Answer::Yes};
        QCOMPARE(f.workArea->recovery().offerKeptCopies(f.workArea.get()),
                 DraftRecovery::StartOffer::ListWanted);
        QVERIFY(f.prompter.asked()[0].contains("not saved. 50 copies are kept."));
        QVERIFY(!QFile::exists(f.workArea->recovery().folder().path() + "/draft-1-old.txt"));

        f.type("present");
        ModalScript script;
        QStringList shown;
        script.steps = {[&](QDialog& window) {
            auto* list = window.findChild<QListWidget*>("lstDrafts");
            shown << window.windowTitle() << list->item(0)->text().section("    ", 1, 2);
            list->setCurrentRow(1);
            f.prompter.answers = {Answer::Yes, Answer::No};
            window.findChild<QPushButton*>("cmdDelete")->click();
            shown << QString::number(list->count()) << list->currentItem()->text();
            window.findChild<QPushButton*>("cmdOpen")->click();
        }};
        const QList<QAction*> fileItems = f.child<QMenu>("mnuFileTop")->actions();
        QVERIFY(fileItems[fileItems.indexOf(f.action("mnuRecover")) + 1]->isSeparator());
        f.action("mnuRecover")->trigger();
        QCOMPARE(script.opened, QStringList{"frmDrafts"});
        QCOMPARE(shown.mid(0, 3), (QStringList{"Recover Drafts", "6 bytes    post 1", "49"}));
        QVERIFY(shown[3].endsWith("post 1"));
        QCOMPARE(f.text(), "post 1");
        QVERIFY(f.prompter.asked().last().startsWith("Save file?"));
    }

    // The post typed before a kill is offered at the next start.
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
            // A recovered copy stays until the post's own copy is written.
            QCOMPARE(QDir(dir.filePath("recovery")).entryList(QDir::Files).size(),
                     answer == QString("yes") ? 1 : 0);
        }
    }
};

QTEST_MAIN(TestDraftRecovery)
#include "tst_draft_recovery.moc"

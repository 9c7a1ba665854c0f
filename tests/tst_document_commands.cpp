// New, Open, Save, Copy All and Clear All against real files, with the dialogs scripted.
#include "EditorFixture.h"
#include "ScriptedProgress.h"
#include "TestFiles.h"
#include "shell/DocumentCommands.h"
#include "shell/DraftRecovery.h"
#include "shell/PostFileReader.h"

#include <sys/stat.h>

using Answer = Prompter::Answer;

class TestDocumentCommands : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    // Yes saves first, then empties the post, even when the save dialog was cancelled. An
    // emptied post needs no recovery copy.
    void newOffersToSaveChangedText() {
        for (const auto& [typed, saved, answer, file, after, caption] :
             {std::tuple("", false, Answer::Cancel, "", "", "Editor"),
              {"post", true, Answer::Cancel, "", "", "Editor"},
              {"post", false, Answer::Cancel, "", "post", "Editor"},
              {"post", false, Answer::No, "", "", "Editor"},
              {"post", false, Answer::Yes, "new.txt", "", "Untitled- Quillet"},
              {"post", false, Answer::Yes, "", "", "Untitled- Quillet"}}) {
            EditorFixture f;
            f.type(typed);
            f.post().setSaved(saved);
            f.prompter.answers = {answer};
            f.prompter.fileNames = {*file ? m_dir.filePath(file) : QString()};
            f.workArea->recovery().writeIfDue();
            f.workArea->documents().newPost();
            f.workArea->recovery().writeIfDue();
            QCOMPARE(QFile::exists(f.workArea->recovery().copyPath()), *after != 0);
            QCOMPARE(f.prompter.asked(),
                     *typed && !saved ? QStringList{"Save file?: Text has been changed. Do you "
                                                    "want to save changes?"}
                                      : QStringList());
            QCOMPARE(f.text(), after);
            QCOMPARE(f.workArea->windowTitle(), caption);
            if (*file)
                QCOMPARE(fileBytes(m_dir.filePath(file)), QByteArray("post"));
        }
    }

    // Open names the window after the file; Save never renames it, writes CR LF in the file's
    // encoding until a character does not fit (then UTF-8, said once), and counts the post
    // as saved before writing, so even a failed write does. Either removes the recovery copy.
    void openAndSaveMoveThePostBetweenFiles() {
        EditorFixture f;
        const QString in = m_dir.filePath("in.txt"), out = m_dir.filePath("out.txt");
        writeFile(in, "one\r\ntwo\nthr\xE9");
        f.type("changed");
        f.workArea->recovery().writeIfDue();
        f.prompter.answers = {Answer::Yes};
        // The save is cancelled, the open is not; then a cancelled open, a folder, a
        // missing file, which all leave the post as it was.
        f.prompter.fileNames = {QString(), in, QString(), m_dir.path(), m_dir.filePath("none")};
        f.workArea->documents().openWithPrompt();
        for (int i = 0; i < 3; ++i)
            f.workArea->documents().open();
        QCOMPARE(f.prompter.fileDialogKinds, (QStringList{"save", "open", "open", "open", "open"}));
        QCOMPARE(f.prompter.fileDialogs[1].title, "Open");
        QCOMPARE(f.text(), QString::fromUtf8("one\r\ntwo\r\nthré"));
        QCOMPARE(f.workArea->windowTitle(), in + "- Quillet");
        QVERIFY(!f.post().isSaved()); // exiting right after an Open asks to save
        QVERIFY(!QFile::exists(f.workArea->recovery().copyPath()));

        f.prompter.fileNames = {out, out + "/inside.txt"};
        f.type(" ");
        f.workArea->recovery().writeIfDue();
        f.workArea->documents().save();
        QVERIFY(!QFile::exists(f.workArea->recovery().copyPath()));
        QCOMPARE(f.prompter.fileDialogs.last().defaultExtension, "txt");
        QCOMPARE(f.workArea->windowTitle(), in + "- Quillet");
        f.type("x");
        f.workArea->documents().save();
        QVERIFY(f.post().isSaved());
        QCOMPARE(fileBytes(out), QByteArray(" one\r\ntwo\r\nthr\xE9"));

        f.type(QChar(0x263A)); // a smiley has no Windows-1252 byte
        f.prompter.fileNames = {out, out};
        const qsizetype asked = f.prompter.messages.size();
        f.workArea->documents().save();
        f.workArea->documents().save();
        QCOMPARE(f.prompter.messages.size(), asked + 1);
        QVERIFY(f.prompter.messages.last().text.contains("saved as UTF-8"));
        QCOMPARE(fileBytes(out), QByteArray(" x\xE2\x98\xBAone\r\ntwo\r\nthr\xC3\xA9"));
    }

    // What cannot be read is refused with the system's reason, a file with NUL bytes opens
    // only after a Yes, and a large file shows progress that can be cancelled while it is
    // read or decoded. Refused, declined or cancelled, the post stays as it was.
    void openRefusesDeclinesOrCancels() {
        const QString binary = m_dir.filePath("binary.txt"), large = m_dir.filePath("large.txt"),
                      pipe = m_dir.filePath("pipe.txt"), link = m_dir.filePath("link.txt");
        writeFile(binary, QByteArray("MZ\0\0text", 8));
        QByteArray lines;
        while (lines.size() <= PostFileReader::ProgressThreshold)
            lines += "a line of the large file\n";
        writeFile(large, lines);
        QCOMPARE(mkfifo(pipe.toLocal8Bit(), 0600), 0); // opening one would wait for a writer
        QVERIFY(QFile::link(m_dir.filePath("gone.txt"), link));
        const int allSteps = 3 * int(lines.size() >> 20) + 3; // read, check, convert
        for (const auto& [path, answer, cancelAt, said, opened] :
             {std::tuple(m_dir.path(), Answer::Ok, 0, QString("It is a folder"), false),
              {m_dir.filePath("none.txt"), Answer::Ok, 0, "No such file or directory", false},
              {link, Answer::Ok, 0, "No such file or directory", false},
              {pipe, Answer::Ok, 0, "pipe", false},
              {"/proc/self/mem", Answer::Ok, 0, "Input/output error", false},
              {binary, Answer::No, 0, "does not look like text. Open it anyway?", false},
              {binary, Answer::Yes, 0, "does not look like text.", true},
              {large, Answer::Ok, 1, "", false},
              {large, Answer::Ok, allSteps, "", false},
              {large, Answer::Ok, 0, "", true}}) {
            EditorFixture f;
            ScriptedProgress progress;
            progress.cancelAtStep = cancelAt;
            f.type("kept");
            f.post().setSaved(true);
            f.prompter.answers = {answer};
            f.prompter.fileNames = {path};
            f.workArea->documents().open();
            QCOMPARE(f.workArea->windowTitle() == path + "- Quillet", opened);
            QCOMPARE(f.text() == "kept" && f.post().isSaved(), !opened);
            const QString asked = f.prompter.asked().join('|');
            QVERIFY2(said.isEmpty() ? asked.isEmpty()
                                    : asked.startsWith("Quillet: ") && !asked.contains('|') &&
                                          asked.contains(path) && asked.contains(said) &&
                                          f.prompter.messages[0].icon == Prompter::Icon::Warning,
                     qPrintable(asked));
            QCOMPARE(progress.shown, int(path == large));
            QCOMPARE(progress.steps.size(), cancelAt ? cancelAt : path == large ? allSteps : 0);
            if (opened && path == large) // the bar reached its end
                QCOMPARE(progress.steps.last(), 3 * lines.size());
            QVERIFY(!progress.showing);
        }
    }

    void copyAllAndClearAll() {
        EditorFixture f;
        f.clipboard.setText("old");
        f.type("   \n  ");
        f.workArea->documents().copyAll();
        QCOMPARE(f.prompter.asked(), QStringList{"Quillet: No text to copy"});
        QVERIFY(!f.clipboard.content.has_value());
        f.type("first\nsecond"); // at the start, where the caret went
        f.workArea->documents().copyAll();
        QCOMPARE(f.clipboard.content.value_or(""), "first\r\nsecond   \r\n  ");
        QCOMPARE(f.surface().selStart() + f.surface().selLength(), 0);
        QVERIFY(f.prompter.messages.last().text.startsWith("Copied All text to Clipboard\r\n\r\n"));

        f.post().setSaved(true);
        f.workArea->documents().clearAll();
        QCOMPARE(f.text(), QString());
        QCOMPARE(f.prompter.messages.size(), 2); // no question
        QVERIFY(!f.post().isSaved());
    }
};

QTEST_MAIN(TestDocumentCommands)
#include "tst_document_commands.moc"

// New, Open, Save, Copy All and Clear All against real files, with the dialogs scripted.
#include "EditorFixture.h"
#include "ScriptedProgress.h"
#include "TestFiles.h"
#include "shell/DocumentCommands.h"
#include "shell/DraftFolder.h"
#include "shell/DraftRecovery.h"
#include "shell/PostFileReader.h"

#include <sys/stat.h>

using Answer = Prompter::Answer;

class TestDocumentCommands : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    // Yes saves first, then empties the post, even when the save dialog was cancelled; a
    // failed save stops there. An emptied post needs no recovery copy, but the text of a
    // post whose save was cancelled is kept aside, and a post that stays keeps its own.
    void newOffersToSaveChangedText() {
        for (const auto& [typed, saved, answer, file, after, caption, kept] :
             {std::tuple("", false, Answer::Cancel, "", "", "Editor", ""),
              {"post", true, Answer::Cancel, "", "", "Editor", ""},
              {"post", false, Answer::Cancel, "", "post", "Editor", "own"},
              {"post", false, Answer::No, "", "", "Editor", ""},
              {"post", false, Answer::Yes, "new.txt", "", "Untitled- Quillet", ""},
              {"post", false, Answer::Yes, "", "", "Untitled- Quillet", "aside"},
              {"post", false, Answer::Yes, "none/new.txt", "post", "Editor", "own"}}) {
            EditorFixture f;
            f.type(typed);
            f.post().setSaved(saved);
            f.prompter.answers = {answer};
            f.prompter.fileNames = {*file ? m_dir.filePath(file) : QString()};
            f.workArea->recovery().writeIfDue();
            f.workArea->documents().newPost();
            f.workArea->recovery().writeIfDue();
            QCOMPARE(QFile::exists(f.workArea->recovery().copyPath()), kept == QString("own"));
            const auto aside = f.workArea->recovery().folder().keptCopies();
            QCOMPARE(aside.size(), kept == QString("aside") ? 1 : 0);
            if (!aside.isEmpty())
                QCOMPARE(DraftFolder::read(aside[0].path).value_or(""), "post");
            QCOMPARE(f.prompter.messages.size(),
                     *typed && !saved ? 1 + (answer == Answer::Yes && *after) : 0);
            if (*typed && !saved)
                QCOMPARE(f.prompter.asked()[0],
                         "Save file?: Text has been changed. Do you want to save changes?");
            QCOMPARE(f.text(), after);
            QCOMPARE(f.workArea->windowTitle(), caption);
            if (*file && !*after)
                QCOMPARE(fileBytes(m_dir.filePath(file)), QByteArray("post"));
        }
    }

    // Open names the window after the file. A failed save before it stops there; after a
    // cancelled one the post's copy is kept aside, and is the post's own again if no file
    // came in. Save never renames the window, writes CR LF in the file's encoding until a
    // character does not fit (then UTF-8, said once) and removes the copy; a write that
    // fails (over a file size limit) leaves the old file as it was and the post unsaved and
    // kept, and says why.
    void openAndSaveMoveThePostBetweenFiles() {
        EditorFixture f;
        DraftRecovery& drafts = f.workArea->recovery();
        const QString in = m_dir.filePath("in.txt"), out = m_dir.filePath("out.txt");
        writeFile(in, "one\r\ntwo\nthr\xE9");
        f.type("changed");
        drafts.writeIfDue();
        f.prompter.answers = {Answer::Yes, Answer::Ok, Answer::Yes, Answer::Yes};
        f.prompter.fileNames = {m_dir.filePath("none/in.txt"), QString(), QString()};
        f.workArea->documents().openWithPrompt();
        f.workArea->documents().openWithPrompt();
        QCOMPARE(f.prompter.fileDialogKinds, (QStringList{"save", "save", "open"}));
        QCOMPARE(f.text(), "changed");
        QCOMPARE(drafts.folder().keptCopies().size(), 1);
        f.type("!");
        drafts.writeIfDue();
        QVERIFY(drafts.folder().keptCopies().isEmpty() && QFile::exists(drafts.copyPath()));
        // The save is cancelled, the open is not; then a cancelled open, a folder, a
        // missing file, which all leave the post as it was.
        f.prompter.fileNames = {QString(), in, QString(), m_dir.path(), m_dir.filePath("none")};
        f.workArea->documents().openWithPrompt();
        for (int i = 0; i < 3; ++i)
            f.workArea->documents().open();
        QCOMPARE(f.prompter.fileDialogKinds.mid(3),
                 (QStringList{"save", "open", "open", "open", "open"}));
        QCOMPARE(f.prompter.fileDialogs[4].title, "Open");
        QCOMPARE(f.text(), QString::fromUtf8("one\r\ntwo\r\nthré"));
        QCOMPARE(f.workArea->windowTitle(), in + "- Quillet");
        QVERIFY(!f.post().isSaved()); // exiting right after an Open asks to save
        QVERIFY(!QFile::exists(drafts.copyPath()));
        QCOMPARE(DraftFolder::read(drafts.folder().keptCopies().value(0).path).value_or(""),
                 "changed!");

        f.prompter.fileNames = {out, out};
        f.type(" ");
        drafts.writeIfDue();
        f.workArea->documents().save();
        QVERIFY(!QFile::exists(drafts.copyPath()));
        QCOMPARE(f.prompter.fileDialogs.last().defaultExtension, "txt");
        QCOMPARE(f.workArea->windowTitle(), in + "- Quillet");
        f.type("x");
        drafts.writeIfDue();
        underFileSizeLimit(8, [&] { f.workArea->documents().save(); });
        QVERIFY(!f.post().isSaved());
        QCOMPARE(fileBytes(out), QByteArray(" one\r\ntwo\r\nthr\xE9"));
        const Prompter::Message failure = f.prompter.messages.last();
        QCOMPARE(failure.icon, Prompter::Icon::Critical);
        QVERIFY2(failure.text.contains(out) && failure.text.contains("File too large") &&
                     failure.text.endsWith("a recovery copy of it is kept."),
                 qPrintable(failure.text));
        QVERIFY(QFile::exists(drafts.copyPath()));
        f.click("cmdExit");
        QVERIFY(f.prompter.asked().last().startsWith("Save before exit?") && !f.ended);

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
    // read, decoded or put in. Refused, declined or cancelled, the post stays as it was.
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
        const int stepsPerPart = int(lines.size() >> 20) + 1; // read, check, convert, put in
        for (const auto& [path, answer, cancelAt, said, opened] :
             {std::tuple(m_dir.path(), Answer::Ok, 0, QString("It is a folder"), false),
              {m_dir.filePath("none.txt"), Answer::Ok, 0, "No such file or directory", false},
              {link, Answer::Ok, 0, "No such file or directory", false},
              {pipe, Answer::Ok, 0, "pipe", false},
              {"/proc/self/mem", Answer::Ok, 0, "Input/output error", false},
              {binary, Answer::No, 0, "does not look like text. Open it anyway?", false},
              {binary, Answer::Yes, 0, "does not look like text.", true},
              {large, Answer::Ok, 1, "", false},
              {large, Answer::Ok, 3 * stepsPerPart, "", false},
              {large, Answer::Ok, 4 * stepsPerPart, "", false},
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
            QCOMPARE(progress.steps.size(), cancelAt        ? cancelAt
                                            : path == large ? 4 * stepsPerPart
                                                            : 0);
            if (opened && path == large) { // the bar reached its end, the text is the file's
                QCOMPARE(progress.steps.last(), 4 * lines.size());
                QCOMPARE(f.text(), QString(lines).replace("\n", "\r\n"));
                QCOMPARE(f.surface().selStart(), 0);
            }
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

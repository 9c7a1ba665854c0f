// New, Open, Save, Copy All and Clear All against real files, with the dialogs scripted.
#include "EditorFixture.h"
#include "TestFiles.h"
#include "shell/DocumentCommands.h"
#include "shell/DraftRecovery.h"

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

    // Open names the window after the file; Save never renames it, writes UTF-8 with CR LF,
    // and counts the post as saved before writing, so even a failed write does. Either
    // removes the recovery copy.
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
        QCOMPARE(fileBytes(out), QByteArray(" one\r\ntwo\r\nthr\xC3\xA9"));
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

// New, Open, Save, Copy All and Clear All against real files, with the dialogs scripted.
#include "EditorFixture.h"
#include "TestFiles.h"
#include "shell/DocumentCommands.h"

using Answer = Prompter::Answer;

class TestDocumentCommands : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    // Yes saves first, then empties the post, even when the save dialog was cancelled.
    void newOffersToSaveChangedText() {
        const QString saveQuestion =
            "Save file?: Text has been changed. Do you want to save changes?";
        for (const auto& [typed, saved, answer, file, after, caption] :
             {std::tuple("", false, Answer::Cancel, "", "", "Editor"),
              {"post", true, Answer::Cancel, "", "", "Editor"},
              {"post", false, Answer::Cancel, "", "post", "Editor"},
              {"post", false, Answer::No, "", "", "Editor"},
              {"post", false, Answer::Yes, "new.txt", "", "Untitled- Quillet"},
              {"post", false, Answer::Yes, "", "", "Untitled- Quillet"}}) {
            EditorFixture f;
            f.type(typed);
            f.workArea->post().setSaved(saved);
            f.prompter.answers = {answer};
            f.prompter.fileNames = {*file ? m_dir.filePath(file) : QString()};
            f.workArea->documents().newPost();
            QCOMPARE(f.prompter.asked(),
                     *typed && !saved ? QStringList{saveQuestion} : QStringList());
            QCOMPARE(f.text(), after);
            QCOMPARE(f.workArea->windowTitle(), caption);
            if (*file)
                QCOMPARE(fileBytes(m_dir.filePath(file)), QByteArray("post"));
        }
    }

    void openAsksToSaveFirstAndNamesTheWindowAfterTheFile() {
        EditorFixture f;
        const QString path = m_dir.filePath("in.txt");
        writeFile(path, "one\r\ntwo\nthr\xE9");
        f.type("changed");
        f.prompter.answers = {Answer::Yes};
        f.prompter.fileNames = {QString(), path}; // the save is cancelled, the open is not
        f.workArea->documents().openWithPrompt();
        QCOMPARE(f.prompter.fileDialogKinds, (QStringList{"save", "open"}));
        QCOMPARE(f.prompter.fileDialogs.last().title, "Open");
        QCOMPARE(f.text(), QString::fromUtf8("one\r\ntwo\r\nthré"));
        QCOMPARE(f.workArea->windowTitle(), path + "- Quillet");
        QVERIFY(!f.workArea->post().isSaved()); // exiting right after an Open asks to save

        // Cancelled, a folder, a missing file: the post stays as it was.
        f.prompter.fileNames = {QString(), m_dir.path(), m_dir.filePath("missing.txt")};
        for (int i = 0; i < 3; ++i)
            f.workArea->documents().open();
        QCOMPARE(f.text(), QString::fromUtf8("one\r\ntwo\r\nthré"));
        QCOMPARE(f.workArea->windowTitle(), path + "- Quillet");

        QByteArray binary;
        for (int i = 0; i < 64 * 1024; ++i)
            binary += char(i * 7 % 256);
        writeFile(m_dir.filePath("binary.bin"), binary);
        f.prompter.fileNames = {m_dir.filePath("binary.bin")};
        f.workArea->documents().open();
        const int length = f.box()->characterCount();
        QVERIFY(length > 60000);
        f.type("x"); // still editable
        QCOMPARE(f.box()->characterCount(), length + 1);
    }

    // The post counts as saved before the file is written, so even a failed write does.
    void saveWritesUtf8WithCrLf() {
        EditorFixture f;
        f.type(QString::fromUtf8("ä\nb"));
        const QString path = m_dir.filePath("out.txt");
        f.prompter.fileNames = {path, m_dir.filePath("out.txt/inside.txt")};
        f.workArea->documents().save();
        QCOMPARE(f.prompter.fileDialogs.first().defaultExtension, "txt");
        QCOMPARE(fileBytes(path), QByteArray("\xC3\xA4\r\nb"));
        QVERIFY(f.workArea->post().isSaved());
        QCOMPARE(f.workArea->windowTitle(), "Editor"); // saving never renames the window
        f.type("x");
        f.workArea->documents().save();
        QVERIFY(f.workArea->post().isSaved());
        QCOMPARE(fileBytes(path), QByteArray("\xC3\xA4\r\nb"));
    }

    void copyAllPutsThePostOnTheClipboard() {
        EditorFixture f;
        f.clipboard.setText("old");
        f.type("   \n  ");
        f.workArea->documents().copyAll();
        QCOMPARE(f.prompter.asked(), QStringList{"Quillet: No text to copy"});
        QVERIFY(!f.clipboard.content.has_value());
        f.type("first\nsecond"); // at the start, where the caret went
        f.workArea->documents().copyAll();
        QCOMPARE(f.clipboard.content.value_or(""), "first\r\nsecond   \r\n  ");
        QCOMPARE(f.surface().selStart(), 0);
        QCOMPARE(f.surface().selLength(), 0);
        QVERIFY(f.prompter.messages.last().text.startsWith("Copied All text to Clipboard\r\n\r\n"));
    }

    void clearAllEmptiesWithoutAQuestion() {
        EditorFixture f;
        f.type("text");
        f.workArea->post().setSaved(true);
        f.workArea->documents().clearAll();
        QCOMPARE(f.text(), QString());
        QVERIFY(f.prompter.messages.isEmpty());
        QVERIFY(!f.workArea->post().isSaved());
    }
};

QTEST_MAIN(TestDocumentCommands)
#include "tst_document_commands.moc"

// New, Open, Save and Copy All against real files, with the dialogs scripted.
#include "EditorFixture.h"
#include "TestFiles.h"
#include "platform/RichTextBox.h"
#include "shell/DocumentCommands.h"
#include "shell/PostEditor.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Answer = Prompter::Answer;

class TestDocumentCommands : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString fileWith(const QString& name, const QByteArray& bytes) {
        writeFile(m_dir.filePath(name), bytes);
        return m_dir.filePath(name);
    }
    static void newPost(EditorFixture& f) { f.workArea->documents().NewFunction(); }
    static void open(EditorFixture& f) { f.workArea->documents().OpenWithPrompt(); }

private slots:
    void newOnAnEmptyPostDoesNothing() {
        EditorFixture f;
        newPost(f);
        QVERIFY(f.prompter.messages.isEmpty());
        QCOMPARE(f.workArea->windowTitle(), "Editor");
    }

    void newAfterASaveEmptiesWithoutAsking() {
        EditorFixture f;
        f.type("post");
        f.prompter.fileNames = {m_dir.filePath("saved.txt")};
        f.workArea->documents().SaveFunction();
        newPost(f);
        QVERIFY(f.prompter.messages.isEmpty());
        QCOMPARE(f.surface().text(), QString());
    }

    void newOnChangedText() {
        EditorFixture f;
        f.type("post");
        f.prompter.answers = {Answer::Cancel};
        newPost(f);
        QCOMPARE(f.prompter.messages.last().title, "Save file?");
        QCOMPARE(f.prompter.messages.last().text,
                 "Text has been changed. Do you want to save changes?");
        QCOMPARE(f.surface().text(), "post");

        f.prompter.answers = {Answer::No};
        newPost(f);
        QCOMPARE(f.surface().text(), QString());
        QCOMPARE(f.workArea->windowTitle(), "Editor");

        f.type("again");
        f.prompter.answers = {Answer::Yes}; // and the save dialog is cancelled
        newPost(f);
        QCOMPARE(f.prompter.fileDialogKinds, QStringList{"save"});
        QCOMPARE(f.surface().text(), QString());
        QCOMPARE(f.workArea->windowTitle(), "Untitled- Quillet");
    }

    void openAsksToSaveFirstAndNamesTheWindowAfterTheFile() {
        EditorFixture f;
        const QString path = fileWith("crlf.txt", "one\r\ntwo\nthree");
        f.type("changed");
        f.prompter.answers = {Answer::Yes};
        f.prompter.fileNames = {QString(), path}; // the save is cancelled, the open is not
        open(f);
        QCOMPARE(f.prompter.fileDialogKinds, (QStringList{"save", "open"}));
        QCOMPARE(f.prompter.fileDialogs.last().title, "Open");
        QCOMPARE(f.surface().text(), "one\r\ntwo\r\nthree");
        QCOMPARE(f.workArea->windowTitle(), path + "- Quillet");
        QVERIFY(!f.workArea->TextSaved); // exiting right after an Open asks to save
    }

    void cancelledOrFailedOpenLeavesThePostAlone() {
        EditorFixture f;
        f.type("keep me");
        f.workArea->TextSaved = true;
        f.prompter.fileNames = {QString(), m_dir.path(), m_dir.filePath("missing.txt")};
        for (int i = 0; i < 3; ++i)
            open(f);
        QCOMPARE(f.prompter.fileDialogKinds.size(), 3);
        QCOMPARE(f.surface().text(), "keep me");
        QCOMPARE(f.workArea->windowTitle(), "Editor");
    }

    void opensUtf8AndWindows1252() {
        EditorFixture f;
        f.prompter.fileNames = {fileWith("bom.txt", "\xEF\xBB\xBF\xC3\xA9t\xC3\xA9"),
                                fileWith("cp1252.txt", "caf\xE9 \x80 \x93quote\x94")};
        open(f);
        QCOMPARE(f.surface().text(), QString::fromUtf8("été"));
        f.workArea->TextSaved = true;
        open(f);
        QCOMPARE(f.surface().text(), QString::fromUtf8("café € “quote”"));
    }

    void aBinaryFileOpensAsText() {
        EditorFixture f;
        QByteArray bytes;
        for (int i = 0; i < 64 * 1024; ++i)
            bytes += char(i * 7 % 256);
        f.prompter.fileNames = {fileWith("binary.bin", bytes)};
        open(f);
        QVERIFY(f.box()->characterCount() > 60000);
        QVERIFY(f.workArea->windowTitle().endsWith("binary.bin- Quillet"));
        const int before = f.box()->characterCount();
        f.type("x"); // still editable
        QCOMPARE(f.box()->characterCount(), before + 1);
    }

    void saveWritesUtf8WithCrLfAndCountsAsSavedBeforeWriting() {
        EditorFixture f;
        f.type(QString::fromUtf8("ä\nb"));
        const QString path = m_dir.filePath("out.txt");
        f.prompter.fileNames = {path};
        f.workArea->documents().SaveFunction();
        QCOMPARE(f.prompter.fileDialogs.first().defaultExtension, "txt");
        QCOMPARE(fileBytes(path), QByteArray("\xC3\xA4\r\nb"));
        QVERIFY(f.workArea->TextSaved);
        QCOMPARE(f.workArea->windowTitle(), "Editor"); // saving never renames the window

        // A target that cannot be written: still counts as saved, and nothing is damaged.
        const QString blocked = fileWith("blocked", "old");
        f.type("x");
        f.prompter.fileNames = {blocked + "/inside.txt"};
        f.workArea->documents().SaveFunction();
        QVERIFY(f.workArea->TextSaved);
        QCOMPARE(fileBytes(blocked), QByteArray("old"));
    }

    void copyAllOfBlanksCopiesNothing() {
        EditorFixture f;
        f.clipboard.setText("old");
        f.type("   \n  ");
        f.workArea->documents().CopyAllFunction();
        QCOMPARE(f.prompter.messages.last().text, "No text to copy");
        QVERIFY(!f.clipboard.content.has_value());
    }

    void clearAllEmptiesWithoutAQuestion() {
        EditorFixture f;
        f.type("text");
        f.workArea->TextSaved = true;
        f.workArea->documents().ClearAll();
        QCOMPARE(f.surface().text(), QString());
        QVERIFY(f.prompter.messages.isEmpty());
        QVERIFY(!f.workArea->TextSaved);
    }
};

QTEST_MAIN(TestDocumentCommands)
#include "tst_document_commands.moc"

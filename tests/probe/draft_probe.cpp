// A stand-in for the program in the recovery test: "type FOLDER TEXT" writes a post and
// waits to be killed; "recover FOLDER yes|no" starts again, answers the recovery
// question and prints the post it ends up with and the number of questions asked.
#include "ScriptedPrompter.h"
#include "platform/RichTextBox.h"
#include "post/Post.h"
#include "settings/SettingsPaths.h"
#include "shell/DraftRecovery.h"
#include "shell/PostEditor.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4)
        return 2;
    const QDir folder(args[2]);
    ScriptedPrompter prompter;
    PostEditor workArea(nullptr, {folder.filePath("Settings.ini"),
                                  folder.filePath("CustomList.ini"), folder.filePath("recovery")});
    workArea.show();
    RichTextBox* editor = &workArea.post().editor();

    if (args[1] == "type") {
        QTest::keyClicks(editor, args[3]);
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClicks(editor, "second line");
        while (!QFile::exists(workArea.recovery().copyPath()))
            QTest::qWait(50);
        std::puts("ready");
        std::fflush(stdout);
        return app.exec(); // until killed
    }
    prompter.answers = {args[3] == "yes" ? Prompter::Answer::Yes : Prompter::Answer::No};
    workArea.recovery().offerKeptCopies(&workArea);
    std::printf("%s|%d\n", qPrintable(editor->surface().text()), int(prompter.messages.size()));
    return 0;
}

// A stand-in for the program in the recovery test: "type FOLDER TEXT" writes a post and
// waits to be killed; "recover FOLDER yes|no" starts again, answers the recovery
// question and prints the post it ends up with.
#include "ScriptedPrompter.h"
#include "platform/RichTextBox.h"
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
    const QString mode = args[1];
    SettingsPaths paths{QDir(args[2]).filePath("Settings.ini"),
                        QDir(args[2]).filePath("CustomList.ini"),
                        QDir(args[2]).filePath("recovery")};
    ScriptedPrompter prompter;
    PostEditor workArea(nullptr, paths);
    workArea.show();

    if (mode == "type") {
        QTest::keyClicks(workArea.RichTextBox1, args[3]);
        QTest::keyClick(workArea.RichTextBox1, Qt::Key_Return);
        QTest::keyClicks(workArea.RichTextBox1, "second line");
        while (!QFile::exists(workArea.recovery().copyPath()))
            QTest::qWait(50);
        std::puts("ready");
        std::fflush(stdout);
        return app.exec(); // until killed
    }
    prompter.answers = {args[3] == "yes" ? Prompter::Answer::Yes : Prompter::Answer::No};
    workArea.recovery().offerLeftoverCopy(&workArea);
    std::printf("%s|%d\n", qPrintable(workArea.RichTextBox1->surface().text()),
                int(prompter.messages.size()));
    return 0;
}

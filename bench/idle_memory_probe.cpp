// Starts the program as Main does (no splash wait, no introduction), lets it sit idle with
// an empty post, and prints its resident set beside that of a bare QTextEdit program started
// the same way, with the ratio between them.
#include "IdleMemory.h"
#include "shell/MainFrame.h"
#include "shell/PostEditor.h"
#include "shell/Startup.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

// The bare editor's idle resident set in kB, or -1 when it did not run.
long bareEditorResident() {
    QProcess bare;
    bare.start(BARE_EDITOR_PROBE, QStringList());
    if (!bare.waitForFinished(60000) || bare.exitCode() != 0)
        return -1;
    return bare.readAllStandardOutput().trimmed().toLong();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); // as Main sets it
    QApplication app(argc, argv);
    QTemporaryDir folder;
    QFile settings(folder.filePath("Settings.ini"));
    if (!settings.open(QIODevice::WriteOnly))
        return 1;
    settings.write("[Startup Settings]\r\nstartup=1\r\n");
    settings.close();

    StartupOptions options;
    options.splashMilliseconds = 0;
    options.paths = {folder.filePath("Settings.ini"), folder.filePath("CustomList.ini")};
    Startup startup(options);
    startup.run();
    const long program = IdleMemory::residentAfterIdle();
    const long bare = bareEditorResident();

    QTextStream(stdout) << "idle resident memory, empty post: program "
                        << QString::number(program / 1024.0, 'f', 1) << " MB, bare QTextEdit "
                        << QString::number(bare / 1024.0, 'f', 1) << " MB, ratio "
                        << QString::number(double(program) / bare, 'f', 2) << '\n';
    return 0;
}

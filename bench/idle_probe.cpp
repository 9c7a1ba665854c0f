// The program as Main starts it (the splash's wait cut to nothing, the introduction turned
// off), idle with an empty post: prints its resident memory in kilobytes.
#include "IdleProbe.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir folder;
    QFile settings(folder.filePath("Settings.ini"));
    if (!settings.open(QIODevice::WriteOnly))
        return 1;
    settings.write("[Startup Settings]\r\nstartup=1\r\n");
    settings.close();
    StartupOptions options;
    options.splashMilliseconds = 0;
    options.paths = {folder.filePath("Settings.ini"), folder.filePath("CustomList.ini"),
                     folder.filePath("recovery")};
    Startup startup(options);
    startup.run();
    IdleProbe::settleAndReport();
    return 0;
}

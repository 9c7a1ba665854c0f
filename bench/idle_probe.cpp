// The program as Main starts it (the splash's wait cut to nothing, the introduction turned
// off), idle with an empty post: prints its resident memory in kilobytes.
#include "IdleProbe.h"
#include "QuietStartup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const std::optional<StartupOptions> options = quietStartup(folder);
    if (!options)
        return 1;
    Startup startup(*options);
    startup.run();
    IdleProbe::settleAndReport();
    return 0;
}

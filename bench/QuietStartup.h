#pragma once

#include "shell/Startup.h"

#include <QFile>
#include <QTemporaryDir>
#include <optional>

// Start-up as the program runs it, with its files in the given folder, the introduction
// turned off and no splash wait, for the probes that time or weigh a started program.
inline std::optional<StartupOptions> quietStartup(const QTemporaryDir& folder) {
    QFile settings(folder.filePath("Settings.ini"));
    if (!settings.open(QIODevice::WriteOnly))
        return std::nullopt;
    settings.write("[Startup Settings]\r\nstartup=1\r\n");
    settings.close();
    StartupOptions options;
    options.splashMilliseconds = 0;
    options.paths = {folder.filePath("Settings.ini"), folder.filePath("CustomList.ini"),
                     folder.filePath("recovery")};
    return options;
}

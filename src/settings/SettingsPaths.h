#pragma once

#include "settings/CustomTextFile.h"
#include "settings/IniFile.h"

#include <QDir>
#include <QStandardPaths>
#include <QString>

// Where the program keeps its files: "Settings.ini" beside the program, "CustomList.ini"
// in the current directory, and the copies of unsaved posts in the user's data folder.
// Tests point them somewhere else.
struct SettingsPaths {
    QString settingsFile = IniFile::settingsFilePath();
    QString customTextFile = CustomTextFile::defaultPath();
    QString recoveryFolder = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                                 .filePath("recovery");
};

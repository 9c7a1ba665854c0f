#pragma once

#include "settings/CustomTextFile.h"
#include "settings/ModINIhandling.h"

#include <QString>

// Where the program keeps its two files: "Settings.ini" beside the program, and
// "CustomList.ini" in the current directory. Tests point both somewhere else.
struct SettingsPaths {
    QString settingsFile = ModINIhandling::settingsFilePath();
    QString customTextFile = CustomTextFile::defaultPath();
};

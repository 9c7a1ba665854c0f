#pragma once

#include "settings/CustomStyles.h"

#include <QString>
#include <utility>

// Keeps the ten custom styles in the settings file: names under "PresetName1" to
// "PresetName10" of section "PreSetNameList", start tags under "PresetName1A" to
// "PresetName10A" of "PreSetStartTag", end tags under "PresetName1B" to "PresetName10B"
// of "PreSetEndTag".
class CustomStyleStore {
public:
    explicit CustomStyleStore(QString settingsPath) : m_path(std::move(settingsPath)) {}

    // The stored styles; ten empty slots when the settings file does not exist.
    CustomStyles load() const;
    // Writes all thirty values, names 1 to 10, then start tags, then end tags, empty slots
    // as empty values. Returns whether they were written.
    bool save(const CustomStyles& styles) const;

private:
    QString m_path;
};

#pragma once

#include <QString>
#include <utility>

// The introduction window's "Don't show this screen at startup " box, kept as "0" or "1"
// under key "startup" of section "Startup Settings".
class StartupSettingsStore {
public:
    explicit StartupSettingsStore(QString settingsPath) : m_path(std::move(settingsPath)) {}

    // True only when the stored value, read as a number and rounded to a whole one, is 1
    // ("1", "01", "1.0"); a missing file or key, or a value that is not a number, leaves
    // the box clear.
    bool skipIntroduction() const;
    // Stores the box's state as "1" (ticked) or "0". Returns whether it was written.
    bool setSkipIntroduction(bool skip) const;

private:
    QString m_path;
};

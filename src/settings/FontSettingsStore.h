#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

// The editing area's font as the font settings window keeps it: a family name and a size
// in points, both held as text.
struct FontChoice {
    QString name;
    QString size;

    // The size in points; nothing when its text is not a positive number.
    std::optional<double> points() const;
};

// Reads and writes the font choice in section "Font Settings" of the settings file.
class FontSettingsStore {
public:
    explicit FontSettingsStore(QString settingsPath) : m_path(std::move(settingsPath)) {}

    // What the window shows before anything is read: "Verdana", "10".
    static FontChoice initialChoice();
    // The sizes the size list offers, "8" to "16".
    static QStringList sizeChoices();

    // The choice at load: initialChoice() when the settings file does not exist, otherwise
    // the stored one, where a missing or empty name reads as "Verdana" and a missing or
    // empty size as "12".
    FontChoice load() const;
    // Writes "FontName", then "FontSize". Returns whether both were written.
    bool save(const FontChoice& choice) const;

private:
    QString m_path;
};

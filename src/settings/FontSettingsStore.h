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

    bool operator==(const FontChoice& other) const {
        return name == other.name && size == other.size;
    }
};

// Reads and writes the font choice in section "Font Settings" of the settings file.
class FontSettingsStore {
public:
    explicit FontSettingsStore(QString settingsPath) : m_path(std::move(settingsPath)) {}

    // What the window shows before anything is read: "Verdana", "10".
    static FontChoice initialChoice();
    // The sizes the size list offers, "8" to "16".
    static QStringList sizeChoices();

    // The choice at load: the stored one when the settings file exists, otherwise
    // initialChoice().
    FontChoice load() const;
    // The stored choice; a missing or empty name reads as "Verdana", a missing or empty
    // size as "12".
    FontChoice stored() const;
    // Writes "FontName", then "FontSize". Returns whether both were written.
    bool save(const FontChoice& choice) const;

private:
    QString m_path;
};

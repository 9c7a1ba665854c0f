#pragma once

#include <QString>
#include <functional>
#include <utility>

// The writing aids' choices, kept in section "Editor" of the settings file.
struct EditorSettings {
    bool spellAsYouType = true;
    QString language; // a dictionary name such as "en_US"; empty: the first one installed
    bool colourTags = true;
    bool completeTags = true;
    int maxLength = 0; // characters of the post; 0: no limit
};

// Reads and writes EditorSettings. A missing file, section or key, or a value that cannot
// be read as what it stands for, gives that field's default; the others are read as usual.
class EditorSettingsStore {
public:
    explicit EditorSettingsStore(QString settingsPath) : m_path(std::move(settingsPath)) {}

    EditorSettings load() const;
    // Stores every field at once. Returns whether it was written.
    bool save(const EditorSettings& settings) const;
    // Reads the section as it is now, lets change set its own fields and stores the result,
    // so the choices other parts of the program keep here stay as they are.
    bool update(const std::function<void(EditorSettings&)>& change) const;

private:
    QString m_path;
};

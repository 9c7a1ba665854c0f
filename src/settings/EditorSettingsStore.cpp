#include "settings/EditorSettingsStore.h"

#include "settings/IniFile.h"

namespace {

const QString kSection = QStringLiteral("Editor");
const QString kSpellAsYouType = QStringLiteral("SpellAsYouType");
const QString kLanguage = QStringLiteral("Language");
const QString kColourTags = QStringLiteral("ColourTags");
const QString kCompleteTags = QStringLiteral("CompleteTags");
const QString kMaxLength = QStringLiteral("MaxLength");

// "1" and "0"; anything else leaves the default.
bool readSwitch(const QString& key, bool fallback, const QString& path) {
    const QString value = IniFile::readValue(kSection, key, path).trimmed();
    if (value == QLatin1String("1"))
        return true;
    if (value == QLatin1String("0"))
        return false;
    return fallback;
}

QString switchValue(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

EditorSettings EditorSettingsStore::load() const {
    EditorSettings settings;
    if (!IniFile::fileExists(m_path))
        return settings;
    settings.spellAsYouType = readSwitch(kSpellAsYouType, settings.spellAsYouType, m_path);
    settings.language = IniFile::readValue(kSection, kLanguage, m_path).trimmed();
    settings.colourTags = readSwitch(kColourTags, settings.colourTags, m_path);
    settings.completeTags = readSwitch(kCompleteTags, settings.completeTags, m_path);
    bool isNumber = false;
    const int maxLength =
        IniFile::readValue(kSection, kMaxLength, m_path).trimmed().toInt(&isNumber);
    if (isNumber && maxLength >= 0)
        settings.maxLength = maxLength;
    return settings;
}

bool EditorSettingsStore::save(const EditorSettings& settings) const {
    return IniFile::writeValues({{kSection, kSpellAsYouType, switchValue(settings.spellAsYouType)},
                                 {kSection, kLanguage, settings.language},
                                 {kSection, kColourTags, switchValue(settings.colourTags)},
                                 {kSection, kCompleteTags, switchValue(settings.completeTags)},
                                 {kSection, kMaxLength, QString::number(settings.maxLength)}},
                                m_path);
}

bool EditorSettingsStore::update(const std::function<void(EditorSettings&)>& change) const {
    EditorSettings settings = load();
    change(settings);
    return save(settings);
}

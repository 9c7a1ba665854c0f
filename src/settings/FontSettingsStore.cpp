#include "settings/FontSettingsStore.h"

#include "settings/IniFile.h"

namespace {

const QString kSection = QStringLiteral("Font Settings");
const QString kNameKey = QStringLiteral("FontName");
const QString kSizeKey = QStringLiteral("FontSize");
const QString kDefaultName = QStringLiteral("Verdana");
const QString kInitialSize = QStringLiteral("10");
const QString kStoredSizeWhenEmpty = QStringLiteral("12");

QString orIfEmpty(const QString& value, const QString& fallback) {
    return value.isEmpty() ? fallback : value;
}

} // namespace

std::optional<double> FontChoice::points() const {
    bool isNumber = false;
    const double value = size.trimmed().toDouble(&isNumber);
    if (!isNumber || value <= 0)
        return std::nullopt;
    return value;
}

FontChoice FontSettingsStore::initialChoice() {
    return {kDefaultName, kInitialSize};
}

QStringList FontSettingsStore::sizeChoices() {
    QStringList sizes;
    for (int points = 8; points <= 16; ++points)
        sizes.append(QString::number(points));
    return sizes;
}

FontChoice FontSettingsStore::load() const {
    if (!IniFile::fileExists(m_path))
        return initialChoice();
    return {orIfEmpty(IniFile::readValue(kSection, kNameKey, m_path), kDefaultName),
            orIfEmpty(IniFile::readValue(kSection, kSizeKey, m_path), kStoredSizeWhenEmpty)};
}

bool FontSettingsStore::save(const FontChoice& choice) const {
    const bool nameWritten = IniFile::writeValue(kSection, kNameKey, choice.name, m_path);
    const bool sizeWritten = IniFile::writeValue(kSection, kSizeKey, choice.size, m_path);
    return nameWritten && sizeWritten;
}

#include "settings/StartupSettingsStore.h"

#include "settings/IniFile.h"

#include <cmath>

namespace {

const QString kSection = QStringLiteral("Startup Settings");
const QString kKey = QStringLiteral("startup");

} // namespace

bool StartupSettingsStore::skipIntroduction() const {
    if (!IniFile::fileExists(m_path))
        return false;
    // The stored text is taken as a number and rounded to a whole one (halves to even),
    // as a check box state is; only 1 ticks the box.
    bool isNumber = false;
    const double state = IniFile::readValue(kSection, kKey, m_path).toDouble(&isNumber);
    return isNumber && std::nearbyint(state) == 1.0;
}

bool StartupSettingsStore::setSkipIntroduction(bool skip) const {
    return IniFile::writeValue(kSection, kKey, skip ? QStringLiteral("1") : QStringLiteral("0"),
                               m_path);
}

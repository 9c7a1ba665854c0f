#include "settings/StartupSettingsStore.h"

#include "settings/ModINIhandling.h"

namespace {

const QString kSection = QStringLiteral("Startup Settings");
const QString kKey = QStringLiteral("startup");

} // namespace

bool StartupSettingsStore::skipIntroduction() const {
    if (!ModINIhandling::fileExists(m_path))
        return false;
    bool isNumber = false;
    const int state = ModINIhandling::readValue(kSection, kKey, m_path).toInt(&isNumber);
    return isNumber && state == 1;
}

bool StartupSettingsStore::setSkipIntroduction(bool skip) const {
    return ModINIhandling::writeValue(kSection, kKey,
                                      skip ? QStringLiteral("1") : QStringLiteral("0"), m_path);
}

#include "settings/CustomStyleStore.h"

#include "settings/IniFile.h"

namespace {

struct Field {
    QString section;
    QString keySuffix;
    QString CustomStyle::*member;
};

// The three fields in the order they are stored.
const std::array<Field, 3> kFields = {{
    {QStringLiteral("PreSetNameList"), QString(), &CustomStyle::name},
    {QStringLiteral("PreSetStartTag"), QStringLiteral("A"), &CustomStyle::startTag},
    {QStringLiteral("PreSetEndTag"), QStringLiteral("B"), &CustomStyle::endTag},
}};

QString keyFor(const Field& field, int slot) {
    return QStringLiteral("PresetName") + QString::number(slot + 1) + field.keySuffix;
}

} // namespace

CustomStyles CustomStyleStore::load() const {
    CustomStyles styles;
    if (!IniFile::fileExists(m_path))
        return styles;
    for (int slot = 0; slot < CustomStyles::kSlotCount; ++slot) {
        CustomStyle style;
        for (const Field& field : kFields)
            style.*field.member = IniFile::readValue(field.section, keyFor(field, slot), m_path);
        styles.set(slot, style);
    }
    return styles;
}

bool CustomStyleStore::save(const CustomStyles& styles) const {
    QList<IniFile::Entry> entries;
    for (const Field& field : kFields) {
        for (int slot = 0; slot < CustomStyles::kSlotCount; ++slot)
            entries.append({field.section, keyFor(field, slot), styles.at(slot).*field.member});
    }
    return IniFile::writeValues(entries, m_path);
}

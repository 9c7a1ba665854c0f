// Reads any bytes as a settings file, looks up every section and key it names, then sets
// one existing and one new value and checks that each reads back and that no other value
// changes, except names that the file's rules make the same key (case, blanks, 0x1A).
#include "FuzzSupport.h"
#include "settings/IniDocument.h"

#include <QList>

using FuzzSupport::check;

namespace {

struct Name {
    QString section;
    QString key;
};

// The (section, key) pairs the text spells out, at most a few dozen of them.
QList<Name> namesIn(const QString& text) {
    QList<Name> names;
    QString section;
    for (const QString& piece : TextDecoding::splitKeepingLineBreaks(text)) {
        const QString line = piece.trimmed();
        if (line.startsWith(u'[') && line.contains(u']'))
            section = line.mid(1, line.indexOf(u']') - 1);
        else if (line.contains(u'=') && names.size() < 40)
            names.append({section, line.left(line.indexOf(u'='))});
    }
    return names;
}

void setAndCheck(IniDocument& document, const QList<Name>& others, const Name& name) {
    QList<std::optional<QString>> before;
    for (const Name& other : others)
        before.append(document.value(other.section, other.key));
    const QString value = QStringLiteral("fuzz value");
    const auto change = document.setValue(name.section, name.key, value);
    if (change == IniDocument::Change::Refused)
        return;
    check(document.value(name.section, name.key) == value);
    for (qsizetype i = 0; i < others.size(); ++i) {
        const auto after = document.value(others.at(i).section, others.at(i).key);
        check(after == before.at(i) || after == value); // only the key just set may change
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = FuzzSupport::textOf(data, size);
    IniDocument document(text);
    check(document.text() == text); // reading alone changes nothing

    const QList<Name> names = namesIn(text);
    if (!names.isEmpty())
        setAndCheck(document, names, names.first());
    setAndCheck(document, names, {QStringLiteral("Font Settings"), QStringLiteral("FontName")});
    return 0;
}

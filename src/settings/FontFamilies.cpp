#include "settings/FontFamilies.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRegularExpression>
#include <algorithm>

namespace FontFamilies {

QStringList withoutFoundries(const QStringList& families) {
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    QStringList plain;
    for (QString family : families)
        plain << family.remove(foundry);
    std::stable_sort(plain.begin(), plain.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    plain.erase(std::unique(plain.begin(), plain.end(),
                            [](const QString& a, const QString& b) {
                                return QString::compare(a, b, Qt::CaseInsensitive) == 0;
                            }),
                plain.end());
    return plain;
}

QStringList installed() {
    return withoutFoundries(QFontDatabase::families());
}

QString drawnFor(const QString& name) {
    return QFontInfo(QFont(name)).family();
}

} // namespace FontFamilies

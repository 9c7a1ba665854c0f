#include "settings/CustomTextList.h"

#include <QHash>
#include <algorithm>

namespace CustomTextList {

bool canAdd(const QString& typed) {
    return std::any_of(typed.cbegin(), typed.cend(), [](QChar c) { return c != u' '; });
}

qsizetype insertSorted(QStringList& sortedEntries, const QString& entry) {
    const auto position = std::upper_bound(
        sortedEntries.cbegin(), sortedEntries.cend(), entry,
        [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    const qsizetype index = position - sortedEntries.cbegin();
    sortedEntries.insert(index, entry);
    return index;
}

QStringList merge(const QStringList& loaded, const QStringList& edited,
                  const QStringList& current) {
    QHash<QString, int> added; // negative for deleted
    for (const QString& entry : edited)
        ++added[entry];
    for (const QString& entry : loaded)
        --added[entry];
    QStringList merged;
    for (const QString& entry : current) {
        if (int& change = added[entry]; change < 0)
            ++change; // deleted here
        else
            insertSorted(merged, entry);
    }
    for (const QString& entry : edited) {
        if (int& change = added[entry]; change > 0) {
            --change;
            insertSorted(merged, entry);
        }
    }
    return merged;
}

} // namespace CustomTextList

#include "settings/CustomTextList.h"

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

} // namespace CustomTextList

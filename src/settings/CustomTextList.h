#pragma once

#include <QString>
#include <QStringList>

// The custom text window's rules for its working list of entries.
namespace CustomTextList {

// Whether typed text may be added: it must hold something besides spaces (only the
// space character counts; a tab is content).
bool canAdd(const QString& typed);

// Inserts the entry into a list kept sorted alphabetically without regard to case, after
// every entry that sorts before it or equal to it (so equal entries end up neighbours in
// the order they were added), and returns that position.
qsizetype insertSorted(QStringList& sortedEntries, const QString& entry);

} // namespace CustomTextList

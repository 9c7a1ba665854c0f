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

// The list to store when the window's edits (the entries it loaded, turned into the ones
// it shows now) meet the file's current entries, which another running copy may have
// changed since: every entry occurs as often as in the file, plus the times the window
// added it, less the times it deleted it (an entry deleted in both copies is simply gone).
// The result is sorted as the window keeps it.
QStringList merge(const QStringList& loaded, const QStringList& edited, const QStringList& current);

} // namespace CustomTextList

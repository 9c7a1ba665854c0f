#pragma once

#include <QList>
#include <QString>

// The topics of the tips window, in the order they are added to its list.
struct Tip {
    QString topic;
    QString description; // lines end in CR LF
    QString menuPath;    // the menu command or shortcut key; empty when there is none
};

namespace TipsTable {
const QList<Tip>& tips();
// The first tip whose topic equals title exactly, or nullptr.
const Tip* find(const QString& title);
} // namespace TipsTable

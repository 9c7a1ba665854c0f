#pragma once

#include <QList>
#include <QString>

// One tag holder to be given a value, named as the work area names its holder
// (e.g. "TxtRed", "TxtQuoteStart"). An empty value empties the holder.
struct HolderWrite {
    QString holder;
    QString value;

    bool operator==(const HolderWrite& other) const {
        return holder == other.holder && value == other.value;
    }
};

using HolderWrites = QList<HolderWrite>;

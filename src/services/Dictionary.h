#pragma once

#include <QString>
#include <QStringList>

// The word list a spelling check asks.
class Dictionary {
public:
    virtual ~Dictionary() = default;

    virtual bool knows(const QString& word) const = 0;
    // Best first; may be empty.
    virtual QStringList suggestions(const QString& word) const = 0;
    // Learns the word for good.
    virtual void add(const QString& word) = 0;
};

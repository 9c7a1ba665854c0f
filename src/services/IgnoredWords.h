#pragma once

#include <QObject>
#include <QSet>
#include <QString>

// The words the user chose to "Ignore All" in this session, in the spelling dialog or on
// the marks of the live check: both leave them alone until the program ends. The work
// area holds the one list and hands it to both.
class IgnoredWords : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    bool contains(const QString& word) const { return m_words.contains(word); }
    void add(const QString& word);

signals:
    // A word that was not in the list before.
    void added(const QString& word);

private:
    QSet<QString> m_words;
};

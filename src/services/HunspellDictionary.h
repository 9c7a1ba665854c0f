#pragma once

#include "services/Dictionary.h"

#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>
#include <memory>

class Hunspell;

// Where the Hunspell dictionary is looked for and where the user's own words are kept.
struct HunspellSetup {
    QStringList dictionaryFolders; // searched in this order
    QString language;              // "de_DE" or "de"; en_US serves when it has none
    QString personalWordList;      // the words added by the user, one a line, UTF-8

    // The system's dictionary folders and language; the word list beside Settings.ini.
    static HunspellSetup standard();
};

// A Hunspell dictionary together with the user's own word list.
class HunspellDictionary : public Dictionary {
public:
    // Throws AutomationError naming what is missing when no dictionary can be found.
    explicit HunspellDictionary(const HunspellSetup& setup);
    ~HunspellDictionary() override;

    bool knows(const QString& word) const override;
    QStringList suggestions(const QString& word) const override;
    // Also appends the word to the personal word list, under the list's lock (see
    // LockedFile), keeping and learning the words another running copy added meanwhile. A
    // word that could not be written is tried again with the next one and on destruction.
    void add(const QString& word) override;

private:
    std::string encode(const QString& word) const;
    void learn(const QString& word);
    void loadPersonalWords();
    bool savePersonalWords();

    std::unique_ptr<Hunspell> m_hunspell;
    QString m_personalWordList;
    QSet<QString> m_learnedWords;
    QStringList m_unsavedWords; // added here, not yet in the list
    mutable QStringEncoder m_encoder;
    mutable QStringDecoder m_decoder;
};

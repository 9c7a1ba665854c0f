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

    // The system's dictionary folders, the language chosen (the system's until one is),
    // and the word list beside Settings.ini.
    static HunspellSetup standard();
    // The language standard() gives from now on; empty: the system's again.
    static void chooseLanguage(const QString& language);

    // The names of the dictionaries in the folders ("de_DE", "en_US"), sorted, each once.
    QStringList installedLanguages() const;
    // The name of the dictionary a HunspellDictionary would load; empty when there is none.
    QString languageInUse() const;
};

// A Hunspell dictionary together with the user's own word list.
class HunspellDictionary : public Dictionary {
public:
    // Throws AutomationError naming what is missing when no dictionary can be found.
    explicit HunspellDictionary(const HunspellSetup& setup);
    ~HunspellDictionary() override;

    bool knows(const QString& word) const override;
    QStringList suggestions(const QString& word) const override;
    // The name of the dictionary in use ("en_US"), which may not be the one asked for.
    QString language() const { return m_language; }
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
    QString m_language;
    QString m_personalWordList;
    QSet<QString> m_learnedWords;
    QStringList m_unsavedWords; // added here, not yet in the list
    mutable QStringEncoder m_encoder;
    mutable QStringDecoder m_decoder;
};

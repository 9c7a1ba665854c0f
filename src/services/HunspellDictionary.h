#pragma once

#include "services/Dictionary.h"

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
    // Also appends the word to the personal word list.
    void add(const QString& word) override;

private:
    std::string encode(const QString& word) const;
    void loadPersonalWords();

    std::unique_ptr<Hunspell> m_hunspell;
    QString m_personalWordList;
    mutable QStringEncoder m_encoder;
    mutable QStringDecoder m_decoder;
};

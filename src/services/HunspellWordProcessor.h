#pragma once

#include "services/HunspellDictionary.h"
#include "services/ProblemFinder.h"
#include "services/WordProcessor.h"

#include <QPointer>
#include <QWidget>

// The word processor of this program: Hunspell behind the spelling dialog. A document
// keeps its paragraphs apart with CR and ends with a final CR, as the check expects.
class HunspellDocument : public WordDocument {
public:
    HunspellDocument(std::shared_ptr<HunspellDictionary> dictionary, IgnoredWords& ignoredWords,
                     QWidget* parent);

    void setContent(const QString& content) override;
    QString content() const override;
    void checkSpelling() override;
    void checkGrammar() override;
    // Nothing to do: the document lives only in memory.
    void close() override {}

private:
    void check(ProblemFinder::Mode mode);

    std::shared_ptr<HunspellDictionary> m_dictionary;
    IgnoredWords& m_ignoredWords;
    QPointer<QWidget> m_parent;
    QString m_paragraphs; // without the final paragraph mark
};

class HunspellWordProcessor : public WordApplication {
public:
    // Throws AutomationError when no dictionary can be found. Its dialogs leave the words in
    // ignoredWords alone and add to them.
    HunspellWordProcessor(const HunspellSetup& setup, IgnoredWords& ignoredWords, QWidget* parent);

    std::unique_ptr<WordDocument> addDocument() override;
    // Nothing to do: there is no process of its own to end.
    void quit() override {}

private:
    std::shared_ptr<HunspellDictionary> m_dictionary;
    IgnoredWords& m_ignoredWords;
    QPointer<QWidget> m_parent;
};

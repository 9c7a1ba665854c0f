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
    HunspellDocument(std::shared_ptr<HunspellDictionary> dictionary, QWidget* parent);

    void setContent(const QString& content) override;
    QString Content() const override;
    void CheckSpelling() override;
    void CheckGrammar() override;
    void Close(bool saveChanges) override;

private:
    void check(ProblemFinder::Mode mode);

    std::shared_ptr<HunspellDictionary> m_dictionary;
    QPointer<QWidget> m_parent;
    QString m_paragraphs; // without the final paragraph mark
};

class HunspellApplication : public WordApplication {
public:
    // Throws AutomationError when no dictionary can be found.
    HunspellApplication(const HunspellSetup& setup, QWidget* parent);

    void setVisible(bool visible) override;
    QString Version() const override;
    // Takes every form of the call; the arguments make no difference here.
    std::unique_ptr<WordDocument> DocumentsAdd(const QVariantList& arguments) override;
    void Quit(bool saveChanges) override;

private:
    std::shared_ptr<HunspellDictionary> m_dictionary;
    QPointer<QWidget> m_parent;
};

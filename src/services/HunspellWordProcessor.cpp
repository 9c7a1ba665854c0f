#include "services/HunspellWordProcessor.h"

#include "services/SpellingDialog.h"

HunspellDocument::HunspellDocument(std::shared_ptr<HunspellDictionary> dictionary,
                                   IgnoredWords& ignoredWords, QWidget* parent)
    : m_dictionary(std::move(dictionary)), m_ignoredWords(ignoredWords), m_parent(parent) {}

void HunspellDocument::setContent(const QString& content) {
    m_paragraphs = content;
    m_paragraphs.replace(QLatin1String("\r\n"), QLatin1String("\r")).replace(u'\n', u'\r');
}

QString HunspellDocument::content() const {
    return m_paragraphs + u'\r';
}

void HunspellDocument::checkSpelling() {
    check(ProblemFinder::Mode::Spelling);
}

void HunspellDocument::checkGrammar() {
    check(ProblemFinder::Mode::SpellingAndGrammar);
}

void HunspellDocument::check(ProblemFinder::Mode mode) {
    SpellingDialog dialog(m_paragraphs, *m_dictionary, m_ignoredWords, mode, m_parent);
    dialog.run();
    m_paragraphs = dialog.text();
}

HunspellWordProcessor::HunspellWordProcessor(const HunspellSetup& setup, IgnoredWords& ignoredWords,
                                             QWidget* parent)
    : m_dictionary(std::make_shared<HunspellDictionary>(setup)), m_ignoredWords(ignoredWords),
      m_parent(parent) {}

std::unique_ptr<WordDocument> HunspellWordProcessor::addDocument() {
    return std::make_unique<HunspellDocument>(m_dictionary, m_ignoredWords, m_parent);
}

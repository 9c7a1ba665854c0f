#include "services/HunspellWordProcessor.h"

#include "services/SpellingDialog.h"

HunspellDocument::HunspellDocument(std::shared_ptr<HunspellDictionary> dictionary, QWidget* parent)
    : m_dictionary(std::move(dictionary)), m_parent(parent) {}

void HunspellDocument::setContent(const QString& content) {
    m_paragraphs = content;
    m_paragraphs.replace(QLatin1String("\r\n"), QLatin1String("\r")).replace(u'\n', u'\r');
}

QString HunspellDocument::Content() const {
    return m_paragraphs + u'\r';
}

void HunspellDocument::CheckSpelling() {
    check(ProblemFinder::Mode::Spelling);
}

void HunspellDocument::CheckGrammar() {
    check(ProblemFinder::Mode::SpellingAndGrammar);
}

void HunspellDocument::check(ProblemFinder::Mode mode) {
    SpellingDialog dialog(m_paragraphs, *m_dictionary, mode, m_parent);
    dialog.run();
    m_paragraphs = dialog.text();
}

void HunspellDocument::Close(bool) {
    // Nothing is ever saved: the document lives only in memory.
}

HunspellApplication::HunspellApplication(const HunspellSetup& setup, QWidget* parent)
    : m_dictionary(std::make_shared<HunspellDictionary>(setup)), m_parent(parent) {}

void HunspellApplication::setVisible(bool) {
    // There is no window of its own to show: the spelling dialog appears when needed.
}

QString HunspellApplication::Version() const {
    return QStringLiteral("1.0"); // this spelling layer's own version
}

std::unique_ptr<WordDocument> HunspellApplication::DocumentsAdd(const QVariantList&) {
    return std::make_unique<HunspellDocument>(m_dictionary, m_parent);
}

void HunspellApplication::Quit(bool) {}

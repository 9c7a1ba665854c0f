#include "services/ProblemFinder.h"

#include "services/Dictionary.h"

using Kind = SpellingProblem::Kind;

ProblemFinder::ProblemFinder(const QString& text, Dictionary& dictionary, Mode mode)
    : m_text(text), m_dictionary(dictionary), m_mode(mode) {}

ProblemFinder::Outcome ProblemFinder::findNext(int tokenBudget) {
    if (m_pending)
        return Outcome::Found;
    for (int looked = 0; looked < tokenBudget; ++looked) {
        const TextToken token = nextToken(m_text, m_position);
        switch (token.kind) {
        case TextToken::Kind::End:
            m_position = token.start;
            return Outcome::Finished;
        case TextToken::Kind::Word:
            if (m_insideCode) {
                m_previousWord.clear();
                break;
            }
            if (examineWord(token))
                return Outcome::Found;
            continue; // examineWord has moved on
        case TextToken::Kind::SentenceEnd:
        case TextToken::Kind::LineBreak:
            m_atSentenceStart = true;
            m_previousWord.clear();
            break;
        case TextToken::Kind::NotAWord:
            m_atSentenceStart = false;
            m_previousWord.clear();
            break;
        case TextToken::Kind::Tag:
            m_insideCode = insideCodeAfter(m_text, token, m_insideCode);
            m_previousWord.clear();
            break;
        case TextToken::Kind::Punctuation:
            m_previousWord.clear();
            break;
        }
        m_position = token.end();
    }
    return Outcome::Searching;
}

// Reports the word's first problem, or passes it and returns false.
bool ProblemFinder::examineWord(const TextToken& token) {
    const QString word = m_text.mid(token.start, token.length);
    const auto changeAll = m_changeAll.constFind(word);
    if (changeAll != m_changeAll.constEnd()) {
        replace(token.start, token.length, *changeAll);
        passWord(*changeAll, token.start + changeAll->size());
        return false;
    }

    const bool grammar = m_mode == Mode::SpellingAndGrammar;
    if (grammar && !m_ignoredRules.contains(Kind::RepeatedWord) &&
        word.compare(m_previousWord, Qt::CaseInsensitive) == 0) {
        report(Kind::RepeatedWord, m_previousWordEnd, token.end() - m_previousWordEnd, {});
        return true;
    }
    if (!m_ignoredWords.contains(word) && !m_dictionary.knows(word)) {
        report(Kind::NotInDictionary, token.start, token.length, m_dictionary.suggestions(word));
        return true;
    }
    if (grammar && m_atSentenceStart && word.at(0).isLower() &&
        !m_ignoredRules.contains(Kind::Capitalization)) {
        report(Kind::Capitalization, token.start, token.length,
               {word.at(0).toUpper() + word.mid(1)});
        return true;
    }
    passWord(word, token.end());
    return false;
}

void ProblemFinder::report(Kind kind, int start, int length, const QStringList& suggestions) {
    m_problem = {kind, start, length, m_text.mid(start, length).trimmed(), suggestions};
    m_pending = true;
}

void ProblemFinder::replace(int start, int length, const QString& replacement) {
    if (QStringView(m_text).mid(start, length) == replacement)
        return;
    m_text.replace(start, length, replacement);
    m_changed = true;
}

// Goes on after a word that was let stand or written in.
void ProblemFinder::passWord(const QString& word, int end) {
    m_previousWord = word;
    m_previousWordEnd = end;
    m_atSentenceStart = false;
    m_position = end;
}

void ProblemFinder::ignore() {
    if (!m_pending)
        return;
    m_pending = false;
    passWord(m_problem.word, m_problem.start + m_problem.length);
}

void ProblemFinder::ignoreAll() {
    if (!m_pending)
        return;
    if (m_problem.kind == Kind::NotInDictionary)
        m_ignoredWords.insert(m_problem.word);
    else
        m_ignoredRules.insert(m_problem.kind);
    ignore();
}

void ProblemFinder::change(const QString& replacement) {
    if (!m_pending)
        return;
    m_pending = false;
    replace(m_problem.start, m_problem.length, replacement);
    if (m_problem.kind == Kind::RepeatedWord && replacement.isEmpty())
        m_position = m_problem.start; // the first of the two words stays the previous one
    else
        passWord(replacement, m_problem.start + replacement.size());
}

void ProblemFinder::changeAll(const QString& replacement) {
    if (m_pending && m_problem.kind == Kind::NotInDictionary)
        m_changeAll.insert(m_problem.word, replacement);
    change(replacement);
}

void ProblemFinder::addToDictionary() {
    if (!m_pending)
        return;
    if (m_problem.kind == Kind::NotInDictionary)
        m_dictionary.add(m_problem.word);
    ignore();
}

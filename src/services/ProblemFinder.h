#pragma once

#include "services/TextTokens.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

class Dictionary;

// Something the spelling dialog shows to the user.
struct SpellingProblem {
    enum class Kind {
        NotInDictionary,
        RepeatedWord,  // the range covers the repetition and the space before it
        Capitalization // a sentence that starts in lower case
    };
    Kind kind = Kind::NotInDictionary;
    int start = 0;
    int length = 0;
    QString word;
    QStringList suggestions;
};

// Walks through a text one token at a time and stops at each problem, so a long text is
// checked a little at a time and the user's answers change the text as the walk goes on.
// The spelling kind looks up words only; the grammar kind also reports a word repeated
// twice in a row and a sentence that starts in lower case.
class ProblemFinder {
public:
    enum class Mode { Spelling, SpellingAndGrammar };
    enum class Outcome { Found, Searching, Finished };

    ProblemFinder(const QString& text, Dictionary& dictionary, Mode mode);

    // Looks at no more than tokenBudget tokens after the last stop. Found: problem()
    // holds it, and one of the answers below has to come before the next search.
    Outcome findNext(int tokenBudget);
    const SpellingProblem& problem() const { return m_problem; }

    // The answers to the current problem.
    void ignore();
    // A word is left alone for the rest of the check; a grammar rule is no longer applied.
    void ignoreAll();
    void change(const QString& replacement);
    // Also changes every later occurrence of the word without asking.
    void changeAll(const QString& replacement);
    void addToDictionary();

    const QString& text() const { return m_text; }
    bool changed() const { return m_changed; }
    int position() const { return m_position; }

private:
    bool examineWord(const TextToken& token);
    void report(SpellingProblem::Kind kind, int start, int length, const QStringList& suggestions);
    void replace(int start, int length, const QString& replacement);
    void passWord(const QString& word, int end);

    QString m_text;
    Dictionary& m_dictionary;
    Mode m_mode;
    int m_position = 0;
    bool m_atSentenceStart = true;
    bool m_insideCode = false; // words inside [code]...[/code] are never looked up
    QString m_previousWord;    // empty when anything but white space came after it
    int m_previousWordEnd = 0;
    bool m_changed = false;
    bool m_pending = false;
    SpellingProblem m_problem;
    QSet<QString> m_ignoredWords;
    QSet<SpellingProblem::Kind> m_ignoredRules;
    QHash<QString, QString> m_changeAll;
};

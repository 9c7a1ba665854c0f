// What the spelling check looks at and what it reports, on a word list made up here:
// tags, addresses and smiley codes are not words, the grammar rules, the answers to a
// problem and the search that goes a little way at a time.
#include "services/Dictionary.h"
#include "services/ProblemFinder.h"

#include <QSet>
#include <QTest>

using Kind = SpellingProblem::Kind;
using Mode = ProblemFinder::Mode;

namespace {

// Knows the words it is given, in any case; suggests the known word "the" for "teh".
class WordListDictionary : public Dictionary {
public:
    explicit WordListDictionary(QStringList words = {}, bool knowsEverything = false)
        : m_knowsEverything(knowsEverything) {
        for (const QString& word : words)
            m_words.insert(word.toLower());
    }
    bool knows(const QString& word) const override {
        ++lookups;
        return m_knowsEverything || m_words.contains(word.toLower());
    }
    QStringList suggestions(const QString& word) const override {
        return word == u"teh" ? QStringList{"the", "tea"} : QStringList{};
    }
    void add(const QString& word) override {
        added << word;
        m_words.insert(word.toLower());
    }

    QStringList added;
    mutable int lookups = 0;

private:
    QSet<QString> m_words;
    bool m_knowsEverything;
};

WordListDictionary everyWord() {
    return WordListDictionary({}, true);
}

// Every problem of the text, in order, each let stand with Ignore: "kind:word".
QStringList problemsIn(const QString& text, Dictionary& dictionary,
                       Mode mode = Mode::SpellingAndGrammar) {
    ProblemFinder finder(text, dictionary, mode);
    QStringList found;
    while (finder.findNext(1000) != ProblemFinder::Outcome::Finished) {
        if (finder.problem().kind == Kind::NotInDictionary)
            found << finder.problem().word;
        else
            found << QString(finder.problem().kind == Kind::RepeatedWord ? "repeated:"
                                                                         : "capital:") +
                         finder.problem().word;
        finder.ignore();
    }
    return found;
}

} // namespace

class TestSpellingRules : public QObject {
    Q_OBJECT

private slots:
    void onlyWordsAreLookedUp() {
        WordListDictionary knowsNothing;
        const QString post =
            "[b]Helo[/b] see http://forum.example/t?id=3 and www.example.com, mail "
            "jo@example.com [wink] :lol: e.g. U.S. 3.5 10:30 mp3 4th [quote Jo]Yes[/quote] "
            "[img http://x.example/a.png][color red]don't[/color] well-known "
            "(https://a.example/x). "
            "caf\u00e9 [url=http://b.example/]here[/url]";
        QCOMPARE(problemsIn(post, knowsNothing, Mode::Spelling),
                 (QStringList{"Helo", "see", "and", "mail", "Yes", "don't", "well-known",
                              "caf\u00e9", "here"}));
    }

    void bracketsThatCloseNoTagAreNotTags() {
        WordListDictionary knowsNothing;
        QCOMPARE(problemsIn("[b oops", knowsNothing, Mode::Spelling), (QStringList{"b", "oops"}));
        QCOMPARE(problemsIn("[one\r\ntwo] [three [four]", knowsNothing, Mode::Spelling),
                 (QStringList{"one", "two", "three"}));
    }

    void grammarFlagsRepeatsAndLowerCaseSentenceStarts() {
        WordListDictionary known = everyWord();
        QCOMPARE(problemsIn("the the cat sat. then it ran! and? Ok", known),
                 (QStringList{"capital:the", "repeated:the", "capital:then", "capital:and"}));
        QCOMPARE(problemsIn("It is is. The The end", known),
                 (QStringList{"repeated:is", "repeated:The"}));
        QCOMPARE(problemsIn("Hi\r\nthere", known), QStringList{"capital:there"});
        QCOMPARE(problemsIn("See www.example.com. it works", known), QStringList{"capital:it"});
    }

    void grammarLeavesAlone() {
        WordListDictionary known = everyWord();
        const char* fine[] = {
            "Go to example.com today.",  "Take e.g. this one.", "Wait... then go.",
            "Say it\r\nIt was the end.", "A [b]a[/b] b",        "Yes, yes, it is.",
            "www.example.com is up.",    "[wink] Hello there.", "Fine.\r\n\r\nFine",
        };
        for (const char* text : fine)
            QVERIFY2(problemsIn(text, known).isEmpty(), text);
        QVERIFY(problemsIn("the the. and", known, Mode::Spelling).isEmpty());
    }

    void problemsCarryTheirRangeAndSuggestions() {
        WordListDictionary dictionary({"cat", "the"});
        ProblemFinder finder("The cat teh", dictionary, Mode::SpellingAndGrammar);
        QCOMPARE(finder.findNext(100), ProblemFinder::Outcome::Found);
        QCOMPARE(finder.problem().start, 8);
        QCOMPARE(finder.problem().length, 3);
        QCOMPARE(finder.problem().suggestions, (QStringList{"the", "tea"}));

        WordListDictionary known = everyWord();
        ProblemFinder repeat("A cat  cat", known, Mode::SpellingAndGrammar);
        QCOMPARE(repeat.findNext(100), ProblemFinder::Outcome::Found);
        QCOMPARE(repeat.problem().kind, Kind::RepeatedWord);
        QCOMPARE(repeat.problem().start, 5); // the spaces go with the repeat
        QCOMPARE(repeat.problem().length, 5);

        ProblemFinder capital("so", known, Mode::SpellingAndGrammar);
        QCOMPARE(capital.findNext(100), ProblemFinder::Outcome::Found);
        QCOMPARE(capital.problem().suggestions, QStringList{"So"});
    }

    void answersChangeTheTextAndTheWalkGoesOn() {
        WordListDictionary dictionary({"the", "cat", "and", "dog", "a"});
        ProblemFinder change("teh cat and teh dog", dictionary, Mode::Spelling);
        QCOMPARE(change.findNext(100), ProblemFinder::Outcome::Found);
        change.change("the");
        QCOMPARE(change.findNext(100), ProblemFinder::Outcome::Found);
        QCOMPARE(change.problem().start, 12);
        change.change("a");
        QCOMPARE(change.findNext(100), ProblemFinder::Outcome::Finished);
        QCOMPARE(change.text(), "the cat and a dog");
        QVERIFY(change.changed());

        ProblemFinder changeAll("teh cat, teh dog. Teh", dictionary, Mode::Spelling);
        QCOMPARE(changeAll.findNext(100), ProblemFinder::Outcome::Found);
        changeAll.changeAll("the");
        QCOMPARE(changeAll.findNext(100), ProblemFinder::Outcome::Found);
        QCOMPARE(changeAll.problem().word, "Teh"); // another spelling of it is asked again
        changeAll.ignore();
        QCOMPARE(changeAll.findNext(100), ProblemFinder::Outcome::Finished);
        QCOMPARE(changeAll.text(), "the cat, the dog. Teh");

        ProblemFinder ignoreAll("teh cat teh dog teh", dictionary, Mode::Spelling);
        QCOMPARE(ignoreAll.findNext(100), ProblemFinder::Outcome::Found);
        ignoreAll.ignoreAll();
        QCOMPARE(ignoreAll.findNext(100), ProblemFinder::Outcome::Finished);
        QVERIFY(!ignoreAll.changed());

        ProblemFinder add("Quillet and Quillet", dictionary, Mode::Spelling);
        QCOMPARE(add.findNext(100), ProblemFinder::Outcome::Found);
        add.addToDictionary();
        QCOMPARE(add.findNext(100), ProblemFinder::Outcome::Finished);
        QCOMPARE(dictionary.added, QStringList{"Quillet"});
    }

    void deletingRepeatsKeepsTheFirstWord() {
        WordListDictionary known = everyWord();
        ProblemFinder finder("It is is is so", known, Mode::SpellingAndGrammar);
        for (int repeat = 0; repeat < 2; ++repeat) {
            QCOMPARE(finder.findNext(100), ProblemFinder::Outcome::Found);
            QCOMPARE(finder.problem().kind, Kind::RepeatedWord);
            finder.change({});
        }
        QCOMPARE(finder.findNext(100), ProblemFinder::Outcome::Finished);
        QCOMPARE(finder.text(), "It is so");

        ProblemFinder ruleOff("It is is. So so", known, Mode::SpellingAndGrammar);
        QCOMPARE(ruleOff.findNext(100), ProblemFinder::Outcome::Found);
        ruleOff.ignoreAll(); // a grammar rule is switched off for the rest of the check
        QCOMPARE(ruleOff.findNext(100), ProblemFinder::Outcome::Finished);
    }

    // A long text is searched a slice at a time: each call looks at no more tokens than
    // it is allowed, so the dialog can answer events between slices.
    void searchGoesALittleWayAtATime() {
        WordListDictionary dictionary({"word"});
        QString text = QString("word ").repeated(5000) + "wrod";
        ProblemFinder finder(text, dictionary, Mode::Spelling);
        int slices = 0;
        int lastPosition = -1;
        ProblemFinder::Outcome outcome;
        while ((outcome = finder.findNext(100)) == ProblemFinder::Outcome::Searching) {
            QVERIFY(finder.position() > lastPosition);
            QVERIFY(dictionary.lookups <= (slices + 1) * 100);
            lastPosition = finder.position();
            ++slices;
        }
        QCOMPARE(outcome, ProblemFinder::Outcome::Found);
        QCOMPARE(slices, 50);
        QCOMPARE(finder.problem().start, 25000);
    }

    void sentenceAroundAProblem() {
        const QString text = "First one. The second has teh word! Third.\r\nNext line";
        const TextRange around = sentenceAround(text, text.indexOf("teh"), 3);
        QCOMPARE(text.mid(around.start, around.length), "The second has teh word!");
        const TextRange line = sentenceAround(text, text.indexOf("line"), 4);
        QCOMPARE(text.mid(line.start, line.length), "Next line");
        const TextRange decimal = sentenceAround("It costs 3.5 units. Yes", 3, 5);
        QCOMPARE(decimal.length, 19);
    }
};

QTEST_MAIN(TestSpellingRules)
#include "tst_spelling_rules.moc"

// The spelling dialog on a word list made up here, then the whole check on Hunspell.
#include "EditorFixture.h"
#include "FakeSurface.h"
#include "TestFiles.h"
#include "post/PostHighlighter.h"
#include "services/HunspellWordProcessor.h"
#include "services/SpellCheck.h"
#include "services/SpellingDialog.h"
#include "services/SpellingMarker.h"
#include "services/WaitWindow.h"
#include "settings/EditorSettingsStore.h"
#include "shell/LiveSpelling.h"
#include "shell/PostEditorMenus.h"
#include "undo/UndoHistory.h"

#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>

using Mode = ProblemFinder::Mode;

namespace {

// Plays the user at the spelling dialog: records each problem shown and answers with the
// next step, a button's objectName, after "=" the text to type into "Change to" first
// ("cmdChange=The"); with the script used up it clicks Ignore.
struct DialogDriver {
    QStringList script;
    QStringList problems;  // "Repeated Word: is", or the word alone: "Teh"
    QStringList sentences; // the sentence shown around each problem
    QList<QStringList> suggestions;
    int idlePolls = 0; // while no problem was on show
    QTimer poll;

    explicit DialogDriver(QStringList steps = {}) : script(std::move(steps)) {
        // A problem is on show while the dialog names its kind; the search clears it.
        poll.callOnTimeout([this] {
            auto* dialog = qobject_cast<SpellingDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog->findChild<QLabel*>("lblProblem")->text().isEmpty())
                ++idlePolls;
            else
                answer(dialog);
        });
        poll.start(1);
    }
    void answer(SpellingDialog* dialog) {
        auto* sentence = dialog->findChild<QTextBrowser*>("txtSentence");
        QString marked; // the one stretch in a bold font
        for (auto block = sentence->document()->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().fontWeight() > QFont::Normal)
                    marked += it.fragment().text();
        const QString caption = dialog->findChild<QLabel*>("lblProblem")->text();
        problems << (caption == "Not in Dictionary:" ? marked : caption + " " + marked);
        sentences << sentence->toPlainText();
        auto* list = dialog->findChild<QListWidget*>("lstSuggestions");
        suggestions << QStringList();
        for (int row = 0; list->isEnabled() && row < list->count(); ++row)
            suggestions.last() << list->item(row)->text();
        const QString step = script.isEmpty() ? "cmdIgnore" : script.takeFirst();
        if (step.contains('='))
            dialog->findChild<QLineEdit*>("txtChangeTo")->setText(step.section('=', 1));
        dialog->findChild<QPushButton*>(step.section('=', 0, 0))->click();
    }
};

// Knows the words it is given, in any case, or every word for "*"; suggests "the" and
// "tea" for "teh". Each look-up can be slowed down, to make a long search.
class WordListDictionary : public Dictionary {
public:
    explicit WordListDictionary(const QString& words, int lookUpMicroseconds = 0)
        : m_lookUpMicroseconds(lookUpMicroseconds) {
        for (const QString& word : words.split(' '))
            m_words.insert(word.toLower());
    }
    bool knows(const QString& word) const override {
        QThread::usleep(m_lookUpMicroseconds);
        return m_words.contains("*") || m_words.contains(word.toLower());
    }
    QStringList suggestions(const QString& word) const override {
        return word == u"teh" ? QStringList{"the", "tea"} : QStringList{};
    }
    void add(const QString& word) override { m_words.insert(word.toLower()); }

private:
    QSet<QString> m_words;
    int m_lookUpMicroseconds;
};

const char* const kPets = "the cat and dog a sat on mat";

// The text, the known words, grammar or not, the answers, the problems shown, the text
// that comes out (empty: the text as it was) and, where it matters, the sentences shown.
const struct {
    const char* name;
    const char* text;
    const char* known;
    bool grammar;
    const char* steps;
    const char* problems;
    const char* result = "";
    const char* sentences = "";
} kRules[] = {
    {"only words are looked up",
     "[b]Helo[/b] see http://forum.example/t?id=3 and www.example.com, mail jo@example.com "
     "[wink] :lol: e.g. U.S. 3.5 10:30 mp3 4th [quote Jo]Yes[/quote] [img "
     "http://x.example/a.png][color red]don't[/color] well-known (https://a.example/x). "
     "caf\u00e9 [url=http://b.example/]here[/url]",
     "", false, "", "Helo|see|and|mail|Yes|don't|well-known|caf\u00e9|here"},
    {"nothing inside [code] is a word", "Helo [code]Helo\r\n[b]there[/code] there [CODE]nope", "",
     false, "", "Helo|there"},
    {"brackets that close no tag", "[b oops\r\n[one\r\ntwo] [three [four]", "", false, "",
     "b|oops|one|two|three"},
    {"grammar", "the the cat sat. then it ran! and? Ok It is is.\r\nthere went www.a.com. it is",
     "*", true, "",
     "Capitalization: the|Repeated Word: the|Capitalization: then|Capitalization: and|"
     "Repeated Word: is|Capitalization: there|Capitalization: it"},
    {"grammar leaves alone",
     "Go to example.com today. Take e.g. this one. Wait... then go. Say it\r\nIt was the "
     "end. A [b]a[/b] b. Yes, yes, it is. www.example.com is up. [wink] Hello there. "
     "Fine.\r\n\r\nFine",
     "*", true, "", ""},
    {"change to the suggestion, to a typed word, then close", "teh cat and teh dog sat on teh mat",
     kPets, false, "cmdChange|cmdChange=a|cmdCancel", "teh|teh|teh",
     "the cat and a dog sat on teh mat"},
    {"change all, another spelling asked again", "teh cat, teh dog. Teh", kPets, false,
     "cmdChangeAll", "teh|Teh", "the cat, the dog. Teh"},
    {"ignore all, add to the dictionary", "teh cat teh Quillet dog teh and Quillet", kPets, false,
     "cmdIgnoreAll|cmdAdd", "teh|Quillet"},
    {"capital suggested, repeats deleted with the spaces before them", "so it is is  is done", "*",
     true, "cmdChange|cmdChange|cmdChange",
     "Capitalization: so|Repeated Word: is|Repeated Word: is", "So it is done"},
    {"ignore all turns a rule off", "It is is. So so", "*", true, "cmdIgnoreAll",
     "Repeated Word: is"},
    {"the sentence around a problem",
     "First one. The second has teh word! It costs 3.5 teh units.\r\nNext teh line",
     "first one the second has word it costs units next line", false, "", "teh|teh|teh", "",
     "The second has teh word!|It costs 3.5 teh units.|Next teh line"},
};

// The whole check: the menu command (grammar) or the spelling check alone, the dictionary
// folder, the text, the answers and the message shown; the text comes back unchanged.
const char* const kSystem = "/usr/share/hunspell";
const char* const kComplete = "Spelling Complete: The spelling /grammar check is complete.";
const struct {
    const char* name;
    bool grammar;
    const char* folder;
    const char* text;
    const char* steps;
    const char* message; // "title: text"
} kChecks[] = {
    {"nothing to correct", true, kSystem, "All is well.", "", kComplete},
    {"cancelled", true, kSystem, "Teh cat.", "cmdCancel", kComplete},
    {"empty", true, kSystem, "", "", "Quillet: No text to check spelling / grammar"},
    {"spelling alone, no grammar", false, kSystem, "the the. and", "cmdChange|cmdChange",
     "Spelling Complete: The spelling check is complete."},
    {"no dictionary", true, "/nonexistent", "Teh cat", "",
     "Error #: 429: Cannot start the spelling checker: no Hunspell dictionary (xx_YY or en_US "
     ".aff and .dic files) in /nonexistent.\r\rPlease note you must have Microsoft Word "
     "installed to utilize the spell check feature."},
};

QStringList list(const char* items) {
    return QString(items).split('|', Qt::SkipEmptyParts);
}

// The words the live check underlines, in order.
QString markedWords(const QTextDocument* document) {
    QStringList words;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (const QTextLayout::FormatRange& mark : block.layout()->formats())
            if (mark.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline &&
                mark.format.underlineColor() == Qt::red)
                words << block.text().mid(mark.start, mark.length);
    return words.join('|');
}

// The texts of the live check, the words it marks, and those it marks with a "[code]"
// typed at the top.
const struct {
    const char* name;
    const char* text;
    const char* marked;
    const char* markedInCode;
} kLiveMarks[] = {
    {"words, not tags, addresses or smileys",
     "Teh [b]cat[/b] at http://forum.example/t?id=3 [wink]\r\n:lol: [bxq] jo@example.com zorgle",
     "Teh|zorgle", ""},
    {"[code] across lines", "Good [code]\r\nteh qwzx\r\nmore[/code] wrnog\r\n[CODE]zzkx\r\nxxqz",
     "wrnog", "wrnog"},
};

// Right-clicks the post at the character and returns the Edit menu that opened.
QMenu* rightClick(const EditorFixture& f, int position) {
    QTextCursor cursor(f.box()->document());
    cursor.setPosition(position);
    QTest::mouseClick(f.box()->viewport(), Qt::RightButton, {},
                      f.box()->cursorRect(cursor).center() + QPoint(2, 0));
    return f.workArea->menus().editMenu();
}

QAction* item(QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

template <class Table> void addRows(const Table& table) {
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(table)); ++row)
        QTest::newRow(table[row].name) << row;
}

} // namespace

class TestSpellCheck : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QStringList m_log; // "wait", then "create" for the word processor

    // Hunspell in a language without a dictionary of its own, so English serves.
    void useHunspell(const QString& folder) {
        const HunspellSetup setup{{folder}, "xx_YY", m_dir.filePath("PersonalWords.txt")};
        WordProcessor::installFactory([this, setup](QWidget* parent) {
            m_log << "create";
            return std::make_unique<HunspellWordProcessor>(setup, parent);
        });
    }

private slots:
    void initTestCase() {
        QVERIFY2(QFile::exists(QString(kSystem) + "/en_US.dic"),
                 "No en_US Hunspell dictionary: scripts/install-deps installs hunspell-en-us");
    }
    void init() {
        m_log.clear();
        SpellCheck::installWaitWindow([this](QWidget*) { m_log << "wait"; });
        useHunspell(kSystem);
    }
    void cleanup() {
        SpellCheck::installWaitWindow({});
        WordProcessor::installFactory({});
    }

    void rules_data() { addRows(kRules); }
    void rules() {
        QFETCH(int, row);
        const auto& r = kRules[row];
        WordListDictionary dictionary(r.known);
        DialogDriver driver(list(r.steps));
        SpellingDialog dialog(r.text, dictionary,
                              r.grammar ? Mode::SpellingAndGrammar : Mode::Spelling);
        dialog.run();
        QCOMPARE(driver.problems, list(r.problems));
        QCOMPARE(dialog.text(), QString(*r.result ? r.result : r.text));
        if (*r.sentences)
            QCOMPARE(driver.sentences, list(r.sentences));
    }

    // The search goes a slice at a time: events are handled while a long search runs. The
    // dictionary is slowed down so that the search outlasts several slices.
    void longSearchKeepsTheDialogAlive() {
        WordListDictionary dictionary("every word here is fine", 20);
        DialogDriver driver({"cmdChange=Wrong"});
        SpellingDialog dialog(QString("Every word here is fine. ").repeated(600) + "Wrnog.",
                              dictionary, Mode::SpellingAndGrammar);
        dialog.run();
        QCOMPARE(driver.problems, QStringList{"Wrnog"});
        QVERIFY2(driver.idlePolls > 2, qPrintable(QString::number(driver.idlePolls)));
        QVERIFY(dialog.text().endsWith("fine. Wrong."));
    }

    void checkOnHunspell_data() { addRows(kChecks); }
    void checkOnHunspell() {
        QFETCH(int, row);
        const auto& r = kChecks[row];
        const QString text = r.text, message = r.message;
        useHunspell(r.folder);
        ScriptedPrompter prompter;
        FakeSurface surface;
        surface.setText(text);
        QSignalSpy changes(&surface, &EditingSurface::changed);
        DialogDriver driver(list(r.steps));
        if (r.grammar)
            SpellCheck::checkSpellingAndGrammar(surface, nullptr);
        else
            SpellCheck::check(SpellCheck::Kind::Spelling, surface, nullptr);
        QCOMPARE(m_log,
                 QStringList({"wait", "create"}).mid(r.grammar ? 0 : 1, text.isEmpty() ? 0 : 2));
        const bool failed = message.startsWith("Error");
        QCOMPARE(surface.text(), text);
        QCOMPARE(changes.count(), failed || text.isEmpty() ? 0 : 1); // even unchanged
        QCOMPARE(prompter.asked(), message.isEmpty() ? QStringList() : QStringList(message));
        for (const Prompter::Message& m : prompter.messages)
            QCOMPARE(m.icon, failed ? Prompter::Icon::Critical : Prompter::Icon::Information);
    }

    void marksAsYouType_data() { addRows(kLiveMarks); }
    void marksAsYouType() {
        QFETCH(int, row);
        EditorFixture f;
        f.surface().setText(kLiveMarks[row].text);
        QVERIFY(f.workArea->spelling().marker().dictionary());
        QCOMPARE(markedWords(f.box()->document()), kLiveMarks[row].marked);
        // A [code] typed at the top reaches every paragraph after it, between events.
        f.select(0);
        f.surface().setSelText("[code]");
        QTRY_VERIFY(!f.workArea->highlighter().isBusy());
        QCOMPARE(markedWords(f.box()->document()), kLiveMarks[row].markedInCode);
    }

    // Marks never reach the text, its RTF, the undo history or the saved flag; the pop-up's
    // corrections do, as one undo step; the switch and the language are stored.
    void correctionsFromThePopUp() {
        EditorFixture f;
        const QString text = "Teh cat sat.\r\nA zorgle and a qwzx.";
        f.surface().setText(text);
        QTest::qWait(350);
        f.post().setSaved(true);
        const QString rtf = f.surface().rtf();
        const int steps = f.workArea->undoHistory().undoCount();
        QCOMPARE(markedWords(f.box()->document()), "Teh|zorgle|qwzx");
        f.action("mnuSpellAsYouType")->trigger();
        QCOMPARE(markedWords(f.box()->document()), "");
        f.action("mnuSpellAsYouType")->trigger();
        QCOMPARE(markedWords(f.box()->document()), "Teh|zorgle|qwzx");
        QTest::qWait(350);
        QCOMPARE(f.surface().rtf(), rtf);
        QCOMPARE(f.workArea->undoHistory().undoCount(), steps);
        QVERIFY(f.post().isSaved());

        QMenu* menu = rightClick(f, 1);
        const QList<QAction*> items = menu->actions();
        const int suggestions = int(items.indexOf(item(menu, "Add to Dictionary")));
        QVERIFY(suggestions >= 1 && suggestions <= 5 && items.at(suggestions + 2)->isSeparator());
        QCOMPARE(items.at(suggestions + 1)->text(), "Ignore All");
        QCOMPARE(items.at(suggestions + 3), f.action("mnuUndo"));
        const QString suggestion = items.first()->text(); // the dictionary's best
        items.first()->trigger();
        menu->hide();
        QCOMPARE(f.surface().text(), suggestion + " cat sat.\r\nA zorgle and a qwzx.");
        QTest::qWait(350);
        QCOMPARE(menu->actions().first(), f.action("mnuUndo")); // the corrections are gone
        QCOMPARE(f.workArea->undoHistory().undoCount(), steps + 1);
        f.action("mnuUndo")->trigger();
        QCOMPARE(f.surface().text(), text);

        item(rightClick(f, 17), "Add to Dictionary")->trigger();
        menu->hide();
        QCOMPARE(fileBytes(f.folder.filePath("PersonalWords.txt")), "zorgle\n");
        item(rightClick(f, 30), "Ignore All")->trigger();
        menu->hide();
        QCOMPARE(markedWords(f.box()->document()), "Teh");
        QVERIFY(!item(rightClick(f, 6), "Ignore All")); // "cat" is no misspelling
        menu->hide();

        f.action("mnuSpellAsYouType")->trigger();
        f.workArea->menus().actions().languages->actions().first()->trigger();
        const EditorSettings stored = EditorSettingsStore(f.paths().settingsFile).load();
        QCOMPARE(stored.spellAsYouType, false);
        QCOMPARE(stored.language, "en_US");
    }

    void waitWindowClosesItselfAfterTwoSeconds() {
        WaitWindow wait;
        QElapsedTimer clock;
        clock.start();
        wait.exec();
        // A coarse timer, as Qt makes by default, may fire up to 5% early.
        QVERIFY(clock.elapsed() >= WaitWindow::kInterval * 95 / 100);
    }

    void menuCheckIsOneUndoStepAndLearnsWords() {
        EditorFixture f;
        const QString text = "Teh cat.\r\n\r\nIt will recieve zorgles.";
        f.surface().setText(text);
        QTest::qWait(350);
        DialogDriver driver({"cmdChange=The", "cmdChange", "cmdAdd"});
        f.action("mnuGrammar")->trigger();
        QCOMPARE(driver.problems, (QStringList{"Teh", "recieve", "zorgles"}));
        QVERIFY(driver.suggestions.value(0).contains("The"));
        QCOMPARE(f.surface().text(), "The cat.\r\n\r\nIt will receive zorgles.");
        QTest::qWait(350);
        f.action("mnuUndo")->trigger();
        QCOMPARE(f.surface().text(), text);
        f.action("mnuRedo")->trigger();
        QCOMPARE(f.surface().text(), "The cat.\r\n\r\nIt will receive zorgles.");

        DialogDriver nextCheck;
        f.action("mnuGrammar")->trigger();
        QVERIFY(nextCheck.problems.isEmpty());

        // Two running copies share the word list: each keeps and learns the other's words.
        const HunspellSetup setup{{kSystem}, "xx_YY", m_dir.filePath("SharedWords.txt")};
        HunspellDictionary first(setup), second(setup);
        first.add("blorfs");
        second.add("snarfle");
        QCOMPARE(fileBytes(setup.personalWordList), "blorfs\nsnarfle\n");
        QVERIFY(second.knows("blorfs") && !first.knows("snarfle"));
    }
};

QTEST_MAIN(TestSpellCheck)
#include "tst_spell_check.moc"

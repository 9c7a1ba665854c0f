// The check on the real Hunspell word processor, from the Tools menu of a shown work
// area, with the spelling dialog answered by a driver and the dictionary search path
// set by the test.
#include "EditorFixture.h"
#include "SpellingDialogDriver.h"
#include "platform/EditingSurface.h"
#include "services/HunspellWordProcessor.h"
#include "services/SpellCheck.h"
#include "shell/PostEditor.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using Step = SpellingDialogDriver::Step;

class TestSpellingDialog : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    HunspellSetup m_setup;

    void useSetup(const HunspellSetup& setup) {
        WordProcessor::installFactory([setup](QWidget* parent) {
            return std::make_unique<HunspellApplication>(setup, parent);
        });
    }
    static void check(EditorFixture& f) { f.action("mnuGrammar")->trigger(); }
    static QString completeMessage(const EditorFixture& f) {
        return f.prompter.messages.size() == 1 &&
                       f.prompter.messages[0].title == "Spelling Complete"
                   ? f.prompter.messages[0].text
                   : QString("<no single completion message>");
    }
    QString personalWords() const {
        QFile file(m_setup.personalWordList);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        if (!QFile::exists("/usr/share/hunspell/en_US.dic"))
            QSKIP("the en_US Hunspell dictionary is not installed");
        SpellCheck::installWaitWindow([](QWidget*) {});
    }
    void init() {
        m_setup = {{"/usr/share/hunspell"}, "en_US", m_dir.filePath("PersonalWords.txt")};
        QFile::remove(m_setup.personalWordList);
        useSetup(m_setup);
    }
    void cleanupTestCase() {
        WordProcessor::installFactory({});
        SpellCheck::installWaitWindow({});
    }

    void changeCorrectsTheMarkedWord() {
        EditorFixture f;
        f.surface().setText("Teh cat");
        SpellingDialogDriver driver({{"cmdChange", "The"}});
        check(f);
        QCOMPARE(f.surface().text(), "The cat");
        QVERIFY(f.prompter.messages.isEmpty());
        QCOMPARE(driver.shown.size(), 1);
        QCOMPARE(driver.shown[0].problem, "Not in Dictionary:");
        QCOMPARE(driver.shown[0].word, "Teh");
        QCOMPARE(driver.shown[0].sentence, "Teh cat");
        QVERIFY(driver.shown[0].suggestions.contains("The"));
    }

    void firstSuggestionIsTakenAndLinesSurvive() {
        EditorFixture f;
        f.surface().setText("Hello there.\r\nI recieve mail.\r\n\r\nBye.");
        SpellingDialogDriver driver({{"cmdChange"}});
        check(f);
        QCOMPARE(driver.words(), QStringList{"recieve"});
        QCOMPARE(driver.shown[0].sentence, "I recieve mail.");
        QCOMPARE(f.surface().text(), "Hello there.\r\nI receive mail.\r\n\r\nBye.");
    }

    void cancelLeavesTheText() {
        EditorFixture f;
        const QString text = "Teh cat sat on teh mat";
        f.surface().setText(text);
        SpellingDialogDriver cancelAtOnce;
        check(f);
        QCOMPARE(cancelAtOnce.unscriptedProblems, 1);
        QCOMPARE(f.surface().text(), text);
        QCOMPARE(completeMessage(f), "The spelling /grammar check is complete.");
    }

    void closingAfterAChangeKeepsIt() {
        EditorFixture f;
        f.surface().setText("Teh cat sat on teh mat");
        SpellingDialogDriver driver({{"cmdChange", "The"}});
        check(f);
        QCOMPARE(driver.unscriptedProblems, 1); // then Close
        QCOMPARE(f.surface().text(), "The cat sat on teh mat");
        QVERIFY(f.prompter.messages.isEmpty());
    }

    void grammarRules() {
        EditorFixture f;
        f.surface().setText("the cat sat on on the mat. it purred.");
        SpellingDialogDriver driver({{"cmdChange"}, {"cmdChange"}, {"cmdIgnore"}});
        check(f);
        QCOMPARE(driver.shown.size(), 3);
        QCOMPARE(driver.shown[0].problem, "Capitalization:");
        QCOMPARE(driver.shown[0].suggestions, QStringList{"The"});
        QCOMPARE(driver.shown[1].problem, "Repeated Word:");
        QCOMPARE(driver.shown[1].word, "on");
        QCOMPARE(driver.shown[2].word, "it");
        QCOMPARE(f.surface().text(), "The cat sat on the mat. it purred.");
    }

    void addedWordsAreKeptBesideTheSettings() {
        {
            EditorFixture f;
            f.surface().setText("We like zorgles and more zorgles.");
            SpellingDialogDriver driver({{"cmdAdd"}});
            check(f);
            QCOMPARE(driver.words(), QStringList{"zorgles"});
            QCOMPARE(personalWords(), "zorgles\n");
        }
        EditorFixture f;
        f.surface().setText("Zorgles again.");
        SpellingDialogDriver driver;
        check(f);
        QCOMPARE(driver.dialogsShown, 0);
    }

    void missingDictionaryEndsTheCheckWithOneMessage() {
        QTemporaryDir empty;
        useSetup({{empty.path()}, "en_US", m_setup.personalWordList});
        EditorFixture f;
        f.surface().setText("Teh cat");
        SpellingDialogDriver driver;
        check(f);

        QCOMPARE(driver.dialogsShown, 0);
        QCOMPARE(f.surface().text(), "Teh cat");
        QCOMPARE(f.prompter.messages.size(), 1);
        const Prompter::Message& message = f.prompter.messages[0];
        QCOMPARE(message.title, "Error #: 429");
        QCOMPARE(message.icon, Prompter::Icon::Critical);
        const QStringList parts = message.text.split("\r\r");
        QCOMPARE(parts.size(), 2);
        QVERIFY2(parts[0].contains("en_US") && parts[0].contains(empty.path()) &&
                     parts[0].contains(".dic"),
                 qPrintable(parts[0]));
        QCOMPARE(parts[1], "Please note you must have Microsoft Word installed to utilize the "
                           "spell check feature.");
    }

    void systemLanguageFallsBackToEnglish() {
        useSetup({{"/usr/share/hunspell"}, "xx_YY", m_setup.personalWordList});
        EditorFixture f;
        f.surface().setText("Teh cat");
        SpellingDialogDriver driver({{"cmdChange", "The"}});
        check(f);
        QCOMPARE(f.surface().text(), "The cat");
    }

    void undoTakesBackTheWholeCheck() {
        EditorFixture f;
        f.type("Teh cat saw teh dog");
        QTest::qWait(350);
        SpellingDialogDriver driver({{"cmdChange", "The"}, {"cmdChange", "the"}});
        check(f);
        QCOMPARE(f.surface().text(), "The cat saw the dog");
        QTest::qWait(350);
        f.action("mnuUndo")->trigger();
        QCOMPARE(f.surface().text(), "Teh cat saw teh dog");
        f.action("mnuRedo")->trigger();
        QCOMPARE(f.surface().text(), "The cat saw the dog");
    }

    // The search runs between events: a timer keeps ticking while a long text is
    // searched for its one mistake at the end.
    void longTextKeepsTheDialogAlive() {
        EditorFixture f;
        f.surface().setText(QString("Every word here is fine. ").repeated(20000) + "Wrnog.");
        int ticks = 0;
        int ticksAtProblem = -1;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        ticker.start(5);
        SpellingDialogDriver driver({{"cmdChange", "Wrong"}});
        driver.onProblem = [&] { ticksAtProblem = ticks; };
        check(f);
        QCOMPARE(driver.words(), QStringList{"Wrnog"});
        QVERIFY2(ticksAtProblem > 0, qPrintable(QString::number(ticksAtProblem)));
        QVERIFY(f.surface().text().endsWith("fine. Wrong."));
    }
};

QTEST_MAIN(TestSpellingDialog)
#include "tst_spelling_dialog.moc"

// The check command against a scripted word processor: the calls, their order and
// values, the text that comes back, the messages and the failure path.
#include "FakeSurface.h"
#include "ScriptedPrompter.h"
#include "ScriptedWordProcessor.h"
#include "services/SpellCheck.h"
#include "services/WaitWindow.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using Icon = Prompter::Icon;

namespace {
const QString kMissingWordProcessor =
    "Please note you must have Microsoft Word installed to utilize the spell check feature.";
} // namespace

class TestSpellCheck : public QObject {
    Q_OBJECT

    int m_waits = 0;

    QStringList callsFor(const QString& version) {
        ScriptedPrompter prompter;
        ScriptedWordProcessor word;
        word.version = version;
        FakeSurface surface;
        surface.setText("Hello");
        SpellCheck::CheckGrammar(surface, nullptr);
        return word.calls;
    }

private slots:
    void init() {
        m_waits = 0;
        SpellCheck::installWaitWindow([this](QWidget*) { ++m_waits; });
    }
    void cleanup() { SpellCheck::installWaitWindow({}); }

    void callsArriveInOrderWithTheirValues() {
        const QStringList common{"create", "Visible=false", "Version"};
        const QStringList rest{"Content=Hello", "CheckGrammar",       "Visible=false",
                               "Content",       "Close(false)",       "release document",
                               "Quit(true)",    "release application"};
        for (const char* version : {"9.0", "10.0", "11.0"})
            QCOMPARE(callsFor(version),
                     common + QStringList{"Documents.Add(omitted, omitted, short 1, bool true)"} +
                         rest);
        for (const char* version : {"12.0", "8.0", "9", "9.0 ", "16.0"})
            QCOMPARE(callsFor(version), common + QStringList{"Documents.Add()"} + rest);
    }

    void spellingKindCallsCheckSpellingAndSaysSo() {
        ScriptedPrompter prompter;
        ScriptedWordProcessor word;
        word.editInDialog = [](const QString& content) { return content + "\r"; };
        FakeSurface surface;
        surface.setText("Fine");
        SpellCheck::CheckSpelling(surface, nullptr);
        QVERIFY(word.calls.contains("CheckSpelling"));
        QVERIFY(!word.calls.contains("CheckGrammar"));
        QCOMPARE(prompter.messages.size(), 1);
        QCOMPARE(prompter.messages[0].text, "The spelling check is complete.");
    }

    void unchangedTextIsCompleteAndStillWrittenBack() {
        ScriptedPrompter prompter;
        ScriptedWordProcessor word;
        word.editInDialog = [](const QString& content) { return content + "\r"; };
        FakeSurface surface;
        surface.setText("All fine here");
        int changes = 0;
        connect(&surface, &EditingSurface::changed, [&] { ++changes; });
        SpellCheck::mnuGrammar_Click(surface, nullptr);

        QCOMPARE(m_waits, 1);
        QCOMPARE(prompter.messages.size(), 1);
        QCOMPARE(prompter.messages[0].title, "Spelling Complete");
        QCOMPARE(prompter.messages[0].text, "The spelling /grammar check is complete.");
        QCOMPARE(prompter.messages[0].icon, Icon::Information);
        QCOMPARE(surface.text(), "All fine here");
        QCOMPARE(changes, 1); // rewritten with the same text
    }

    void changedTextReplacesTheSurfaceWithoutAMessage() {
        ScriptedPrompter prompter;
        ScriptedWordProcessor word;
        word.editInDialog = [](const QString&) { return QString("The cat\r"); };
        FakeSurface surface;
        surface.setText("Teh cat");
        SpellCheck::mnuGrammar_Click(surface, nullptr);
        QVERIFY(prompter.messages.isEmpty());
        QCOMPARE(surface.text(), "The cat");
    }

    // The document keeps paragraphs apart with CR; the check hands it CR LF and turns
    // every CR it gets back into CR LF.
    void linesComeBackWithCrLf() {
        ScriptedPrompter prompter;
        ScriptedWordProcessor word;
        QString handedOver;
        word.editInDialog = [&](const QString& content) {
            handedOver = content;
            return QString("First line\rSecond line\r\rFourth\r");
        };
        FakeSurface surface;
        surface.setText("Frist line\r\nSecond line\r\n\r\nFourth");
        SpellCheck::CheckGrammar(surface, nullptr);
        QCOMPARE(handedOver, "Frist line\r\nSecond line\r\n\r\nFourth");
        QCOMPARE(surface.text(), "First line\r\nSecond line\r\n\r\nFourth");
        QVERIFY(prompter.messages.isEmpty());
    }

    void emptyTextIsNotChecked() {
        ScriptedPrompter prompter;
        ScriptedWordProcessor word;
        FakeSurface surface;
        SpellCheck::mnuGrammar_Click(surface, nullptr);
        QCOMPARE(prompter.messages.size(), 1);
        QCOMPARE(prompter.messages[0].text, "No text to check spelling / grammar");
        QCOMPARE(prompter.messages[0].title, "Quillet");
        QCOMPARE(prompter.messages[0].icon, Icon::Information);
        QCOMPARE(m_waits, 0);
        QVERIFY(word.calls.isEmpty());

        SpellCheck::CheckGrammar(surface, nullptr); // the routine alone says nothing
        QCOMPARE(prompter.messages.size(), 1);
        QVERIFY(word.calls.isEmpty());
    }

    // Whichever call fails, the message comes once, what exists is released, nothing
    // after the failure is called and the surface keeps its text.
    void failureShowsOneMessageAndLeavesTheText() {
        const struct {
            const char* failingCall;
            QStringList callsAfterFailure;
        } cases[] = {
            {"create", {}},
            {"Version", {"release application"}},
            {"CheckGrammar", {"release document", "release application"}},
            {"Close", {"release document", "release application"}},
        };
        for (const auto& c : cases) {
            ScriptedPrompter prompter;
            ScriptedWordProcessor word;
            word.failingCall = c.failingCall;
            word.failure = {429, "ActiveX component can't create object"};
            word.editInDialog = [](const QString&) { return QString("Changed\r"); };
            FakeSurface surface;
            surface.setText("Kept as it is");
            SpellCheck::mnuGrammar_Click(surface, nullptr);

            QCOMPARE(prompter.messages.size(), 1);
            const Prompter::Message& message = prompter.messages[0];
            QCOMPARE(message.title, "Error #: 429");
            QCOMPARE(message.text,
                     "ActiveX component can't create object\r\r" + kMissingWordProcessor);
            QCOMPARE(message.icon, Icon::Critical);
            QCOMPARE(surface.text(), "Kept as it is");
            const int failedAt = word.calls.indexOf(
                QRegularExpression(QRegularExpression::escape(c.failingCall) + ".*"));
            QCOMPARE(word.calls.mid(failedAt + 1), c.callsAfterFailure);
        }
    }

    void waitWindowClosesItselfAfterTwoSeconds() {
        SpellCheck::installWaitWindow({});
        ScriptedPrompter prompter;
        ScriptedWordProcessor word;
        FakeSurface surface;
        surface.setText("x");
        QString caption, label;
        bool modal = false;
        QTimer::singleShot(100, [&] {
            if (auto* wait = qobject_cast<WaitWindow*>(QApplication::activeModalWidget())) {
                caption = wait->windowTitle();
                label = wait->findChild<QLabel*>("Label1")->text();
                modal = wait->isModal();
                QCOMPARE(word.calls.size(), 0); // the word processor waits for it
            }
        });
        QElapsedTimer clock;
        clock.start();
        SpellCheck::mnuGrammar_Click(surface, nullptr);
        // A coarse timer, as Qt makes by default, may fire up to 5% early.
        QVERIFY(clock.elapsed() >= WaitWindow::kInterval * 95 / 100);
        QCOMPARE(caption, "Wait");
        QCOMPARE(label, "Please wait !! Searching for components");
        QVERIFY(modal);
        QCOMPARE(word.calls.first(), "create");
    }
};

QTEST_MAIN(TestSpellCheck)
#include "tst_spell_check.moc"

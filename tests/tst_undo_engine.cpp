#include "support/FakeSurface.h"
#include "support/ScriptedPrompter.h"
#include "support/UndoEngineProbe.h"
#include "undo/UndoHistory.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTimer>
#include <QWidget>
#include <QtTest>

namespace {

constexpr int kEnter = 13;
constexpr int kCtrl = 2;

// A host window, a surface and an engine watching it.
struct Rig {
    explicit Rig(int delay = 10000) { engine.Create(&host, &surface, delay); }

    // Ends the pending step the way Enter does, without typing the line break.
    void endStep() { surface.pressKey(kEnter); }
    // Types each text as a step of its own.
    void steps(std::initializer_list<const char*> texts) {
        for (const char* text : texts) {
            surface.type(text);
            endStep();
        }
    }

    QWidget host;
    FakeSurface surface;
    UndoHistory engine;
};

// A surface whose content string is whatever the test sets, so records can be checked
// against hand-made contents.
class StringSurface : public FakeSurface {
public:
    QString textRTF() const override { return content; }
    void setTextRTF(const QString& rtf) override { content = rtf; }
    void spliceTextRTF(const QString& current, int head, const QString& block, int tail) override {
        EditingSurface::spliceTextRTF(current, head, block, tail);
    }
    void change(const QString& now) {
        content = now;
        emit changed();
    }

    QString content;
};

} // namespace

class TestUndoEngine : public QObject {
    Q_OBJECT
private slots:
    void createStartsWithAnEmptyHistory() {
        QWidget host;
        FakeSurface surface;
        surface.setText("already here");
        UndoHistory engine;
        QSignalSpy stateChanged(&engine, &UndoHistory::StateChanged);
        QVERIFY(engine.Create(&host, &surface, 250));

        QCOMPARE(stateChanged.count(), 2); // the base record, then the end of Reset
        QCOMPARE(engine.getUndoCount(), 0);
        QCOMPARE(engine.getRedoCount(), 0);
        QVERIFY(!engine.canUndo());
        QVERIFY(!engine.canRedo());
        QVERIFY(!engine.IgnoreChange());

        auto* timer = host.findChild<QTimer*>("UndoTimer_RichTextBox1");
        QVERIFY(timer);
        QVERIFY(timer->isSingleShot());
        QCOMPARE(timer->interval(), 250);
        QVERIFY(!timer->isActive());
        surface.type("x");
        QVERIFY(timer->isActive());
    }

    void createWithoutASurfaceReportsTheFailure() {
        ScriptedPrompter prompter;
        QWidget host;
        FakeSurface surface;
        UndoHistory engine;
        QVERIFY(!engine.Create(&host, nullptr, 250));
        QVERIFY(!engine.Create(nullptr, &surface, 250));
        QCOMPARE(prompter.messages.size(), 2);
        QCOMPARE(prompter.messages[0].title, QString("Quillet.clsUndo - Unexpected Error No. 91"));
        QCOMPARE(prompter.messages[0].text,
                 QString("Object variable or With block variable not set"));
        QCOMPARE(prompter.messages[0].icon, Prompter::Icon::Warning);
        QVERIFY(!host.findChild<QTimer*>());
        surface.type("abc"); // not watched: nothing happens
        QCOMPARE(engine.getUndoCount(), 0);
    }

    void keystrokesWithinTheDelayFormOneStep() {
        Rig rig(200);
        rig.surface.type("a");
        QTest::qWait(20);
        rig.surface.type("b");
        QTest::qWait(20);
        rig.surface.type("c");
        QCOMPARE(rig.engine.getUndoCount(), 0);
        QTRY_COMPARE(rig.engine.getUndoCount(), 1);
        QVERIFY(rig.engine.canUndo());

        rig.engine.Undo(1);
        QCOMPARE(rig.surface.text(), QString());
        QCOMPARE(rig.surface.selStart(), 0);
        rig.engine.Redo(1);
        QCOMPARE(rig.surface.text(), QString("abc"));
        QCOMPARE(rig.surface.selStart(), 3);
    }

    void spaceEndsTheWordBeforeTheSpaceIsTyped() {
        Rig rig;
        rig.surface.type("hello");
        rig.surface.pressKey(32);
        QCOMPARE(rig.engine.getUndoCount(), 1);
        rig.steps({" world"});
        QCOMPARE(rig.engine.getUndoCount(), 2);
        rig.engine.Undo(1);
        QCOMPARE(rig.surface.text(), QString("hello"));
    }

    void keysThatEndAStep_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("shift");
        QTest::addColumn<bool>("endsStep");
        // Enter, Space, Page Up to Print Screen and F1 to F12 end a step, whatever the Shift state.
        QTest::newRow("Enter") << 13 << 0 << true;
        QTest::newRow("Shift+Enter") << 13 << 1 << true;
        QTest::newRow("Space") << 32 << 0 << true;
        QTest::newRow("Page Up") << 33 << 0 << true;
        QTest::newRow("Print Screen") << 44 << 0 << true;
        QTest::newRow("F1") << 112 << 0 << true;
        QTest::newRow("F12") << 123 << 0 << true;
        QTest::newRow("Backspace") << 8 << 0 << false;
        QTest::newRow("Escape") << 27 << 0 << false;
        QTest::newRow("Insert") << 45 << 0 << false;
        QTest::newRow("A") << 65 << 0 << false;
        QTest::newRow("F13") << 124 << 0 << false;
    }

    void keysThatEndAStep() {
        QFETCH(int, key);
        QFETCH(int, shift);
        QFETCH(bool, endsStep);
        Rig rig;
        rig.surface.type("abc");
        QCOMPARE(rig.surface.pressKey(key, shift), key); // the key itself still acts
        QCOMPARE(rig.engine.getUndoCount(), endsStep ? 1 : 0);
    }

    void mousePressEndsAStep() {
        Rig rig;
        rig.surface.pressMouse(); // nothing pending: nothing recorded
        QCOMPARE(rig.engine.getUndoCount(), 0);
        rig.surface.type("abc");
        rig.surface.pressMouse(2);
        QCOMPARE(rig.engine.getUndoCount(), 1);
    }

    void ctrlZAndCtrlYAreTakenByTheEngine_data() {
        QTest::addColumn<int>("shift");
        QTest::addColumn<bool>("taken");
        QTest::newRow("Ctrl") << kCtrl << true;
        QTest::newRow("none") << 0 << false;
        QTest::newRow("Ctrl+Shift") << 3 << false;
        QTest::newRow("Ctrl+Alt") << 6 << false;
    }

    void ctrlZAndCtrlYAreTakenByTheEngine() {
        QFETCH(int, shift);
        QFETCH(bool, taken);
        Rig rig;
        rig.steps({"abc"});

        QCOMPARE(rig.surface.pressKey(90, shift), taken ? 0 : 90);
        QCOMPARE(rig.surface.text(), taken ? QString() : QString("abc"));
        QCOMPARE(rig.surface.pressKey(89, shift), taken ? 0 : 89);
        QCOMPARE(rig.surface.text(), QString("abc"));
        QCOMPARE(rig.engine.getUndoCount(), 1);

        // With nothing to take back the key is still swallowed, so the control's own undo
        // never acts.
        rig.engine.Reset();
        QCOMPARE(rig.surface.pressKey(90, shift), taken ? 0 : 90);
        QCOMPARE(rig.surface.text(), QString("abc"));
    }

    void aPendingChangeIsRecordedBeforeUndoAndRedo() {
        Rig rig;
        rig.steps({"one"});
        rig.surface.type(" two");
        rig.surface.pressKey(90, kCtrl);
        QCOMPARE(rig.surface.text(), QString("one"));
        QCOMPARE(rig.engine.getUndoCount(), 1);
        QCOMPARE(rig.engine.getRedoCount(), 1);

        rig.surface.type("!"); // pending when Redo comes: a new step, nothing left to redo
        QSignalSpy stateChanged(&rig.engine, &UndoHistory::StateChanged);
        rig.surface.pressKey(89, kCtrl);
        QCOMPARE(rig.surface.text(), QString("one!"));
        QCOMPARE(rig.engine.getUndoCount(), 2);
        QCOMPARE(rig.engine.getRedoCount(), 0);
        QCOMPARE(stateChanged.count(), 1); // the recorded step; Redo itself had nothing to do
    }

    void anUnchangedContentRecordsNothing() {
        Rig rig(30);
        rig.steps({"ab"});
        rig.engine.Undo(1);
        rig.surface.type("x");
        rig.surface.backspace();
        QSignalSpy stateChanged(&rig.engine, &UndoHistory::StateChanged);
        QTest::qWait(100); // the timer fires on a content equal to the last one
        QCOMPARE(stateChanged.count(), 0);
        QCOMPARE(rig.engine.getUndoCount(), 0);
        QCOMPARE(rig.engine.getRedoCount(), 1);
    }

    void stepCountsAreClampedAndZeroStepsDoNothing() {
        Rig rig;
        rig.steps({"one", "two", "six"});
        QSignalSpy stateChanged(&rig.engine, &UndoHistory::StateChanged);
        rig.engine.Undo(0);
        rig.engine.Redo(1);
        rig.engine.Redo(-3);
        QCOMPARE(stateChanged.count(), 0);

        rig.engine.Undo(1000);
        QCOMPARE(rig.surface.text(), QString());
        QCOMPARE(rig.engine.getUndoCount(), 0);
        QCOMPARE(rig.engine.getRedoCount(), 3);
        QVERIFY(!rig.engine.canUndo());
        QVERIFY(rig.engine.canRedo());
        rig.engine.Undo(1);
        QCOMPARE(stateChanged.count(), 1); // the base record is never undone

        rig.engine.Redo(2);
        QCOMPARE(rig.surface.text(), QString("onetwo"));
        rig.engine.Redo(1000);
        QCOMPARE(rig.surface.text(), QString("onetwosix"));
        QCOMPARE(rig.engine.getRedoCount(), 0);
        QCOMPARE(stateChanged.count(), 3);
    }

    void aNewChangeDiscardsTheRedoList() {
        Rig rig;
        rig.steps({"a", "b", "c"});
        rig.engine.Undo(2);
        QVERIFY(rig.engine.canRedo());
        rig.surface.type("z");
        QVERIFY(rig.engine.canRedo()); // still pending
        rig.endStep();
        QVERIFY(!rig.engine.canRedo());
        QCOMPARE(rig.engine.getRedoCount(), 0);
        rig.engine.Undo(1);
        QCOMPARE(rig.surface.text(), QString("a"));
    }

    void ignoredChangesBecomeOneStep() {
        Rig rig;
        rig.steps({"base"});
        rig.engine.Undo(1);
        rig.engine.Redo(1);
        rig.engine.Undo(1);
        QSignalSpy stateChanged(&rig.engine, &UndoHistory::StateChanged);

        rig.engine.IgnoreChange(true);
        QCOMPARE(stateChanged.count(), 1);
        QVERIFY(rig.engine.IgnoreChange());
        QVERIFY(!rig.engine.canUndo() && !rig.engine.canRedo());
        QCOMPARE(rig.engine.getRedoCount(), 1);
        rig.steps({"first"});
        rig.surface.type(" second");
        rig.surface.pressMouse();
        QCOMPARE(rig.engine.getUndoCount(), 0);
        QCOMPARE(stateChanged.count(), 1);

        rig.engine.IgnoreChange(false);
        QCOMPARE(rig.engine.getUndoCount(), 1);
        QCOMPARE(rig.engine.getRedoCount(), 0);
        QCOMPARE(stateChanged.count(), 3); // the step, then the switch itself
        rig.engine.Undo(1);
        QCOMPARE(rig.surface.text(), QString());

        rig.engine.IgnoreChange(false); // already recording: no snapshot of its own
        QCOMPARE(rig.engine.getRedoCount(), 1);
    }

    void resetForgetsTheHistoryButNotTheText() {
        Rig rig;
        rig.steps({"one", "two"});
        rig.engine.Undo(1);
        rig.surface.type("pending");
        QSignalSpy stateChanged(&rig.engine, &UndoHistory::StateChanged);
        rig.engine.Reset();
        QCOMPARE(stateChanged.count(), 2);
        QCOMPARE(rig.surface.text(), QString("onepending"));
        QCOMPARE(rig.engine.getUndoCount(), 0);
        QCOMPARE(rig.engine.getRedoCount(), 0);
        rig.endStep(); // the pending typing now belongs to the base
        QCOMPARE(rig.engine.getUndoCount(), 0);
    }

    void selectionIsRestoredOnBothSides_data() {
        QTest::addColumn<bool>("caretMoveFirst");
        QTest::addColumn<int>("restoredLength");
        // Undo gives back the selection one report before the step's first change: the
        // replaced selection itself only when the control reports the caret move first.
        QTest::newRow("change reported first") << false << 0;
        QTest::newRow("caret move reported first") << true << 2;
    }

    void selectionIsRestoredOnBothSides() {
        QFETCH(bool, caretMoveFirst);
        QFETCH(int, restoredLength);
        Rig rig;
        rig.surface.caretMoveFirst = caretMoveFirst;
        rig.steps({"abcd"});
        rig.surface.setSelStart(1);
        rig.surface.setSelLength(2);
        rig.steps({"X"});
        rig.surface.setSelStart(0); // moves made after the step do not matter

        rig.engine.Undo(1);
        QCOMPARE(rig.surface.text(), QString("abcd"));
        QCOMPARE(rig.surface.selStart(), 1);
        QCOMPARE(rig.surface.selLength(), restoredLength);
        rig.engine.Redo(1);
        QCOMPARE(rig.surface.text(), QString("aXd"));
        QCOMPARE(rig.surface.selStart(), 2);
        QCOMPARE(rig.surface.selLength(), 0);
    }

    void onlyUndoSuspendsRedrawing() {
        Rig rig;
        rig.steps({"a", "b", "c"});
        rig.engine.Undo(3);
        QCOMPARE(rig.surface.redrawSuspensions, 3);
        QCOMPARE(rig.surface.redrawResumptions, 3);
        QVERIFY(rig.surface.redrawing);
        rig.engine.Redo(3);
        QCOMPARE(rig.surface.redrawSuspensions, 3);
    }

    void fontResetRunsOnEveryChangeWithoutRecursion() {
        Rig rig;
        int resets = 0;
        rig.engine.setFontReset([&] {
            ++resets;
            rig.surface.setFontNameAndSize("Verdana", 11);
            emit rig.surface.changed(); // as a control that reports format changes would
        });
        rig.surface.type("ab");
        QCOMPARE(resets, 2);
        rig.endStep();
        rig.engine.Undo(1);
        QCOMPARE(resets, 3);
        QVERIFY(!rig.host.findChild<QTimer*>()->isActive()); // a replay leaves nothing pending
        rig.engine.Redo(1);
        QCOMPARE(resets, 4);
        QCOMPARE(rig.surface.text(), QString("ab"));
        QVERIFY(rig.surface.textRTF().contains("Verdana"));
    }

    void matchingCharsAgreesWithACharacterScan() {
        QRandomGenerator random(7);
        for (int round = 0; round < 2000; ++round) {
            // A small alphabet makes long common runs and near misses likely.
            QString a;
            for (int i = int(random.bounded(40)); i > 0; --i)
                a += QChar(u'a' + random.bounded(2));
            QString b = a.left(random.bounded(int(a.size()) + 1));
            for (int i = int(random.bounded(5)); i > 0; --i)
                b += QChar(u'a' + random.bounded(2));
            int left = 0;
            while (left < a.size() && left < b.size() && a[left] == b[left])
                ++left;
            int right = 0;
            while (right < a.size() && right < b.size() &&
                   a[a.size() - 1 - right] == b[b.size() - 1 - right])
                ++right;
            QCOMPARE(UndoEngineProbe::matchingChars(a, b, false), left);
            QCOMPARE(UndoEngineProbe::matchingChars(a, b, true), right);
        }
    }

    void recordsHoldTheBlocksBetweenTheCommonRuns_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<QString>("blockBefore");
        QTest::addColumn<QString>("blockAfter");
        // The trailing run is sought only in what follows the leading one.
        for (const auto& [before, after, left, right, blockBefore, blockAfter] :
             {std::tuple("aa", "aaa", 2, 0, "", "a"),
              {"abXcd", "abYcd", 2, 2, "X", "Y"},
              {"aaa", "aa", 2, 0, "a", ""}})
            QTest::newRow(after) << QString(before) << QString(after) << left << right
                                 << QString(blockBefore) << QString(blockAfter);
    }

    void recordsHoldTheBlocksBetweenTheCommonRuns() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QWidget host;
        StringSurface surface;
        surface.content = before;
        UndoHistory engine;
        engine.Create(&host, &surface, 10000);
        surface.change(after);
        surface.pressKey(kEnter);

        const UndoStep& record = UndoEngineProbe::undoList(engine).back();
        QTEST(int(record.MatchingCharsFromLeft), "left");
        QTEST(int(record.MatchingCharsFromRight), "right");
        QTEST(record.TextBlock_BeforeChange, "blockBefore");
        QTEST(record.TextBlock_AfterChange, "blockAfter");
        engine.Undo(1);
        QCOMPARE(surface.content, before);
        engine.Redo(1);
        QCOMPARE(surface.content, after);
    }

    void randomEditsUndoAndRedoExactly() {
        Rig rig;
        QRandomGenerator random(42);
        const QStringList pieces = {
            "word", " ", "[b]", QString::fromUtf8("ü€"), QString::fromUtf8("😀"), "{\\}", "\t"};
        QStringList history = {rig.surface.textRTF()};
        for (int step = 0; step < 60; ++step) {
            for (int edits = int(random.bounded(1, 4)); edits > 0; --edits) {
                const int length = rig.surface.document.characterCount() - 1;
                rig.surface.setSelStart(random.bounded(length + 1));
                switch (random.bounded(5)) {
                case 0: { // a formatted stretch
                    rig.surface.setSelLength(random.bounded(length - rig.surface.selStart() + 1));
                    QTextCharFormat format;
                    format.setFontWeight(random.bounded(2) ? QFont::Bold : QFont::Normal);
                    format.setForeground(QColor::fromHsv(random.bounded(360), 255, 200));
                    rig.surface.mergeFormatOnSelection(format);
                    break;
                }
                case 1: // a deletion
                    rig.surface.setSelLength(random.bounded(6));
                    rig.surface.setSelText(QString());
                    break;
                case 2: // a new paragraph
                    rig.surface.setSelText("\n");
                    break;
                default:
                    rig.surface.type(pieces[random.bounded(int(pieces.size()))]);
                }
            }
            const int countBefore = rig.engine.getUndoCount();
            rig.endStep();
            if (rig.engine.getUndoCount() > countBefore)
                history.append(rig.surface.textRTF());
        }
        QVERIFY(history.size() > 40);

        // Each record splices its two blocks between the same head and tail.
        const auto& records = UndoEngineProbe::undoList(rig.engine);
        QCOMPARE(int(records.size()), int(history.size()));
        for (int i = 1; i < history.size(); ++i) {
            const UndoStep& e = records[i];
            const QString& before = history[i - 1];
            const QString& after = history[i];
            QVERIFY(e.MatchingCharsFromLeft + e.MatchingCharsFromRight <=
                    std::min(before.size(), after.size()));
            QCOMPARE(before.left(e.MatchingCharsFromLeft) + e.TextBlock_BeforeChange +
                         before.right(e.MatchingCharsFromRight),
                     before);
            QCOMPARE(after.left(e.MatchingCharsFromLeft) + e.TextBlock_AfterChange +
                         after.right(e.MatchingCharsFromRight),
                     after);
            QCOMPARE(before.left(e.MatchingCharsFromLeft), after.left(e.MatchingCharsFromLeft));
        }

        for (int i = history.size() - 2; i >= 0; --i) {
            rig.engine.Undo(1);
            QCOMPARE(rig.surface.textRTF(), history[i]);
        }
        rig.engine.Redo(rig.engine.getRedoCount());
        QCOMPARE(rig.surface.textRTF(), history.last());
        rig.engine.Undo(rig.engine.getUndoCount());
        QCOMPARE(rig.surface.textRTF(), history.first());
    }
};

QTEST_MAIN(TestUndoEngine)
#include "tst_undo_engine.moc"

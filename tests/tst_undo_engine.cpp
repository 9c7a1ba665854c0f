#include "platform/VirtualKeys.h"
#include "support/FakeSurface.h"
#include "support/UndoEngineProbe.h"
#include "undo/UndoHistory.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <functional>

namespace {

// A host window, a surface and an engine watching it with an idle delay of 200 ms.
struct Rig {
    Rig() { engine.attach(&host, &surface, 200); }

    // Ends the pending step the way Enter does, without typing the line break.
    void endStep() { surface.pressKey(VirtualKeys::Return); }

    // Plays a script of user actions separated by spaces:
    //   'abc   types abc             .  Enter: ends the pending step
    //   <      Backspace             m  a mouse press
    //   k90+2  key 90, shift mask 2  s1,2  selects 2 characters from 1
    //   u2 r2  Undo, Redo 2 steps    x  reset
    //   p      a pause within the idle delay
    //   w      waits until the idle delay has passed
    //   c      from now on the surface reports a caret move before the change
    // and returns "text|selStart,selLength|undoCount/redoCount|stateChanged|keys swallowed".
    QString play(const QString& script) {
        QSignalSpy stateChanged(&engine, &UndoHistory::stateChanged);
        int swallowed = 0;
        const auto number = [](const QString& text, int part) {
            return text.section(QRegularExpression("[+,]"), part, part).toInt();
        };
        const QHash<char16_t, std::function<void(const QString&)>> actions = {
            {u'\'', [&](const QString& text) { surface.type(text); }},
            {u'.', [&](const QString&) { endStep(); }},
            {u'<', [&](const QString&) { surface.backspace(); }},
            {u'm', [&](const QString&) { surface.pressMouse(); }},
            {u'k',
             [&](const QString& key) {
                 swallowed += surface.pressKey(number(key, 0), number(key, 1)) != number(key, 0);
             }},
            {u's', [&](const QString& at) { surface.select(number(at, 0), number(at, 1)); }},
            {u'u', [&](const QString& steps) { engine.undo(steps.toInt()); }},
            {u'r', [&](const QString& steps) { engine.redo(steps.toInt()); }},
            {u'x', [&](const QString&) { engine.reset(); }},
            {u'p', [&](const QString&) { QTest::qWait(20); }},
            {u'w', [&](const QString&) { QTRY_VERIFY(!host.findChild<QTimer*>()->isActive()); }},
            {u'c', [&](const QString&) { surface.caretMoveFirst = true; }},
        };
        for (const QString& action : script.split(' ', Qt::SkipEmptyParts))
            actions.value(action[0].unicode())(action.mid(1));
        return surface.text() + QString::asprintf("|%d,%d|%d/%d|%d|%d", surface.selStart(),
                                                  surface.selLength(), engine.undoCount(),
                                                  engine.redoCount(), int(stateChanged.count()),
                                                  swallowed);
    }

    QWidget host;
    FakeSurface surface;
    UndoHistory engine;
};

} // namespace

class TestUndoEngine : public QObject {
    Q_OBJECT
private slots:
    void scripts_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("outcome");
        const auto row = [](const char* name, const char* script, const char* outcome) {
            QTest::newRow(name) << QString(script) << QString(outcome);
        };
        // Steps end at the idle delay, at a mouse press, and before Enter, Space to Print
        // Screen and F1 to F12 act, whatever the Shift state; no other key ends one.
        row("the delay ends one step", "'a p 'b p 'c w", "abc|3,0|1/0|1|0");
        row("keys that end a step, and keys that do not",
            "'a k13 'b k13+1 'c k32 'd k44 'e k112 'f k123 'g k8 k27 k45 k65 k124",
            "abcdefg|7,0|6/0|6|0");
        row("mouse press", "m 'abc m", "abc|3,0|1/0|1|0");
        row("unchanged content records nothing", "'ab . u1 'x < w", "|0,0|0/1|2|0");
        // Ctrl+Z and Ctrl+Y are swallowed, even with nothing to do, but only with Ctrl alone.
        row("Ctrl+Z, Ctrl+Y, both with nothing to do", "'abc . k90+2 k89+2 k89+2 x k90+2",
            "abc|3,0|0/0|5|4");
        row("Z and Y, with Shift or Alt", "'abc . k90 k89 k90+3 k89+3 k90+6 k89+6",
            "abc|3,0|1/0|1|0");
        // A change still pending is recorded first, before Undo and before Redo, where it
        // leaves nothing to redo.
        row("pending before Undo and Redo", "'one . 'two k90+2 '! k89+2", "one!|4,0|2/0|4|2");
        // Counts are clamped, and the base record is never undone.
        row("zero and negative counts, undo past the base",
            "'one . 'two . 'six . u0 r1 r-3 u1000 u1", "|0,0|0/3|4|0");
        row("redo some", "'one . 'two . 'six . u1000 r2", "onetwo|6,0|2/1|5|0");
        row("redo past the end", "'one . 'two . 'six . u1000 r2 r1000", "onetwosix|9,0|3/0|6|0");
        // A new step discards the redo list, once it is recorded.
        row("pending after undo", "'a . 'b . 'c . u2 'z", "az|2,0|1/2|4|0");
        row("recorded after undo", "'a . 'b . 'c . u2 'z .", "az|2,0|2/0|5|0");
        row("reset keeps the text", "'one . 'two . u1 'pending x .", "onepending|10,0|0/0|5|0");
        // Undo gives back the selection one report before the step's first change: the
        // replaced selection itself only when the surface reports the caret move first.
        row("selection, change first", "'abcd . s1,2 'X . s0,0 u1", "abcd|1,0|1/1|3|0");
        row("selection, caret first", "c 'abcd . s1,2 'X . s0,0 u1", "abcd|1,2|1/1|3|0");
        row("selection after redo", "c 'abcd . s1,2 'X . s0,0 u1 r1", "aXd|2,0|2/0|4|0");
    }

    void scripts() {
        QFETCH(QString, script);
        Rig rig;
        QTEST(rig.play(script), "outcome");
    }

    // A step holds the paragraphs its change touched ("first:before>after"); Undo and Redo
    // give back the content, its formats and the selection exactly.
    void stepsHoldTheParagraphsTheyTouch_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("typed"); // "*" colours the selection instead
        QTest::addColumn<QString>("paragraphs");
        QTest::newRow("Enter") << "ab\ncd" << 1 << 0 << "\n"
                               << "0:1>2";
        QTest::newRow("a line break deleted") << "ab\ncd\nef" << 2 << 1 << ""
                                              << "0:2>1";
        QTest::newRow("several lines pasted") << "ab\ncd\nef" << 4 << 0 << "x\ny\nz"
                                              << "1:1>3";
        QTest::newRow("three paragraphs replaced") << "a\nb\nc\nd" << 1 << 4 << "X"
                                                   << "0:3>1";
        QTest::newRow("a colour over two paragraphs") << "ab\ncd\nef" << 4 << 3 << "*"
                                                      << "1:2>2";
        QTest::newRow("at the very end") << "ab\ncd" << 5 << 0 << "!"
                                         << "1:1>1";
    }

    void stepsHoldTheParagraphsTheyTouch() {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, typed);
        Rig rig;
        rig.surface.caretMoveFirst = true; // so the step keeps the replaced selection
        rig.surface.setText(text);
        rig.engine.reset();
        const QString before = rig.surface.rtf();
        rig.surface.select(start, length);
        if (typed == "*") {
            QTextCharFormat red;
            red.setForeground(Qt::red);
            rig.surface.mergeFormatOnSelection(red);
        } else {
            rig.surface.setSelText(typed);
        }
        rig.endStep();
        const QString after = rig.surface.rtf();
        const ParagraphChange step = UndoEngineProbe::undoList(rig.engine).back().change();
        QTEST(QString("%1:%2>%3").arg(step.first).arg(step.countBefore).arg(step.countAfter),
              "paragraphs");
        rig.engine.undo(1);
        QCOMPARE(rig.surface.rtf(), before);
        QCOMPARE(rig.surface.selStart(), start);
        QCOMPARE(rig.surface.selLength(), length);
        rig.engine.redo(1);
        QCOMPARE(rig.surface.rtf(), after);
    }

    void onlyUndoSuspendsRedrawingAndEveryChangeResetsTheFont() {
        Rig rig;
        int resets = 0;
        rig.engine.setFontReset([&] {
            ++resets;
            emit rig.surface.changed(); // as a control that reports format changes would
        });
        rig.play("'ab . u1"); // two typed characters and the undo: three changes
        QCOMPARE(resets, 3);
        QVERIFY(!rig.host.findChild<QTimer*>()->isActive()); // a replay leaves nothing pending
        rig.engine.redo(1);
        QCOMPARE(resets, 4);
        QCOMPARE(rig.surface.redrawSuspensions, 1); // by the undo alone
        QCOMPARE(rig.surface.redrawResumptions, 1);
    }

    void randomEditsUndoAndRedoExactly() {
        Rig rig;
        QRandomGenerator random(42);
        const QStringList pieces = {
            "word", " ", "[b]", QString::fromUtf8("ü€"), QString::fromUtf8("😀"), "{\\}", "\t"};
        QStringList history = {rig.surface.rtf()};
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
            rig.endStep();
            if (rig.surface.rtf() != history.last())
                history.append(rig.surface.rtf());
        }
        QVERIFY(history.size() > 40);

        // Each record turns the content before it into the content after it, and back, by
        // replacing its paragraphs alone.
        const auto& records = UndoEngineProbe::undoList(rig.engine);
        QCOMPARE(int(records.size()), int(history.size()));
        const auto replaced = [](const QString& rtf, int first, int count,
                                 const QByteArray& image) {
            QTextDocument document;
            RtfReader::read(rtf, document);
            RtfParagraphs::replace(document, first, count, image);
            return RtfWriter::write(document);
        };
        for (int i = 1; i < history.size(); ++i) {
            const ParagraphChange e = records[i].change();
            QCOMPARE(replaced(history[i - 1], e.first, e.countBefore, e.after), history[i]);
            QCOMPARE(replaced(history[i], e.first, e.countAfter, e.before), history[i - 1]);
        }

        for (int i = history.size() - 2; i >= 0; --i) {
            rig.engine.undo(1);
            QCOMPARE(rig.surface.rtf(), history[i]);
        }
        rig.engine.redo(rig.engine.redoCount());
        QCOMPARE(rig.surface.rtf(), history.last());
        rig.engine.undo(rig.engine.undoCount());
        QCOMPARE(rig.surface.rtf(), history.first());
    }
};

QTEST_MAIN(TestUndoEngine)
#include "tst_undo_engine.moc"

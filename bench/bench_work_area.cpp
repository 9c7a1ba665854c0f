// The work area as a user meets it, driven through its keys and menu items with the event
// processing each causes, on four texts: 1 MB and 10 MB of short lines and of long
// paragraphs, one of each size with a coloured or struck-out word every four words. Beside
// each figure, the same action on a bare QTextEdit holding the same text, in the same run;
// both go to the table printed at the end.
#include "BareEditor.h"
#include "ComparisonTable.h"
#include "Keyboard.h"
#include "PaintCounter.h"
#include "Samples.h"
#include "StallProbe.h"
#include "WorkAreaDriver.h"
#include "bench_documents.h"
#include "shell/PostEditor.h"
#include "undo/UndoHistory.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <benchmark/benchmark.h>
#include <functional>

using BenchDocuments::Shape;
using BenchDocuments::WorkText;

namespace {

constexpr int kMegabyte = 1 << 20;
constexpr int kHistorySteps = 1000;
constexpr int kTypingPaceMs = 40; // a fast typist
constexpr int kSettleMs = 1000;   // what follows an action: idle timers, deferred work
const QString kWord = QStringLiteral("word ");

// How much of each measurement a text gets: the 10 MB texts fewer repetitions, and only
// the first text a history of kHistorySteps steps.
struct Repetitions {
    int wordsPerPlace; // typed at the end and again in the middle
    int undoRedo;
    bool history; // Undo All and Redo All of kHistorySteps steps
    bool preview;
};

Repetitions repetitionsFor(const WorkText& text) {
    if (text.size > kMegabyte)
        return {3, 2, false, false};
    return {12, 5, text.shape == Shape::ShortLines && !text.formatted, true};
}

// The work area and the bare control side by side, holding the same text.
struct SideBySide {
    explicit SideBySide(const QString& rtf) : bare(work.editor().size()) {
        work.load(rtf);
        bare.load(rtf);
    }

    WorkAreaDriver work;
    BareEditor bare;
    Keyboard workKeys{work.editor()};
    Keyboard bareKeys{bare};
};

int middleOf(const QTextEdit& editor) {
    return editor.document()->characterCount() / 2;
}

void report(benchmark::State& state, const QString& rowName, const QString& action,
            const std::string& counter, double quillet, double bare = -1) {
    state.counters[counter] = quillet;
    if (bare >= 0)
        state.counters[counter + "_bare"] = bare;
    ComparisonTable::add(rowName, action, quillet, bare);
}

void report(benchmark::State& state, const WorkText& text, const QString& action,
            const std::string& counter, double quillet, double bare = -1) {
    report(state, BenchDocuments::describe(text), action, counter, quillet, bare);
}

void switchAidsOff(WorkAreaDriver& work) {
    for (const char* aid : {"mnuSpellAsYouType", "mnuColourTags", "mnuCompleteTags"})
        work.choose(aid);
}

// Words typed at the end of the text and in its middle, a word in each control in turn.
void measureTyping(benchmark::State& state, const QString& rowName, SideBySide& editors,
                   int wordsPerPlace) {
    Samples letters, spaces, bareLetters, bareSpaces;
    for (bool middle : {false, true}) {
        for (QTextEdit* editor : {&editors.work.editor(), static_cast<QTextEdit*>(&editors.bare)})
            Keyboard(*editor).moveCaret(middle ? middleOf(*editor)
                                               : editor->document()->characterCount() - 1);
        for (int i = 0; i < wordsPerPlace; ++i) {
            editors.workKeys.type(kWord, letters, spaces);
            editors.bareKeys.type(kWord, bareLetters, bareSpaces);
        }
    }
    report(state, rowName, "a letter, p50", "letter_p50", letters.median(), bareLetters.median());
    report(state, rowName, "a letter, p95", "letter_p95", letters.percentile(0.95),
           bareLetters.percentile(0.95));
    report(state, rowName, "Space, p50 (bare: a letter)", "space_p50", spaces.median(),
           bareLetters.median());
    report(state, rowName, "Space, p95 (bare: a letter)", "space_p95", spaces.percentile(0.95),
           bareLetters.percentile(0.95));
    // What a Space costs the bare control too: breaking a long paragraph's lines anew.
    report(state, rowName, "Space, p50 (bare: a Space)", "space_p50_space", spaces.median(),
           bareSpaces.median());
}

// Ctrl+Z right after typing a word, then Edit > Redo; the bare control's own undo and redo.
void measureUndoRedo(benchmark::State& state, const WorkText& text, SideBySide& editors,
                     int repetitions) {
    Samples undo, redo, bareUndo, bareRedo, typed;
    for (int i = 0; i < repetitions; ++i) {
        editors.workKeys.type("abc", typed, typed);
        undo.add(editors.workKeys.press(Qt::Key_Z, QString(), Qt::ControlModifier));
        redo.add(editors.work.choose("mnuRedo"));
        editors.bareKeys.type("abc", typed, typed);
        bareUndo.add(millisecondsFor([&] { editors.bare.undo(); }));
        bareRedo.add(millisecondsFor([&] { editors.bare.redo(); }));
    }
    report(state, text, "Undo right after typing, median", "undo", undo.median(),
           bareUndo.median());
    report(state, text, "Redo right after it, median", "redo", redo.median(), bareRedo.median());
}

// A history of one-word steps all over the text, then Undo All and Redo All.
void measureHistory(benchmark::State& state, const WorkText& text, SideBySide& editors) {
    for (QTextEdit* editor : {&editors.work.editor(), static_cast<QTextEdit*>(&editors.bare)}) {
        const int length = editor->document()->characterCount() - 1;
        // A letter and a Space at each place: Space ends the letter's step, the caret's move
        // the Space's.
        for (int place = 0; place < kHistorySteps / 2; ++place) {
            Keyboard keys(*editor);
            keys.moveCaret(int((place * 7919LL) % length));
            keys.press(Qt::Key_W, QStringLiteral("w"));
            keys.press(Qt::Key_Space, QStringLiteral(" "));
        }
        QApplication::processEvents();
    }
    state.counters["history_steps"] = editors.work.workArea().undoHistory().undoCount();
    const int bareSteps = editors.bare.document()->availableUndoSteps();
    for (const bool undo : {true, false}) {
        const QString name = undo ? "Undo All" : "Redo All";
        const std::string counter = undo ? "undo_all" : "redo_all";
        PaintCounter paints(*editors.work.editor().viewport());
        StallProbe probe;
        probe.start();
        const double quillet = editors.work.choose(undo ? "mnuUndoAll" : "mnuRedoAll");
        StallProbe::idle(kSettleMs);
        const double stall = probe.stop();
        const double bare = millisecondsFor([&] {
            for (int i = 0; i < bareSteps; ++i)
                undo ? editors.bare.undo() : editors.bare.redo();
        });
        report(state, text, name + " of 1,000 steps", counter, quillet, bare);
        const int caret = editors.work.editor().textCursor().position();
        report(state, text, name + " (bare: Qt laying the text out to the caret)",
               counter + "_layout", quillet,
               millisecondsFor([&] { editors.bare.layOutAgainTo(caret); }));
        report(state, text, "longest stall, " + name + " and 1 s after", counter + "_stall", stall);
        state.counters[counter + "_paints"] = paints.count();
    }
}

// Tools > Preview, then words typed at a typist's pace with the preview open; the bare
// control types the same words without a preview.
void measurePreview(benchmark::State& state, const WorkText& text, SideBySide& editors) {
    StallProbe probe;
    probe.start();
    const double opening = editors.work.choose("mnuPreview");
    StallProbe::idle(kSettleMs);
    const double openingStall = probe.stop();
    report(state, text, "Preview opens", "preview_open", opening);
    report(state, text, "longest stall, Preview opening and 1 s after", "preview_open_stall",
           openingStall);

    const QString words = kWord.repeated(4);
    double stalls[2];
    int side = 0;
    for (QTextEdit* editor : {&editors.work.editor(), static_cast<QTextEdit*>(&editors.bare)}) {
        Keyboard(*editor).moveCaret(middleOf(*editor));
        StallProbe::idle(kSettleMs); // what earlier actions left to do is not this one's
        probe.start();
        Keyboard(*editor).typeAtPace(words, kTypingPaceMs);
        StallProbe::idle(kSettleMs);
        stalls[side++] = probe.stop();
    }
    report(state, text, "longest stall typing, Preview open", "preview_typing_stall", stalls[0],
           stalls[1]);
    if (QWidget* preview = editors.work.window("frmPreview"))
        preview->close();
}

QString plainLines(int size, int sentencesPerParagraph = 1) {
    const QString sentence = QStringLiteral("Has anyone else seen the loader hang when the "
                                            "cache is [b]full[/b]?");
    const QString paragraph = (sentence + u' ').repeated(sentencesPerParagraph).chopped(1) + u'\n';
    return paragraph.repeated(size / int(paragraph.size()) + 1).left(size);
}

// Ctrl+V of 1 MB into the middle of the text, and the second after it: plain text, and the
// same text as a rich-text control copies it (HTML beside the plain text).
void measurePaste(benchmark::State& state, const WorkText& text, SideBySide& editors) {
    QTextEdit source;
    source.setPlainText(plainLines(kMegabyte));
    source.selectAll();
    for (bool rich : {false, true}) {
        auto* copied = new QMimeData;
        copied->setText(source.toPlainText());
        if (rich)
            copied->setHtml(source.textCursor().selection().toHtml());
        QApplication::clipboard()->setMimeData(copied);
        double pastes[2], stalls[2];
        int side = 0;
        StallProbe probe;
        for (QTextEdit* editor : {&editors.work.editor(), static_cast<QTextEdit*>(&editors.bare)}) {
            Keyboard(*editor).moveCaret(middleOf(*editor));
            StallProbe::idle(kSettleMs);
            probe.start();
            pastes[side] = Keyboard(*editor).press(Qt::Key_V, QString(), Qt::ControlModifier);
            StallProbe::idle(kSettleMs);
            stalls[side++] = probe.stop();
        }
        const QString kind = rich ? "rich text" : "plain text";
        const std::string counter = rich ? "paste_rich" : "paste";
        report(state, text, "Paste of 1 MB of " + kind, counter, pastes[0], pastes[1]);
        report(state, text, "longest stall, Paste of " + kind + " and 1 s after",
               counter + "_stall", stalls[0], stalls[1]);
    }
}

void measureText(benchmark::State& state, WorkText text) {
    const Repetitions repetitions = repetitionsFor(text);
    for (auto _ : state) {
        SideBySide editors(BenchDocuments::rtf(text));
        measureTyping(state, BenchDocuments::describe(text), editors, repetitions.wordsPerPlace);
        measureUndoRedo(state, text, editors, repetitions.undoRedo);
        if (repetitions.history)
            measureHistory(state, text, editors);
        measurePaste(state, text, editors);
    }
}

// Typing with spelling, tag colouring and completion switched off: what the aids cost.
void measureTypingAidsOff(benchmark::State& state, WorkText text) {
    for (auto _ : state) {
        SideBySide editors(BenchDocuments::rtf(text));
        switchAidsOff(editors.work);
        measureTyping(state, BenchDocuments::describe(text) + ", aids off", editors,
                      repetitionsFor(text).wordsPerPlace);
    }
}

// The preview alone, so that it can be measured without the rest.
void measurePreviewOnly(benchmark::State& state, WorkText text) {
    for (auto _ : state) {
        SideBySide editors(BenchDocuments::rtf(text));
        StallProbe::idle(kSettleMs); // what loading left to do is not the preview's
        measurePreview(state, text, editors);
    }
}

void setFileText(QTextEdit& bare, const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        bare.setPlainText(QString::fromUtf8(file.readAll()));
}

// File > Open of a plain text file into an empty post, the longest stall while it opens and
// in the second after; the bare control reads the same file and sets it as its text. The
// arguments: megabytes, long paragraphs (1) or short lines (0), the writing aids on (1) or
// switched off (0).
void measureOpen(benchmark::State& state) {
    const int megabytes = int(state.range(0));
    const bool longParagraphs = state.range(1) != 0;
    const bool aidsOn = state.range(2) != 0;
    QTemporaryDir folder;
    const QString path = folder.filePath("post.txt");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return state.SkipWithError("cannot write the file to open");
    file.write(
        plainLines(megabytes * kMegabyte, longParagraphs ? 40 : 1).replace("\n", "\r\n").toUtf8());
    file.close();

    for (auto _ : state) {
        double opening[2], during[2], after[2];
        WorkAreaDriver work;
        if (!aidsOn)
            switchAidsOff(work);
        BareEditor bare(work.editor().size());
        const std::function<void()> open[2] = {[&] { work.open(path); },
                                               [&] { setFileText(bare, path); }};
        for (int side : {0, 1}) {
            StallProbe probe;
            probe.start();
            opening[side] = millisecondsFor(open[side]);
            during[side] = probe.stop();
            probe.start();
            StallProbe::idle(kSettleMs);
            after[side] = probe.stop();
        }
        const QString name =
            QString("File > Open, %1 MB %2, aids %3")
                .arg(megabytes)
                .arg(longParagraphs ? "long paragraphs" : "short lines", aidsOn ? "on" : "off");
        ComparisonTable::add(name, "opening", opening[0], opening[1]);
        ComparisonTable::add(name, "longest stall while opening", during[0], during[1]);
        ComparisonTable::add(name, "longest stall in the second after", after[0], after[1]);
        state.counters["open"] = opening[0];
        state.counters["open_bare"] = opening[1];
        state.counters["stall"] = during[0];
        state.counters["stall_bare"] = during[1];
        state.counters["stall_after"] = after[0];
        state.counters["stall_after_bare"] = after[1];
    }
}

// Resident memory of the program idle with an empty post, and of a program of one bare
// QTextEdit, each a process of its own; the median of three starts.
void measureIdleMemory(benchmark::State& state) {
    const auto residentMB = [](const QString& program) {
        Samples runs;
        for (int i = 0; i < 3; ++i) {
            QProcess probe;
            probe.start(program);
            probe.waitForFinished(30000);
            runs.add(probe.readAllStandardOutput().trimmed().toDouble() / 1024);
        }
        return runs.median();
    };
    for (auto _ : state) {
        const double quillet = residentMB(QUILLET_IDLE_PROBE);
        const double bare = residentMB(BARE_IDLE_PROBE);
        state.counters["idle_rss_MB"] = quillet;
        state.counters["idle_rss_MB_bare"] = bare;
        ComparisonTable::add("the program, empty post", "idle resident memory", quillet, bare,
                             "MB");
    }
}

const bool registered = [] {
    const WorkText texts[] = {{Shape::ShortLines, false, kMegabyte},
                              {Shape::LongParagraphs, true, kMegabyte},
                              {Shape::ShortLines, true, 10 * kMegabyte},
                              {Shape::LongParagraphs, false, 10 * kMegabyte}};
    for (const WorkText& text : texts) {
        const std::string name = "WorkArea/" + BenchDocuments::describe(text).toStdString();
        benchmark::RegisterBenchmark(name.c_str(), measureText, text)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
        if (!repetitionsFor(text).preview)
            continue; // the 1 MB texts
        benchmark::RegisterBenchmark(("WorkArea/Preview/" + name.substr(9)).c_str(),
                                     measurePreviewOnly, text)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("WorkArea/Aids off/" + name.substr(9)).c_str(),
                                     measureTypingAidsOff, text)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("WorkArea/Open", measureOpen)
        ->ArgNames({"MB", "long", "aids"})
        ->Args({1, 0, 1})
        ->Args({1, 0, 0})
        ->Args({1, 1, 1})
        ->Args({1, 1, 0})
        ->Args({10, 0, 1})
        ->Args({50, 0, 1})
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("WorkArea/IdleMemory", measureIdleMemory)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace

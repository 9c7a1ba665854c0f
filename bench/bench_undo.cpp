// The undo engine's two costly moments, a snapshot and one Undo, on a post and on a heavily
// formatted text of 10 KB, 100 KB and 1 MB. Beside each, in the same loop, the same edit
// goes through QTextDocument's own undo stack; the counter "x_qtdoc" is the engine's time
// divided by that baseline's.
#include "bench_documents.h"
#include "platform/RichTextBox.h"
#include "platform/rtf/RtfReader.h"
#include "undo/UndoHistory.h"

#include <QApplication>
#include <QTextCursor>
#include <QTextEdit>
#include <benchmark/benchmark.h>
#include <chrono>
#include <string>

using BenchDocuments::Kind;

namespace {

constexpr int kEnter = 13;
const QString kWord = QStringLiteral("word ");

template <typename F> double secondsFor(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Types a word into the middle of a document, or takes it out again.
class WordEdit {
public:
    explicit WordEdit(QTextDocument* document)
        : cursor_(document), at_(document->characterCount() / 2) {}

    void insert() {
        cursor_.setPosition(at_);
        cursor_.insertText(kWord, QTextCharFormat());
    }
    void remove() {
        cursor_.setPosition(at_);
        cursor_.setPosition(at_ + int(kWord.size()), QTextCursor::KeepAnchor);
        cursor_.removeSelectedText();
    }
    void toggle() {
        inserted_ ? remove() : insert();
        inserted_ = !inserted_;
    }

private:
    QTextCursor cursor_;
    int at_;
    bool inserted_ = false;
};

// The editing control of the work area with an engine watching it.
struct EngineRig {
    EngineRig(Kind kind, int size) {
        box.resize(800, 600);
        box.show();
        box.surface().setRtf(BenchDocuments::rtf(kind, size));
        engine.attach(&host, &box.surface(), 250);
        QApplication::processEvents();
    }
    // Ends the pending step as Enter does: the engine takes its snapshot.
    void endStep() {
        KeyDownArgs enter{kEnter, 0};
        emit box.surface().keyDown(enter);
    }

    QWidget host;
    RichTextBox box;
    UndoHistory engine;
    WordEdit edit{box.document()};
};

// A plain text control with the same content, recording its own undo steps.
struct BaselineRig {
    BaselineRig(Kind kind, int size) {
        control.resize(800, 600);
        control.show();
        RtfReader::read(BenchDocuments::rtf(kind, size), *control.document());
        control.document()->setUndoRedoEnabled(true);
        QApplication::processEvents();
    }

    QTextEdit control;
    WordEdit edit{control.document()};
};

void report(benchmark::State& state, double engineSeconds, double baselineSeconds) {
    const double n = double(state.iterations());
    state.counters["qtdoc_us"] = baselineSeconds / n * 1e6;
    state.counters["x_qtdoc"] = engineSeconds / baselineSeconds;
}

// The engine: serialise the content and find the changed block. The baseline: the same
// edit, which QTextDocument records on its undo stack as it goes.
void snapshot(benchmark::State& state, Kind kind, int size) {
    EngineRig rig(kind, size);
    BaselineRig baseline(kind, size);
    double engineTotal = 0, baselineTotal = 0;
    for (auto _ : state) {
        rig.edit.toggle();
        const double seconds = secondsFor([&] { rig.endStep(); });
        state.SetIterationTime(seconds);
        engineTotal += seconds;
        baselineTotal += secondsFor([&] { baseline.edit.toggle(); });
    }
    report(state, engineTotal, baselineTotal);
}

// Undo of one recorded one-word step, against QTextDocument::undo() of the same edit.
// Laying out what the rebuild left for later happens between the timed calls.
void undo(benchmark::State& state, Kind kind, int size) {
    EngineRig rig(kind, size);
    BaselineRig baseline(kind, size);
    double engineTotal = 0, baselineTotal = 0;
    for (auto _ : state) {
        rig.edit.insert();
        rig.endStep();
        const double seconds = secondsFor([&] { rig.engine.undo(1); });
        state.SetIterationTime(seconds);
        engineTotal += seconds;
        baseline.edit.insert();
        baselineTotal += secondsFor([&] { baseline.control.document()->undo(); });
        QApplication::processEvents();
    }
    report(state, engineTotal, baselineTotal);
}

std::string sizeName(int size) {
    return size >= (1 << 20) ? std::to_string(size >> 20) + "MB"
                             : std::to_string(size >> 10) + "KB";
}

const bool registered = [] {
    for (Kind kind : {Kind::Post, Kind::Formatted}) {
        for (int size : {10 << 10, 100 << 10, 1 << 20}) {
            const std::string suffix =
                std::string("/") + BenchDocuments::name(kind) + "/" + sizeName(size);
            benchmark::RegisterBenchmark(("Snapshot" + suffix).c_str(), snapshot, kind, size)
                ->UseManualTime()
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(("Undo" + suffix).c_str(), undo, kind, size)
                ->UseManualTime()
                ->Unit(benchmark::kMicrosecond);
        }
    }
    return true;
}();

} // namespace

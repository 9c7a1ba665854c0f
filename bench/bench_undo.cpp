// The undo engine's costly moments: a snapshot (the key that ends a step), one Undo right
// after typing, and Undo All / Redo All of a long session. They run on a post and on a
// heavily formatted text of 10 KB to 1 MB, and on plain short lines (65 characters) of
// 1 MB and 10 MB. Beside each, in the same loop, the same edit goes through
// QTextDocument's own undo stack; "x_qtdoc" is the engine's time divided by that
// baseline's, and the p50 counters are the medians of the single timings.
#include "PaintCounter.h"
#include "bench_documents.h"
#include "platform/RichTextBox.h"
#include "platform/rtf/RtfReader.h"
#include "undo/UndoHistory.h"

#include <QApplication>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

using BenchDocuments::Kind;

namespace {

constexpr int kEnter = 13;
const QString kWord = QStringLiteral("word ");

template <typename F> double secondsFor(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// Lines of 65 characters, as a post of many short lines has them.
QString shortLines(int size) {
    const QString line =
        QStringLiteral("Has anyone else seen the loader hang when the cache is full? ok\n");
    QString text;
    text.reserve(size + line.size());
    while (text.size() < size)
        text += line;
    return text;
}

// What a rig holds: a kind of BenchDocuments, or short lines when kind is empty.
struct Content {
    std::optional<Kind> kind;
    int size;

    void loadInto(RichTextBox& box) const {
        if (kind)
            box.surface().setRtf(BenchDocuments::rtf(*kind, size));
        else
            box.surface().setText(shortLines(size));
    }
    void loadInto(QTextEdit& control) const {
        if (kind)
            RtfReader::read(BenchDocuments::rtf(*kind, size), *control.document());
        else
            control.setPlainText(shortLines(size));
    }
};

// Types a word into the middle of a document, or takes it out again, straight on the
// document (for the bare baseline).
class WordEdit {
public:
    explicit WordEdit(QTextDocument* document)
        : cursor_(document), at_(document->characterCount() / 2) {}

    void insert() {
        cursor_.setPosition(at_);
        cursor_.insertText(kWord, QTextCharFormat());
    }
    void toggle() {
        if (inserted_) {
            cursor_.setPosition(at_);
            cursor_.setPosition(at_ + int(kWord.size()), QTextCursor::KeepAnchor);
            cursor_.removeSelectedText();
        } else {
            insert();
        }
        inserted_ = !inserted_;
    }

private:
    QTextCursor cursor_;
    int at_;
    bool inserted_ = false;
};

// The editing control of the work area with an engine watching it; edits go through the
// surface, as the program's commands make them.
struct EngineRig {
    explicit EngineRig(const Content& content) {
        box.resize(800, 600);
        box.show();
        content.loadInto(box);
        middle = box.characterCount() / 2;
        engine.attach(&host, &box.surface(), 250);
        QApplication::processEvents();
    }
    void typeWord() {
        box.surface().setSelStart(middle);
        box.surface().setSelText(kWord);
    }
    void deleteWord() {
        box.surface().setSelStart(middle);
        box.surface().setSelLength(int(kWord.size()));
        box.surface().setSelText(QString());
    }
    // Ends the pending step as Enter does: the engine takes its snapshot.
    void endStep() {
        KeyDownArgs enter{kEnter, 0};
        emit box.surface().keyDown(enter);
    }

    QWidget host;
    RichTextBox box;
    UndoHistory engine;
    int middle = 0;
    bool typed = false;
};

// A plain text control with the same content, recording its own undo steps.
struct BaselineRig {
    explicit BaselineRig(const Content& content) {
        control.resize(800, 600);
        control.show();
        content.loadInto(control);
        control.document()->setUndoRedoEnabled(true);
        QApplication::processEvents();
    }

    QTextEdit control;
    WordEdit edit{control.document()};
};

// Times run against baseline in each iteration and reports totals, ratio and medians.
class Timings {
public:
    void add(double engineSeconds, double baselineSeconds) {
        m_engine.push_back(engineSeconds);
        m_baseline.push_back(baselineSeconds);
    }
    void report(benchmark::State& state) const {
        double engine = 0, baseline = 0;
        for (std::size_t i = 0; i < m_engine.size(); ++i) {
            engine += m_engine[i];
            baseline += m_baseline[i];
        }
        state.counters["p50_us"] = median(m_engine) * 1e6;
        state.counters["qtdoc_p50_us"] = median(m_baseline) * 1e6;
        state.counters["x_qtdoc"] = engine / baseline;
    }

private:
    std::vector<double> m_engine;
    std::vector<double> m_baseline;
};

// The engine: record the typed word as a step. The baseline: the same edit, which
// QTextDocument records on its undo stack as it goes.
void snapshot(benchmark::State& state, Content content) {
    EngineRig rig(content);
    BaselineRig baseline(content);
    Timings timings;
    for (auto _ : state) {
        rig.typed ? rig.deleteWord() : rig.typeWord();
        rig.typed = !rig.typed;
        const double seconds = secondsFor([&] { rig.endStep(); });
        state.SetIterationTime(seconds);
        timings.add(seconds, secondsFor([&] { baseline.edit.toggle(); }));
    }
    timings.report(state);
}

// Undo right after a word is typed (the step still pending), against QTextDocument::undo()
// of the same edit. Laying out what is left for later happens between the timed calls.
void undo(benchmark::State& state, Content content) {
    EngineRig rig(content);
    BaselineRig baseline(content);
    Timings timings;
    for (auto _ : state) {
        rig.typeWord();
        const double seconds = secondsFor([&] { rig.engine.undo(1); });
        state.SetIterationTime(seconds);
        baseline.edit.insert();
        timings.add(seconds, secondsFor([&] { baseline.control.document()->undo(); }));
        QApplication::processEvents();
    }
    timings.report(state);
}

// Undo All and Redo All of a session of 1,000 words, each a step, typed one after another
// in lines of ten;
// the time includes the repaint that follows, and "paints" counts the repaints.
void undoAllAndRedoAll(benchmark::State& state, Content content) {
    EngineRig rig(content);
    PaintCounter paints(*rig.box.viewport());
    double undoSeconds = 0, redoSeconds = 0;
    for (auto _ : state) {
        rig.box.surface().setSelStart(rig.middle);
        for (int step = 0; step < 1000; ++step) {
            rig.box.surface().setSelText(step % 10 == 9 ? QStringLiteral("word\n") : kWord);
            rig.endStep();
        }
        QApplication::processEvents();
        paints.reset();
        undoSeconds = secondsFor([&] {
            rig.engine.undoAll();
            QApplication::processEvents();
        });
        redoSeconds = secondsFor([&] {
            rig.engine.redo(rig.engine.redoCount());
            QApplication::processEvents();
        });
        state.SetIterationTime(undoSeconds + redoSeconds);
        rig.engine.reset();
    }
    state.counters["undo_all_ms"] = undoSeconds * 1e3;
    state.counters["redo_all_ms"] = redoSeconds * 1e3;
    state.counters["paints"] = paints.count();
}

std::string sizeName(int size) {
    return size >= (1 << 20) ? std::to_string(size >> 20) + "MB"
                             : std::to_string(size >> 10) + "KB";
}

void registerFor(const Content& content, const std::string& name) {
    const std::string suffix = "/" + name + "/" + sizeName(content.size);
    benchmark::RegisterBenchmark(("Snapshot" + suffix).c_str(), snapshot, content)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("Undo" + suffix).c_str(), undo, content)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
}

const bool registered = [] {
    for (Kind kind : {Kind::Post, Kind::Formatted}) {
        for (int size : {10 << 10, 100 << 10, 1 << 20})
            registerFor({kind, size}, BenchDocuments::name(kind));
    }
    for (int size : {1 << 20, 10 << 20}) {
        registerFor({std::nullopt, size}, "lines");
        benchmark::RegisterBenchmark(("UndoAllRedoAll/lines/" + sizeName(size)).c_str(),
                                     undoAllAndRedoAll, Content{std::nullopt, size})
            ->UseManualTime()
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

} // namespace

// What a long history costs in memory: 1,000 one-word steps on a 1 MB post. The records
// hold only the changed paragraphs, so the history should add kilobytes, not megabytes.
// Counters: heap_KB (the allocator's bytes in use, mapped blocks included) and rss_KB
// (resident set) that the engine adds over the 1,000 steps, records_KB (the bytes of the
// paragraph images the records keep), overhead_B_per_step (what a step costs beyond its
// images) and, for scale, document_heap_KB (what the same edits add without an engine).
#include "../tests/support/UndoEngineProbe.h"
#include "BareEditor.h"
#include "ComparisonTable.h"
#include "IdleMemory.h"
#include "Keyboard.h"
#include "Samples.h"
#include "WorkAreaDriver.h"
#include "bench_documents.h"
#include "platform/RichTextBox.h"
#include "shell/PostEditor.h"

#include <QTextEdit>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {

constexpr int kSteps = 1000;
constexpr int kEnter = 13;

// Bytes in use from the allocator, mapped blocks included: large blocks bypass uordblks.
double heapKB() {
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd) / 1024;
}

double recordsKB(const UndoHistory& engine) {
    double bytes = 0;
    for (const UndoStep& record : UndoEngineProbe::undoList(engine))
        bytes += record.keptBytes();
    return bytes / 1024;
}

struct Growth {
    double heap = 0;
    double resident = 0;
    double records = 0;
};

// The growth over 1,000 one-word steps, with or without an engine watching. The document
// grows too (its text buffer reallocates as it goes), so the run without the engine is
// the baseline to subtract.
Growth growthOver1000Steps(bool withEngine) {
    QWidget host;
    RichTextBox box;
    box.surface().setRtf(BenchDocuments::rtf(BenchDocuments::Kind::Post, 1 << 20));
    UndoHistory engine;
    if (withEngine)
        engine.attach(&host, &box.surface(), 250);
    const int length = box.characterCount();

    const double heapBefore = heapKB();
    const double residentBefore = IdleMemory::residentKB();
    for (int step = 0; step < kSteps; ++step) {
        box.surface().setSelStart(int((step * 7919LL) % length));
        box.surface().setSelText("word ");
        KeyDownArgs enter{kEnter, 0};
        emit box.surface().keyDown(enter);
    }
    return {heapKB() - heapBefore, IdleMemory::residentKB() - residentBefore, recordsKB(engine)};
}

void BM_HistoryOf1000Steps(benchmark::State& state) {
    for (auto _ : state) {
        const Growth without = growthOver1000Steps(false);
        const Growth with = growthOver1000Steps(true);
        state.counters["heap_KB"] = with.heap - without.heap;
        state.counters["rss_KB"] = with.resident - without.resident;
        state.counters["records_KB"] = with.records;
        state.counters["document_heap_KB"] = without.heap;
        // What a step costs beyond the images of its paragraphs.
        state.counters["overhead_B_per_step"] =
            (with.heap - without.heap - with.records) * 1024 / kSteps;
    }
}
BENCHMARK(BM_HistoryOf1000Steps)->Iterations(1)->Unit(benchmark::kMillisecond);

// What a one-word step costs as a user makes it in the work area, on 1 MB of short lines:
// the caret moved by keys (which ends the step before), a word typed. Counters, per step
// and less the word's own bytes: history_B_per_step, the heap the history gives back when
// it is reset (exact: the records, their lists and the allocator's overhead), of which
// records_B_per_step are the images the records keep; rss_ and
// heap_ (the allocator's arena and mapped blocks) the growth of the process over the steps,
// which the text's layout dominates; _bare, the same keys in a bare QTextEdit without an
// undo stack.
constexpr int kTypedSteps = 500;
const QString kTypedWord = QStringLiteral("word");
const double kWordBytes = kTypedWord.size() * sizeof(QChar);

struct ProcessGrowth {
    double resident = 0;
    double heldHeap = 0;
};

double heldHeapKB() {
    const struct mallinfo2 info = mallinfo2();
    return double(info.arena + info.hblkhd) / 1024;
}

double perStep(double kb) {
    return kb * 1024 / kTypedSteps - kWordBytes;
}

ProcessGrowth typeSteps(QTextEdit& editor) {
    Keyboard keys(editor);
    const int length = editor.document()->characterCount() - 1;
    Samples ignored; // room made in advance, so that the times kept take no memory
    ignored.values.reserve(kTypedSteps * kTypedWord.size());
    keys.moveCaret(0);
    const ProcessGrowth start{double(IdleMemory::residentKB()), heldHeapKB()};
    for (int step = 0; step < kTypedSteps; ++step) {
        keys.moveCaret(int((step * 7919LL) % length));
        keys.type(kTypedWord, ignored, ignored);
    }
    keys.moveCaret(0); // records the last word
    return {perStep(IdleMemory::residentKB() - start.resident),
            perStep(heldHeapKB() - start.heldHeap)};
}

void BM_TypedStepMemory(benchmark::State& state) {
    const QString& rtf = BenchDocuments::rtf({BenchDocuments::Shape::ShortLines, false, 1 << 20});
    for (auto _ : state) {
        WorkAreaDriver work;
        work.load(rtf);
        const ProcessGrowth quillet = typeSteps(work.editor());
        state.counters["steps"] = work.workArea().undoHistory().undoCount();
        state.counters["records_B_per_step"] =
            recordsKB(work.workArea().undoHistory()) * 1024 / kTypedSteps;
        const double withHistory = heapKB();
        work.choose("mnuResetUndo");
        const double history = perStep(withHistory - heapKB());
        BareEditor bare(work.editor().size());
        bare.load(rtf);
        bare.setUndoRedoEnabled(false);
        const ProcessGrowth plain = typeSteps(bare);
        state.counters["history_B_per_step"] = history;
        state.counters["rss_B_per_step"] = quillet.resident;
        state.counters["rss_B_per_step_bare"] = plain.resident;
        state.counters["heap_B_per_step"] = quillet.heldHeap;
        state.counters["heap_B_per_step_bare"] = plain.heldHeap;
        ComparisonTable::add("1 MB short lines", "undo history per one-word step", history, -1,
                             "B");
    }
}
BENCHMARK(BM_TypedStepMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

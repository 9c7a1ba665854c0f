// What a long history costs in memory: 1,000 one-word steps on a 1 MB post. The records
// hold only the changed blocks, so the history should add kilobytes, not megabytes.
// Counters: heap_KB (malloc'd bytes in use), rss_KB (resident set) and records_KB (the
// characters the records keep), each the growth over the 1,000 steps.
#include "../tests/support/UndoEngineProbe.h"
#include "BenchDocuments.h"
#include "platform/RichTextBox.h"

#include <QFile>
#include <QTextCursor>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {

constexpr int kSteps = 1000;
constexpr int kEnter = 13;

double heapKB() {
    return double(mallinfo2().uordblks) / 1024;
}

double residentKB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble();
    }
    return 0;
}

double recordsKB(const clsUndo& engine) {
    double characters = 0;
    for (const clsUndoElement& record : UndoEngineProbe::undoList(engine))
        characters += record.TextBlock_BeforeChange.size() + record.TextBlock_AfterChange.size();
    return characters * sizeof(QChar) / 1024;
}

void BM_HistoryOf1000Steps(benchmark::State& state) {
    for (auto _ : state) {
        QWidget host;
        RichTextBox box;
        box.surface().setTextRTF(BenchDocuments::rtf(BenchDocuments::Kind::Post, 1 << 20));
        clsUndo engine;
        engine.Create(&host, &box.surface(), 250);
        QTextCursor cursor(box.document());
        const int length = box.characterCount();

        const double heapBefore = heapKB();
        const double residentBefore = residentKB();
        for (int step = 0; step < kSteps; ++step) {
            cursor.setPosition(int((step * 7919LL) % length));
            cursor.insertText("word ", QTextCharFormat());
            KeyDownArgs enter{kEnter, 0};
            emit box.surface().KeyDown(enter);
        }
        state.counters["steps"] = engine.getUndoCount();
        state.counters["heap_KB"] = heapKB() - heapBefore;
        state.counters["rss_KB"] = residentKB() - residentBefore;
        state.counters["records_KB"] = recordsKB(engine);
    }
}
BENCHMARK(BM_HistoryOf1000Steps)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

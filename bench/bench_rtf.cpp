// The RTF writer and reader alone, on the undo benchmarks' documents: the parts of a
// snapshot and of an Undo that grow with the text.
#include "bench_documents.h"
#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfWriter.h"

#include <QTextDocument>
#include <benchmark/benchmark.h>

using BenchDocuments::Kind;

namespace {

void sizes(benchmark::internal::Benchmark* b) {
    b->ArgNames({"formatted", "size"});
    b->ArgsProduct({{0, 1}, {10 << 10, 100 << 10, 1 << 20}});
    b->Unit(benchmark::kMicrosecond);
}

const QString& documentRtf(const benchmark::State& state) {
    return BenchDocuments::rtf(state.range(0) ? Kind::Formatted : Kind::Post, int(state.range(1)));
}

void BM_RtfWrite(benchmark::State& state) {
    QTextDocument document;
    RtfReader::read(documentRtf(state), document);
    for (auto _ : state)
        benchmark::DoNotOptimize(RtfWriter::write(document));
    state.SetBytesProcessed(state.iterations() * state.range(1));
}
BENCHMARK(BM_RtfWrite)->Apply(sizes);

void BM_RtfRead(benchmark::State& state) {
    const QString& rtf = documentRtf(state);
    QTextDocument document;
    for (auto _ : state)
        RtfReader::read(rtf, document);
    state.SetBytesProcessed(state.iterations() * state.range(1));
}
BENCHMARK(BM_RtfRead)->Apply(sizes);

} // namespace

#include "markup/ListText.h"
#include "markup/TagChecker.h"
#include "markup/VnmlRenderer.h"

#include <benchmark/benchmark.h>

namespace {

// A post of about `size` characters with everything the program writes: styles, the
// colour forms, quotes with and without a handle, code, a list, links, images, smileys.
QString post(int size) {
    const QString chunk =
        "Thanks for the answer, [b]this[/b] is [i]exactly[/i] what I [u]needed[/u].\r\n"
        "[quote Jo][b][color red yellow]Try the new build[/color][/b] and tell us.[/quote]\r\n"
        "[color  yellow]Highlighted[/color] and [color navy]navy[/color] text [wink] "
        "[2thumbsup]\r\n[code]int main() { return [b]0[/b]; }[/code]\r\n" +
        listText({ListKind::Numbered, 3}) +
        "\r\nSee [link https://forum.example/topic?id=12&page=2]the topic[/link] and "
        "[img https://forum.example/images/star.gif] <not html> & more.\r\n";
    QString text;
    text.reserve(size + chunk.size());
    while (text.size() < size)
        text += chunk;
    return text;
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(100 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);
}

void BM_RenderPost(benchmark::State& state) {
    const QString text = post(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(renderVnml(text));
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
}
BENCHMARK(BM_RenderPost)->Apply(sizes);

void BM_CheckTags(benchmark::State& state) {
    const QString text = post(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(checkTags(text));
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
}
BENCHMARK(BM_CheckTags)->Apply(sizes);

// Baseline: escaping the same text as HTML and nothing else.
void BM_Baseline_HtmlEscape(benchmark::State& state) {
    const QString text = post(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(text.toHtmlEscaped());
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
}
BENCHMARK(BM_Baseline_HtmlEscape)->Apply(sizes);

} // namespace

#include "StallProbe.h"
#include "markup/ListText.h"
#include "markup/PreviewWindow.h"
#include "markup/TagChecker.h"
#include "markup/VnmlRenderer.h"
#include "platform/RichTextBox.h"
#include "post/Post.h"
#include "shell/PostEditor.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

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

// About `size` characters of styled prose in paragraphs of some 4,000 characters.
QString longParagraphs(int size) {
    const QString sentence = "We met [b]after[/b] the patch and [i]compared[/i] our notes on "
                             "the [color red]loader[/color] again [wink]. ";
    QString text;
    text.reserve(size + 4096);
    while (text.size() < size) {
        for (int i = 0; i < 4000 / int(sentence.size()); ++i)
            text += sentence;
        text += "\r\n";
    }
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

// The real work area holding a 1 MB post: range 0 picks short lines or long paragraphs.
struct PreviewRig {
    explicit PreviewRig(benchmark::State& state) {
        workArea.resize(1000, 700);
        workArea.show();
        const int size = 1 << 20;
        box().surface().setText(state.range(0) == 0 ? post(size) : longParagraphs(size));
        box().surface().setSelStart(box().characterCount() / 2);
        QApplication::processEvents();
        state.SetLabel(state.range(0) == 0 ? "1 MB, short lines" : "1 MB, long paragraphs");
    }
    RichTextBox& box() { return workArea.post().editor(); }
    PreviewWindow* preview() { return workArea.findChild<PreviewWindow*>("frmPreview"); }
    // The preview shows the post and its problem list.
    bool previewShown() {
        PreviewWindow* window = preview();
        return window && window->isVisible() && window->isUpToDate();
    }
    // Processes events until `done` or the time is up.
    template <class Done> void waitUntil(Done done, int timeoutMs = 20000) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < timeoutMs)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    PostEditor workArea;
};

// From Tools > Preview until the rendered post and its problems are on screen, and the
// longest stall from the choice to a second after that.
void BM_PreviewOpen(benchmark::State& state) {
    PreviewRig rig(state);
    QAction* previewItem = rig.workArea.findChild<QAction*>("mnuPreview");
    StallProbe probe;
    double longest = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        probe.start();
        previewItem->trigger();
        rig.waitUntil([&] { return rig.previewShown(); });
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        StallProbe::idle(1000);
        longest = std::max(longest, probe.stop());
        rig.preview()->close();
        QApplication::processEvents();
    }
    state.counters["stall_ms"] = longest;
}
BENCHMARK(BM_PreviewOpen)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

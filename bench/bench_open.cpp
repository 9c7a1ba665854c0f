// Opening a very large text file, as the Open command does (read and decode with the
// progress window, put into the surface, lay it out), how often the event loop ran
// meanwhile, and a keystroke at its end afterwards.
#include "platform/RichTextBox.h"
#include "post/Post.h"
#include "shell/PostEditor.h"
#include "shell/PostFileReader.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {
QString writeLargeFile(const QTemporaryDir& dir, qint64 bytes) {
    const QString path = dir.filePath("large.txt");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    const QByteArray line = "A long forum post line with [b]tags[/b] and some words in it.\r\n";
    QByteArray chunk;
    while (chunk.size() < (1 << 20))
        chunk += line;
    for (qint64 written = 0; written < bytes; written += chunk.size())
        file.write(chunk);
    return path;
}

void BM_OpenLargeFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = writeLargeFile(dir, state.range(0) << 20);
    PostEditor workArea;
    workArea.resize(1000, 700);
    workArea.show();
    RichTextBox* box = &workArea.post().editor();
    double typingMs = 0;
    // A timer that fires whenever the event loop gets to run: the window could paint then.
    QElapsedTimer sinceTick;
    qint64 longestFreezeMs = 0, readingFreezeMs = 0;
    int ticks = 0;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        ++ticks;
        longestFreezeMs = std::max(longestFreezeMs, sinceTick.restart());
    });
    for (auto _ : state) {
        ticks = 0;
        ticker.start();
        sinceTick.start();
        const auto file = PostFileReader(workArea).read(path);
        readingFreezeMs = std::max(longestFreezeMs, sinceTick.elapsed());
        box->surface().setText(file ? file->text : QString());
        QApplication::processEvents();
        longestFreezeMs = std::max(longestFreezeMs, sinceTick.elapsed());
        ticker.stop();

        state.PauseTiming();
        box->surface().setSelStart(box->characterCount());
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 10; ++i) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
            QApplication::sendEvent(box, &press);
            QApplication::processEvents();
        }
        typingMs = timer.nsecsElapsed() / 1e6 / 10;
        state.ResumeTiming();
    }
    state.counters["keystroke_ms_after"] = typingMs;
    state.counters["event_loop_runs"] = ticks;
    state.counters["longest_freeze_reading_ms"] = double(readingFreezeMs);
    state.counters["longest_freeze_ms"] = double(longestFreezeMs);
}
} // namespace

BENCHMARK(BM_OpenLargeFile)->Arg(10)->Arg(50)->Iterations(1)->Unit(benchmark::kMillisecond);

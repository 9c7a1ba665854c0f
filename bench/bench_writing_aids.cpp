// Spelling as you type: a keystroke in a 1 MB post with the live check on, beside the same
// letter in a bare text control in the same run, and the longest wait for events while a
// 1 MB post opens and is checked.
#include "platform/RichTextBox.h"
#include "post/Post.h"
#include "post/PostHighlighter.h"
#include "services/SpellingMarker.h"
#include "shell/LiveSpelling.h"
#include "shell/PostEditor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTextEdit>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// Short lines with a misspelling in each, as a long post of many paragraphs.
QString shortLinePost(int bytes) {
    const QString line =
        "The quick brown fox [b]jumps[/b] over the lazy dog, [color red]again[/color] "
        "teh.\n";
    QString text;
    text.reserve(bytes + line.size());
    while (text.size() < bytes)
        text += line;
    text.truncate(bytes);
    return text;
}

// Milliseconds to deliver one key and handle what follows it.
double keystroke(QWidget* target, int key, const QString& text) {
    QElapsedTimer clock;
    clock.start();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
    QApplication::processEvents();
    return clock.nsecsElapsed() / 1e6;
}

// A work area with the live check on and its dictionary loaded, all of its post marked.
std::unique_ptr<PostEditor> checkedWorkArea() {
    auto workArea = std::make_unique<PostEditor>();
    workArea->resize(1000, 700);
    workArea->show();
    workArea->spelling().marker().setEnabled(true);
    workArea->spelling().loadDictionary();
    QApplication::processEvents();
    return workArea;
}

void settle(const PostHighlighter& highlighter) {
    while (highlighter.isBusy())
        QApplication::processEvents();
}

void placeCaretInMiddle(QTextEdit& edit) {
    QTextCursor cursor = edit.textCursor();
    cursor.setPosition(edit.document()->characterCount() / 2);
    edit.setTextCursor(cursor);
}

// A letter, then a Space that ends the word, in the work area; the same letter in a bare
// control beside it. Each is taken back untimed, so the post keeps its size.
void BM_LetterAndSpaceWithLiveSpelling(benchmark::State& state) {
    const QString post = shortLinePost(int(state.range(0)));
    auto workArea = checkedWorkArea();
    RichTextBox& box = workArea->post().editor();
    box.surface().setText(post);
    settle(workArea->highlighter());
    placeCaretInMiddle(box);
    QTextEdit bare;
    bare.resize(700, 600);
    bare.show();
    bare.setPlainText(post);
    placeCaretInMiddle(bare);
    QApplication::processEvents();

    double letter = 0, space = 0, bareLetter = 0;
    for (auto _ : state) {
        const double thisLetter = keystroke(&box, Qt::Key_X, "x");
        const double thisSpace = keystroke(&box, Qt::Key_Space, " ");
        const double thisBare = keystroke(&bare, Qt::Key_X, "x");
        state.SetIterationTime((thisLetter + thisSpace) / 1e3);
        letter += thisLetter;
        space += thisSpace;
        bareLetter += thisBare;
        for (QWidget* target : {static_cast<QWidget*>(&box), static_cast<QWidget*>(&box),
                                static_cast<QWidget*>(&bare)})
            keystroke(target, Qt::Key_Backspace, QString());
    }
    const double n = double(state.iterations());
    state.counters["letter_ms"] = letter / n;
    state.counters["space_ms"] = space / n;
    state.counters["bare_letter_ms"] = bareLetter / n;
    state.counters["letter_ratio"] = letter / bareLetter;
}

// Opening a post: how long setting the text takes, the longest time events then wait while
// the post is checked in slices, and how long until every paragraph is marked; beside them
// the bare control's setting of the same text and its first turn of events (its layout and
// painting).
void BM_OpenWithLiveSpelling(benchmark::State& state) {
    const QString post = shortLinePost(int(state.range(0)));
    auto workArea = checkedWorkArea();
    RichTextBox& box = workArea->post().editor();
    QTextEdit bare;
    bare.resize(700, 600);
    bare.show();
    double setText = 0, longestStall = 0, settled = 0, bareSetText = 0, bareFirstTurn = 0;
    for (auto _ : state) {
        box.surface().setText(QString());
        bare.clear();
        QApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        box.surface().setText(post);
        setText += clock.nsecsElapsed() / 1e6;
        while (workArea->highlighter().isBusy()) {
            QElapsedTimer turn;
            turn.start();
            QApplication::processEvents();
            longestStall = qMax(longestStall, turn.nsecsElapsed() / 1e6);
        }
        settled += clock.nsecsElapsed() / 1e6;
        state.SetIterationTime(clock.nsecsElapsed() / 1e9);
        clock.restart();
        bare.setPlainText(post);
        bareSetText += clock.nsecsElapsed() / 1e6;
        clock.restart();
        QApplication::processEvents();
        bareFirstTurn = qMax(bareFirstTurn, clock.nsecsElapsed() / 1e6);
    }
    const double n = double(state.iterations());
    state.counters["set_text_ms"] = setText / n;
    state.counters["longest_stall_ms"] = longestStall;
    state.counters["all_marked_ms"] = settled / n;
    state.counters["bare_set_text_ms"] = bareSetText / n;
    state.counters["bare_longest_stall_ms"] = bareFirstTurn;
}

} // namespace

BENCHMARK(BM_LetterAndSpaceWithLiveSpelling)
    ->Arg(1 << 20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenWithLiveSpelling)
    ->Arg(1 << 20)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

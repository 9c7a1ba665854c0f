// Cost of one keystroke in the editing surface, with everything the work area does on
// a change and a caret move, for a short post and for a 1 MB post side by side.
#include "platform/RichTextBox.h"
#include "post/Post.h"
#include "shell/PostEditor.h"
#include "undo/UndoHistory.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTextEdit>
#include <benchmark/benchmark.h>
#include <memory>

namespace {
QString postOfSize(int bytes) {
    const QString line =
        "The quick brown fox [b]jumps[/b] over the lazy dog, [color red]again[/color].\n";
    QString text;
    text.reserve(bytes + line.size());
    while (text.size() < bytes)
        text += line;
    text.truncate(bytes);
    return text;
}

void sendKey(QWidget* target, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

// withUndo false leaves the undo engine deaf to the control: what remains is the work
// area's own handling, so the two figures show what the engine adds to a keystroke.
void keystroke(benchmark::State& state, bool withUndo) {
    auto workArea = std::make_unique<PostEditor>();
    workArea->resize(1000, 700);
    workArea->show();
    RichTextBox* box = &workArea->post().editor();
    box->surface().setText(postOfSize(static_cast<int>(state.range(0))));
    box->surface().setSelStart(box->characterCount() / 2);
    if (!withUndo)
        box->surface().disconnect(&workArea->undoHistory());
    QApplication::processEvents();

    for (auto _ : state) {
        sendKey(box, Qt::Key_X, "x");
        QApplication::processEvents();
        sendKey(box, Qt::Key_Backspace, QString());
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * 2);
    state.SetLabel("per keystroke: time / 2");
}

void BM_Keystroke(benchmark::State& state) {
    keystroke(state, true);
}

void BM_KeystrokeWithoutUndo(benchmark::State& state) {
    keystroke(state, false);
}
} // namespace

BENCHMARK(BM_Keystroke)->Arg(1 << 10)->Arg(1 << 20)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeystrokeWithoutUndo)->Arg(1 << 10)->Arg(1 << 20)->Unit(benchmark::kMicrosecond);

// The same keystroke in a bare text control with none of the work area's handlers: the
// baseline that shows what the handlers add.
namespace {
void BM_KeystrokeBareControl(benchmark::State& state) {
    QTextEdit edit;
    edit.resize(700, 600);
    edit.show();
    edit.setPlainText(postOfSize(static_cast<int>(state.range(0))));
    QTextCursor c = edit.textCursor();
    c.setPosition(edit.document()->characterCount() / 2);
    edit.setTextCursor(c);
    QApplication::processEvents();
    for (auto _ : state) {
        sendKey(&edit, Qt::Key_X, "x");
        QApplication::processEvents();
        sendKey(&edit, Qt::Key_Backspace, QString());
        QApplication::processEvents();
    }
}
} // namespace
BENCHMARK(BM_KeystrokeBareControl)->Arg(1 << 10)->Arg(1 << 20)->Unit(benchmark::kMicrosecond);

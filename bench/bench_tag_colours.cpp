// A letter and a Space typed into a 1 MB post in the work area, with tag colouring on and
// off. A post of one long paragraph is left out: merging its tens of thousands of marks
// takes far too long per keystroke (the marks merge compares every mark with every cut).
#include "platform/RichTextBox.h"
#include "post/Post.h"
#include "shell/PostEditor.h"
#include "shell/PostEditorMenus.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

QString taggedPost(int size, bool oneParagraph) {
    const QString piece = QStringLiteral("The quick [b]brown[/b] fox [wink] jumps over "
                                         "[color red yellow]the lazy dog[/color]") +
                          (oneParagraph ? QStringLiteral(" ") : QStringLiteral("\n"));
    QString text;
    text.reserve(size + piece.size());
    while (text.size() < size)
        text += piece;
    text.truncate(size);
    return text;
}

void sendKey(QWidget* target, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
    QApplication::processEvents();
}

// range(0): 1 for one long paragraph; range(1): 1 with colouring on.
void BM_TagColoursKeystroke(benchmark::State& state) {
    auto workArea = std::make_unique<PostEditor>();
    workArea->resize(1000, 700);
    workArea->show();
    workArea->menus().actions().colourTags->setChecked(state.range(1) != 0);
    RichTextBox* box = &workArea->post().editor();
    box->surface().setText(taggedPost(1 << 20, state.range(0) != 0));
    box->surface().setSelStart(box->characterCount() / 2);
    QApplication::processEvents();

    for (auto _ : state) {
        sendKey(box, Qt::Key_X, "x");
        sendKey(box, Qt::Key_Space, " ");
        sendKey(box, Qt::Key_Backspace, QString());
        sendKey(box, Qt::Key_Backspace, QString());
    }
    state.SetItemsProcessed(state.iterations() * 4);
    state.SetLabel("per keystroke: time / 4");
}

} // namespace

BENCHMARK(BM_TagColoursKeystroke)
    ->ArgNames({"oneParagraph", "colours"})
    ->Args({0, 0})
    ->Args({0, 1})
    ->Unit(benchmark::kMicrosecond);

// Cost of keeping the post's word count up to date on one keystroke, beside the same
// edit on a bare QTextDocument, on short-line and single-paragraph texts of 1 and 10 MB.
#include "post/TextCounts.h"

#include <QAbstractTextDocumentLayout>
#include <QTextCursor>
#include <QTextDocument>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

QString textOfSize(int size, bool shortLines) {
    const QString line = shortLines ? QStringLiteral("The quick brown fox jumps over the dog.\n")
                                    : QStringLiteral("The quick brown fox jumps over the dog. ");
    QString text;
    text.reserve(size + line.size());
    while (text.size() < size)
        text += line;
    text.truncate(size);
    return text;
}

// range(0): size; range(1): 1 for short lines, 0 for one paragraph; range(2): 1 counts.
void BM_TypeWithWordCount(benchmark::State& state) {
    QTextDocument document(textOfSize(int(state.range(0)), state.range(1) != 0));
    document.documentLayout(); // as in the editor; TextCounts needs one
    std::unique_ptr<TextCounts> counts;
    if (state.range(2))
        counts = std::make_unique<TextCounts>(document);
    QTextCursor cursor(&document);
    cursor.setPosition(document.characterCount() / 2);
    for (auto _ : state) {
        cursor.insertText(QStringLiteral("x"));
        cursor.deletePreviousChar();
        if (counts)
            benchmark::DoNotOptimize(counts->words());
    }
    state.SetItemsProcessed(state.iterations() * 2);
    state.SetLabel(state.range(2) ? "counted; per edit: time / 2" : "bare document");
}

} // namespace

BENCHMARK(BM_TypeWithWordCount)
    ->ArgsProduct({{1 << 20, 10 << 20}, {1, 0}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

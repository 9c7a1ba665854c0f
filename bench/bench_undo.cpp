#include "../tests/support/UndoEngineProbe.h"
#include "platform/EditingSurface.h"
#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfWriter.h"
#include "undo/clsUndo.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

// A document of about `size` characters: short paragraphs of forum text with a bold word
// and a coloured word in each, as a post with some formatting pasted in would have.
void fill(QTextDocument& document, int size) {
    QTextCursor cursor(&document);
    QTextCharFormat plain, bold, red;
    bold.setFontWeight(QFont::Bold);
    red.setForeground(Qt::red);
    while (document.characterCount() < size) {
        cursor.insertText("Here is a [b]line[/b] of a post with ", plain);
        cursor.insertText("bold", bold);
        cursor.insertText(" and ", plain);
        cursor.insertText("coloured", red);
        cursor.insertText(QString::fromUtf8(" words, café 😀."), plain);
        cursor.insertBlock();
    }
}

// Only what the engine reads of a surface: the RTF content and the selection.
class DocumentSurface : public EditingSurface {
public:
    QString text() const override { return document.toPlainText(); }
    void setText(const QString&) override {}
    int selStart() const override { return 0; }
    void setSelStart(int) override {}
    int selLength() const override { return 0; }
    void setSelLength(int) override {}
    QString selText() const override { return {}; }
    void setSelText(const QString&) override {}
    QString textRTF() const override { return RtfWriter::write(document); }
    void setTextRTF(const QString& rtf) override { RtfReader::read(rtf, document); }
    QString name() const override { return "RichTextBox1"; }
    void setFocus() override {}
    void setRedraw(bool) override {}
    void setFontNameAndSize(const QString&, double) override {}

    QTextDocument document;
};

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1 << 10)->Arg(100 << 10)->Arg(1 << 20)->Unit(benchmark::kMicrosecond);
}

// The engine's snapshot after a one-character edit: one serialisation, two searches.
void BM_Snapshot(benchmark::State& state) {
    QWidget host;
    DocumentSurface surface;
    fill(surface.document, int(state.range(0)));
    clsUndo engine;
    engine.Create(&host, &surface, 250);
    QTextCursor cursor(&surface.document);
    cursor.setPosition(surface.document.characterCount() / 2);
    bool inserted = false;
    for (auto _ : state) {
        state.PauseTiming();
        if (inserted)
            cursor.deletePreviousChar();
        else
            cursor.insertText("x");
        inserted = !inserted;
        state.ResumeTiming();
        engine.TakeUndoSnapShot();
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Snapshot)->Apply(sizes);

// Baseline: the cheapest full walk of the same document, its plain text.
void BM_Baseline_PlainText(benchmark::State& state) {
    QTextDocument document;
    fill(document, int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(document.toPlainText());
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Baseline_PlainText)->Apply(sizes);

// Two RTF strings that differ in one character in the middle.
std::pair<QString, QString> editedPair(int size) {
    QTextDocument document;
    fill(document, size);
    const QString before = RtfWriter::write(document);
    QTextCursor cursor(&document);
    cursor.setPosition(document.characterCount() / 2);
    cursor.insertText("x");
    return {before, RtfWriter::write(document)};
}

void BM_MatchingChars(benchmark::State& state) {
    const auto [before, after] = editedPair(int(state.range(0)));
    for (auto _ : state) {
        const int left = UndoEngineProbe::matchingChars(before, after, false);
        benchmark::DoNotOptimize(UndoEngineProbe::matchingChars(
            QStringView(before).mid(left), QStringView(after).mid(left), true));
    }
    state.SetBytesProcessed(state.iterations() * before.size() * 2);
}
BENCHMARK(BM_MatchingChars)->Apply(sizes);

// Baseline: the same two runs found one character at a time.
void BM_Baseline_CharacterScan(benchmark::State& state) {
    const auto [before, after] = editedPair(int(state.range(0)));
    for (auto _ : state) {
        qsizetype left = 0;
        while (left < before.size() && left < after.size() && before[left] == after[left])
            ++left;
        qsizetype right = 0;
        while (right < before.size() - left && right < after.size() - left &&
               before[before.size() - 1 - right] == after[after.size() - 1 - right])
            ++right;
        benchmark::DoNotOptimize(left + right);
    }
    state.SetBytesProcessed(state.iterations() * before.size() * 2);
}
BENCHMARK(BM_Baseline_CharacterScan)->Apply(sizes);

} // namespace

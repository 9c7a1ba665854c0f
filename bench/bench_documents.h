#pragma once

#include <QString>

// The documents the undo benchmarks work on, as RTF, so that every rig loads the same
// content the same way.
namespace BenchDocuments {

enum class Kind {
    Post,      // mostly plain paragraphs, now and then a coloured run from pasted text
    Formatted, // every word in a format of its own
};

// About `size` characters of the given kind. Built once per kind and size.
const QString& rtf(Kind kind, int size);

const char* name(Kind kind);

// The texts the work-area benchmarks type in: lines of one sentence each, or paragraphs
// of forty sentences; formatted, a coloured or struck-out word every four words.
enum class Shape { ShortLines, LongParagraphs };
struct WorkText {
    Shape shape;
    bool formatted;
    int size; // characters, about
};

// The text as RTF, built once per kind.
const QString& rtf(const WorkText& text);
// "1 MB short lines, formatted" and the like.
QString describe(const WorkText& text);

} // namespace BenchDocuments

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

} // namespace BenchDocuments

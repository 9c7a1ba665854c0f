#pragma once

#include <QString>

// The work-area figures beside the same action on a bare QTextEdit, collected as the
// benchmarks run and printed as one table when they are done.
namespace ComparisonTable {

// A figure of the work area (quillet) and of the bare control (bare; negative when the
// bare control has nothing to set beside it), in unit.
void add(const QString& text, const QString& action, double quillet, double bare = -1,
         const QString& unit = "ms");
// Prints the table to standard output, if any figure was added.
void print();

} // namespace ComparisonTable

#include "ComparisonTable.h"

#include <QApplication>
#include <benchmark/benchmark.h>

// Benchmarks that drive widgets need an application object; it lives for the whole run.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    ComparisonTable::print();
    benchmark::Shutdown();
    return 0;
}

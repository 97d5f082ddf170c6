// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Zorvik developers
#include <QApplication>
#include <benchmark/benchmark.h>

// The window benchmarks paint real widgets, so one application lives for the
// whole run. It draws offscreen: no display is needed.
int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef ZORVIK_BENCH_SCALE_FACTOR
    qputenv("QT_SCALE_FACTOR", ZORVIK_BENCH_SCALE_FACTOR);
#endif
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

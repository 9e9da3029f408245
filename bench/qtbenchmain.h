#pragma once
// The main() of a benchmark program that needs the application object (the
// editor, a tree): offscreen unless a display was asked for. `beforeQuit`
// runs while the application object still exists (to free widgets kept
// across benchmarks).
#include <QApplication>
#include <benchmark/benchmark.h>

#include <functional>

inline int runQtBenchmarks(int argc, char** argv, const std::function<void()>& beforeQuit = {}) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (beforeQuit) beforeQuit();
    return 0;
}

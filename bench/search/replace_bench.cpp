// Replace-all and find on the 50 MB corpus file against loading it: the
// replacement of "action" by "ACTION" (every hit), its undo, and a find
// next that runs to the end of the text without a hit. The file is taken
// from $QUODEX_CORPUS or <source>/corpus/big.lum.
#include "bench/qtbenchmain.h"
#include "components/editorex.h"

#include <QApplication>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>

namespace {

QString corpusPath() {
    const QByteArray env = qgetenv("QUODEX_CORPUS");
    return env.isEmpty() ? QStringLiteral(QUODEX_SOURCE_DIR "/corpus/big.lum") : QString::fromLocal8Bit(env);
}

void BM_LoadIntoEditor(benchmark::State& state) {
    TEditorEx editor;
    for (auto _ : state) editor.Lines().LoadFromFile(corpusPath());
}

// Arg 0: the replace-all; 1: its undo; 2: the replace-all asking a stop
// check at every hit, as it does under the find command's progress watch.
void BM_ReplaceAllThenUndo(benchmark::State& state) {
    const bool timeUndo = state.range(0) == 1;
    TEditorEx editor;
    QElapsedTimer clock;
    clock.start();
    if (state.range(0) == 2) editor.SetSearchStopCheck([&clock] { return clock.elapsed() < 0; });
    editor.SetFindString("action");
    editor.SetExSearchOptions({TExSearchOption::MatchCase});
    int hits = 0;
    for (auto _ : state) {
        state.PauseTiming();
        editor.Lines().LoadFromFile(corpusPath());
        if (timeUndo) hits = editor.ReplaceAll("ACTION", false);
        state.ResumeTiming();
        if (timeUndo)
            editor.Undo();
        else
            hits = editor.ReplaceAll("ACTION", false);
    }
    state.counters["hits"] = hits;
}

// A regular expression with a group over every hit.
void BM_RegexReplaceAll(benchmark::State& state) {
    TEditorEx editor;
    editor.SetFindString("(\\w+)tion");
    editor.SetExSearchOptions({TExSearchOption::MatchCase, TExSearchOption::Regexp});
    int hits = 0;
    for (auto _ : state) {
        state.PauseTiming();
        editor.Lines().LoadFromFile(corpusPath());
        state.ResumeTiming();
        hits = editor.ReplaceAll("$1TION", false);
    }
    state.counters["hits"] = hits;
}

void BM_FindNextWithoutAHit(benchmark::State& state) {
    TEditorEx editor;
    editor.Lines().LoadFromFile(corpusPath());
    editor.SetFindString("QuodexNoSuchWord");
    editor.SetExSearchOptions({TExSearchOption::MatchCase});
    for (auto _ : state) {
        editor.SetSelStart(0);
        benchmark::DoNotOptimize(editor.FindNext());
    }
}

}  // namespace

BENCHMARK(BM_LoadIntoEditor)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_ReplaceAllThenUndo)->ArgName("mode")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_RegexReplaceAll)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();
BENCHMARK(BM_FindNextWithoutAHit)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) { return runQtBenchmarks(argc, argv); }

// Word wrap on the 50 MB corpus (python3 shared/tools/gen_corpus.py corpus):
// loading the file into a shown editor and jumping to its end, with wrap at
// 80 columns under the line-breaking rules and without wrap; and typing one
// character in the middle of the wrapped text of over a million lines, the
// repaint included. The file is taken from $QUODEX_CORPUS or
// <source>/corpus/big.lum.
#include "bench/qtbenchmain.h"
#include "components/editorex.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QKeyEvent>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

QString corpusPath() {
    const QByteArray env = qgetenv("QUODEX_CORPUS");
    return env.isEmpty() ? QStringLiteral(QUODEX_SOURCE_DIR "/corpus/big.lum") : QString::fromLocal8Bit(env);
}

std::unique_ptr<TEditorEx> shownEditor(bool wrap) {
    auto e = std::make_unique<TEditorEx>();
    TEditorExProp prop;
    prop.WordWrap = wrap;
    prop.WrapOption.WrapByte = 80;
    e->ApplyProp(prop);
    e->resize(1000, 800);
    e->show();
    QApplication::processEvents();
    return e;
}

// Arg 1: wrap at 80 columns; arg 0: no wrap.
void BM_LoadAndJumpToEnd(benchmark::State& state) {
    auto e = shownEditor(state.range(0) != 0);
    for (auto _ : state) {
        e->Lines().LoadFromFile(corpusPath());
        e->SetRow(e->Lines().Count() - 1);
        e->repaint();
        QApplication::processEvents();
    }
    state.counters["lines"] = e->Lines().Count();
}

std::unique_ptr<TEditorEx> wrappedCorpus;

void BM_TypeInTheMiddleOfWrappedText(benchmark::State& state) {
    if (!wrappedCorpus) {
        wrappedCorpus = shownEditor(true);
        wrappedCorpus->Lines().LoadFromFile(corpusPath());
        wrappedCorpus->SetRow(wrappedCorpus->Lines().Count() / 2);
        wrappedCorpus->SetCol(3);
        QApplication::processEvents();
    }
    TEditorEx& e = *wrappedCorpus;
    QWidget* target = e.Scintilla();
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(target, &press);
        e.repaint();
    }
    state.counters["lines"] = e.Lines().Count();
}

}  // namespace

BENCHMARK(BM_LoadAndJumpToEnd)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_TypeInTheMiddleOfWrappedText)->Unit(benchmark::kMillisecond)->Iterations(200)->UseRealTime();

int main(int argc, char** argv) {
    return runQtBenchmarks(argc, argv, [] { wrappedCorpus.reset(); });
}

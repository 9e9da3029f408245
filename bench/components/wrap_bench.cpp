// Word wrap on the 50 MB corpus (python3 shared/tools/gen_corpus.py corpus):
// loading the file into a shown editor and jumping to its end, with wrap at
// 80 columns under the line-breaking rules and without wrap; and typing one
// character in the middle of the wrapped text of over a million lines, the
// repaint included. The file is taken from $QUODEX_CORPUS or
// <source>/corpus/big.lum.
#include "bench/qtbenchmain.h"
#include "components/editorex.h"
#include "platform/cp932.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QFile>
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

std::unique_ptr<TEditorEx> typedIn;

// Arg 1: wrapped at 80 columns; arg 0: no wrap. The key goes through the
// whole path of a typed character, and the editor is repainted.
void BM_TypeInTheMiddle(benchmark::State& state) {
    typedIn = shownEditor(state.range(0) != 0);
    typedIn->Lines().LoadFromFile(corpusPath());
    typedIn->SetRow(typedIn->Lines().Count() / 2);
    typedIn->SetCol(3);
    QApplication::processEvents();
    TEditorEx& e = *typedIn;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(e.Scintilla(), &press);
        e.repaint();
    }
    state.counters["lines"] = e.Lines().Count();
    typedIn.reset();
}

// The yardstick: the same insertion in a plain widget holding the same text,
// without a lexer. Arg 1: wrapped at the window's edge.
void BM_TypeInThePlainWidget(benchmark::State& state) {
    QFile file(corpusPath());
    file.open(QIODevice::ReadOnly);
    QsciScintilla plain;
    plain.setUtf8(true);
    plain.setText(cp932::decode(file.readAll()));
    plain.setWrapMode(state.range(0) ? QsciScintilla::WrapWord : QsciScintilla::WrapNone);
    plain.resize(1000, 800);
    plain.show();
    plain.setCursorPosition(plain.lines() / 2, 3);
    QApplication::processEvents();
    for (auto _ : state) {
        plain.SendScintilla(QsciScintillaBase::SCI_ADDTEXT, 1UL, "x");
        plain.repaint();
    }
}

}  // namespace

BENCHMARK(BM_TypeInThePlainWidget)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();
BENCHMARK(BM_LoadAndJumpToEnd)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_TypeInTheMiddle)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

int main(int argc, char** argv) {
    return runQtBenchmarks(argc, argv, [] { typedIn.reset(); });
}

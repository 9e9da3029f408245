// The editor on the 50 MB corpus file (python3 shared/tools/gen_corpus.py
// corpus): loading against the codec plus a plain setText, saving, offset
// calls near the end of a document of over a million lines, and FindNext
// across the whole text. The file is taken from $QUODEX_CORPUS or
// <source>/corpus/big.lum; the saved copy goes to $QUODEX_SAVE_TO (default:
// beside it, "saved.lum").
#include "bench/qtbenchmain.h"
#include "components/editorex.h"
#include "platform/cp932.h"
#include "platform/filebytes.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QFile>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

QString corpusPath() {
    const QByteArray env = qgetenv("QUODEX_CORPUS");
    return env.isEmpty() ? QStringLiteral(QUODEX_SOURCE_DIR "/corpus/big.lum") : QString::fromLocal8Bit(env);
}

const QByteArray& corpusBytes() {
    static const QByteArray bytes = filebytes::read(corpusPath());
    return bytes;
}

// One editor holding the corpus, shared by the benchmarks that only read it;
// it goes before the application object does, as every widget must.
std::unique_ptr<TEditorEx> sharedEditor;

TEditorEx& loadedEditor() {
    if (!sharedEditor) {
        sharedEditor = std::make_unique<TEditorEx>();
        sharedEditor->Lines().LoadFromFile(corpusPath());
    }
    return *sharedEditor;
}

void BM_LoadIntoEditor(benchmark::State& state) {
    TEditorEx editor;
    for (auto _ : state) editor.Lines().LoadFromFile(corpusPath());
    state.SetBytesProcessed(state.iterations() * corpusBytes().size());
}

QString savePath() {
    const QByteArray env = qgetenv("QUODEX_SAVE_TO");
    return env.isEmpty() ? corpusPath() + ".saved" : QString::fromLocal8Bit(env);
}

// Saving the whole text: encoding, writing and flushing to the disk.
void BM_SaveFromEditor(benchmark::State& state) {
    TEditorEx& e = loadedEditor();
    for (auto _ : state) e.Lines().SaveToFile(savePath());
    state.SetBytesProcessed(state.iterations() * e.TextLength());
    state.counters["same_bytes"] = filebytes::read(savePath()) == corpusBytes() ? 1 : 0;
    QFile::remove(savePath());
}

void BM_CodecDecodeOnly(benchmark::State& state) {
    const QByteArray& bytes = corpusBytes();
    for (auto _ : state) benchmark::DoNotOptimize(cp932::decode(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_PlainSetTextOnly(benchmark::State& state) {
    const QString text = cp932::decode(corpusBytes());
    QsciScintilla plain;
    plain.setUtf8(true);
    for (auto _ : state) plain.setText(text);
}

// The yardstick for loading: the codec's decode plus a plain setText.
void BM_CodecPlusPlainSetText(benchmark::State& state) {
    const QByteArray& bytes = corpusBytes();
    QsciScintilla plain;
    plain.setUtf8(true);
    for (auto _ : state) plain.setText(cp932::decode(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_SelStartNearTheEnd(benchmark::State& state) {
    TEditorEx& e = loadedEditor();
    const qsizetype end = e.TextLength();
    qsizetype i = 0;
    for (auto _ : state) {
        e.SetSelStart(end - 1000 + (i++ % 900));
        benchmark::DoNotOptimize(e.GetSelStart());
    }
}

void BM_RowColNearTheEnd(benchmark::State& state) {
    TEditorEx& e = loadedEditor();
    const int last = e.Lines().Count() - 1;
    int i = 0;
    for (auto _ : state) {
        e.SetRow(last - (i++ % 50));
        e.SetCol(10);
        benchmark::DoNotOptimize(e.Col());
    }
}

// An edit at the top, then an offset near the end: the line table is
// brought up to date without a pass over the document.
void BM_EditAtTopThenOffsetAtEnd(benchmark::State& state) {
    TEditorEx& e = loadedEditor();
    const qsizetype end = e.TextLength();
    for (auto _ : state) {
        e.SetSelStart(10);
        e.SetSelText("x\r\n");
        e.SetSelStart(end - 500);
        e.SetSelLength(40);
        benchmark::DoNotOptimize(e.GetSelLength());
    }
}

// A string that is not in the text: FindNext reads all of it.
void BM_FindNextAcrossTheText(benchmark::State& state) {
    TEditorEx& e = loadedEditor();
    e.SetFindString(state.range(0) == 0 ? QByteArray("QuodexNoSuchWord") : cp932::encode(u"存在しない語句"));
    e.SetExSearchOptions({TExSearchOption::MatchCase});
    for (auto _ : state) {
        e.SetSelStart(0);
        benchmark::DoNotOptimize(e.FindNext());
    }
    state.SetBytesProcessed(state.iterations() * e.TextLength());
}

void BM_FindNextIgnoringCase(benchmark::State& state) {
    TEditorEx& e = loadedEditor();
    e.SetFindString("QuodexNoSuchWord");
    e.SetExSearchOptions({});
    for (auto _ : state) {
        e.SetSelStart(0);
        benchmark::DoNotOptimize(e.FindNext());
    }
    state.SetBytesProcessed(state.iterations() * e.TextLength());
}

// Colouring the whole text, as jumping to its end makes the widget do.
void BM_ColourWholeText(benchmark::State& state) {
    TEditorEx& e = loadedEditor();
    for (auto _ : state) {
        e.Scintilla()->SendScintilla(QsciScintillaBase::SCI_STARTSTYLING, 0UL, 0L);
        e.Scintilla()->SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L);
    }
    state.SetBytesProcessed(state.iterations() * e.TextLength());
}

}  // namespace

BENCHMARK(BM_LoadIntoEditor)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_SaveFromEditor)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_CodecDecodeOnly)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_PlainSetTextOnly)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_CodecPlusPlainSetText)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_SelStartNearTheEnd)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RowColNearTheEnd)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EditAtTopThenOffsetAtEnd)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindNextAcrossTheText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FindNextIgnoringCase)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ColourWholeText)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

int main(int argc, char** argv) {
    return runQtBenchmarks(argc, argv, [] { sharedEditor.reset(); });
}

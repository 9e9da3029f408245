// The action viewer over the corpus's 5,000 sources (python3
// shared/tools/gen_corpus.py corpus): a full rebuild, the tree filled and
// painted. The folder is taken from $QUODEX_CORPUS_SRCS or
// <source>/corpus/srcs.
#include "bench/qtbenchmain.h"
#include "search/actionviewer.h"
#include "search/searchwindow.h"
#include "settings/settingsrecord.h"

#include <QAction>
#include <QApplication>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

namespace {

QString sourcesFolder() {
    const QByteArray env = qgetenv("QUODEX_CORPUS_SRCS");
    return (env.isEmpty() ? QStringLiteral(QUODEX_SOURCE_DIR "/corpus/srcs") : QString::fromLocal8Bit(env)) + "/";
}

// Only the folder matters to a rebuild.
class BenchWindow final : public SearchWindow {
public:
    TEditorEx* CurrentEditor() override { return nullptr; }
    TSettings& Settings() override { return settings; }
    QWidget* DialogOwner() override { return nullptr; }
    void UpdateModifiedMark() override {}
    bool IsDocumentOpen(const QString&) override { return false; }
    void OpenDocument(const QString&) override {}
    void ActivateDocument(const QString&) override {}
    QString ExplorerFolder() override { return settings.CurrentFolder; }
    void CenterCaretRow() override {}

    TSettings settings;
};

void BM_ActionViewRebuild(benchmark::State& state) {
    BenchWindow window;
    window.settings.CurrentFolder = sourcesFolder();
    QAction redraw("再描画");
    TActionViewer viewer(&redraw, window);
    viewer.resize(200, 600);
    viewer.show();
    QApplication::processEvents();
    int files = 0;
    int actions = 0;
    for (auto _ : state) {
        viewer.ActionVewExecute();
        viewer.Tree->viewport()->repaint();
        QApplication::processEvents();
    }
    files = viewer.Tree->topLevelItemCount();
    for (int i = 0; i < files; ++i) actions += viewer.Tree->topLevelItem(i)->childCount();
    state.counters["files"] = files;
    state.counters["actions"] = actions;
}

// The scan alone: listing the folder and grepping its sources.
void BM_ActionScanOnly(benchmark::State& state) {
    TActionScan scan;
    for (auto _ : state) scan.ScanActionFolder(sourcesFolder());
}

}  // namespace

BENCHMARK(BM_ActionScanOnly)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_ActionViewRebuild)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

int main(int argc, char** argv) { return runQtBenchmarks(argc, argv); }

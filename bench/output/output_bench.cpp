// A batch that prints 200,000 lines (about 10 MB) at once, shown in the
// output pane of a shown window, against loading the same text as a file
// into TEditorEx, in the same run. While the batch runs a 5 ms timer
// measures how long the event loop is ever kept from answering (key presses
// wait as long as it does).
//
// Usage: output_bench [LINES]   (offscreen unless QT_QPA_PLATFORM is set)
#include "components/editorex.h"
#include "output/compileoutput.h"
#include "output/outputpane.h"
#include "output/outputwindow.h"
#include "platform/cp932.h"
#include "settings/settingsrecord.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kRuns = 3;

class NoWindow final : public OutputWindow {
public:
    void ShowPlace(const QString&, int, int) override {}
};

// Compiler-like lines, every tenth an error, some in Japanese; about 50 bytes each.
QByteArray makeOutput(int lines) {
    QByteArray text;
    text.reserve(qsizetype(lines) * 52);
    for (int i = 0; i < lines; ++i) {
        if (i % 10 == 0)
            text += "src\\module" + QByteArray::number(i % 97) + ".lum(" + QByteArray::number(i) + ",7): " +
                    cp932::encode(u"エラー: 未定義の名前です") + "\r\n";
        else
            text += "compiling unit " + QByteArray::number(i) + " of the project ... done\r\n";
    }
    return text;
}

double editorLoadMs(const QString& file) {
    double best = 1e18;
    for (int run = 0; run < kRuns; ++run) {
        TEditorEx editor;
        QElapsedTimer clock;
        clock.start();
        editor.Lines().LoadFromFile(file);
        best = std::min(best, clock.nsecsElapsed() / 1e6);
    }
    return best;
}

struct PaneRun {
    double ms = 0;
    double longestStallMs = 0;
    int kept = 0;
};

PaneRun paneRun(const QString& batch, const QString& folder) {
    QMainWindow window;
    TSettings settings;
    settings.BatFile = batch;
    settings.CurrentFolder = folder;
    QAction stop("stop", &window);
    TCompileOutput output(window, settings, std::make_unique<NoWindow>(), &stop);
    window.resize(900, 700);
    window.show();
    QApplication::processEvents();

    PaneRun result;
    QElapsedTimer clock;
    QElapsedTimer sinceTick;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        result.longestStallMs = std::max(result.longestStallMs, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.restart();
    });
    clock.start();
    sinceTick.start();
    ticker.start();
    output.MakeKioroExecute();
    while (output.IsRunning()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QApplication::processEvents();  // the last batch and the end line are shown
    result.ms = clock.nsecsElapsed() / 1e6;
    ticker.stop();
    result.kept = output.Log().Count();
    return result;
}

// The floor: the same batch read through a pipe, nothing done with it.
double rawPipeMs(const QString& batch) {
    double best = 1e18;
    for (int run = 0; run < kRuns; ++run) {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        qint64 bytes = 0;
        QObject::connect(&process, &QProcess::readyReadStandardOutput,
                         [&] { bytes += process.readAllStandardOutput().size(); });
        QElapsedTimer clock;
        clock.start();
        process.start(batch);
        while (process.state() != QProcess::NotRunning) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        best = std::min(best, clock.nsecsElapsed() / 1e6);
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int lines = argc > 1 ? std::atoi(argv[1]) : 200000;

    QTemporaryDir dir;
    const QString text = dir.filePath("output.txt");
    const QString batch = dir.filePath("make.sh");
    {
        QFile file(text);
        file.open(QIODevice::WriteOnly);
        file.write(makeOutput(lines));
        QFile script(batch);
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\ncat '" + text.toUtf8() + "'\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
    }

    const double load = editorLoadMs(text);
    const double raw = rawPipeMs(batch);
    PaneRun best;
    best.ms = 1e18;
    for (int run = 0; run < kRuns; ++run) {
        const PaneRun r = paneRun(batch, dir.path() + "/");
        if (r.ms < best.ms) best = r;
    }
    std::printf("lines %d, bytes %lld\n", lines, static_cast<long long>(QFile(text).size()));
    std::printf("TEditorEx load of the text: best of %d = %.1f ms\n", kRuns, load);
    std::printf("output pane, batch start to end line shown: best of %d = %.1f ms (%.2f x the load), %d lines kept\n",
                kRuns, best.ms, best.ms / load, best.kept);
    std::printf("the same batch read through QProcess, nothing done with it: best of %d = %.1f ms\n", kRuns, raw);
    std::printf("longest stall of the event loop during that run: %.1f ms\n", best.longestStallMs);
    return 0;
}

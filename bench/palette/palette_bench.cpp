// How much the function palette adds to the editor's start: the whole start
// (window made, shown, first document, palette built) with the shipped
// default package and with a package of 50 tabs x 100 buttons, each button
// with a bitmap of its own, in one run; then the palette build alone.
// Usage: palette_bench [runs]   (QT_QPA_PLATFORM=offscreen unless a display
// is wanted). The default package is read from the source folder.
#include "app/mainunit.h"
#include "palette/functionpalette.h"
#include "palette/palettehost.h"
#include "platform/appfolder.h"
#include "platform/cp932.h"
#include "platform/filebytes.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kTabs = 50;
constexpr int kButtonsPerTab = 100;

void copyDefaultPackage(const QString& folder) {
    const QDir source(QStringLiteral(QUODEX_SOURCE_DIR "/palette/buttons"));
    QDir().mkpath(folder + "buttons");
    for (const QString& name : source.entryList(QDir::Files))
        QFile::copy(source.filePath(name), folder + "buttons/" + name);
}

void writeBigPackage(const QString& folder) {
    QDir().mkpath(folder + "buttons");
    QImage glyph(16, 16, QImage::Format_RGB888);
    QStringList package;
    for (int tab = 0; tab < kTabs; ++tab) {
        QStringList lines;
        for (int b = 0; b < kButtonsPerTab; ++b) {
            const QString bitmap = QString("buttons\\b%1_%2.bmp").arg(tab).arg(b);
            glyph.fill(QColor::fromHsv((tab * 7 + b) % 360, 200, 200));
            glyph.save(folder + QString("buttons/b%1_%2.bmp").arg(tab).arg(b), "BMP");
            lines.append(QString("Func%1_%2()\t説明 %2\t(引数) 戻り値\t%3").arg(tab).arg(b).arg(bitmap));
        }
        filebytes::save(folder + QString("buttons/t%1.qbt").arg(tab), cp932::encode(lines.join("\r\n") + "\r\n"));
        package.append(QString("タブ%1\tbuttons\\t%1.qbt").arg(tab));
    }
    glyph.save(folder + "buttons/NewLine.bmp", "BMP");
    filebytes::save(folder + "buttons/buttons.qbp", cp932::encode(package.join("\r\n") + "\r\n"));
}

// Milliseconds from making the main window to its start being done.
double editorStart(const QString& folder) {
    setAppFolderOverride(folder);
    QElapsedTimer clock;
    clock.start();
    auto window = std::make_unique<TMF>(QStringList{"quodex"});
    window->show();
    QApplication::processEvents();
    const double ms = clock.nsecsElapsed() / 1e6;
    window.reset();
    QApplication::processEvents();
    return ms;
}

class NoHost final : public TPaletteHost {
    TEditorEx* SnippetEditor() override { return nullptr; }
    bool InsertNewLine() const override { return false; }
};

double paletteBuild(const QString& folder) {
    QMenu menu;
    QAction lineBreak;
    QElapsedTimer clock;
    clock.start();
    TFunctionPalette palette;
    palette.BuildPalette({folder, folder + "buttons/buttons.qbp", &menu, &lineBreak}, std::make_unique<NoHost>());
    return clock.nsecsElapsed() / 1e6;
}

struct Figures {
    std::vector<double> runs;
    double best() const { return *std::min_element(runs.begin(), runs.end()); }
    double median() const {
        std::vector<double> sorted = runs;
        std::sort(sorted.begin(), sorted.end());
        return sorted[sorted.size() / 2];
    }
};

void report(const char* what, const Figures& small, const Figures& big) {
    std::printf("%-28s default %8.1f ms (best %8.1f)   50x100 %8.1f ms (best %8.1f)   added %8.1f ms (best %8.1f)\n",
                what, small.median(), small.best(), big.median(), big.best(), big.median() - small.median(),
                big.best() - small.best());
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir hive, lock, defaultFolder, bigFolder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, hive.path());
    qputenv("QUODEX_LOCK_DIR", lock.path().toUtf8());
    const QString small = defaultFolder.path() + "/";
    const QString big = bigFolder.path() + "/";
    copyDefaultPackage(small);
    writeBigPackage(big);

    Figures startSmall, startBig, buildSmall, buildBig;
    editorStart(small);  // warm up the fonts, styles and file caches
    editorStart(big);
    for (int run = 0; run < runs; ++run) {
        startSmall.runs.push_back(editorStart(small));
        startBig.runs.push_back(editorStart(big));
        buildSmall.runs.push_back(paletteBuild(small));
        buildBig.runs.push_back(paletteBuild(big));
    }
    std::printf("%d runs, medians (best)\n", runs);
    report("editor start", startSmall, startBig);
    report("palette build alone", buildSmall, buildBig);
    return 0;
}

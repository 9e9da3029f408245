// Times the macro host inside the real main window (offscreen, in a sandbox
// of its own) and prints best-of-five wall-clock figures:
// - a loop of 1,000,000 iterations run from the editor, against the same
//   macro file in quodex-macro (its start-up, timed with an empty macro, is
//   taken off);
// - 100,000 rounds of CursorDown; GetRow; GetCol on a document of 1,000,000
//   lines, against the same loop calling host routines that do nothing and
//   against the same commands on a document of 110,000 lines.
#include "app/mainunit.h"
#include "components/editorex.h"
#include "macro/host/macrohost.h"
#include "platform/appfolder.h"
#include "platform/prompt.h"
#include "platform/textfile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

constexpr int kRounds = 5;

const char* const kLoopMacro =
    "var i, n: Integer;\r\nbegin\r\n  n := 0;\r\n  for i := 1 to 1000000 do\r\n    n := n + 1;\r\nend\r\n";
const char* const kCommandMacro =
    "var i, r, c: Integer;\r\nbegin\r\n  for i := 1 to 100000 do\r\n  begin\r\n    CursorDown;\r\n"
    "    r := GetRow;\r\n    c := GetCol;\r\n  end;\r\nend\r\n";
const char* const kNopMacro =
    "var i, r, c: Integer;\r\nbegin\r\n  for i := 1 to 100000 do\r\n  begin\r\n    NopProc;\r\n"
    "    r := NopInt;\r\n    c := NopInt;\r\n  end;\r\nend\r\n";

double bestSeconds(const std::function<void()>& work) {
    double best = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        work();
        best = std::min(best, double(clock.nsecsElapsed()) / 1e9);
    }
    return best;
}

void runInEditor(TMacroHost& host, const char* macro) {
    host.RunFromEditForm(textfile::splitLines(macro));
}

void runInRunner(const QString& file) {
    QProcess runner;
    runner.start(QUODEX_MACRO_RUNNER, {file});
    runner.waitForFinished(-1);
    if (runner.exitCode() != 0) std::fprintf(stderr, "quodex-macro failed: %s\n", runner.readAllStandardError().data());
}

// Nobody answers boxes in a benchmark: each is told on standard error and
// answered as if cancelled.
class UnattendedPrompts final : public PromptService {
public:
    int present(const MessageRequest& request) override {
        std::fprintf(stderr, "box: %s\n", request.text.toUtf8().constData());
        return IdCancel;
    }
    QStringList chooseOpenFiles(const FileDialogRequest&) override { return {}; }
    QString chooseSaveFile(const FileDialogRequest&) override { return {}; }
    QString chooseFolder(const QString&, const QString&, QWidget*) override { return {}; }
    std::optional<QColor> chooseColour(const QColor&, QWidget*) override { return std::nullopt; }
    std::optional<QString> inputText(const QString&, const QString&, const QString&, QWidget*) override {
        return std::nullopt;
    }
};

QString writeMacro(const QTemporaryDir& dir, const char* name, const char* macro) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(macro);
    return path;
}

// Host routines that do nothing, declared beside the editor's commands.
void addNopRoutines(TMacroHost& host) {
    std::vector<std::string> prototypes = host.PPA.DeclarePrototype();
    prototypes.push_back("procedure NopProc;");
    prototypes.push_back("function NopInt:Integer;");
    host.PPA.SetDeclarePrototype(prototypes);
    auto proc = host.PPA.ProcParam;
    host.PPA.ProcParam = [proc](const std::string& name, std::int32_t index, const ppa::TPPAArguments& args,
                                std::int32_t& err) {
        if (name == "NOPPROC") err = 0; else proc(name, index, args, err);
    };
    auto intFunc = host.PPA.IntFuncParam;
    host.PPA.IntFuncParam = [intFunc](const std::string& name, std::int32_t index, const ppa::TPPAArguments& args,
                                      std::int32_t& err, std::int64_t& result) {
        if (name == "NOPINT") err = 0; else intFunc(name, index, args, err, result);
    };
}

QByteArray textOfLines(int lines) {
    QByteArray text;
    text.reserve(qsizetype(lines) * 24);
    for (int i = 0; i < lines; ++i) text += "    line of the text " + QByteArray::number(i % 10) + "\r\n";
    return text;
}

// The command loop from the top of a document of `lines` lines.
double commandLoop(TMF& window, TMacroHost& host, int lines) {
    window.CurEditor->Lines().SetText(textOfLines(lines));
    return bestSeconds([&] {
        window.CurEditor->SetSelStart(0);
        runInEditor(host, kCommandMacro);
    });
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    UnattendedPrompts unattended;
    const ScopedPromptService prompts(&unattended);
    QTemporaryDir sandbox;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, sandbox.path());
    setAppFolderOverride(sandbox.path());
    qputenv("QUODEX_LOCK_DIR", sandbox.path().toUtf8());
    TMF window({"quodex"});
    window.show();
    QApplication::processEvents();
    TMacroHost& host = *window.MacroHost;

    const QString loopFile = writeMacro(sandbox, "loop.qmc", kLoopMacro);
    const QString emptyFile = writeMacro(sandbox, "empty.qmc", "");
    const double editorLoop = bestSeconds([&] { runInEditor(host, kLoopMacro); });
    const double runnerLoop = bestSeconds([&] { runInRunner(loopFile); });
    const double runnerStart = bestSeconds([&] { runInRunner(emptyFile); });
    const double runnerNet = runnerLoop - runnerStart;
    std::printf("loop of 1,000,000 iterations\n");
    std::printf("  editor            %8.3f s  (n = %lld)\n", editorLoop,
                static_cast<long long>(host.PPA.FindVariable("n")->IntValue));
    std::printf("  quodex-macro      %8.3f s  (%.3f s with its start-up of %.3f s)\n", runnerNet, runnerLoop,
                runnerStart);
    std::printf("  ratio             %8.2f  (goal: at most 1.5)\n", editorLoop / runnerNet);

    addNopRoutines(host);
    const double nops = bestSeconds([&] { runInEditor(host, kNopMacro); });
    const double shortText = commandLoop(window, host, 110000);
    const double commands = commandLoop(window, host, 1000000);
    std::printf("100,000 rounds of CursorDown; GetRow; GetCol\n");
    std::printf("  on 1,000,000 lines  %8.3f s  (caret reached row %lld)\n", commands,
                static_cast<long long>(host.PPA.FindVariable("r")->IntValue));
    std::printf("  on 110,000 lines    %8.3f s\n", shortText);
    std::printf("  do-nothing routines %8.3f s\n", nops);
    std::printf("  ratio to do-nothing %8.2f  (goal: at most 3)\n", commands / nops);
    std::printf("  ratio 1,000,000 to 110,000 lines %8.2f\n", commands / shortText);
    window.CurEditor->SetModified(false);
    return 0;
}

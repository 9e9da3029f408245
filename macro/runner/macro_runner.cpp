#include "macro/runner/macro_runner.h"

#include <optional>
#include <string>
#include <vector>

#include "macro/engine/poor_pascal.h"
#include "macro/runner/console_environment.h"
#include "macro/runner/console_text.h"
#include "macro/runner/macro_source.h"
#include "macro/runner/runner_messages.h"
#include "platform/fileerror.h"

namespace {

constexpr int kMacroError = 1;
constexpr int kFileError = 2;

// "FILE:LINE: message", or "FILE: message" for a message of no line.
std::string located(const RunnerOptions& options, std::uint32_t line, const std::string& message) {
    const std::string where = line ? options.macroFile + ":" + std::to_string(line) : options.macroFile;
    return where + ": " + message;
}

// The lines of the macro file, or nothing when it cannot be run as written
// (the reasons already on standard error).
std::optional<std::vector<std::string>> loadSource(const RunnerOptions& options) {
    try {
        MacroSource source = readMacroSource(QString::fromLocal8Bit(options.macroFile.c_str()));
        for (const MacroSource::Unencodable& u : source.unencodable)
            writeLine(stderr, located(options, std::uint32_t(u.line),
                                      runnertext::fill(runnertext::kUnencodable, u.characters.join(u' ').toStdString())));
        if (!source.unencodable.empty()) return std::nullopt;
        return std::move(source.lines);
    } catch (const FileError& e) {
        writeLine(stderr, std::string("quodex-macro: ") + e.what());
        return std::nullopt;
    }
}

// The one editor command of the console: Print writes a line to standard output.
void connectPrint(ppa::TPoorPascal& ppa, bool sjis) {
    ppa.SetDeclarePrototype({"procedure Print(S:String);"});
    ppa.ProcParam = [sjis](const std::string& name, std::int32_t, const ppa::TPPAArguments& args,
                           std::int32_t& errCode) {
        if (name != "PRINT" || args.empty()) return;
        writeLine(stdout, consoleText(args[0].StrValue, sjis));
        errCode = 0;
    };
}

int reportCheck(const RunnerOptions& options, const std::vector<ppa::TPPADiagnostic>& found) {
    bool failed = false;
    for (const ppa::TPPADiagnostic& d : found) {
        const std::string message = consoleText(d.Message, false);
        writeLine(stderr, located(options, d.Line, d.Warning ? runnertext::fill(runnertext::kWarning, message)
                                                             : message));
        failed = failed || !d.Warning;
    }
    return failed ? kMacroError : 0;
}

}  // namespace

int runMacroFile(const RunnerOptions& options) {
    std::optional<std::vector<std::string>> source = loadSource(options);
    if (!source) return kFileError;

    ppa::TPoorPascal ppa;
    ConsoleEnvironment environment(ppa, options.sjis, options.permit);
    ppa.SetEnvironment(&environment);
    ppa.SetDefine(options.defines);
    connectPrint(ppa, options.sjis);
    ppa.SetSource(std::move(*source));
    if (options.check) return reportCheck(options, ppa.Check());
    try {
        ppa.Execute();
    } catch (const ppa::EPPAError& e) {
        // Messages are always UTF-8: they are the program's, not the macro's output.
        writeLine(stderr, located(options, e.Line(), consoleText(e.what(), false)));
        return kMacroError;
    }
    return 0;
}

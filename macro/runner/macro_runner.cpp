#include "macro/runner/macro_runner.h"

#include <cstdio>
#include <string>
#include <vector>

#include "macro/engine/poor_pascal.h"
#include "macro/runner/console_environment.h"
#include "platform/fileerror.h"
#include "platform/textfile.h"

namespace {

void writeLine(std::FILE* stream, const std::string& text) {
    const std::string line = text + "\n";
    std::fwrite(line.data(), 1, line.size(), stream);
}

}  // namespace

int runMacroFile(const RunnerOptions& options) {
    std::vector<std::string> source;
    try {
        for (const QByteArray& line :
             textfile::readByteLines(QString::fromLocal8Bit(options.macroFile.c_str())))
            source.push_back(line.toStdString());
    } catch (const FileError& e) {
        writeLine(stderr, std::string("quodex-macro: ") + e.what());
        return 2;
    }

    ppa::TPoorPascal ppa;
    ConsoleEnvironment environment(ppa, options.sjis);
    ppa.SetEnvironment(&environment);
    ppa.SetDefine(options.defines);
    ppa.SetDeclarePrototype({"procedure Print(S:String);"});
    ppa.ProcParam = [&](const std::string& name, std::int32_t, const ppa::TPPAArguments& args,
                        std::int32_t& errCode) {
        if (name != "PRINT" || args.empty()) return;
        writeLine(stdout, consoleText(args[0].StrValue, options.sjis));
        errCode = 0;
    };
    ppa.SetSource(std::move(source));
    try {
        ppa.Execute();
    } catch (const ppa::EPPAError& e) {
        std::fflush(stdout);
        // Messages are always UTF-8: they are the program's, not the macro's output.
        writeLine(stderr, consoleText(e.what(), false));
        return 1;
    }
    return 0;
}

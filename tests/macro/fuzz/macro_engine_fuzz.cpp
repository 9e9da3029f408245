// Any text, checked and run as a macro, must end in a normal end or an
// EPPAError: no crash, no sanitizer report, no other exception. A statement
// budget and a string limit keep endless loops and doubling strings short. An
// input whose first line starts with "!" gives that line as an extra host
// prototype.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "macro/engine/poor_pascal.h"

namespace {

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    lines.push_back(line);
    return lines;
}

void connectHost(ppa::TPoorPascal& ppa) {
    ppa.ProcParam = [](const std::string& name, std::int32_t, const ppa::TPPAArguments& args,
                       std::int32_t& err) { err = name == "PRINT" && !args.empty() ? 0 : 3; };
    ppa.IntFuncParam = [](const std::string&, std::int32_t index, const ppa::TPPAArguments& args,
                          std::int32_t& err, std::int64_t& result) {
        result = args.empty() ? index : args[0].IntValue;
        err = 0;
    };
    ppa.RealFuncParam = [](const std::string&, std::int32_t, const ppa::TPPAArguments& args,
                           std::int32_t& err, double& result) {
        result = args.empty() ? 0.5 : args[0].RealValue;
        err = 0;
    };
    ppa.StrFuncParam = [](const std::string& name, std::int32_t, const ppa::TPPAArguments&, std::int32_t& err,
                          std::string& result) {
        result = name;
        err = 0;
    };
    ppa.ErrorProc = [](std::int32_t code, std::string& message) { message += std::to_string(code); };
    ppa.IntObjParam = [](const std::string&, std::int32_t, std::uint8_t mode, std::int32_t& err,
                         std::int64_t& value) {
        if (mode == 0) value += 1;
        err = 0;
    };
    ppa.StrObjParam = [](const std::string&, std::int32_t index, std::uint8_t, std::int32_t& err,
                         std::string&) { err = index; };
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> lines = splitLines(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<std::string> prototypes{"procedure Print(S:String);",
                                        "function Twice(N:Integer):Integer;Index 2;",
                                        "function Half(R:Real):Real;", "function Name:String;"};
    if (!lines.empty() && !lines[0].empty() && lines[0][0] == '!') {
        prototypes.push_back(lines[0].substr(1));
        lines.erase(lines.begin());
    }

    ppa::TPoorPascal ppa;
    ppa::Limits limits = ppa.GetLimits();
    limits.maxSteps = 20000;
    limits.maxStringLength = 1 << 16;
    ppa.SetLimits(limits);
    ppa.AddIntVariable("Counter", false, 1, true, 5);
    ppa.AddStrVariable("Title", "t", 0, true, false);
    ppa.AddStrVariable("Failing", "f", 7, true, false);
    ppa.SetDefine({"DEBUG"});
    ppa.SetDeclarePrototype(prototypes);
    connectHost(ppa);
    ppa.SetSource(lines);
    // The check compiles every statement, those no run reaches too; it
    // reports what it finds and raises nothing.
    ppa.Check();
    try {
        ppa.Execute();
    } catch (const ppa::EPPAError&) {
    }
    // A second run over the same names must start clean.
    try {
        ppa.Execute();
    } catch (const ppa::EPPAError&) {
    }
    return 0;
}

#pragma once
// A macro run for tests: the host declares "procedure Print(S:String);",
// collects what is printed and turns an error into its message. Tests are
// written in UTF-8; the engine speaks Shift-JIS, so both directions convert.

#include <string>
#include <string_view>
#include <vector>

#include "macro/engine/poor_pascal.h"
#include "tests/macro/sjistext.h"

namespace macrotest {

inline std::vector<std::string> lines(std::string_view text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n') {
            out.emplace_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return out;
}

class MacroHost {
public:
    MacroHost() {
        ppa.SetDeclarePrototype({"procedure Print(S:String);"});
        ppa.ProcParam = [this](const std::string& name, std::int32_t, const ppa::TPPAArguments& args,
                               std::int32_t& errCode) {
            if (name != "PRINT") return;
            printed.push_back(utf8(args.at(0).StrValue));
            errCode = 0;
        };
    }

    // Runs a UTF-8 program; returns the printed lines joined by "|", or
    // "ERROR: " and the message (UTF-8) when the run raised.
    std::string run(std::string_view program) {
        printed.clear();
        ppa.SetSource(lines(sjis(program)));
        std::string out;
        try {
            ppa.Execute();
        } catch (const ppa::EPPAError& e) {
            error = utf8(e.what());
            return joined() + (printed.empty() ? "" : "|") + "ERROR: " + error;
        }
        error.clear();
        return joined();
    }

    std::string joined() const {
        std::string out;
        for (std::size_t i = 0; i < printed.size(); ++i) out += (i ? "|" : "") + printed[i];
        return out;
    }

    ppa::TPoorPascal ppa;
    std::vector<std::string> printed;
    std::string error;
};

// Runs a program in a fresh host.
inline std::string run(std::string_view program) {
    MacroHost host;
    return host.run(program);
}

}  // namespace macrotest

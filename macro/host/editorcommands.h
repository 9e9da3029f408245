#pragma once
// The editor's command set for macros: the host prototypes a macro may call
// and the three handlers of the interpreter's events that carry them out on
// the window's current document. Every command stands in one table
// (editorcommands.cpp) with its prototype and its handler; the prototypes go
// to DeclarePrototype in the table's order, and the handlers find a command
// by its upper-case name.
#include "macro/engine/poor_pascal.h"

#include <string>
#include <vector>

class MacroWindow;

class TEditorCommandSet {
public:
    TEditorCommandSet(MacroWindow& window, ppa::TPoorPascal& ppa) : window_(window), ppa_(ppa) {}

    // The DeclarePrototype lines, one per command.
    static std::vector<std::string> Prototypes();

    // Each sets Err_CD to 0 when it knows the name and to -1 otherwise.
    void PPAProcParam(const std::string& ProcName, std::int32_t Index, const ppa::TPPAArguments& Argument,
                      std::int32_t& Err_CD);
    void PPAIntFuncParam(const std::string& FuncName, std::int32_t Index, const ppa::TPPAArguments& Argument,
                         std::int32_t& Err_CD, std::int64_t& ResultValue);
    void PPAStrFuncParam(const std::string& FuncName, std::int32_t Index, const ppa::TPPAArguments& Argument,
                         std::int32_t& Err_CD, std::string& ResultValue);

private:
    MacroWindow& window_;
    ppa::TPoorPascal& ppa_;
};

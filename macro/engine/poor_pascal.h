#pragma once
// TPoorPascal runs macros: small Pascal-like programs read straight from
// their text, whose callable names are all prototypes. Built-in prototypes are
// carried out here; the others go to the owner through the events below, as
// do reads and writes of object variables.
//
// Events are plain std::function members, named and shaped like the published
// events: the routine name (upper case), its Index and the argument list by
// position; a handler sets Err_CD to 0 when it has done the work (it starts
// as -1, so a name the handler does not know ends the run through ErrorProc).
//
// Errors are raised as EPPAError with a Shift-JIS message; nothing inside
// catches them. Strings are Shift-JIS byte strings throughout.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "macro/engine/ppa_entries.h"
#include "macro/engine/ppa_environment.h"
#include "macro/engine/ppa_error.h"
#include "macro/engine/ppa_runtime.h"

namespace ppa {

class Cursor;

using TProcParam = std::function<void(const std::string& ProcName, std::int32_t Index,
                                      const TPPAArguments& Argument, std::int32_t& Err_CD)>;
using TIntFuncParam =
    std::function<void(const std::string& FuncName, std::int32_t Index, const TPPAArguments& Argument,
                       std::int32_t& Err_CD, std::int64_t& ResultValue)>;
using TRealFuncParam =
    std::function<void(const std::string& FuncName, std::int32_t Index, const TPPAArguments& Argument,
                       std::int32_t& Err_CD, double& ResultValue)>;
using TStrFuncParam =
    std::function<void(const std::string& FuncName, std::int32_t Index, const TPPAArguments& Argument,
                       std::int32_t& Err_CD, std::string& ResultValue)>;
// Err_Message arrives preset to a default text naming the routine or object.
using TErrorProc = std::function<void(std::int32_t Error_CD, std::string& Err_Message)>;
// GS_Mode 0: the host supplies Value; 1: the host receives the new Value.
using TIntObjParam = std::function<void(const std::string& ObjName, std::int32_t Index, std::uint8_t GS_Mode,
                                        std::int32_t& Err_CD, std::int64_t& Value)>;
using TRealObjParam = std::function<void(const std::string& ObjName, std::int32_t Index, std::uint8_t GS_Mode,
                                         std::int32_t& Err_CD, double& Value)>;
using TStrObjParam = std::function<void(const std::string& ObjName, std::int32_t Index, std::uint8_t GS_Mode,
                                        std::int32_t& Err_CD, std::string& Value)>;

class TPoorPascal {
public:
    TPoorPascal();
    ~TPoorPascal();
    TPoorPascal(const TPoorPascal&) = delete;
    TPoorPascal& operator=(const TPoorPascal&) = delete;

    // Properties: symbols for IsDefine, the program (one line per entry) and
    // the host prototypes (one per line). Setting one copies the list.
    const std::vector<std::string>& Define() const { return define_; }
    void SetDefine(std::vector<std::string> lines) { define_ = std::move(lines); }
    const std::vector<std::string>& Source() const { return source_; }
    void SetSource(std::vector<std::string> lines) { source_ = std::move(lines); }
    const std::vector<std::string>& DeclarePrototype() const { return declarePrototype_; }
    void SetDeclarePrototype(std::vector<std::string> lines) { declarePrototype_ = std::move(lines); }

    // Runs Source. Raises EPPAError; a second Execute while one runs is refused.
    void Execute();
    // While a program runs: sets the stop flag and raises "実行を中断しました"
    // in the caller's context. Otherwise does nothing.
    void Terminate();
    // Names may be added while a program runs (from an event); statements the
    // run has already compiled keep the names they were compiled with.
    void AddIntVariable(const std::string& name, bool readOnly, std::int32_t index, bool object,
                        std::int64_t value);
    void AddStrVariable(const std::string& name, const std::string& value, std::int32_t index, bool object,
                        bool readOnly);
    void DeclareRoutine(const std::string& prototype, bool builtIn);
    // Runs a statement list text with the current names and flags; the text is
    // prepared like Source (comments dropped, tokens joined by single spaces).
    void ExecuteStatements(const std::string& text);

    bool Running() const;
    bool StopRequested() const;
    // nullptr when no such variable exists.
    const VariableEntry* FindVariable(const std::string& name) const;

    // The owner's environment (not owned); nullptr restores the do-nothing one.
    void SetEnvironment(TPPAEnvironment* environment);
    // Guards against hostile texts: nesting depths, a statement budget (0 for
    // none, the default) and the longest string.
    const Limits& GetLimits() const;
    void SetLimits(const Limits& limits);

    TProcParam ProcParam;
    TIntFuncParam IntFuncParam;
    TRealFuncParam RealFuncParam;
    TStrFuncParam StrFuncParam;
    TErrorProc ErrorProc;
    TIntObjParam IntObjParam;
    TRealObjParam RealObjParam;
    TStrObjParam StrObjParam;

private:
    void run();
    void readVarSection(Cursor& cursor);

    std::vector<std::string> define_;
    std::vector<std::string> source_;
    std::vector<std::string> declarePrototype_;
    std::unique_ptr<Runtime> rt_;
};

}  // namespace ppa

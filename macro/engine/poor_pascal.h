#pragma once
// TPoorPascal runs macros: small Pascal-like programs read straight from
// their text, whose callable names are all prototypes. Built-in prototypes are
// carried out here; the others go to the owner through the events, as
// do reads and writes of object variables.
//
// The events are those of ppa_events.h, inherited as public members.
//
// Errors are raised as EPPAError with a Shift-JIS message; nothing inside
// catches them. Strings are Shift-JIS byte strings throughout.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "macro/engine/ppa_diagnostics.h"
#include "macro/engine/ppa_entries.h"
#include "macro/engine/ppa_environment.h"
#include "macro/engine/ppa_events.h"
#include "macro/engine/ppa_error.h"
#include "macro/engine/ppa_runtime.h"

namespace ppa {

class Cursor;
class Program;
struct Span;

class TPoorPascal : public TPPAEvents {
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
    // Reads Source as Execute would and compiles every statement, running
    // none: for each statement the first error its run would raise on
    // reaching it, and warnings where text is left unread. An error in the
    // VAR section or a host prototype ends the check, as it ends a run.
    std::vector<TPPADiagnostic> Check();
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

private:
    void run();
    // What a run does before its first statement: clears what the previous
    // run declared, registers the host prototypes and reads the text.
    Program prepareRun();
    // Reads the VAR section and returns the body.
    Span readHead(const Program& program);
    void readVarSection(Cursor& cursor);

    std::vector<std::string> define_;
    std::vector<std::string> source_;
    std::vector<std::string> declarePrototype_;
    std::unique_ptr<Runtime> rt_;
};

}  // namespace ppa

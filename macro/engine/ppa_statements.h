#pragma once
// Compiled statements and statement lists. A list keeps the text span it was
// cut from and is split and compiled the first time it runs; each run still
// does everything running the text does (message processing, flag checks).
#include <memory>
#include <optional>
#include <vector>

#include "macro/engine/ppa_calls.h"
#include "macro/engine/ppa_expressions.h"
#include "macro/engine/ppa_program.h"

namespace ppa {

struct Runtime;

struct Statement {
    virtual ~Statement() = default;
    virtual void run(Runtime& rt) const = 0;
    // Checks the statement lists nested in this one (see StatementList::check).
    virtual void checkNested(Runtime& rt) const { (void)rt; }
};
using StatementPtr = std::unique_ptr<const Statement>;

// ExecuteStatements over one span of a program.
class StatementList {
public:
    StatementList(const Program& program, Span span) : program_(&program), span_(span) {}
    // An error raised by a statement without a line gets the statement's.
    void run(Runtime& rt) const;
    // Compiles every statement, nested ones too, and runs none: what the run
    // would raise goes to rt.diagnostics.
    void check(Runtime& rt) const;

private:
    struct Compiled {
        std::vector<Span> pieces;
        std::vector<StatementPtr> statements;  // made when first run
    };
    // Split when first run or checked; each statement compiled when first met.
    Compiled& compiled() const {
        if (!compiled_) split();
        return *compiled_;
    }
    const Statement& statement(Runtime& rt, std::size_t i) const {
        if (!compiled_->statements[i]) compile(rt, i);
        return *compiled_->statements[i];
    }
    void split() const;
    void compile(Runtime& rt, std::size_t i) const;
    std::uint32_t lineOf(std::size_t i) const;  // of statement i
    std::string_view firstText() const;        // names the list in a nesting error
    const Program* program_;
    Span span_;
    mutable std::unique_ptr<Compiled> compiled_;
};

struct LabelItem {
    LabelItem(IntExprPtr low, IntExprPtr high);
    IntExprPtr low;
    IntExprPtr high;  // null for a single value
    // Literal labels, the usual case, are compared without evaluation.
    bool constant = false;
    std::int64_t lowValue = 0;
    std::int64_t highValue = 0;
};

struct CaseBranch {
    std::vector<LabelItem> labels;
    StatementList body;
};

StatementPtr errorStatement(DeferredError error);
StatementPtr callStatement(std::unique_ptr<const CallSite> call);
StatementPtr assignStatement(VariableEntry& variable, IntExprPtr value);
StatementPtr assignStatement(VariableEntry& variable, RealExprPtr value);
StatementPtr assignStatement(VariableEntry& variable, StrExprPtr value);
StatementPtr blockStatement(StatementList body);
StatementPtr flagStatement(std::uint8_t pending);
StatementPtr ifStatement(IntExprPtr condition, StatementList thenPart, std::optional<StatementList> elsePart);
StatementPtr whileStatement(IntExprPtr condition, StatementList body);
StatementPtr repeatStatement(StatementList body, IntExprPtr condition);

struct ForParts {
    VariableEntry* variable = nullptr;
    std::optional<StatementList> initial;
    std::optional<DeferredError> errorAfterInitial;  // no DO after the limit
    IntExprPtr limit;
    bool downward = false;
    std::optional<StatementList> body;
};
StatementPtr forStatement(ForParts parts);

struct CaseParts {
    IntExprPtr selector;
    std::vector<CaseBranch> branches;
    std::optional<DeferredError> errorAfterBranches;  // a label list without ":"
    std::optional<StatementList> elsePart;
    std::optional<DeferredError> errorAtEnd;  // END missing
};
StatementPtr caseStatement(CaseParts parts);

}  // namespace ppa

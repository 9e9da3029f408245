#pragma once
// Reads expression texts into compiled expressions (ppa_expressions.h): the
// integer, real and string evaluators with their levels, the type rule by the
// first token, and calls with their argument texts.
#include <memory>
#include <variant>

#include "macro/engine/ppa_calls.h"
#include "macro/engine/ppa_expressions.h"
#include "macro/engine/ppa_program.h"
#include "macro/engine/ppa_runtime.h"

namespace ppa {

class ExpressionCompiler {
public:
    // A check passes `diagnostics` to hear of errors and unread text.
    ExpressionCompiler(const NameTables& tables, const Limits& limits, Diagnostics* diagnostics = nullptr)
        : tables_(tables), limits_(limits), diagnostics_(diagnostics) {}

    // The integer evaluation of a whole text: its context chosen by the type
    // rule (conditions, bounds, labels, integer assignments and parameters).
    IntExprPtr wholeInteger(const Program& program, Span span) const;
    // Real and string evaluation of a whole text, without the type rule.
    RealExprPtr wholeReal(const Program& program, Span span) const;
    StrExprPtr wholeString(const Program& program, Span span) const;
    // By the type of the variable or parameter that takes the value.
    struct Typed {
        IntExprPtr intExpr;
        RealExprPtr realExpr;
        StrExprPtr strExpr;
    };
    Typed wholeByType(ValueType type, const Program& program, Span span, int depth = 0) const;

    // A call written as a statement, the cursor on the routine's name. The
    // result is either the call or the error that stops it before it starts.
    std::variant<std::unique_ptr<const CallSite>, DeferredError> call(Cursor& cursor,
                                                                      const RoutineEntry& routine,
                                                                      CallPath path) const;

private:
    const NameTables& tables_;
    const Limits& limits_;
    Diagnostics* diagnostics_;
};

}  // namespace ppa

#pragma once
// A compiled call of a routine: its argument expressions (one per formal
// parameter, each cut out of the text at "," or ")"), and how it is carried
// out: a built-in found by Index or the host's event.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "macro/engine/ppa_builtins.h"
#include "macro/engine/ppa_entries.h"
#include "macro/engine/ppa_expressions.h"

namespace ppa {

enum class CallPath : std::uint8_t { Procedure, StrFunction, IntFunction, RealFunction };

// The path of a function by its result type.
CallPath functionPath(const RoutineEntry& routine);

struct CallArgument {
    ValueType type = ValueType::Integer;
    IntExprPtr intExpr;
    RealExprPtr realExpr;
    StrExprPtr strExpr;
};

struct CallSite {
    const RoutineEntry* routine = nullptr;
    CallPath path = CallPath::Procedure;
    std::vector<CallArgument> args;
    // Built-in routines: the implementation found by Index.
    BuiltinFunction builtin = BuiltinProcedure{nullptr};
    std::string tokenAfterArgs;  // named by the unknown-Index error
    // The ")" after the arguments was missing: raised once the call is done.
    std::optional<DeferredError> closeError;

    void callProcedure(Runtime& rt) const;
    std::int64_t callInt(Runtime& rt) const;
    double callReal(Runtime& rt) const;
    std::string callStr(Runtime& rt) const;
    // By the path, result discarded: a call written as a statement.
    void callDiscarding(Runtime& rt) const;

private:
    template <typename Fn, typename Host>
    auto invoke(Runtime& rt, Host host) const;
    void evaluateArguments(Runtime& rt, ArgValue* values) const;
    TPPAArguments hostArguments(const ArgValue* values) const;
    void afterCall() const;
};

}  // namespace ppa

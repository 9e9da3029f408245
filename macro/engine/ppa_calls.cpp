#include "macro/engine/ppa_calls.h"

#include <array>

#include "macro/engine/ppa_host.h"
#include "macro/engine/ppa_runtime.h"

namespace ppa {
namespace {

// Each call holds its own argument values, so a call of the same routine
// inside an argument never disturbs them. Few routines take more than four.
class ArgumentValues {
public:
    explicit ArgumentValues(std::size_t count) {
        if (count > inline_.size()) heap_.resize(count);
    }
    ArgValue* data() { return heap_.empty() ? inline_.data() : heap_.data(); }

private:
    std::array<ArgValue, 4> inline_;
    std::vector<ArgValue> heap_;
};
static_assert(kBuiltinArgumentCount <= 4);

[[noreturn]] void unknownBuiltin(const CallSite& site) {
    raiseError(site.path == CallPath::Procedure ? PPAMessage::UnknownBuiltinProcedure
                                                : PPAMessage::UnknownBuiltinFunction,
               site.tokenAfterArgs);
}

}  // namespace

CallPath functionPath(const RoutineEntry& routine) {
    switch (routine.ResultType) {
        case ValueType::Integer:
            return CallPath::IntFunction;
        case ValueType::Real:
            return CallPath::RealFunction;
        case ValueType::String:
            break;
    }
    return CallPath::StrFunction;
}

void CallSite::evaluateArguments(Runtime& rt, ArgValue* values) const {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const CallArgument& a = args[i];
        switch (a.type) {
            case ValueType::Integer:
                values[i].i = a.intExpr->eval(rt);
                break;
            case ValueType::Real:
                values[i].r = a.realExpr->eval(rt);
                break;
            case ValueType::String:
                values[i].s = a.strExpr->eval(rt);
                break;
        }
    }
}

TPPAArguments CallSite::hostArguments(const ArgValue* values) const {
    TPPAArguments out(args.size());
    for (std::size_t i = 0; i < args.size(); ++i) {
        out[i].Name = routine->Params[i].Name;
        out[i].Type = args[i].type;
        out[i].IntValue = values[i].i;
        out[i].RealValue = values[i].r;
        out[i].StrValue = std::move(values[i].s);
    }
    return out;
}

void CallSite::afterCall() const {
    if (closeError) closeError->raise();
}

// Arguments first, then the built-in of this call path's group or the host.
template <typename Fn, typename Host>
auto CallSite::invoke(Runtime& rt, Host host) const {
    ArgumentValues values(args.size());
    evaluateArguments(rt, values.data());
    if (routine->BuiltIn) {
        const Fn fn = builtinOfGroup<Fn>(builtin);
        if (!fn) unknownBuiltin(*this);
        return fn(rt, values.data());
    }
    return host(rt, *routine, hostArguments(values.data()));
}

void CallSite::callProcedure(Runtime& rt) const {
    invoke<BuiltinProcedure>(rt, callHostProcedure);
    afterCall();
}

std::int64_t CallSite::callInt(Runtime& rt) const {
    const std::int64_t result = invoke<BuiltinIntFunction>(rt, callHostIntFunction);
    afterCall();
    return result;
}

double CallSite::callReal(Runtime& rt) const {
    const double result = invoke<BuiltinRealFunction>(rt, callHostRealFunction);
    afterCall();
    return result;
}

std::string CallSite::callStr(Runtime& rt) const {
    std::string result = invoke<BuiltinStrFunction>(rt, callHostStrFunction);
    rt.checkLength(result.size());
    afterCall();
    return result;
}

void CallSite::callDiscarding(Runtime& rt) const {
    switch (path) {
        case CallPath::Procedure:
            callProcedure(rt);
            break;
        case CallPath::StrFunction:
            callStr(rt);
            break;
        case CallPath::IntFunction:
            callInt(rt);
            break;
        case CallPath::RealFunction:
            callReal(rt);
            break;
    }
}

}  // namespace ppa

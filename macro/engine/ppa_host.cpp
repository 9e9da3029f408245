#include "macro/engine/ppa_host.h"

#include "macro/engine/poor_pascal.h"
#include "macro/engine/ppa_runtime.h"

namespace ppa {
namespace {

// A non-zero code goes through ErrorProc, whose message ends the run.
[[noreturn]] void raiseHostError(Runtime& rt, std::int32_t code, const std::string& name) {
    std::string message = formatMessage(PPAMessage::HostError, name);
    if (rt.owner.ErrorProc) rt.owner.ErrorProc(code, message);
    throw EPPAError(message);
}

template <typename Event, typename Result>
Result callHost(Runtime& rt, const Event& event, const RoutineEntry& routine, const TPPAArguments& args,
                Result result) {
    std::int32_t errCode = -1;
    if (event) event(routine.Name, routine.Index, args, errCode, result);
    if (errCode != 0) raiseHostError(rt, errCode, routine.Name);
    return result;
}

template <typename Event, typename Value>
Value readObject(Runtime& rt, const Event& event, const VariableEntry& variable, Value value) {
    std::int32_t errCode = -1;
    if (event) event(variable.Name, variable.Index, 0, errCode, value);
    if (errCode != 0) raiseHostError(rt, errCode, variable.Name);
    return value;
}

}  // namespace

void callHostProcedure(Runtime& rt, const RoutineEntry& routine, const TPPAArguments& args) {
    std::int32_t errCode = -1;
    if (rt.owner.ProcParam) rt.owner.ProcParam(routine.Name, routine.Index, args, errCode);
    if (errCode != 0) raiseHostError(rt, errCode, routine.Name);
}

std::int64_t callHostIntFunction(Runtime& rt, const RoutineEntry& routine, const TPPAArguments& args) {
    return callHost(rt, rt.owner.IntFuncParam, routine, args, std::int64_t{0});
}

double callHostRealFunction(Runtime& rt, const RoutineEntry& routine, const TPPAArguments& args) {
    return callHost(rt, rt.owner.RealFuncParam, routine, args, 0.0);
}

std::string callHostStrFunction(Runtime& rt, const RoutineEntry& routine, const TPPAArguments& args) {
    return callHost(rt, rt.owner.StrFuncParam, routine, args, std::string());
}

std::int64_t readIntObject(Runtime& rt, const VariableEntry& v) {
    return readObject(rt, rt.owner.IntObjParam, v, v.IntValue);
}

double readRealObject(Runtime& rt, const VariableEntry& v) {
    return readObject(rt, rt.owner.RealObjParam, v, v.RealValue);
}

std::string readStrObject(Runtime& rt, const VariableEntry& v) {
    return readObject(rt, rt.owner.StrObjParam, v, v.StrValue);
}

void notifyObjectWrite(Runtime& rt, const VariableEntry& v) {
    // The host may not change the stored value through its reference; its
    // error code is not looked at after a write.
    std::int32_t errCode = -1;
    switch (v.Type) {
        case ValueType::Integer:
            if (rt.owner.IntObjParam) {
                std::int64_t value = v.IntValue;
                rt.owner.IntObjParam(v.Name, v.Index, 1, errCode, value);
            }
            break;
        case ValueType::Real:
            if (rt.owner.RealObjParam) {
                double value = v.RealValue;
                rt.owner.RealObjParam(v.Name, v.Index, 1, errCode, value);
            }
            break;
        case ValueType::String:
            if (rt.owner.StrObjParam) {
                std::string value = v.StrValue;
                rt.owner.StrObjParam(v.Name, v.Index, 1, errCode, value);
            }
            break;
    }
}

}  // namespace ppa

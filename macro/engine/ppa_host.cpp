#include "macro/engine/ppa_host.h"

#include "macro/engine/ppa_runtime.h"

namespace ppa {
namespace {

// A non-zero code goes through ErrorProc, whose message ends the run.
[[noreturn]] void raiseHostError(Runtime& rt, std::int32_t code, const std::string& name) {
    std::string message = formatMessage(PPAMessage::HostError, name);
    if (rt.owner.events.ErrorProc) rt.owner.events.ErrorProc(code, message);
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

// The host gets a copy: it may not change the stored value through its
// reference, and its error code is not looked at after a write.
template <typename Event, typename Value>
void tellObject(const Event& event, const VariableEntry& variable, Value value) {
    if (!event) return;
    std::int32_t errCode = -1;
    event(variable.Name, variable.Index, 1, errCode, value);
}

}  // namespace

void callHostProcedure(Runtime& rt, const RoutineEntry& routine, const TPPAArguments& args) {
    std::int32_t errCode = -1;
    if (rt.owner.events.ProcParam) rt.owner.events.ProcParam(routine.Name, routine.Index, args, errCode);
    if (errCode != 0) raiseHostError(rt, errCode, routine.Name);
}

std::int64_t callHostIntFunction(Runtime& rt, const RoutineEntry& routine, const TPPAArguments& args) {
    return callHost(rt, rt.owner.events.IntFuncParam, routine, args, std::int64_t{0});
}

double callHostRealFunction(Runtime& rt, const RoutineEntry& routine, const TPPAArguments& args) {
    return callHost(rt, rt.owner.events.RealFuncParam, routine, args, 0.0);
}

std::string callHostStrFunction(Runtime& rt, const RoutineEntry& routine, const TPPAArguments& args) {
    return callHost(rt, rt.owner.events.StrFuncParam, routine, args, std::string());
}

std::int64_t readIntObject(Runtime& rt, const VariableEntry& v) {
    return readObject(rt, rt.owner.events.IntObjParam, v, v.IntValue);
}

double readRealObject(Runtime& rt, const VariableEntry& v) {
    return readObject(rt, rt.owner.events.RealObjParam, v, v.RealValue);
}

std::string readStrObject(Runtime& rt, const VariableEntry& v) {
    return readObject(rt, rt.owner.events.StrObjParam, v, v.StrValue);
}

void notifyObjectWrite(Runtime& rt, const VariableEntry& v) {
    const TPPAEvents& events = rt.owner.events;
    switch (v.Type) {
        case ValueType::Integer:
            return tellObject(events.IntObjParam, v, v.IntValue);
        case ValueType::Real:
            return tellObject(events.RealObjParam, v, v.RealValue);
        case ValueType::String:
            return tellObject(events.StrObjParam, v, v.StrValue);
    }
}

}  // namespace ppa

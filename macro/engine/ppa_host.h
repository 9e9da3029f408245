#pragma once
// The host side of the event protocol: routines without the built-in flag and
// variables with the object flag are carried out by the owner's events.
#include <cstdint>
#include <string>

#include "macro/engine/ppa_entries.h"

namespace ppa {

struct Runtime;

void callHostProcedure(Runtime& rt, const RoutineEntry& routine, const TPPAArguments& args);
std::int64_t callHostIntFunction(Runtime& rt, const RoutineEntry& routine, const TPPAArguments& args);
double callHostRealFunction(Runtime& rt, const RoutineEntry& routine, const TPPAArguments& args);
std::string callHostStrFunction(Runtime& rt, const RoutineEntry& routine, const TPPAArguments& args);

// Reading an object variable asks the host for its value (GS_Mode 0).
std::int64_t readIntObject(Runtime& rt, const VariableEntry& variable);
double readRealObject(Runtime& rt, const VariableEntry& variable);
std::string readStrObject(Runtime& rt, const VariableEntry& variable);

// After an assignment has stored the value, the host is told (GS_Mode 1).
void notifyObjectWrite(Runtime& rt, const VariableEntry& variable);

}  // namespace ppa

#pragma once
// The prototype language: "procedure Name(A,B:Integer;S:String);Index $10;"
// and "function Name(...):Type;Index n;".
#include <string_view>

#include "macro/engine/ppa_entries.h"
#include "macro/engine/ppa_tables.h"

namespace ppa {

// Parses one prototype; raises the definition, syntax and duplicate errors.
// `tables` is only read, for the duplicate-name check.
RoutineEntry parsePrototype(std::string_view text, bool builtIn, const NameTables& tables);

}  // namespace ppa

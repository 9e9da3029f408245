#pragma once
// The entries of the interpreter's name tables and the argument list handed
// to the host.
#include <cstdint>
#include <string>
#include <vector>

namespace ppa {

enum class ValueType : std::uint8_t { Integer = 0, Real = 1, String = 2 };

// One named value. Object entries live in the host: reads and writes go
// through the object events.
struct VariableEntry {
    std::string Name;  // as declared; the table key is its upper-case form
    bool Permanent = false;
    bool ReadOnly = false;
    bool Object = false;
    ValueType Type = ValueType::Integer;
    std::int64_t IntValue = 0;
    double RealValue = 0.0;
    std::string StrValue;
    std::int32_t Index = 0;
};

struct FormalParam {
    std::string Name;  // upper case
    ValueType Type = ValueType::Integer;
};

// One prototype: a built-in routine (dispatched by Index) or a host routine.
struct RoutineEntry {
    std::string Name;  // upper case
    bool BuiltIn = false;
    bool IsFunction = false;
    std::int32_t Index = 0;
    std::vector<FormalParam> Params;            // declaration order
    ValueType ResultType = ValueType::Integer;  // functions only
};

// One evaluated argument of a host call: the formal parameter's name and the
// value in the field of its type. The host reads arguments by position.
struct TPPAArgument {
    std::string Name;
    ValueType Type = ValueType::Integer;
    std::int64_t IntValue = 0;
    double RealValue = 0.0;
    std::string StrValue;
};
using TPPAArguments = std::vector<TPPAArgument>;

}  // namespace ppa

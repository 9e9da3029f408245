#pragma once
// The routines the interpreter carries out itself, found by their Index
// within the group of the call path: $0xxx procedures, $1xxx string, $2xxx
// integer and $3xxx real functions.
#include <cstdint>
#include <span>
#include <string>

namespace ppa {

struct Runtime;

// One evaluated argument; only the field of the parameter's type is set.
struct ArgValue {
    std::int64_t i = 0;
    double r = 0.0;
    std::string s;
};

// A built-in reads at most this many arguments; shorter lists are padded so
// that a built-in declared with fewer parameters still reads safely.
constexpr std::size_t kBuiltinArgumentCount = 3;

using BuiltinProcedure = void (*)(Runtime&, const ArgValue*);
using BuiltinStrFunction = std::string (*)(Runtime&, const ArgValue*);
using BuiltinIntFunction = std::int64_t (*)(Runtime&, const ArgValue*);
using BuiltinRealFunction = double (*)(Runtime&, const ArgValue*);

// nullptr when the Index names no built-in of that group.
BuiltinProcedure findBuiltinProcedure(std::int32_t index);
BuiltinStrFunction findBuiltinStrFunction(std::int32_t index);
BuiltinIntFunction findBuiltinIntFunction(std::int32_t index);
BuiltinRealFunction findBuiltinRealFunction(std::int32_t index);

// The prototypes the interpreter registers at construction, in order.
std::span<const char* const> builtinPrototypes();

}  // namespace ppa

#pragma once
// The routines the interpreter carries out itself, found by their Index
// within the group of the call path: $0xxx procedures, $1xxx string, $2xxx
// integer and $3xxx real functions.
#include <cstdint>
#include <span>
#include <string>
#include <variant>

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

using BuiltinFunction =
    std::variant<BuiltinProcedure, BuiltinStrFunction, BuiltinIntFunction, BuiltinRealFunction>;

struct BuiltinRow {
    std::int32_t index;
    const char* prototype;
    BuiltinFunction function;
};

// Every built-in, in the order the interpreter registers them.
std::span<const BuiltinRow> builtinTable();

// The function of the built-in with that Index; a null procedure when there
// is none.
BuiltinFunction findBuiltin(std::int32_t index);

// The function if it belongs to the group of `Fn`, else nullptr: a call path
// carries out only the built-ins of its own group.
template <typename Fn>
Fn builtinOfGroup(const BuiltinFunction& function) {
    const Fn* fn = std::get_if<Fn>(&function);
    return fn ? *fn : nullptr;
}

}  // namespace ppa

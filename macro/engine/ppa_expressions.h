#pragma once
// Compiled expressions of the three evaluation contexts. The compiler turns
// an expression text into these nodes once; evaluating them does what
// evaluating the text does, in the same order: an error found while reading
// the text becomes an error node that raises when evaluation reaches it.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "macro/engine/ppa_entries.h"
#include "macro/engine/ppa_error.h"

namespace ppa {

struct Runtime;
struct CallSite;

struct IntExpr {
    virtual ~IntExpr() = default;
    virtual std::int64_t eval(Runtime& rt) const = 0;
};
struct RealExpr {
    virtual ~RealExpr() = default;
    virtual double eval(Runtime& rt) const = 0;
};
struct StrExpr {
    virtual ~StrExpr() = default;
    virtual std::string eval(Runtime& rt) const = 0;
};
using IntExprPtr = std::unique_ptr<const IntExpr>;
using RealExprPtr = std::unique_ptr<const RealExpr>;
using StrExprPtr = std::unique_ptr<const StrExpr>;

enum class BinaryOp : std::uint8_t {
    Equal,
    NotEqual,
    Less,
    LessEqual,
    Greater,
    GreaterEqual,
    Add,
    Subtract,
    Or,
    Xor,
    Multiply,
    Div,
    Mod,
    And,
    Shl,
    Shr,
    Divide,
};

// Leaves.
IntExprPtr intConstant(std::int64_t value);
RealExprPtr realConstant(double value);
StrExprPtr strConstant(std::string value);
IntExprPtr intVariable(const VariableEntry& variable);
RealExprPtr realVariable(const VariableEntry& variable);  // integer or real variable
StrExprPtr strVariable(const VariableEntry& variable);
IntExprPtr intError(DeferredError error);
RealExprPtr realError(DeferredError error);
StrExprPtr strError(DeferredError error);

// Calls of functions, by the result they deliver here.
IntExprPtr intCall(std::unique_ptr<const CallSite> call);
RealExprPtr realCall(std::unique_ptr<const CallSite> call);  // integer or real function
StrExprPtr strCall(std::unique_ptr<const CallSite> call);

// Unary operators and conversions between contexts.
IntExprPtr intNegate(IntExprPtr operand);
IntExprPtr intNot(IntExprPtr operand);
RealExprPtr realNegate(RealExprPtr operand);
IntExprPtr intFromReal(RealExprPtr operand);   // truncation toward zero
IntExprPtr intFromString(StrExprPtr operand);  // -1 when the text is no integer
RealExprPtr realFromInt(IntExprPtr operand);
RealExprPtr realFromString(StrExprPtr operand);  // -1.0 when the text is no number

// Evaluate, then raise: a sub-expression whose closing parenthesis is missing.
IntExprPtr intThenRaise(IntExprPtr operand, DeferredError error);
RealExprPtr realThenRaise(RealExprPtr operand, DeferredError error);
StrExprPtr strThenRaise(StrExprPtr operand, DeferredError error);

// A left-associative run of binary operators of one level: first op x op y ...
template <typename Ptr>
struct Link {
    BinaryOp op;
    Ptr operand;
    std::string opText;  // as written, for the messages of div, mod and /
};
IntExprPtr intChain(IntExprPtr first, std::vector<Link<IntExprPtr>> links);
RealExprPtr realChain(RealExprPtr first, std::vector<Link<RealExprPtr>> links);
// Comparisons of strings yield "-1" or "0".
StrExprPtr strCompareChain(StrExprPtr first, std::vector<Link<StrExprPtr>> links);
StrExprPtr strConcat(std::vector<StrExprPtr> parts);

// The value of a constant node; nothing for any other node.
std::optional<std::int64_t> intConstantValue(const IntExpr& expression);

}  // namespace ppa

#include "macro/engine/ppa_expressions.h"

#include <cstring>
#include <optional>

#include "macro/engine/ppa_calls.h"
#include "macro/engine/ppa_host.h"
#include "macro/engine/ppa_numbers.h"
#include "macro/engine/ppa_runtime.h"

namespace ppa {
namespace {

template <typename Base, typename T>
struct Constant final : Base {
    explicit Constant(T v) : value(std::move(v)) {}
    decltype(std::declval<Base>().eval(std::declval<Runtime&>())) eval(Runtime&) const override {
        return value;
    }
    T value;
};

struct IntVariable final : IntExpr {
    explicit IntVariable(const VariableEntry& v) : variable(v) {}
    std::int64_t eval(Runtime&) const override { return variable.IntValue; }
    const VariableEntry& variable;
};
struct IntObject final : IntExpr {
    explicit IntObject(const VariableEntry& v) : variable(v) {}
    std::int64_t eval(Runtime& rt) const override { return readIntObject(rt, variable); }
    const VariableEntry& variable;
};
struct RealVariable final : RealExpr {
    explicit RealVariable(const VariableEntry& v) : variable(v) {}
    double eval(Runtime&) const override { return variable.RealValue; }
    const VariableEntry& variable;
};
struct RealObject final : RealExpr {
    explicit RealObject(const VariableEntry& v) : variable(v) {}
    double eval(Runtime& rt) const override { return readRealObject(rt, variable); }
    const VariableEntry& variable;
};
struct StrVariable final : StrExpr {
    explicit StrVariable(const VariableEntry& v) : variable(v) {}
    std::string eval(Runtime&) const override { return variable.StrValue; }
    const VariableEntry& variable;
};
struct StrObject final : StrExpr {
    explicit StrObject(const VariableEntry& v) : variable(v) {}
    std::string eval(Runtime& rt) const override { return readStrObject(rt, variable); }
    const VariableEntry& variable;
};

template <typename Base>
struct Error final : Base {
    explicit Error(DeferredError e) : error(std::move(e)) {}
    decltype(std::declval<Base>().eval(std::declval<Runtime&>())) eval(Runtime&) const override {
        error.raise();
    }
    DeferredError error;
};

template <typename Base, typename Ptr>
struct ThenRaise final : Base {
    ThenRaise(Ptr o, DeferredError e) : operand(std::move(o)), error(std::move(e)) {}
    decltype(std::declval<Base>().eval(std::declval<Runtime&>())) eval(Runtime& rt) const override {
        operand->eval(rt);
        error.raise();
    }
    Ptr operand;
    DeferredError error;
};

struct IntCall final : IntExpr {
    explicit IntCall(std::unique_ptr<const CallSite> c) : call(std::move(c)) {}
    std::int64_t eval(Runtime& rt) const override { return call->callInt(rt); }
    std::unique_ptr<const CallSite> call;
};
struct RealCall final : RealExpr {
    explicit RealCall(std::unique_ptr<const CallSite> c) : call(std::move(c)) {}
    double eval(Runtime& rt) const override {
        return call->path == CallPath::IntFunction ? static_cast<double>(call->callInt(rt))
                                                   : call->callReal(rt);
    }
    std::unique_ptr<const CallSite> call;
};
struct StrCall final : StrExpr {
    explicit StrCall(std::unique_ptr<const CallSite> c) : call(std::move(c)) {}
    std::string eval(Runtime& rt) const override { return call->callStr(rt); }
    std::unique_ptr<const CallSite> call;
};

template <typename Base, typename Ptr, typename Fn>
struct Unary final : Base {
    Unary(Ptr o, Fn f) : operand(std::move(o)), fn(f) {}
    decltype(std::declval<Base>().eval(std::declval<Runtime&>())) eval(Runtime& rt) const override {
        return fn(operand->eval(rt));
    }
    Ptr operand;
    Fn fn;
};

template <typename Base, typename Ptr, typename Fn>
std::unique_ptr<const Base> unary(Ptr operand, Fn fn) {
    return std::make_unique<Unary<Base, Ptr, Fn>>(std::move(operand), fn);
}

std::int64_t truth(bool b) { return b ? -1 : 0; }

inline std::int64_t applyInt(BinaryOp op, std::int64_t a, std::int64_t b, const std::string& opText) {
    switch (op) {
        case BinaryOp::Equal:
            return truth(a == b);
        case BinaryOp::NotEqual:
            return truth(a != b);
        case BinaryOp::Less:
            return truth(a < b);
        case BinaryOp::LessEqual:
            return truth(a <= b);
        case BinaryOp::Greater:
            return truth(a > b);
        case BinaryOp::GreaterEqual:
            return truth(a >= b);
        case BinaryOp::Add:
            return wrapAdd(a, b);
        case BinaryOp::Subtract:
            return wrapSub(a, b);
        case BinaryOp::Or:
            return a | b;
        case BinaryOp::Xor:
            return a ^ b;
        case BinaryOp::Multiply:
            return wrapMul(a, b);
        case BinaryOp::Div:
            return checkedDiv(a, b, opText);
        case BinaryOp::Mod:
            return checkedMod(a, b, opText);
        case BinaryOp::And:
            return a & b;
        case BinaryOp::Shl:
            return shiftLeft(a, b);
        case BinaryOp::Shr:
            return shiftRight(a, b);
        case BinaryOp::Divide:
            break;
    }
    return 0;
}

double realTruth(bool b) { return b ? -1.0 : 0.0; }

double applyReal(BinaryOp op, double a, double b, const std::string& opText) {
    switch (op) {
        case BinaryOp::Equal:
            return realTruth(a == b);
        case BinaryOp::NotEqual:
            return realTruth(a != b);
        case BinaryOp::Less:
            return realTruth(a < b);
        case BinaryOp::LessEqual:
            return realTruth(a <= b);
        case BinaryOp::Greater:
            return realTruth(a > b);
        case BinaryOp::GreaterEqual:
            return realTruth(a >= b);
        case BinaryOp::Add:
            return checkedReal(a + b, opText);
        case BinaryOp::Subtract:
            return checkedReal(a - b, opText);
        case BinaryOp::Multiply:
            return checkedReal(a * b, opText);
        case BinaryOp::Divide:
            return checkedDivide(a, b, opText);
        default:
            break;
    }
    return 0.0;
}

int compareBytes(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    const int c = n ? std::memcmp(a.data(), b.data(), n) : 0;
    if (c != 0) return c;
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

bool applyStrComparison(BinaryOp op, const std::string& a, const std::string& b) {
    const int c = compareBytes(a, b);
    switch (op) {
        case BinaryOp::Equal:
            return c == 0;
        case BinaryOp::NotEqual:
            return c != 0;
        case BinaryOp::Less:
            return c < 0;
        case BinaryOp::LessEqual:
            return c <= 0;
        case BinaryOp::Greater:
            return c > 0;
        case BinaryOp::GreaterEqual:
            return c >= 0;
        default:
            return false;
    }
}

struct IntChain final : IntExpr {
    IntChain(IntExprPtr f, std::vector<Link<IntExprPtr>> l) : first(std::move(f)), links(std::move(l)) {}
    std::int64_t eval(Runtime& rt) const override {
        std::int64_t v = first->eval(rt);
        for (const auto& link : links) v = applyInt(link.op, v, link.operand->eval(rt), link.opText);
        return v;
    }
    IntExprPtr first;
    std::vector<Link<IntExprPtr>> links;
};

// One operator between two operands, the operator fixed at compile time and
// plain variables and constants read directly: the commonest shapes, made
// cheap because loops evaluate them over and over.
template <BinaryOp Op>
struct IntVarConst final : IntExpr {
    IntVarConst(const VariableEntry& l, std::int64_t r, std::string t)
        : left(l), right(r), opText(std::move(t)) {}
    std::int64_t eval(Runtime&) const override { return applyInt(Op, left.IntValue, right, opText); }
    const VariableEntry& left;
    std::int64_t right;
    std::string opText;
};

template <BinaryOp Op>
struct IntVarVar final : IntExpr {
    IntVarVar(const VariableEntry& l, const VariableEntry& r, std::string t)
        : left(l), right(r), opText(std::move(t)) {}
    std::int64_t eval(Runtime&) const override { return applyInt(Op, left.IntValue, right.IntValue, opText); }
    const VariableEntry& left;
    const VariableEntry& right;
    std::string opText;
};

template <BinaryOp Op>
struct IntAnyConst final : IntExpr {
    IntAnyConst(IntExprPtr l, std::int64_t r, std::string t)
        : left(std::move(l)), right(r), opText(std::move(t)) {}
    std::int64_t eval(Runtime& rt) const override { return applyInt(Op, left->eval(rt), right, opText); }
    IntExprPtr left;
    std::int64_t right;
    std::string opText;
};

template <BinaryOp Op>
struct IntAnyAny final : IntExpr {
    IntAnyAny(IntExprPtr l, IntExprPtr r, std::string t)
        : left(std::move(l)), right(std::move(r)), opText(std::move(t)) {}
    std::int64_t eval(Runtime& rt) const override {
        const std::int64_t a = left->eval(rt);
        return applyInt(Op, a, right->eval(rt), opText);
    }
    IntExprPtr left;
    IntExprPtr right;
    std::string opText;
};

template <template <BinaryOp> class Node, typename... Args>
IntExprPtr makeForOp(BinaryOp op, Args&&... args) {
    switch (op) {
#define PPA_NODE(o)   \
    case BinaryOp::o: \
        return std::make_unique<Node<BinaryOp::o>>(std::forward<Args>(args)...);
        PPA_NODE(Equal)
        PPA_NODE(NotEqual)
        PPA_NODE(Less)
        PPA_NODE(LessEqual) PPA_NODE(Greater) PPA_NODE(GreaterEqual) PPA_NODE(Add) PPA_NODE(Subtract)
            PPA_NODE(Or) PPA_NODE(Xor) PPA_NODE(Multiply) PPA_NODE(Div) PPA_NODE(Mod) PPA_NODE(And)
                PPA_NODE(Shl) PPA_NODE(Shr) PPA_NODE(Divide)
#undef PPA_NODE
    }
    return nullptr;
}

const VariableEntry* plainVariable(const IntExpr& e) {
    const auto* v = dynamic_cast<const IntVariable*>(&e);
    return v ? &v->variable : nullptr;
}

IntExprPtr intBinary(IntExprPtr left, Link<IntExprPtr> right) {
    const std::optional<std::int64_t> constant = intConstantValue(*right.operand);
    const VariableEntry* leftVariable = plainVariable(*left);
    if (leftVariable && constant)
        return makeForOp<IntVarConst>(right.op, *leftVariable, *constant, std::move(right.opText));
    if (constant)
        return makeForOp<IntAnyConst>(right.op, std::move(left), *constant, std::move(right.opText));
    const VariableEntry* rightVariable = plainVariable(*right.operand);
    if (leftVariable && rightVariable)
        return makeForOp<IntVarVar>(right.op, *leftVariable, *rightVariable, std::move(right.opText));
    return makeForOp<IntAnyAny>(right.op, std::move(left), std::move(right.operand), std::move(right.opText));
}

struct RealChain final : RealExpr {
    RealChain(RealExprPtr f, std::vector<Link<RealExprPtr>> l) : first(std::move(f)), links(std::move(l)) {}
    double eval(Runtime& rt) const override {
        double v = first->eval(rt);
        for (const auto& link : links) v = applyReal(link.op, v, link.operand->eval(rt), link.opText);
        return v;
    }
    RealExprPtr first;
    std::vector<Link<RealExprPtr>> links;
};

struct StrCompareChain final : StrExpr {
    StrCompareChain(StrExprPtr f, std::vector<Link<StrExprPtr>> l)
        : first(std::move(f)), links(std::move(l)) {}
    std::string eval(Runtime& rt) const override {
        std::string v = first->eval(rt);
        for (const auto& link : links)
            v = applyStrComparison(link.op, v, link.operand->eval(rt)) ? "-1" : "0";
        return v;
    }
    StrExprPtr first;
    std::vector<Link<StrExprPtr>> links;
};

struct StrConcat final : StrExpr {
    explicit StrConcat(std::vector<StrExprPtr> p) : parts(std::move(p)) {}
    std::string eval(Runtime& rt) const override {
        std::string v = parts.front()->eval(rt);
        for (std::size_t i = 1; i < parts.size(); ++i) {
            const std::string next = parts[i]->eval(rt);
            rt.checkLength(v.size() + next.size());
            v += next;
        }
        return v;
    }
    std::vector<StrExprPtr> parts;
};

}  // namespace

IntExprPtr intConstant(std::int64_t value) {
    return std::make_unique<Constant<IntExpr, std::int64_t>>(value);
}
RealExprPtr realConstant(double value) { return std::make_unique<Constant<RealExpr, double>>(value); }
StrExprPtr strConstant(std::string value) {
    return std::make_unique<Constant<StrExpr, std::string>>(std::move(value));
}

IntExprPtr intVariable(const VariableEntry& v) {
    if (v.Object) return std::make_unique<IntObject>(v);
    return std::make_unique<IntVariable>(v);
}
RealExprPtr realVariable(const VariableEntry& v) {
    if (v.Type == ValueType::Integer) return realFromInt(intVariable(v));
    if (v.Object) return std::make_unique<RealObject>(v);
    return std::make_unique<RealVariable>(v);
}
StrExprPtr strVariable(const VariableEntry& v) {
    if (v.Object) return std::make_unique<StrObject>(v);
    return std::make_unique<StrVariable>(v);
}

IntExprPtr intError(DeferredError e) { return std::make_unique<Error<IntExpr>>(std::move(e)); }
RealExprPtr realError(DeferredError e) { return std::make_unique<Error<RealExpr>>(std::move(e)); }
StrExprPtr strError(DeferredError e) { return std::make_unique<Error<StrExpr>>(std::move(e)); }

IntExprPtr intCall(std::unique_ptr<const CallSite> call) {
    return std::make_unique<IntCall>(std::move(call));
}
RealExprPtr realCall(std::unique_ptr<const CallSite> call) {
    return std::make_unique<RealCall>(std::move(call));
}
StrExprPtr strCall(std::unique_ptr<const CallSite> call) {
    return std::make_unique<StrCall>(std::move(call));
}

IntExprPtr intNegate(IntExprPtr operand) {
    return unary<IntExpr>(std::move(operand), [](std::int64_t v) { return wrapNeg(v); });
}
IntExprPtr intNot(IntExprPtr operand) {
    return unary<IntExpr>(std::move(operand), [](std::int64_t v) { return ~v; });
}
RealExprPtr realNegate(RealExprPtr operand) {
    return unary<RealExpr>(std::move(operand), [](double v) { return -v; });
}
IntExprPtr intFromReal(RealExprPtr operand) {
    return unary<IntExpr>(std::move(operand), [](double v) { return truncToInteger(v); });
}
IntExprPtr intFromString(StrExprPtr operand) {
    return unary<IntExpr>(std::move(operand),
                          [](const std::string& s) { return readInteger(s).value_or(-1); });
}
RealExprPtr realFromInt(IntExprPtr operand) {
    return unary<RealExpr>(std::move(operand), [](std::int64_t v) { return static_cast<double>(v); });
}
RealExprPtr realFromString(StrExprPtr operand) {
    return unary<RealExpr>(std::move(operand),
                           [](const std::string& s) { return readReal(s).value_or(-1.0); });
}

IntExprPtr intThenRaise(IntExprPtr operand, DeferredError error) {
    return std::make_unique<ThenRaise<IntExpr, IntExprPtr>>(std::move(operand), std::move(error));
}
RealExprPtr realThenRaise(RealExprPtr operand, DeferredError error) {
    return std::make_unique<ThenRaise<RealExpr, RealExprPtr>>(std::move(operand), std::move(error));
}
StrExprPtr strThenRaise(StrExprPtr operand, DeferredError error) {
    return std::make_unique<ThenRaise<StrExpr, StrExprPtr>>(std::move(operand), std::move(error));
}

IntExprPtr intChain(IntExprPtr first, std::vector<Link<IntExprPtr>> links) {
    // Short runs become nested binary nodes; a long run stays one loop so
    // that evaluating it never recurses deeply.
    if (links.size() > 8) return std::make_unique<IntChain>(std::move(first), std::move(links));
    for (auto& link : links) first = intBinary(std::move(first), std::move(link));
    return first;
}

std::optional<std::int64_t> intConstantValue(const IntExpr& e) {
    const auto* c = dynamic_cast<const Constant<IntExpr, std::int64_t>*>(&e);
    if (!c) return std::nullopt;
    return c->value;
}
RealExprPtr realChain(RealExprPtr first, std::vector<Link<RealExprPtr>> links) {
    if (links.empty()) return first;
    return std::make_unique<RealChain>(std::move(first), std::move(links));
}
StrExprPtr strCompareChain(StrExprPtr first, std::vector<Link<StrExprPtr>> links) {
    if (links.empty()) return first;
    return std::make_unique<StrCompareChain>(std::move(first), std::move(links));
}
StrExprPtr strConcat(std::vector<StrExprPtr> parts) {
    if (parts.size() == 1) return std::move(parts.front());
    return std::make_unique<StrConcat>(std::move(parts));
}

}  // namespace ppa

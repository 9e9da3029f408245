#include "macro/engine/ppa_expression_compiler.h"

#include <optional>
#include <type_traits>

#include "macro/engine/ppa_diagnostics.h"
#include "macro/engine/ppa_numbers.h"

namespace ppa {
namespace {

enum class TypeRule { None, Integer, Real, String };

TypeRule fromValueType(ValueType t) {
    switch (t) {
        case ValueType::Integer:
            return TypeRule::Integer;
        case ValueType::Real:
            return TypeRule::Real;
        case ValueType::String:
            return TypeRule::String;
    }
    return TypeRule::None;
}

// The binary operators of the three contexts, one row each: the word, the
// operation, its level and whether the integer and the real context take it.
// (The string context takes only the comparisons, and "+" for joining.)
enum class Level : std::uint8_t { Comparison, Additive, Multiplicative };

struct OperatorRow {
    Word word;
    BinaryOp op;
    Level level;
    bool integer;
    bool real;
};

constexpr OperatorRow kOperators[] = {
    {Word::Equal, BinaryOp::Equal, Level::Comparison, true, true},
    {Word::NotEqual, BinaryOp::NotEqual, Level::Comparison, true, true},
    {Word::Less, BinaryOp::Less, Level::Comparison, true, true},
    {Word::LessEqual, BinaryOp::LessEqual, Level::Comparison, true, true},
    {Word::Greater, BinaryOp::Greater, Level::Comparison, true, true},
    {Word::GreaterEqual, BinaryOp::GreaterEqual, Level::Comparison, true, true},
    {Word::Plus, BinaryOp::Add, Level::Additive, true, true},
    {Word::Minus, BinaryOp::Subtract, Level::Additive, true, true},
    {Word::Or, BinaryOp::Or, Level::Additive, true, false},
    {Word::Xor, BinaryOp::Xor, Level::Additive, true, false},
    {Word::Star, BinaryOp::Multiply, Level::Multiplicative, true, true},
    {Word::Slash, BinaryOp::Divide, Level::Multiplicative, false, true},
    {Word::Div, BinaryOp::Div, Level::Multiplicative, true, false},
    {Word::Mod, BinaryOp::Mod, Level::Multiplicative, true, false},
    {Word::And, BinaryOp::And, Level::Multiplicative, true, false},
    {Word::Shl, BinaryOp::Shl, Level::Multiplicative, true, false},
    {Word::Shr, BinaryOp::Shr, Level::Multiplicative, true, false},
};

bool takes(const OperatorRow& row, ValueType context) {
    switch (context) {
        case ValueType::Integer:
            return row.integer;
        case ValueType::Real:
            return row.real;
        case ValueType::String:
            break;
    }
    return row.level == Level::Comparison;
}

// The operator a word stands for at that level of that context.
std::optional<BinaryOp> binaryOperator(Word w, Level level, ValueType context) {
    for (const OperatorRow& row : kOperators) {
        if (row.word != w || row.level != level) continue;
        if (takes(row, context)) return row.op;
        break;
    }
    return std::nullopt;
}

template <typename Ptr>
constexpr ValueType contextOf() {
    if constexpr (std::is_same_v<Ptr, IntExprPtr>) return ValueType::Integer;
    if constexpr (std::is_same_v<Ptr, RealExprPtr>) return ValueType::Real;
    return ValueType::String;
}

// One reading of one text. Once an error node is made, `failed` stops every
// level: evaluation raises there, so nothing after it would run.
class Reader {
public:
    Reader(const NameTables& tables, const Limits& limits, Diagnostics* diagnostics, Cursor cursor, int depth)
        : tables_(tables), limits_(limits), diagnostics_(diagnostics), c_(cursor), depth_(depth) {}

    IntExprPtr intWhole();
    RealExprPtr realCompare();
    StrExprPtr strCompare();
    std::variant<std::unique_ptr<const CallSite>, DeferredError> call(const RoutineEntry& routine,
                                                                      CallPath path);
    Cursor& cursor() { return c_; }
    bool failed() const { return failed_; }

private:
    DeferredError fail(PPAMessage id, std::string token) {
        failed_ = true;
        return deferError(diagnostics_, id, std::move(token), c_.line());
    }
    DeferredError failHere(PPAMessage id) { return fail(id, c_.messageText()); }
    TypeRule typeRule() const;
    bool tooDeep() const { return depth_ >= limits_.maxExpressionDepth; }

    template <typename Ptr, typename Next>
    Ptr chain(Ptr first, Next next, Level level, std::vector<Link<Ptr>>& links);

    IntExprPtr intCompare();
    IntExprPtr intAdditive();
    IntExprPtr intTerm();
    IntExprPtr intFactor();
    IntExprPtr intPrimary();
    RealExprPtr realAdditive();
    RealExprPtr realTerm();
    RealExprPtr realFactor();
    RealExprPtr realPrimary();
    StrExprPtr strConcatenation();
    StrExprPtr strFactor();
    StrExprPtr strPrimary();

    template <typename Ptr, typename Whole, typename ThenRaise, typename ErrorNode>
    Ptr parenthesised(Whole whole, ThenRaise thenRaise, ErrorNode errorNode);

    const NameTables& tables_;
    const Limits& limits_;
    Diagnostics* diagnostics_;
    Cursor c_;
    int depth_;
    bool failed_ = false;
};

TypeRule Reader::typeRule() const {
    switch (c_.kind()) {
        case tkString:
            return TypeRule::String;
        case tkInteger:
            return TypeRule::Integer;
        case tkReal:
            return TypeRule::Real;
        case tkIdentifier:
            if (const VariableEntry* v = tables_.findVariable(c_.text())) return fromValueType(v->Type);
            if (const RoutineEntry* f = tables_.findFunction(c_.text())) return fromValueType(f->ResultType);
            return TypeRule::None;
        default:
            return TypeRule::None;
    }
}

template <typename Ptr, typename Next>
Ptr Reader::chain(Ptr first, Next next, Level level, std::vector<Link<Ptr>>& links) {
    while (!failed_) {
        const std::optional<BinaryOp> op = binaryOperator(c_.word(), level, contextOf<Ptr>());
        if (!op) break;
        std::string opText(c_.text());
        c_.next();
        links.push_back({*op, (this->*next)(), std::move(opText)});
    }
    return first;
}

IntExprPtr Reader::intWhole() {
    switch (typeRule()) {
        case TypeRule::String:
            return intFromString(strCompare());
        case TypeRule::Real:
            return intFromReal(realCompare());
        default:
            return intCompare();
    }
}

IntExprPtr Reader::intCompare() {
    std::vector<Link<IntExprPtr>> links;
    IntExprPtr first = chain(intAdditive(), &Reader::intAdditive, Level::Comparison, links);
    return intChain(std::move(first), std::move(links));
}

IntExprPtr Reader::intAdditive() {
    bool negate = false;
    if (c_.word() == Word::Plus) {
        c_.next();
    } else if (c_.word() == Word::Minus) {
        c_.next();
        negate = true;
    }
    IntExprPtr first = intTerm();
    if (negate) first = intNegate(std::move(first));
    std::vector<Link<IntExprPtr>> links;
    first = chain(std::move(first), &Reader::intTerm, Level::Additive, links);
    return intChain(std::move(first), std::move(links));
}

IntExprPtr Reader::intTerm() {
    const bool complement = c_.accept(Word::Not);
    IntExprPtr first = intFactor();
    if (complement) first = intNot(std::move(first));
    std::vector<Link<IntExprPtr>> links;
    first = chain(std::move(first), &Reader::intFactor, Level::Multiplicative, links);
    return intChain(std::move(first), std::move(links));
}

template <typename Ptr, typename Whole, typename ThenRaise, typename ErrorNode>
Ptr Reader::parenthesised(Whole whole, ThenRaise thenRaise, ErrorNode errorNode) {
    if (tooDeep()) return errorNode(failHere(PPAMessage::NestingTooDeep));
    c_.next();
    ++depth_;
    Ptr inner = whole();
    --depth_;
    if (failed_) return inner;
    if (c_.word() != Word::RightParen)
        return thenRaise(std::move(inner), fail(PPAMessage::MissingRightParen, {}));
    c_.next();
    return inner;
}

IntExprPtr Reader::intFactor() {
    if (c_.word() == Word::LeftParen)
        return parenthesised<IntExprPtr>([this] { return intWhole(); }, intThenRaise, intError);
    return intPrimary();
}

IntExprPtr Reader::intPrimary() {
    if (c_.kind() == tkInteger) {
        const std::int64_t value = readInteger(c_.text()).value_or(0);
        c_.next();
        return intConstant(value);
    }
    if (c_.kind() != tkIdentifier) return intError(failHere(PPAMessage::SyntaxError));
    if (const VariableEntry* v = tables_.findVariable(c_.text())) {
        if (v->Type != ValueType::Integer) return intError(failHere(PPAMessage::WrongVariableType));
        c_.next();
        return intVariable(*v);
    }
    if (const RoutineEntry* f = tables_.findFunction(c_.text())) {
        if (f->ResultType != ValueType::Integer) return intError(failHere(PPAMessage::WrongResultType));
        auto site = call(*f, CallPath::IntFunction);
        if (auto* error = std::get_if<DeferredError>(&site)) return intError(std::move(*error));
        return intCall(std::move(std::get<0>(site)));
    }
    return intError(failHere(PPAMessage::Undefined));
}

RealExprPtr Reader::realCompare() {
    std::vector<Link<RealExprPtr>> links;
    RealExprPtr first = chain(realAdditive(), &Reader::realAdditive, Level::Comparison, links);
    return realChain(std::move(first), std::move(links));
}

RealExprPtr Reader::realAdditive() {
    bool negate = false;
    if (c_.word() == Word::Plus) {
        c_.next();
    } else if (c_.word() == Word::Minus) {
        c_.next();
        negate = true;
    }
    RealExprPtr first = realTerm();
    if (negate) first = realNegate(std::move(first));
    std::vector<Link<RealExprPtr>> links;
    first = chain(std::move(first), &Reader::realTerm, Level::Additive, links);
    return realChain(std::move(first), std::move(links));
}

RealExprPtr Reader::realTerm() {
    std::vector<Link<RealExprPtr>> links;
    RealExprPtr first = chain(realFactor(), &Reader::realFactor, Level::Multiplicative, links);
    return realChain(std::move(first), std::move(links));
}

RealExprPtr Reader::realFactor() {
    if (c_.word() != Word::LeftParen) return realPrimary();
    return parenthesised<RealExprPtr>(
        [this]() -> RealExprPtr {
            switch (typeRule()) {
                case TypeRule::Integer:
                    return realFromInt(intCompare());
                case TypeRule::String:
                    return realFromString(strCompare());
                default:
                    return realCompare();
            }
        },
        realThenRaise, realError);
}

RealExprPtr Reader::realPrimary() {
    if (c_.kind() == tkInteger || c_.kind() == tkReal) {
        const double value = readReal(c_.text()).value_or(0.0);
        c_.next();
        return realConstant(value);
    }
    if (c_.kind() != tkIdentifier) return realError(failHere(PPAMessage::SyntaxError));
    if (const VariableEntry* v = tables_.findVariable(c_.text())) {
        if (v->Type == ValueType::String) return realError(failHere(PPAMessage::WrongVariableType));
        c_.next();
        return realVariable(*v);
    }
    if (const RoutineEntry* f = tables_.findFunction(c_.text())) {
        if (f->ResultType == ValueType::String) return realError(failHere(PPAMessage::WrongResultType));
        auto site = call(*f, functionPath(*f));
        if (auto* error = std::get_if<DeferredError>(&site)) return realError(std::move(*error));
        return realCall(std::move(std::get<0>(site)));
    }
    return realError(failHere(PPAMessage::Undefined));
}

StrExprPtr Reader::strCompare() {
    std::vector<Link<StrExprPtr>> links;
    StrExprPtr first = chain(strConcatenation(), &Reader::strConcatenation, Level::Comparison, links);
    return strCompareChain(std::move(first), std::move(links));
}

StrExprPtr Reader::strConcatenation() {
    std::vector<StrExprPtr> parts;
    parts.push_back(strFactor());
    while (!failed_) {
        if (c_.word() == Word::Plus) {
            c_.next();
        } else if (c_.kind() != tkString) {
            break;  // a literal written right after an operand joins it without "+"
        }
        parts.push_back(strFactor());
    }
    return strConcat(std::move(parts));
}

StrExprPtr Reader::strFactor() {
    if (c_.word() == Word::LeftParen)
        return parenthesised<StrExprPtr>([this] { return strCompare(); }, strThenRaise, strError);
    return strPrimary();
}

StrExprPtr Reader::strPrimary() {
    if (c_.kind() == tkString) {
        std::optional<std::string> value = decodeStringLiteral(c_.text());
        if (!value) return strError(failHere(PPAMessage::NotANumber));
        c_.next();
        return strConstant(std::move(*value));
    }
    if (c_.kind() != tkIdentifier) return strError(failHere(PPAMessage::SyntaxError));
    if (const VariableEntry* v = tables_.findVariable(c_.text())) {
        if (v->Type != ValueType::String) return strError(failHere(PPAMessage::WrongVariableType));
        c_.next();
        return strVariable(*v);
    }
    if (const RoutineEntry* f = tables_.findFunction(c_.text())) {
        if (f->ResultType != ValueType::String) return strError(failHere(PPAMessage::WrongResultType));
        auto site = call(*f, CallPath::StrFunction);
        if (auto* error = std::get_if<DeferredError>(&site)) return strError(std::move(*error));
        return strCall(std::move(std::get<0>(site)));
    }
    return strError(failHere(PPAMessage::Undefined));
}

std::variant<std::unique_ptr<const CallSite>, DeferredError> Reader::call(const RoutineEntry& routine,
                                                                          CallPath path) {
    auto site = std::make_unique<CallSite>();
    site->routine = &routine;
    site->path = path;
    const std::string name(c_.text());
    c_.next();
    const bool hasParams = !routine.Params.empty();
    if (hasParams) {
        if (c_.word() != Word::LeftParen) return failHere(PPAMessage::SyntaxError);
        if (tooDeep()) return fail(PPAMessage::NestingTooDeep, name);
        c_.next();
        ExpressionCompiler compiler(tables_, limits_, diagnostics_);
        for (std::size_t i = 0; i < routine.Params.size(); ++i) {
            const std::uint32_t start = c_.pos();
            int parens = 0;
            for (; !c_.atEnd(); c_.next()) {
                const Word w = c_.word();
                if (parens == 0 && (w == Word::Comma || w == Word::RightParen)) break;
                if (w == Word::LeftParen) ++parens;
                if (w == Word::RightParen) --parens;
            }
            const ValueType type = routine.Params[i].Type;
            auto typed = compiler.wholeByType(type, c_.program(), c_.from(start), depth_ + 1);
            site->args.push_back(
                {type, std::move(typed.intExpr), std::move(typed.realExpr), std::move(typed.strExpr)});
            if (i + 1 < routine.Params.size()) c_.next();
        }
    }
    if (routine.BuiltIn) site->builtin = findBuiltin(routine.Index);
    site->tokenAfterArgs = c_.messageText();
    if (hasParams) {
        if (c_.word() != Word::RightParen)
            site->closeError = failHere(PPAMessage::SyntaxError);
        else
            c_.next();
    }
    return std::unique_ptr<const CallSite>(std::move(site));
}

}  // namespace

IntExprPtr ExpressionCompiler::wholeInteger(const Program& program, Span span) const {
    return wholeByType(ValueType::Integer, program, span).intExpr;
}

RealExprPtr ExpressionCompiler::wholeReal(const Program& program, Span span) const {
    return wholeByType(ValueType::Real, program, span).realExpr;
}

StrExprPtr ExpressionCompiler::wholeString(const Program& program, Span span) const {
    return wholeByType(ValueType::String, program, span).strExpr;
}

ExpressionCompiler::Typed ExpressionCompiler::wholeByType(ValueType type, const Program& program, Span span,
                                                          int depth) const {
    Reader reader(tables_, limits_, diagnostics_, Cursor(program, span), depth);
    Typed out;
    switch (type) {
        case ValueType::Integer:
            out.intExpr = reader.intWhole();
            break;
        case ValueType::Real:
            out.realExpr = reader.realCompare();
            break;
        case ValueType::String:
            out.strExpr = reader.strCompare();
            break;
    }
    if (diagnostics_ && !reader.failed()) reportUnread(*diagnostics_, program, reader.cursor().rest());
    return out;
}

std::variant<std::unique_ptr<const CallSite>, DeferredError> ExpressionCompiler::call(
    Cursor& cursor, const RoutineEntry& routine, CallPath path) const {
    Reader reader(tables_, limits_, diagnostics_, cursor, 0);
    auto result = reader.call(routine, path);
    cursor = reader.cursor();
    return result;
}

}  // namespace ppa

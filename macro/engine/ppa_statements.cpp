#include "macro/engine/ppa_statements.h"

#include "macro/engine/ppa_diagnostics.h"
#include "macro/engine/ppa_host.h"
#include "macro/engine/ppa_runtime.h"
#include "macro/engine/ppa_statement_compiler.h"

namespace ppa {
namespace {

constexpr std::uint8_t kEndsLoop = ExitPending | BreakPending;
constexpr std::uint8_t kLoopFlags = BreakPending | ContinuePending;

struct ErrorStatement final : Statement {
    explicit ErrorStatement(DeferredError e) : error(std::move(e)) {}
    void run(Runtime&) const override { error.raise(); }
    DeferredError error;
};

struct CallStatement final : Statement {
    explicit CallStatement(std::unique_ptr<const CallSite> c) : call(std::move(c)) {}
    void run(Runtime& rt) const override { call->callDiscarding(rt); }
    std::unique_ptr<const CallSite> call;
};

struct AssignInt final : Statement {
    AssignInt(VariableEntry& v, IntExprPtr e) : variable(v), value(std::move(e)) {}
    void run(Runtime& rt) const override {
        const std::int64_t v = value->eval(rt);
        variable.IntValue = v;
        if (variable.Object) notifyObjectWrite(rt, variable);
    }
    VariableEntry& variable;
    IntExprPtr value;
};

struct AssignReal final : Statement {
    AssignReal(VariableEntry& v, RealExprPtr e) : variable(v), value(std::move(e)) {}
    void run(Runtime& rt) const override {
        variable.RealValue = value->eval(rt);
        if (variable.Object) notifyObjectWrite(rt, variable);
    }
    VariableEntry& variable;
    RealExprPtr value;
};

struct AssignStr final : Statement {
    AssignStr(VariableEntry& v, StrExprPtr e) : variable(v), value(std::move(e)) {}
    void run(Runtime& rt) const override {
        variable.StrValue = value->eval(rt);
        if (variable.Object) notifyObjectWrite(rt, variable);
    }
    VariableEntry& variable;
    StrExprPtr value;
};

struct BlockStatement final : Statement {
    explicit BlockStatement(StatementList b) : body(std::move(b)) {}
    void run(Runtime& rt) const override { body.run(rt); }
    void checkNested(Runtime& rt) const override { body.check(rt); }
    StatementList body;
};

struct FlagStatement final : Statement {
    explicit FlagStatement(std::uint8_t f) : flag(f) {}
    void run(Runtime& rt) const override { rt.pending |= flag; }
    std::uint8_t flag;
};

struct IfStatement final : Statement {
    IfStatement(IntExprPtr c, StatementList t, std::optional<StatementList> e)
        : condition(std::move(c)), thenPart(std::move(t)), elsePart(std::move(e)) {}
    void run(Runtime& rt) const override {
        const bool holds = condition->eval(rt) != 0;
        if (holds) thenPart.run(rt);
        if (elsePart && !holds) elsePart->run(rt);
    }
    void checkNested(Runtime& rt) const override {
        thenPart.check(rt);
        if (elsePart) elsePart->check(rt);
    }
    IntExprPtr condition;
    StatementList thenPart;
    std::optional<StatementList> elsePart;
};

struct WhileStatement final : Statement {
    WhileStatement(IntExprPtr c, StatementList b) : condition(std::move(c)), body(std::move(b)) {}
    void run(Runtime& rt) const override {
        while (!(rt.pending & StopRequested)) {
            if (condition->eval(rt) == 0) break;
            rt.pending &= ~ContinuePending;
            body.run(rt);
            if (rt.pending & kEndsLoop) break;
        }
        rt.pending &= ~kLoopFlags;
    }
    void checkNested(Runtime& rt) const override { body.check(rt); }
    IntExprPtr condition;
    StatementList body;
};

struct RepeatStatement final : Statement {
    RepeatStatement(StatementList b, IntExprPtr c) : body(std::move(b)), condition(std::move(c)) {}
    void run(Runtime& rt) const override {
        std::int64_t last = 0;
        while (!(rt.pending & StopRequested) && last == 0) {
            rt.pending &= ~ContinuePending;
            body.run(rt);
            if (rt.pending & kEndsLoop) break;
            last = condition->eval(rt);
        }
        rt.pending &= ~kLoopFlags;
    }
    void checkNested(Runtime& rt) const override { body.check(rt); }
    StatementList body;
    IntExprPtr condition;
};

struct ForStatement final : Statement {
    explicit ForStatement(ForParts p) : parts(std::move(p)) {}
    void run(Runtime& rt) const override {
        parts.initial->run(rt);
        if (parts.errorAfterInitial) parts.errorAfterInitial->raise();
        VariableEntry& variable = *parts.variable;
        // The bounds count as 32-bit values; the count is fixed before the first
        // iteration, whatever the body does to the variable.
        const std::int64_t start = static_cast<std::int32_t>(variable.IntValue);
        const std::int64_t limit = static_cast<std::int32_t>(parts.limit->eval(rt));
        const std::int64_t count = parts.downward ? start - limit + 1 : limit - start + 1;
        const std::int64_t step = parts.downward ? -1 : 1;
        std::int64_t value = start;
        for (std::int64_t k = 0; k < count && !(rt.pending & StopRequested); ++k, value += step) {
            variable.IntValue = value;
            rt.pending &= ~ContinuePending;
            parts.body->run(rt);
            if (rt.pending & kEndsLoop) break;
        }
        rt.pending &= ~kLoopFlags;
    }
    void checkNested(Runtime& rt) const override {
        parts.initial->check(rt);
        if (parts.body) parts.body->check(rt);
    }
    ForParts parts;
};

bool matches(Runtime& rt, const std::vector<LabelItem>& labels, std::int64_t selector) {
    for (const LabelItem& item : labels) {
        if (item.constant) {
            if (item.lowValue <= selector && selector <= item.highValue) return true;
            continue;
        }
        const std::int64_t low = item.low->eval(rt);
        const std::int64_t high = item.high ? item.high->eval(rt) : low;
        if (low <= selector && selector <= high) return true;
    }
    return false;
}

struct CaseStatement final : Statement {
    explicit CaseStatement(CaseParts p) : parts(std::move(p)) {}
    void run(Runtime& rt) const override {
        const std::int64_t selector = parts.selector->eval(rt);
        // Every branch whose labels match runs, not only the first.
        bool ran = false;
        for (const CaseBranch& branch : parts.branches) {
            if (!matches(rt, branch.labels, selector)) continue;
            branch.body.run(rt);
            ran = true;
        }
        if (parts.errorAfterBranches) parts.errorAfterBranches->raise();
        if (parts.elsePart && !ran) parts.elsePart->run(rt);
        if (parts.errorAtEnd) parts.errorAtEnd->raise();
    }
    void checkNested(Runtime& rt) const override {
        for (const CaseBranch& branch : parts.branches) branch.body.check(rt);
        if (parts.elsePart) parts.elsePart->check(rt);
    }
    CaseParts parts;
};

}  // namespace

LabelItem::LabelItem(IntExprPtr l, IntExprPtr h) : low(std::move(l)), high(std::move(h)) {
    const std::optional<std::int64_t> lowConstant = intConstantValue(*low);
    const std::optional<std::int64_t> highConstant = high ? intConstantValue(*high) : lowConstant;
    constant = lowConstant && highConstant;
    lowValue = lowConstant.value_or(0);
    highValue = highConstant.value_or(0);
}

void StatementList::split() const {
    auto compiled = std::make_unique<Compiled>();
    compiled->pieces = splitStatements(*program_, span_);
    compiled->statements.resize(compiled->pieces.size());
    compiled_ = std::move(compiled);
}

void StatementList::compile(Runtime& rt, std::size_t i) const {
    compiled_->statements[i] = compileStatement(rt, *program_, compiled_->pieces[i]);
}

std::uint32_t StatementList::lineOf(std::size_t i) const {
    return program_->lineOf(compiled_->pieces[i].begin);
}

std::string_view StatementList::firstText() const {
    return span_.empty() ? std::string_view() : program_->text(span_.begin);
}

void StatementList::run(Runtime& rt) const {
    StatementDepthGuard guard(rt, [this] { return firstText(); });
    rt.countStep();
    rt.processMessages();
    Compiled& compiled = this->compiled();
    std::size_t i = 0;
    try {
        for (; i < compiled.pieces.size(); ++i) {
            if (rt.pending) return;
            rt.countStep();
            statement(rt, i).run(rt);
        }
    } catch (EPPAError& e) {
        e.PlaceAt(lineOf(i));
        throw;
    }
}

void StatementList::check(Runtime& rt) const {
    StatementDepthGuard guard(rt, [this] { return firstText(); });
    const std::size_t count = compiled().pieces.size();
    for (std::size_t i = 0; i < count; ++i) {
        rt.diagnostics->startStatement();
        try {
            statement(rt, i).checkNested(rt);
        } catch (EPPAError& e) {
            e.PlaceAt(lineOf(i));
            rt.diagnostics->error(e);
        }
    }
}

StatementPtr errorStatement(DeferredError error) {
    return std::make_unique<ErrorStatement>(std::move(error));
}
StatementPtr callStatement(std::unique_ptr<const CallSite> call) {
    return std::make_unique<CallStatement>(std::move(call));
}
StatementPtr assignStatement(VariableEntry& v, IntExprPtr e) {
    return std::make_unique<AssignInt>(v, std::move(e));
}
StatementPtr assignStatement(VariableEntry& v, RealExprPtr e) {
    return std::make_unique<AssignReal>(v, std::move(e));
}
StatementPtr assignStatement(VariableEntry& v, StrExprPtr e) {
    return std::make_unique<AssignStr>(v, std::move(e));
}
StatementPtr blockStatement(StatementList body) { return std::make_unique<BlockStatement>(std::move(body)); }
StatementPtr flagStatement(std::uint8_t pending) { return std::make_unique<FlagStatement>(pending); }
StatementPtr ifStatement(IntExprPtr condition, StatementList thenPart,
                         std::optional<StatementList> elsePart) {
    return std::make_unique<IfStatement>(std::move(condition), std::move(thenPart), std::move(elsePart));
}
StatementPtr whileStatement(IntExprPtr condition, StatementList body) {
    return std::make_unique<WhileStatement>(std::move(condition), std::move(body));
}
StatementPtr repeatStatement(StatementList body, IntExprPtr condition) {
    return std::make_unique<RepeatStatement>(std::move(body), std::move(condition));
}
StatementPtr forStatement(ForParts parts) { return std::make_unique<ForStatement>(std::move(parts)); }
StatementPtr caseStatement(CaseParts parts) { return std::make_unique<CaseStatement>(std::move(parts)); }

}  // namespace ppa

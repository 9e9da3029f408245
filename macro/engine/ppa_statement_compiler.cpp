#include "macro/engine/ppa_statement_compiler.h"

#include "macro/engine/ppa_diagnostics.h"
#include "macro/engine/ppa_expression_compiler.h"
#include "macro/engine/ppa_runtime.h"

namespace ppa {
namespace {

// Moves to the END or UNTIL that closes the level the cursor is in, or to the
// end of the text.
void skipToClosing(Cursor& c) {
    int depth = 0;
    for (; !c.atEnd(); c.next()) {
        const int step = nestingStep(c.word());
        if (step < 0 && depth == 0) return;
        depth += step;
    }
}

// A simple statement runs to a ";" at depth 0 or, unless an IF has been
// taken in (it keeps a following ELSE for itself), to an ELSE at depth 0.
// An END at depth 0 does not end it.
void skipSimpleStatement(Cursor& c) {
    int depth = 0;
    bool sawIf = false;
    for (; !c.atEnd(); c.next()) {
        const Word w = c.word();
        if (depth == 0 && (w == Word::Semicolon || (w == Word::Else && !sawIf))) return;
        if (w == Word::If) sawIf = true;
        depth += nestingStep(w);
    }
}

// Cuts out the statement a THEN, ELSE, DO or CASE label governs. A block
// leaves the cursor on its closing END.
Span cutOutNested(Cursor& c) {
    if (c.word() == Word::Begin || c.word() == Word::Else) {
        c.next();
        const std::uint32_t start = c.pos();
        skipToClosing(c);
        return c.from(start);
    }
    const std::uint32_t start = c.pos();
    if (c.word() == Word::Repeat) {
        // The whole loop with its UNTIL condition, so that it runs as a loop.
        c.next();
        skipToClosing(c);
        c.next();
    }
    skipSimpleStatement(c);
    return c.from(start);
}

// Collects tokens up to the first `stop` word (or the end of the text).
Span collectUpTo(Cursor& c, Word stop) {
    const std::uint32_t start = c.pos();
    while (!c.atEnd() && c.word() != stop) c.next();
    return c.from(start);
}

class StatementReader {
public:
    StatementReader(Runtime& rt, const Program& program, Span span)
        : rt_(rt),
          program_(program),
          c_(program, span),
          line_(program.lineOf(span.begin)),
          expressions_(rt.tables, rt.limits, rt.diagnostics) {}

    // The statement, and for a check the text it leaves unread.
    StatementPtr read();

private:
    StatementPtr readKind();
    // An error the statement raises when it runs; one at the current token, or
    // one naming the statement's keyword on the statement's first line.
    DeferredError defer(PPAMessage id, std::string token, std::uint32_t line) {
        failed_ = true;
        return deferError(rt_.diagnostics, id, std::move(token), line);
    }
    DeferredError deferHere(PPAMessage id) { return defer(id, c_.messageText(), c_.line()); }
    DeferredError deferKeyword(PPAMessage id, const char* keyword) { return defer(id, keyword, line_); }
    StatementPtr failHere(PPAMessage id) { return errorStatement(deferHere(id)); }
    StatementPtr failKeyword(PPAMessage id, const char* keyword) {
        return errorStatement(deferKeyword(id, keyword));
    }
    StatementList list(Span span) const { return StatementList(program_, span); }
    StatementPtr call(const RoutineEntry& routine, CallPath path);
    StatementPtr assignment(VariableEntry& variable);
    StatementPtr block();
    StatementPtr ifStatement();
    StatementPtr whileStatement();
    StatementPtr repeatStatement();
    StatementPtr forStatement();
    StatementPtr caseStatement();
    std::vector<LabelItem> labels(Span span) const;

    Runtime& rt_;
    const Program& program_;
    Cursor c_;
    std::uint32_t line_;
    ExpressionCompiler expressions_;
    bool failed_ = false;
};

StatementPtr StatementReader::read() {
    StatementPtr statement = readKind();
    if (rt_.diagnostics && !failed_) reportUnread(*rt_.diagnostics, program_, c_.rest());
    return statement;
}

// Each kind leaves the cursor after the last token it reads.
StatementPtr StatementReader::readKind() {
    if (c_.kind() != tkIdentifier) return failHere(PPAMessage::SyntaxError);
    if (const RoutineEntry* p = rt_.tables.findProcedure(c_.text())) return call(*p, CallPath::Procedure);
    if (const RoutineEntry* f = rt_.tables.findFunction(c_.text())) return call(*f, functionPath(*f));
    if (VariableEntry* v = rt_.tables.findVariable(c_.text())) return assignment(*v);
    switch (c_.word()) {
        case Word::Begin:
            return block();
        case Word::Break:
            c_.next();
            return flagStatement(BreakPending);
        case Word::Continue:
            c_.next();
            return flagStatement(ContinuePending);
        case Word::Exit:
            c_.next();
            return flagStatement(ExitPending);
        case Word::If:
            return ifStatement();
        case Word::For:
            return forStatement();
        case Word::While:
            return whileStatement();
        case Word::Repeat:
            return repeatStatement();
        case Word::Case:
            return caseStatement();
        default:
            return failHere(PPAMessage::SyntaxError);
    }
}

StatementPtr StatementReader::call(const RoutineEntry& routine, CallPath path) {
    auto site = expressions_.call(c_, routine, path);
    if (auto* e = std::get_if<DeferredError>(&site)) {
        failed_ = true;
        return errorStatement(std::move(*e));
    }
    failed_ = std::get<0>(site)->closeError.has_value();
    return callStatement(std::move(std::get<0>(site)));
}

StatementPtr StatementReader::assignment(VariableEntry& variable) {
    if (variable.ReadOnly) return failHere(PPAMessage::ReadOnly);
    c_.next();
    if (c_.word() != Word::Assign) return failHere(PPAMessage::SyntaxError);
    c_.next();
    // The expression is the rest of the statement; it answers for what it leaves.
    auto value = expressions_.wholeByType(variable.Type, program_, c_.rest());
    c_.skipRest();
    switch (variable.Type) {
        case ValueType::Integer:
            return assignStatement(variable, std::move(value.intExpr));
        case ValueType::Real:
            return assignStatement(variable, std::move(value.realExpr));
        case ValueType::String:
            break;
    }
    return assignStatement(variable, std::move(value.strExpr));
}

StatementPtr StatementReader::block() {
    StatementList body = list(cutOutNested(c_));
    c_.accept(Word::End);
    return blockStatement(std::move(body));
}

StatementPtr StatementReader::ifStatement() {
    c_.next();
    const Span condition = collectUpTo(c_, Word::Then);
    c_.next();
    if (c_.atEnd()) return failKeyword(PPAMessage::SyntaxError, "if");
    const Span thenPart = cutOutNested(c_);
    c_.accept(Word::End);
    std::optional<StatementList> elsePart;
    if (c_.accept(Word::Else)) {
        elsePart = list(cutOutNested(c_));
        c_.accept(Word::End);
    }
    return ppa::ifStatement(expressions_.wholeInteger(program_, condition), list(thenPart),
                            std::move(elsePart));
}

StatementPtr StatementReader::whileStatement() {
    c_.next();
    const Span condition = collectUpTo(c_, Word::Do);
    if (c_.atEnd()) return failKeyword(PPAMessage::SyntaxError, "while");
    c_.next();
    const Span body = cutOutNested(c_);
    c_.accept(Word::End);
    return ppa::whileStatement(expressions_.wholeInteger(program_, condition), list(body));
}

StatementPtr StatementReader::repeatStatement() {
    c_.next();
    const std::uint32_t start = c_.pos();
    skipToClosing(c_);
    const Span body = c_.from(start);
    c_.next();  // UNTIL
    const Span condition = collectUpTo(c_, Word::Semicolon);
    return ppa::repeatStatement(list(body), expressions_.wholeInteger(program_, condition));
}

StatementPtr StatementReader::forStatement() {
    c_.next();
    VariableEntry* variable = c_.kind() == tkIdentifier ? rt_.tables.findVariable(c_.text()) : nullptr;
    if (!variable || variable->Type != ValueType::Integer || variable->ReadOnly)
        return failKeyword(PPAMessage::SyntaxError, "for");
    const std::uint32_t start = c_.pos();
    bool hasAssign = false;
    for (; !c_.atEnd() && c_.word() != Word::To && c_.word() != Word::Downto; c_.next())
        if (c_.word() == Word::Assign) hasAssign = true;
    if (!hasAssign || c_.atEnd()) return failKeyword(PPAMessage::SyntaxError, "for");
    ForParts parts;
    parts.variable = variable;
    parts.initial = list(c_.from(start));
    parts.downward = c_.word() == Word::Downto;
    c_.next();
    const Span limit = collectUpTo(c_, Word::Do);
    if (c_.atEnd()) {
        // Found only after the initial assignment has run.
        parts.errorAfterInitial = deferKeyword(PPAMessage::SyntaxError, "for");
        return ppa::forStatement(std::move(parts));
    }
    c_.next();
    parts.limit = expressions_.wholeInteger(program_, limit);
    parts.body = list(cutOutNested(c_));
    c_.accept(Word::End);
    return ppa::forStatement(std::move(parts));
}

std::vector<LabelItem> StatementReader::labels(Span span) const {
    std::vector<LabelItem> items;
    auto addItem = [&](Span item) {
        for (std::uint32_t i = item.begin; i < item.end; ++i) {
            if (program_.token(i).word != Word::Range) continue;
            items.emplace_back(expressions_.wholeInteger(program_, {item.begin, i}),
                               expressions_.wholeInteger(program_, {i + 1, item.end}));
            return;
        }
        items.emplace_back(expressions_.wholeInteger(program_, item), nullptr);
    };
    int parens = 0;
    std::uint32_t start = span.begin;
    for (std::uint32_t i = span.begin; i < span.end; ++i) {
        const Word w = program_.token(i).word;
        if (w == Word::LeftParen) ++parens;
        if (w == Word::RightParen) --parens;
        if (w == Word::Comma && parens == 0) {
            addItem({start, i});
            start = i + 1;
        }
    }
    addItem({start, span.end});
    return items;
}

StatementPtr StatementReader::caseStatement() {
    c_.next();
    const Span selector = collectUpTo(c_, Word::Of);
    if (c_.atEnd()) return failKeyword(PPAMessage::MissingOf, "case");
    c_.next();
    CaseParts parts;
    parts.selector = expressions_.wholeInteger(program_, selector);
    do {
        const Span labelList = collectUpTo(c_, Word::Colon);
        if (c_.word() != Word::Colon) {
            parts.errorAfterBranches = deferKeyword(PPAMessage::InvalidExpression, "case");
            return ppa::caseStatement(std::move(parts));
        }
        c_.next();
        const Span branch = cutOutNested(c_);
        parts.branches.push_back({labels(labelList), list(branch)});
        c_.accept(Word::End);
        c_.accept(Word::Semicolon);
        if (c_.word() == Word::Else) break;
    } while (c_.word() != Word::End && !c_.atEnd());
    if (c_.word() == Word::Else) parts.elsePart = list(cutOutNested(c_));
    if (!c_.accept(Word::End)) parts.errorAtEnd = deferKeyword(PPAMessage::MissingEnd, "case");
    return ppa::caseStatement(std::move(parts));
}

}  // namespace

std::vector<Span> splitStatements(const Program& program, Span span) {
    std::vector<Span> pieces;
    int depth = 0;
    std::uint32_t start = span.begin;
    for (std::uint32_t i = span.begin; i < span.end; ++i) {
        const Word w = program.token(i).word;
        depth += nestingStep(w);
        if (w == Word::Semicolon && depth == 0) {
            if (i > start) pieces.push_back({start, i});
            start = i + 1;
        }
    }
    if (span.end > start) pieces.push_back({start, span.end});
    return pieces;
}

StatementPtr compileStatement(Runtime& rt, const Program& program, Span span) {
    return StatementReader(rt, program, span).read();
}

}  // namespace ppa

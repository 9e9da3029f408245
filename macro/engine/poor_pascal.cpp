#include "macro/engine/poor_pascal.h"

#include <new>

#include "macro/engine/ppa_builtins.h"
#include "macro/engine/ppa_diagnostics.h"
#include "macro/engine/ppa_program.h"
#include "macro/engine/ppa_prototype.h"
#include "macro/engine/ppa_statements.h"
#include "macro/engine/sjis.h"

namespace ppa {
namespace {

bool isBlankLine(const std::string& line) {
    for (char c : line)
        if (static_cast<unsigned char>(c) > 32) return false;
    return true;
}

// Text after the END that closes a program with a VAR section is never run;
// the "." or ";" that customarily follows it is fine.
void reportAfterLastEnd(Diagnostics& diagnostics, const Program& program, Span tail) {
    for (std::uint32_t i = tail.begin; i < tail.end; ++i) {
        if (program.token(i).word == Word::Semicolon || program.text(i) == ".") continue;
        diagnostics.warning(program.lineOf(i), PPAMessage::TextAfterLastEnd, program.messageText(i));
        return;
    }
}

// Compiling reports to `diagnostics` for as long as this lives.
class CheckingFlag {
public:
    CheckingFlag(Runtime& rt, Diagnostics& diagnostics) : rt_(rt) { rt_.diagnostics = &diagnostics; }
    ~CheckingFlag() { rt_.diagnostics = nullptr; }

private:
    Runtime& rt_;
};

class RunningFlag {
public:
    explicit RunningFlag(Runtime& rt) : rt_(rt) { rt_.running = true; }
    ~RunningFlag() { rt_.running = false; }

private:
    Runtime& rt_;
};

}  // namespace

TPoorPascal::TPoorPascal() : rt_(std::make_unique<Runtime>(RunOwner{define_, *this})) {
    auto constant = [this](const char* name, ValueType type, std::int64_t value) {
        VariableEntry e;
        e.Name = name;
        e.Permanent = true;
        e.ReadOnly = true;
        e.Type = type;
        e.IntValue = value;
        e.RealValue = static_cast<double>(value);
        rt_->tables.addVariable(std::move(e));
    };
    constant("True", ValueType::Integer, -1);
    constant("False", ValueType::Integer, 0);
    constant("Nil", ValueType::String, 0);
    for (const BuiltinRow& builtin : builtinTable()) DeclareRoutine(builtin.prototype, true);
}

TPoorPascal::~TPoorPascal() = default;

bool TPoorPascal::Running() const { return rt_->running; }
bool TPoorPascal::StopRequested() const { return rt_->pending & ppa::StopRequested; }

const VariableEntry* TPoorPascal::FindVariable(const std::string& name) const {
    return rt_->tables.findVariable(name);
}

void TPoorPascal::SetEnvironment(TPPAEnvironment* environment) {
    rt_->environment = environment ? environment : &rt_->defaultEnvironment;
}

const Limits& TPoorPascal::GetLimits() const { return rt_->limits; }
void TPoorPascal::SetLimits(const Limits& limits) { rt_->limits = limits; }

void TPoorPascal::Terminate() {
    if (!rt_->running) return;
    rt_->pending |= ppa::StopRequested;
    raiseError(PPAMessage::Aborted);
}

void TPoorPascal::AddIntVariable(const std::string& name, bool readOnly, std::int32_t index, bool object,
                                 std::int64_t value) {
    VariableEntry e;
    e.Name = name;
    e.Permanent = true;
    e.ReadOnly = readOnly;
    e.Object = object;
    e.Type = ValueType::Integer;
    e.IntValue = value;
    e.RealValue = static_cast<double>(value);
    e.Index = index;
    rt_->tables.addVariable(std::move(e));
}

void TPoorPascal::AddStrVariable(const std::string& name, const std::string& value, std::int32_t index,
                                 bool object, bool readOnly) {
    VariableEntry e;
    e.Name = name;
    e.Permanent = true;
    e.ReadOnly = readOnly;
    e.Object = object;
    e.Type = ValueType::String;
    e.StrValue = value;
    e.Index = index;
    rt_->tables.addVariable(std::move(e));
}

void TPoorPascal::DeclareRoutine(const std::string& prototype, bool builtIn) {
    rt_->tables.addRoutine(parsePrototype(prototype, builtIn, rt_->tables));
}

void TPoorPascal::Execute() {
    if (rt_->running) raiseError(PPAMessage::AlreadyRunning);
    try {
        run();
    } catch (const std::bad_alloc&) {
        raiseError(PPAMessage::OutOfMemory);
    }
}

std::vector<TPPADiagnostic> TPoorPascal::Check() {
    if (rt_->running) raiseError(PPAMessage::AlreadyRunning);
    Diagnostics diagnostics;
    CheckingFlag checking(*rt_, diagnostics);
    try {
        const Program program = prepareRun();
        const Span body = readHead(program);
        StatementList(program, body).check(*rt_);
        reportAfterLastEnd(diagnostics, program, {body.end + 1, program.all().end});
    } catch (const EPPAError& e) {
        diagnostics.error(e);
    } catch (const std::bad_alloc&) {
        diagnostics.error(EPPAError(formatMessage(PPAMessage::OutOfMemory)));
    }
    return diagnostics.take();
}

void TPoorPascal::run() {
    const Program program = prepareRun();
    RunningFlag running(*rt_);
    StatementList(program, readHead(program)).run(*rt_);
}

Program TPoorPascal::prepareRun() {
    Runtime& rt = *rt_;
    rt.pending = 0;
    rt.steps = 0;
    rt.tables.removeRunEntries();
    for (const std::string& line : declarePrototype_)
        if (!isBlankLine(line)) DeclareRoutine(line, false);
    return Program(prepareSource(source_));
}

Span TPoorPascal::readHead(const Program& program) {
    Cursor c(program, program.all());
    const bool hasVar = c.accept(Word::Var);
    if (hasVar) readVarSection(c);
    if (!hasVar) return program.all();
    std::optional<std::uint32_t> lastEnd;
    for (std::uint32_t i = c.pos(); i < program.all().end; ++i)
        if (program.token(i).word == Word::End) lastEnd = i;
    if (!lastEnd) raiseErrorAt(program.lineOf(program.all().end), PPAMessage::MissingEnd, "Block");
    return {c.pos(), *lastEnd};
}

void TPoorPascal::readVarSection(Cursor& c) {
    while (!c.atEnd() && c.word() != Word::Begin) {
        std::vector<std::string> names;
        for (;;) {
            if (c.kind() != tkIdentifier) raiseErrorAt(c.line(), PPAMessage::SyntaxError, c.messageText());
            std::string name(c.text());
            const std::string upper = sjis::upper(name);
            bool repeated = rt_->tables.findVariable(name) != nullptr;
            for (const std::string& n : names) repeated = repeated || sjis::upper(n) == upper;
            if (repeated) raiseErrorAt(c.line(), PPAMessage::DuplicateVariable, name);
            names.push_back(std::move(name));
            c.next();
            if (!c.accept(Word::Comma)) break;
        }
        if (!c.accept(Word::Colon)) raiseErrorAt(c.line(), PPAMessage::SyntaxError, c.messageText());
        const std::optional<ValueType> type = typeWord(c.word());
        if (!type) raiseErrorAt(c.line(), PPAMessage::SyntaxError, c.messageText());
        c.next();
        if (!c.accept(Word::Semicolon)) raiseErrorAt(c.line(), PPAMessage::SyntaxError, c.messageText());
        for (std::string& name : names) {
            VariableEntry e;
            e.Name = std::move(name);
            e.Type = *type;
            rt_->tables.addVariable(std::move(e));
        }
    }
}

void TPoorPascal::ExecuteStatements(const std::string& text) {
    // CR LF, a lone CR and a lone LF each end one line, so that errors name
    // the lines as an editor counts them.
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\r' || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
            start = i + 1;
        }
    }
    try {
        const Program program(prepareSource(lines));
        StatementList(program, program.all()).run(*rt_);
    } catch (const std::bad_alloc&) {
        raiseError(PPAMessage::OutOfMemory);
    }
}

}  // namespace ppa

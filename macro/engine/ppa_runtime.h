#pragma once
// The state a run shares: the name tables, the flags of BREAK, CONTINUE,
// EXIT and stop, the owner's events and environment, and the guards that keep
// a hostile text from exhausting the stack, the memory or the time.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "macro/engine/ppa_environment.h"
#include "macro/engine/ppa_error.h"
#include "macro/engine/ppa_events.h"
#include "macro/engine/ppa_tables.h"

namespace ppa {

class Diagnostics;

enum Pending : std::uint8_t {
    StopRequested = 1,
    BreakPending = 2,
    ContinuePending = 4,
    ExitPending = 8,
};

struct Limits {
    // Statement lists nested in one another (blocks, branches, loop bodies).
    int maxStatementDepth = 400;
    // Parentheses and calls nested within one expression.
    int maxExpressionDepth = 400;
    // Statements and statement lists run by one Execute; 0: no limit.
    std::uint64_t maxSteps = 0;
    // Longest string value.
    std::size_t maxStringLength = std::size_t{1} << 30;
};

// What the routines of a run need of the interpreter that owns it: the
// symbols IsDefine looks at and the events that reach the host. Both live in
// the interpreter and are read at the moment of use, so the owner may change
// them between runs.
struct RunOwner {
    const std::vector<std::string>& define;
    const TPPAEvents& events;
};

struct Runtime {
    explicit Runtime(RunOwner owner) : owner(owner) {}

    RunOwner owner;
    NameTables tables;
    TPPAEnvironment defaultEnvironment;
    TPPAEnvironment* environment = &defaultEnvironment;
    Limits limits;

    // Set while a check compiles the program without running it.
    Diagnostics* diagnostics = nullptr;

    std::uint8_t pending = 0;
    bool running = false;
    int statementDepth = 0;
    std::uint64_t steps = 0;

    void countStep() {
        if (++steps > limits.maxSteps && limits.maxSteps != 0) raiseError(PPAMessage::StepLimitExceeded);
    }
    // The do-nothing environment is not called at all: lists run often.
    void processMessages() {
        if (environment != &defaultEnvironment) environment->ProcessMessages();
    }
    void checkLength(std::size_t length) const {
        if (length > limits.maxStringLength) raiseError(PPAMessage::StringTooLong);
    }
};

// Counts one level of statement nesting for as long as it lives.
class StatementDepthGuard {
public:
    // `firstToken` names the list in the message; asked for only then.
    template <typename FirstToken>
    StatementDepthGuard(Runtime& rt, FirstToken firstToken) : rt_(rt) {
        if (rt_.statementDepth >= rt_.limits.maxStatementDepth)
            raiseError(PPAMessage::NestingTooDeep, firstToken());
        ++rt_.statementDepth;
    }
    ~StatementDepthGuard() { --rt_.statementDepth; }
    StatementDepthGuard(const StatementDepthGuard&) = delete;
    StatementDepthGuard& operator=(const StatementDepthGuard&) = delete;

private:
    Runtime& rt_;
};

}  // namespace ppa

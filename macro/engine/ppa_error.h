#pragma once
// Every engine error is one exception type carrying its message. The texts
// live in one table (Shift-JIS, like every string of the engine) and one
// function raises them all, filling "%s" with the offending token.
#include <stdexcept>
#include <string>
#include <string_view>

namespace ppa {

class EPPAError : public std::runtime_error {
public:
    explicit EPPAError(const std::string& message) : std::runtime_error(message) {}
};

enum class PPAMessage {
    DuplicateVariable,
    DuplicateParameter,
    DuplicateRoutine,
    DefinitionError,
    SyntaxError,
    MissingEnd,
    MissingRightParen,
    WrongVariableType,
    WrongResultType,
    Undefined,
    ReadOnly,
    MissingOf,
    InvalidExpression,
    Aborted,
    UnknownBuiltinProcedure,
    UnknownBuiltinFunction,
    HostError,
    DivisionByZero,
    InvalidRealOperation,
    IntegerOutOfRange,
    NotANumber,
    NestingTooDeep,
    StepLimitExceeded,
    AlreadyRunning,
    StringTooLong,
    OutOfMemory,
};

// The message text with "%s" replaced by `token`.
std::string formatMessage(PPAMessage id, std::string_view token = {});

[[noreturn]] void raiseError(PPAMessage id, std::string_view token = {});

}  // namespace ppa

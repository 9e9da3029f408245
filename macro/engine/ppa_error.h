#pragma once
// Every engine error is one exception type carrying its message. The texts
// live in one table (Shift-JIS, like every string of the engine) and one
// function raises them all, filling "%s" with the offending token.
//
// An error also knows the line of the macro text (1-based, as the lines of
// Source) where it arose, so that a console can say where; what() is the
// message alone, as the editor shows it.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ppa {

class EPPAError : public std::runtime_error {
public:
    explicit EPPAError(const std::string& message, std::uint32_t line = 0)
        : std::runtime_error(message), line_(line) {}

    // The line of the token where the error was found, or of the statement
    // that was running; 0 when it belongs to no line of the text (a host
    // prototype, a run refused because one is going).
    std::uint32_t Line() const { return line_; }
    // Gives an error met without a line the line of the statement it ended.
    void PlaceAt(std::uint32_t line) {
        if (line_ == 0) line_ = line;
    }

private:
    std::uint32_t line_;
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
    // Not raised: the refusal a host shows before it stops a macro that
    // calls what it is not permitted to.
    NotPermitted,
    // Not raised: the warnings of a check.
    UnreadText,
    UnreadLine,
    TextAfterLastEnd,
};

// The message text with "%s" replaced by `token`.
std::string formatMessage(PPAMessage id, std::string_view token = {});

[[noreturn]] void raiseError(PPAMessage id, std::string_view token = {});
[[noreturn]] void raiseErrorAt(std::uint32_t line, PPAMessage id, std::string_view token = {});

// An error met while reading the text, raised when evaluation gets there.
struct DeferredError {
    PPAMessage id;
    std::string token;
    std::uint32_t line = 0;
    [[noreturn]] void raise() const { raiseErrorAt(line, id, token); }
};

}  // namespace ppa

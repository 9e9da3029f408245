#pragma once
// What a check of a macro finds without running it: for each statement the
// first error its run would raise on reaching it, and warnings where a
// statement or an expression leaves text that nothing reads.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "macro/engine/ppa_error.h"

namespace ppa {

class Program;
struct Span;

struct TPPADiagnostic {
    bool Warning = false;
    std::uint32_t Line = 0;  // of the source text, 1-based; 0 for none
    std::string Message;     // Shift-JIS, as EPPAError's what()
};

class Diagnostics {
public:
    // Errors reported from here on belong to the next statement.
    void startStatement() { errorInStatement_ = false; }
    // Keeps only the first error of a statement: the run stops there.
    void error(const DeferredError& error);
    // An error that stopped the check of a whole statement or of the program.
    void error(const EPPAError& error);
    void warning(std::uint32_t line, PPAMessage id, std::string_view token);
    // Ordered by line; in the order found within a line.
    std::vector<TPPADiagnostic> take();

private:
    std::vector<TPPADiagnostic> found_;
    bool errorInStatement_ = false;
};

// The error a statement raises when its run gets there; a check hears of it
// at once.
DeferredError deferError(Diagnostics* diagnostics, PPAMessage id, std::string token, std::uint32_t line);

// Warns about the tokens of `rest`, which a statement or an expression left
// unread; nothing when it is empty. The "()" after a routine without
// parameters and the "." of a closing "end." are read past on purpose.
void reportUnread(Diagnostics& diagnostics, const Program& program, Span rest);

}  // namespace ppa

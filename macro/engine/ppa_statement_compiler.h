#pragma once
// Reads statement texts: the split of a list at ";", the cutting out of
// nested statements, and each statement kind.
#include <vector>

#include "macro/engine/ppa_program.h"
#include "macro/engine/ppa_statements.h"

namespace ppa {

struct Runtime;

// The statements of a list: cut at every ";" met at nesting depth 0, where
// BEGIN, REPEAT and CASE open a level and END and UNTIL close one. Empty
// pieces are dropped.
std::vector<Span> splitStatements(const Program& program, Span span);

StatementPtr compileStatement(Runtime& rt, const Program& program, Span span);

}  // namespace ppa

#include "macro/engine/ppa_prototype.h"

#include <optional>
#include <string>

#include "macro/engine/ppa_blanks.h"
#include "macro/engine/ppa_error.h"
#include "macro/engine/ppa_numbers.h"
#include "macro/engine/ppa_parser.h"
#include "macro/engine/ppa_words.h"
#include "macro/engine/sjis.h"

namespace ppa {
namespace {

[[noreturn]] void definitionError() { raiseError(PPAMessage::DefinitionError); }

Word word(const TPPAParser& p) { return classifyWord(p.TokenView()); }

std::optional<ValueType> typeWord(const TPPAParser& p) { return typeWord(word(p)); }

[[noreturn]] void syntaxError(const TPPAParser& p) { raiseError(PPAMessage::SyntaxError, p.TokenView()); }

// One group "A, B: Type", the parser standing on its first name.
void readParameterGroup(TPPAParser& p, RoutineEntry& routine) {
    const std::size_t first = routine.Params.size();
    for (;;) {
        if (p.TokenKind() != tkIdentifier) syntaxError(p);
        std::string name = p.TokenText();
        for (const FormalParam& param : routine.Params)
            if (param.Name == name) raiseError(PPAMessage::DuplicateParameter, name);
        routine.Params.push_back({std::move(name), ValueType::Integer});
        p.NextToken();
        if (word(p) != Word::Comma) break;
        p.NextToken();
    }
    if (word(p) != Word::Colon) syntaxError(p);
    p.NextToken();
    const std::optional<ValueType> type = typeWord(p);
    if (!type) syntaxError(p);
    for (std::size_t i = first; i < routine.Params.size(); ++i) routine.Params[i].Type = *type;
    p.NextToken();
    if (word(p) != Word::Semicolon && word(p) != Word::RightParen) syntaxError(p);
}

}  // namespace

RoutineEntry parsePrototype(std::string_view text, bool builtIn, const NameTables& tables) {
    const std::string upper = sjis::upper(trimRight(trimLeft(text)));
    std::string_view rest = upper;
    RoutineEntry routine;
    routine.BuiltIn = builtIn;
    if (rest.substr(0, 10) == "PROCEDURE ") {
        rest.remove_prefix(10);
    } else if (rest.substr(0, 9) == "FUNCTION ") {
        routine.IsFunction = true;
        rest.remove_prefix(9);
    } else {
        definitionError();
    }
    rest = trimLeft(rest);
    if (rest.empty() || rest.back() != ';') definitionError();
    rest = trimRight(rest.substr(0, rest.size() - 1));

    TPPAParser p(rest);
    if (p.TokenKind() != tkIdentifier) definitionError();
    routine.Name = p.TokenText();
    if (tables.hasRoutine(routine.Name)) raiseError(PPAMessage::DuplicateRoutine, routine.Name);
    p.NextToken();

    if (word(p) == Word::LeftParen) {
        if (rest.rfind(')') == std::string_view::npos) definitionError();
        while (word(p) != Word::RightParen && p.TokenKind() != tkEnd) {
            p.NextToken();  // past "(" or ";"
            readParameterGroup(p, routine);
        }
        p.NextToken();
    }
    if (routine.IsFunction) {
        if (word(p) != Word::Colon) definitionError();
        p.NextToken();
        const std::optional<ValueType> type = typeWord(p);
        if (!type) definitionError();
        routine.ResultType = *type;
        p.NextToken();
    }
    if (word(p) == Word::Semicolon) p.NextToken();
    if (word(p) == Word::Index) {
        p.NextToken();
        routine.Index = static_cast<std::int32_t>(readInteger(p.TokenView()).value_or(0));
    }
    return routine;
}

}  // namespace ppa

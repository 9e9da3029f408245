#include "macro/engine/ppa_diagnostics.h"

#include <algorithm>

#include "macro/engine/ppa_program.h"

namespace ppa {
namespace {

bool isEmptyParentheses(const Program& program, Span rest) {
    const std::uint32_t i = rest.begin;
    return rest.end - i == 2 && i > 0 && program.token(i - 1).kind == tkIdentifier &&
           program.token(i).word == Word::LeftParen && program.token(i + 1).word == Word::RightParen;
}

bool isClosingDot(const Program& program, Span rest) {
    return rest.end - rest.begin == 1 && rest.end == program.all().end && rest.begin > 0 &&
           program.token(rest.begin - 1).word == Word::End && program.text(rest.begin) == ".";
}

}  // namespace

void Diagnostics::error(const DeferredError& e) {
    if (errorInStatement_) return;
    errorInStatement_ = true;
    found_.push_back({false, e.line, formatMessage(e.id, e.token)});
}

void Diagnostics::error(const EPPAError& e) {
    errorInStatement_ = true;
    found_.push_back({false, e.Line(), e.what()});
}

void Diagnostics::warning(std::uint32_t line, PPAMessage id, std::string_view token) {
    found_.push_back({true, line, formatMessage(id, token)});
}

std::vector<TPPADiagnostic> Diagnostics::take() {
    std::stable_sort(found_.begin(), found_.end(),
                     [](const TPPADiagnostic& a, const TPPADiagnostic& b) { return a.Line < b.Line; });
    return std::move(found_);
}

DeferredError deferError(Diagnostics* diagnostics, PPAMessage id, std::string token, std::uint32_t line) {
    DeferredError error{id, std::move(token), line};
    if (diagnostics) diagnostics->error(error);
    return error;
}

void reportUnread(Diagnostics& diagnostics, const Program& program, Span rest) {
    if (rest.empty() || isEmptyParentheses(program, rest) || isClosingDot(program, rest)) return;
    const std::uint32_t line = program.lineOf(rest.begin);
    // Text on a line of its own was most likely meant as the next statement.
    const bool ownLine = rest.begin > 0 && program.lineOf(rest.begin - 1) != line;
    diagnostics.warning(line, ownLine ? PPAMessage::UnreadLine : PPAMessage::UnreadText,
                        program.messageText(rest.begin));
}

}  // namespace ppa

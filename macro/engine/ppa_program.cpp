#include "macro/engine/ppa_program.h"

#include <algorithm>

#include "macro/engine/ppa_error.h"
#include "macro/engine/sjis.h"

namespace ppa {
namespace {

bool isLeadSymbol(std::string_view s) {
    return s.size() == 1 && sjis::isLeadByte(static_cast<unsigned char>(s[0]));
}

std::string prepareLine(const std::string& line) {
    std::string out;
    TPPAParser p(line);
    std::size_t previousEnd = 0;
    bool previousLead = false;
    for (; p.TokenKind() != tkEnd; p.NextToken()) {
        if (p.TokenKind() == tkComment) continue;
        const std::string_view text = p.TokenView();
        // The trail byte of a double-byte character follows its lead directly.
        const bool trail = previousLead && p.TokenOffset() == previousEnd && text.size() == 1 &&
                           sjis::isTrailByte(static_cast<unsigned char>(text[0]));
        if (!out.empty() && !trail) out += ' ';
        out += text;
        previousLead = !trail && p.TokenKind() == tkSymbol && isLeadSymbol(text);
        previousEnd = p.TokenOffset() + text.size();
    }
    while (!out.empty() && static_cast<unsigned char>(out.back()) <= 32) out.pop_back();
    return out;
}

}  // namespace

PreparedSource prepareSource(const std::vector<std::string>& lines) {
    PreparedSource source;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string prepared = prepareLine(lines[i]);
        if (prepared.empty()) continue;
        if (!source.text.empty()) source.text += "\r\n";
        source.text += prepared;
        source.lineNumbers.push_back(static_cast<std::uint32_t>(std::min<std::size_t>(i + 1, UINT32_MAX)));
    }
    return source;
}

Program::Program(PreparedSource source) : text_(std::move(source.text)) {
    if (text_.size() >= UINT32_MAX) raiseError(PPAMessage::StringTooLong);
    TPPAParser p(text_);
    // Prepared lines are joined by CR LF: a token after n line breaks stands
    // on prepared line n.
    std::size_t preparedLine = 0;
    std::size_t scanned = 0;
    for (; p.TokenKind() != tkEnd; p.NextToken()) {
        Token t;
        t.offset = static_cast<std::uint32_t>(p.TokenOffset());
        t.length = static_cast<std::uint32_t>(p.TokenView().size());
        for (; scanned < t.offset; ++scanned)
            if (text_[scanned] == '\n') ++preparedLine;
        t.line = preparedLine < source.lineNumbers.size() ? source.lineNumbers[preparedLine] : 0;
        t.kind = p.TokenKind();
        // Strings never stand for a word; their text may be long.
        t.word = t.kind == tkString ? Word::None : classifyWord(p.TokenView());
        tokens_.push_back(t);
    }
}

std::string Program::messageText(std::uint32_t i) const {
    std::string s(text(i));
    if (tokens_[i].kind == tkSymbol && isLeadSymbol(s) && i + 1 < tokens_.size() &&
        tokens_[i + 1].offset == tokens_[i].offset + 1)
        s += text(i + 1);
    return s;
}

}  // namespace ppa

#pragma once
// Blanks as the macro language sees them: every byte up to and including
// the space, as the classic Trim family treats them.
#include <string_view>

namespace ppa {

inline bool isBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

inline std::string_view trimLeft(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    return s;
}

inline std::string_view trimRight(std::string_view s) {
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace ppa

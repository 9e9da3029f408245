#pragma once
// The little the engine must know about Shift-JIS: where a double-byte
// character starts, so that case mapping and searching never cut one apart.
// The engine keeps this local on purpose: it depends on nothing else.
#include <cstddef>
#include <string>
#include <string_view>

namespace ppa::sjis {

inline bool isLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

inline bool isTrailByte(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

// Bytes (1 or 2) of the character starting at `pos`.
inline std::size_t charLength(std::string_view s, std::size_t pos) {
    if (pos + 1 < s.size() && isLeadByte(static_cast<unsigned char>(s[pos])) &&
        isTrailByte(static_cast<unsigned char>(s[pos + 1])))
        return 2;
    return 1;
}

// ASCII letters mapped, double-byte characters left as they are.
std::string upper(std::string_view s);
std::string lower(std::string_view s);

}  // namespace ppa::sjis

#pragma once
// The conversion tables behind cp932::decode/encode, built once on first use
// from the system's CP932 converter. Internal to the codec.
#include <QtGlobal>

#include <array>
#include <cstdint>
#include <vector>

namespace cp932 {

struct Tables {
    // Character of each byte 0x80-0xFF that stands alone; 0 for lead bytes
    // and undefined bytes. Bytes below 0x80 are ASCII and not looked up.
    std::array<char16_t, 256> single{};

    // Two-byte codes by (lead row, trail byte): low 16 bits the character,
    // high bits 0 for the canonical code or n for the code marked by selector
    // n-1; the whole entry is 0 for an undefined code.
    std::array<std::uint8_t, 256> leadRow{};
    std::vector<std::uint32_t> pairs;

    // Code of each BMP character, 0 when CP932 has none: the byte of a single
    // byte character or lead << 8 | trail.
    std::vector<char16_t> canonical;

    // Non-canonical codes, sorted by character then selector index.
    struct Duplicate {
        char16_t ch;
        std::uint8_t selector;
        char16_t code;
    };
    std::vector<Duplicate> duplicates;

    std::uint32_t pair(unsigned char lead, unsigned char trail) const {
        return pairs[leadRow[lead] * 256u + trail];
    }
    char16_t duplicateCode(char16_t ch, unsigned selector) const;
};

const Tables& tables();

}  // namespace cp932

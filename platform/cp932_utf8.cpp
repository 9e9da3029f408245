// Shift-JIS straight to UTF-8 and back. The decoding tables hold, for every
// Shift-JIS unit, the UTF-8 that decode() and toUtf8() give for it, so the
// two routes agree by construction; the encoder follows encode() rule for
// rule on the code points it reads from the UTF-8.
#include "platform/cp932.h"

#include "platform/cp932_tables.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

namespace cp932 {

namespace {

// The UTF-8 of one unit: up to six bytes (a character and its variation
// selector, or two invalid-byte marks); the last byte holds the length, so
// that a unit is written with one eight-byte store.
struct Utf8Unit {
    char bytes[8];
    int size() const { return static_cast<unsigned char>(bytes[7]); }
};

enum : std::uint8_t { kLead = 1, kTrail = 2 };

struct Utf8Tables {
    std::array<std::uint8_t, 256> kind{};       // kLead, kTrail
    std::array<std::uint16_t, 256> rowStart{};  // a lead byte's row in `pairs`
    std::array<Utf8Unit, 256> alone{};          // a byte that is not part of a pair
    std::vector<Utf8Unit> pairs;
    // The sizes alone, small enough to stay in the fastest cache.
    std::array<std::uint8_t, 256> aloneSize{};
    std::vector<std::uint8_t> pairSize;
};

Utf8Unit unitOf(QByteArrayView sjis) {
    const QByteArray utf8 = decode(sjis).toUtf8();
    Utf8Unit unit{};
    std::memcpy(unit.bytes, utf8.constData(), std::size_t(utf8.size()));
    unit.bytes[7] = char(utf8.size());
    return unit;
}

Utf8Tables buildUtf8Tables() {
    Utf8Tables t;
    std::uint16_t rows = 0;
    for (unsigned b = 0; b < 256; ++b) {
        t.kind[b] = std::uint8_t((isLeadByte(uchar(b)) ? kLead : 0) | (isTrailByte(uchar(b)) ? kTrail : 0));
        const char byte = char(b);
        t.alone[b] = unitOf(QByteArrayView(&byte, 1));
        t.aloneSize[b] = std::uint8_t(t.alone[b].size());
        if (t.kind[b] & kLead) t.rowStart[b] = std::uint16_t(256 * rows++);
    }
    t.pairs.resize(256u * rows);
    t.pairSize.resize(256u * rows);
    for (unsigned lead = 0x80; lead < 256; ++lead) {
        if (!(t.kind[lead] & kLead)) continue;
        for (unsigned trail = 0; trail < 256; ++trail) {
            if (!(t.kind[trail] & kTrail)) continue;
            const char bytes[2] = {char(lead), char(trail)};
            const unsigned index = t.rowStart[lead] + trail;
            t.pairs[index] = unitOf(QByteArrayView(bytes, 2));
            t.pairSize[index] = std::uint8_t(t.pairs[index].size());
        }
    }
    return t;
}

const Utf8Tables& utf8Tables() {
    static const Utf8Tables instance = buildUtf8Tables();
    return instance;
}

constexpr std::uint64_t kHighBits = 0x8080808080808080ull;

// Bytes below 0x80 at the start of the eight whose high bits are given.
int asciiPrefix(std::uint64_t highBits) {
    if constexpr (std::endian::native == std::endian::little) return std::countr_zero(highBits) / 8;
    return std::countl_zero(highBits) / 8;
}

// Walks Shift-JIS text unit by unit, telling `out` of each: ascii8(at) for
// eight ASCII bytes, asciiPrefix(at, n) for n of them followed by others
// (eight bytes readable at `at` either way), ascii(byte) for one near the
// end, pair(index) for a double-byte unit and alone(byte) for a byte that
// stands alone. Stops before a lead byte that ends the text, whose unit
// depends on what follows; returns where it stopped.
template <typename Out>
const unsigned char* walk(const Utf8Tables& t, const unsigned char* in, const unsigned char* end, Out& out) {
    while (in < end) {
        if (end - in >= 8) {
            std::uint64_t word;
            std::memcpy(&word, in, 8);
            const std::uint64_t high = word & kHighBits;
            if (high == 0) {
                out.ascii8(in);
                in += 8;
                continue;
            }
            const int ascii = asciiPrefix(high);
            out.asciiPrefix(in, ascii);
            in += ascii;
        } else if (*in < 0x80) {
            out.ascii(*in++);
            continue;
        }
        // A run of units that are not ASCII, as in Japanese text.
        do {
            const unsigned char b = *in;
            if (b < 0x80) break;
            if (t.kind[b] & kLead) {
                if (in + 1 == end) return in;
                if (t.kind[in[1]] & kTrail) {
                    out.pair(t.rowStart[b] + in[1]);
                    in += 2;
                    continue;
                }
            }
            out.alone(b);
            ++in;
        } while (in < end);
    }
    return in;
}

char* put(char* out, const Utf8Unit& unit) {
    std::memcpy(out, unit.bytes, 8);
    return out + unit.size();
}

struct Utf8Writer {
    const Utf8Tables& t;
    char* out;
    void ascii8(const unsigned char* at) {
        std::memcpy(out, at, 8);
        out += 8;
    }
    void asciiPrefix(const unsigned char* at, int n) {
        std::memcpy(out, at, 8);
        out += n;
    }
    void ascii(unsigned char b) { *out++ = char(b); }
    void pair(unsigned index) { out = put(out, t.pairs[index]); }
    void alone(unsigned char b) { out = put(out, t.alone[b]); }
};

struct Utf8Sizes {
    const Utf8Tables& t;
    qsizetype size = 0;
    void ascii8(const unsigned char*) { size += 8; }
    void asciiPrefix(const unsigned char*, int n) { size += n; }
    void ascii(unsigned char) { ++size; }
    void pair(unsigned index) { size += t.pairSize[index]; }
    void alone(unsigned char b) { size += t.aloneSize[b]; }
};

// The unit of a lead byte held back from the end of the previous piece and
// the first byte of this one; moves `in` past that byte when it is the lead
// byte's trail byte.
template <typename Out>
void resumeHeldLead(const Utf8Tables& t, int& heldLead, const unsigned char*& in, const unsigned char* end, Out& out) {
    if (heldLead < 0 || in == end) return;
    const auto lead = static_cast<unsigned char>(heldLead);
    heldLead = -1;
    if (t.kind[*in] & kTrail) {
        out.pair(t.rowStart[lead] + *in++);
    } else {
        out.alone(lead);
    }
}

// Walks a piece of a text that may go on in the next piece.
template <typename Out>
void walkPiece(const Utf8Tables& t, int& heldLead, QByteArrayView bytes, Out& out) {
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = in + bytes.size();
    resumeHeldLead(t, heldLead, in, end, out);
    in = walk(t, in, end, out);
    if (in < end) heldLead = *in;  // its trail byte may start the next piece
}

}  // namespace

char* Utf8Decoder::decode(QByteArrayView bytes, char* out) {
    const Utf8Tables& t = utf8Tables();
    Utf8Writer writer{t, out};
    walkPiece(t, heldLead_, bytes, writer);
    return writer.out;
}

char* Utf8Decoder::finish(char* out) {
    if (heldLead_ < 0) return out;
    out = put(out, utf8Tables().alone[heldLead_]);
    heldLead_ = -1;
    return out;
}

void Utf8Counter::add(QByteArrayView bytes) {
    const Utf8Tables& t = utf8Tables();
    Utf8Sizes counting{t};
    walkPiece(t, heldLead_, bytes, counting);
    size_ += counting.size;
}

qsizetype Utf8Counter::finish() {
    if (heldLead_ >= 0) size_ += utf8Tables().aloneSize[heldLead_];
    heldLead_ = -1;
    return size_;
}

// ---- encoding ---------------------------------------------------------------------

namespace {

constexpr char16_t kInvalidBase = 0xF700;
constexpr char32_t kNotUtf8 = 0xFFFFFFFF;

bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// The code point of the well-formed UTF-8 sequence at `in`, moving `in` past
// it; kNotUtf8 (and `in` unmoved) for anything else.
char32_t readCodePoint(const unsigned char*& in, const unsigned char* end) {
    const unsigned char b = in[0];
    int length = 0;
    char32_t cp = 0;
    unsigned char low = 0x80;  // range of the second byte, to refuse overlong
    unsigned char high = 0xBF;  // forms, surrogates and code points past U+10FFFF
    if (b >= 0xC2 && b <= 0xDF) {
        length = 2;
        cp = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3;
        cp = b & 0x0F;
        if (b == 0xE0) low = 0xA0;
        if (b == 0xED) high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4;
        cp = b & 0x07;
        if (b == 0xF0) low = 0x90;
        if (b == 0xF4) high = 0x8F;
    } else {
        return kNotUtf8;
    }
    if (end - in < length || in[1] < low || in[1] > high) return kNotUtf8;
    for (int i = 1; i < length; ++i) {
        if (!isContinuation(in[i])) return kNotUtf8;
        cp = cp << 6 | (in[i] & 0x3F);
    }
    in += length;
    return cp;
}

// Copies ASCII bytes eight at a time while there are eight left, stopping
// before the first other byte; writes eight bytes at `out` at a time.
void copyAsciiRun(const unsigned char*& in, const unsigned char* end, char*& out) {
    while (end - in >= 8) {
        std::uint64_t word;
        std::memcpy(&word, in, 8);
        std::memcpy(out, &word, 8);
        const std::uint64_t high = word & kHighBits;
        const int ascii = high == 0 ? 8 : asciiPrefix(high);
        in += ascii;
        out += ascii;
        if (ascii < 8) return;
    }
}

// Index (0 or 1) of the variation selector U+FE00/U+FE01 at `in`, or -1.
int selectorAt(const unsigned char* in, const unsigned char* end) {
    if (end - in < 3 || in[0] != 0xEF || in[1] != 0xB8 || (in[2] != 0x80 && in[2] != 0x81)) return -1;
    return in[2] - 0x80;
}

char* putCode(char* out, char16_t code) {
    if (code > 0xFF) *out++ = char(code >> 8);
    *out++ = char(code & 0xFF);
    return out;
}

// The bytes of one character that is neither ASCII nor a surrogate pair,
// reading the variation selector that may follow it.
char* encodeCharacter(const Tables& t, char16_t ch, const unsigned char*& in, const unsigned char* end, char* out) {
    if (ch >= kInvalidBase && ch <= kInvalidBase + 0xFF) return putCode(out, char16_t(ch - kInvalidBase));
    if (ch == 0xFE00 || ch == 0xFE01) return out;  // a stray selector carries no byte
    char16_t code = t.canonical[ch];
    const int selector = selectorAt(in, end);
    if (selector >= 0) {
        const char16_t alternative = t.duplicateCode(ch, unsigned(selector));
        if (alternative != 0) code = alternative;
        in += 3;
    }
    return putCode(out, code != 0 ? code : u'?');
}

}  // namespace

QByteArray encodeUtf8(QByteArrayView utf8) {
    const Tables& t = tables();
    // Every character takes at least as many bytes in UTF-8.
    QByteArray result(utf8.size() + 8, Qt::Uninitialized);
    char* out = result.data();
    const auto* in = reinterpret_cast<const unsigned char*>(utf8.data());
    const auto* const end = in + utf8.size();
    while (in < end) {
        copyAsciiRun(in, end, out);
        if (in == end) break;
        if (*in < 0x80) {
            *out++ = char(*in++);
            continue;
        }
        const char32_t cp = readCodePoint(in, end);
        // The widget never holds malformed UTF-8; should it, QString's
        // reading of it decides, as it always has.
        if (cp == kNotUtf8) return encode(QString::fromUtf8(utf8));
        out = cp > 0xFFFF ? putCode(out, u'?') : encodeCharacter(t, char16_t(cp), in, end, out);
    }
    result.truncate(out - result.constData());
    return result;
}

}  // namespace cp932

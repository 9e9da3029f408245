#include "platform/cp932_tables.h"

#include "platform/cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <map>

namespace cp932 {

namespace {

// Qt reaches CP932 through ICU under this name. ICU's converter does not keep
// every byte (undefined codes become U+FFFD or U+001A, ASCII control codes
// 0x1A/0x1C/0x7F are rotated, duplicates collapse), so only its mapping of
// defined codes is taken; the rules around it are ours.
constexpr const char* kConverterName = "windows-31j";

constexpr unsigned kMaxSelectors = 2;

// Whether a converter result may stand for a defined code: exactly one
// character, outside ASCII (bytes below 0x80 are ASCII themselves), not a
// replacement, and not one of the code points the codec reserves.
bool usableCharacter(const QString& decoded) {
    if (decoded.size() != 1) return false;
    const char16_t ch = decoded.front().unicode();
    if (ch < 0x80 || ch == 0xFFFD || QChar::isSurrogate(ch)) return false;
    if (ch >= 0xF700 && ch <= 0xF7FF) return false;
    return ch != 0xFE00 && ch != 0xFE01;
}

char16_t decodeOne(QStringDecoder& decoder, const char* bytes, qsizetype length) {
    const QString decoded = decoder.decode(QByteArrayView(bytes, length));
    return usableCharacter(decoded) ? decoded.front().unicode() : 0;
}

// The code the converter writes for `ch`, or 0.
char16_t converterCode(QStringEncoder& encoder, char16_t ch) {
    const QByteArray bytes = encoder.encode(QStringView(&ch, 1));
    if (bytes.size() == 1) return uchar(bytes[0]);
    if (bytes.size() == 2) return char16_t(uchar(bytes[0]) << 8 | uchar(bytes[1]));
    return 0;
}

using CodesByChar = std::map<char16_t, std::vector<char16_t>>;

void readSingles(QStringDecoder& decoder, Tables& t, CodesByChar& codes) {
    for (unsigned b = 0x80; b <= 0xFF; ++b) {
        if (isLeadByte(uchar(b))) continue;
        const char byte = char(b);
        const char16_t ch = decodeOne(decoder, &byte, 1);
        if (ch == 0) continue;
        t.single[b] = ch;
        codes[ch].push_back(char16_t(b));
    }
}

void readPairs(QStringDecoder& decoder, Tables& t, CodesByChar& codes) {
    unsigned rows = 0;
    for (unsigned lead = 0x80; lead <= 0xFF; ++lead)
        if (isLeadByte(uchar(lead))) t.leadRow[lead] = std::uint8_t(rows++);
    t.pairs.assign(rows * 256u, 0);
    for (unsigned lead = 0x80; lead <= 0xFF; ++lead) {
        if (!isLeadByte(uchar(lead))) continue;
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            if (!isTrailByte(uchar(trail))) continue;
            const char bytes[2] = {char(lead), char(trail)};
            const char16_t ch = decodeOne(decoder, bytes, 2);
            if (ch == 0) continue;
            t.pairs[t.leadRow[lead] * 256u + trail] = ch;
            codes[ch].push_back(char16_t(lead << 8 | trail));
        }
    }
}

std::uint32_t& pairEntry(Tables& t, char16_t code) {
    return t.pairs[t.leadRow[code >> 8] * 256u + (code & 0xFF)];
}

// Gives each non-canonical code of `ch` its selector, in code order. A code
// that cannot carry one (a single byte, or a third duplicate) is made
// undefined instead, so that its bytes still come back unchanged.
void markDuplicates(Tables& t, char16_t ch, const std::vector<char16_t>& codes, char16_t canonical) {
    unsigned selector = 0;
    for (const char16_t code : codes) {
        if (code == canonical) continue;
        if (code <= 0xFF) {
            t.single[code] = 0;
        } else if (selector == kMaxSelectors) {
            pairEntry(t, code) = 0;
        } else {
            pairEntry(t, code) |= std::uint32_t(selector + 1) << 16;
            t.duplicates.push_back({ch, std::uint8_t(selector), code});
            ++selector;
        }
    }
}

// The canonical code of a character is the one the converter writes for it
// (the choice of Microsoft's encoder); the others are duplicates.
void assignCodes(QStringEncoder& encoder, Tables& t, const CodesByChar& codes) {
    t.canonical.assign(0x10000, 0);
    for (const auto& [ch, list] : codes) {
        const char16_t preferred = converterCode(encoder, ch);
        const bool known = std::find(list.begin(), list.end(), preferred) != list.end();
        const char16_t canonical = known ? preferred : list.front();
        t.canonical[ch] = canonical;
        markDuplicates(t, ch, list, canonical);
    }
}

Tables buildTables() {
    QStringDecoder decoder(kConverterName, QStringDecoder::Flag::Stateless);
    QStringEncoder encoder(kConverterName, QStringEncoder::Flag::Stateless);
    if (!decoder.isValid() || !encoder.isValid())
        qFatal("Shift-JIS (CP932) conversion is not available: Qt lacks the ICU converter \"%s\"",
               kConverterName);
    Tables t;
    CodesByChar codes;
    readSingles(decoder, t, codes);
    readPairs(decoder, t, codes);
    assignCodes(encoder, t, codes);
    return t;
}

}  // namespace

char16_t Tables::duplicateCode(char16_t ch, unsigned selector) const {
    const auto it = std::lower_bound(
        duplicates.begin(), duplicates.end(), std::pair(ch, selector),
        [](const Duplicate& d, const std::pair<char16_t, unsigned>& key) {
            return std::pair(d.ch, unsigned(d.selector)) < key;
        });
    if (it == duplicates.end() || it->ch != ch || it->selector != selector) return 0;
    return it->code;
}

const Tables& tables() {
    static const Tables instance = buildTables();
    return instance;
}

}  // namespace cp932

#include "platform/cp932.h"

#include "platform/cp932_tables.h"

namespace cp932 {

namespace {

constexpr char16_t kInvalidBase = 0xF700;
constexpr char16_t kFirstSelector = 0xFE00;
constexpr char16_t kSecondSelector = 0xFE01;

bool isSelector(char16_t ch) { return ch == kFirstSelector || ch == kSecondSelector; }

bool isInvalidByteMark(char16_t ch) { return ch >= kInvalidBase && ch <= kInvalidBase + 0xFF; }

char16_t* decodePair(const Tables& t, unsigned char lead, unsigned char trail, char16_t* out) {
    const std::uint32_t entry = t.pair(lead, trail);
    if (entry == 0) {
        *out++ = char16_t(kInvalidBase + lead);
        *out++ = char16_t(kInvalidBase + trail);
        return out;
    }
    *out++ = char16_t(entry & 0xFFFF);
    const unsigned selector = entry >> 16;
    if (selector != 0) *out++ = char16_t(kFirstSelector + selector - 1);
    return out;
}

}  // namespace

QString decode(QByteArrayView bytes) {
    const Tables& t = tables();
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    // Every byte yields at most one UTF-16 unit: a two-byte code gives a
    // character and at most one selector.
    QString result(n, Qt::Uninitialized);
    auto* out = reinterpret_cast<char16_t*>(result.data());
    auto* const begin = out;
    qsizetype i = 0;
    while (i < n) {
        const unsigned char b = in[i];
        if (b < 0x80) {
            *out++ = b;
            ++i;
        } else if (!isLeadByte(b)) {
            const char16_t ch = t.single[b];
            *out++ = ch != 0 ? ch : char16_t(kInvalidBase + b);
            ++i;
        } else if (i + 1 < n && isTrailByte(in[i + 1])) {
            out = decodePair(t, b, in[i + 1], out);
            i += 2;
        } else {
            *out++ = char16_t(kInvalidBase + b);
            ++i;
        }
    }
    result.truncate(out - begin);
    return result;
}

namespace {

// Calls sink(code) for every code the text encodes to: a byte value below
// 0x100 or a two-byte code, lead byte in the high half.
template <typename Sink>
void forEachCode(QStringView text, Sink sink) {
    const Tables& t = tables();
    const auto* in = reinterpret_cast<const char16_t*>(text.data());
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const char16_t ch = in[i++];
        if (ch < 0x80) {
            sink(ch);
        } else if (isInvalidByteMark(ch)) {
            sink(char16_t(ch - kInvalidBase));
        } else if (isSelector(ch)) {
            // A selector not following a duplicate-code character carries no byte.
        } else if (QChar::isHighSurrogate(ch) && i < n && QChar::isLowSurrogate(in[i])) {
            sink(u'?');
            ++i;
        } else {
            char16_t code = t.canonical[ch];
            if (i < n && isSelector(in[i])) {
                const char16_t alternative = t.duplicateCode(ch, unsigned(in[i] - kFirstSelector));
                if (alternative != 0) code = alternative;
                ++i;
            }
            sink(code != 0 ? code : u'?');
        }
    }
}

}  // namespace

QByteArray encode(QStringView text) {
    QByteArray result(2 * text.size(), Qt::Uninitialized);
    char* out = result.data();
    forEachCode(text, [&out](char16_t code) {
        if (code > 0xFF) *out++ = char(code >> 8);
        *out++ = char(code & 0xFF);
    });
    result.truncate(out - result.constData());
    return result;
}

bool isLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool isTrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

int charLength(QByteArrayView bytes, qsizetype pos) {
    if (pos + 1 < bytes.size() && isLeadByte(uchar(bytes[pos])) && isTrailByte(uchar(bytes[pos + 1])))
        return 2;
    return 1;
}

qsizetype charStart(QByteArrayView bytes, qsizetype pos) {
    qsizetype start = 0;
    while (start < pos) {
        const int length = charLength(bytes, start);
        if (start + length > pos) break;
        start += length;
    }
    return start;
}

int encodedLength(char32_t cp) {
    if (cp < 0x80) return 1;
    if (cp > 0xFFFF) return 1;  // becomes "?"
    const auto ch = char16_t(cp);
    if (isSelector(ch)) return 0;
    if (isInvalidByteMark(ch)) return 1;
    return tables().canonical[ch] > 0xFF ? 2 : 1;
}

qsizetype encodedSize(QStringView text) {
    qsizetype size = 0;
    forEachCode(text, [&size](char16_t code) { size += code > 0xFF ? 2 : 1; });
    return size;
}

bool endsWithBackslash(QByteArrayView bytes) {
    if (bytes.isEmpty() || bytes.back() != '\\') return false;
    return charStart(bytes, bytes.size() - 1) == bytes.size() - 1;
}

namespace {

template <typename Change>
QByteArray changeAsciiLetters(QByteArrayView bytes, Change change) {
    QByteArray result(bytes.data(), bytes.size());
    qsizetype i = 0;
    while (i < result.size()) {
        const int length = charLength(result, i);
        if (length == 1) result[i] = change(result[i]);
        i += length;
    }
    return result;
}

}  // namespace

QByteArray ansiUpper(QByteArrayView bytes) {
    return changeAsciiLetters(bytes, [](char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; });
}

QByteArray ansiLower(QByteArrayView bytes) {
    return changeAsciiLetters(bytes, [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; });
}

}  // namespace cp932

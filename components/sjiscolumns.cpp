#include "components/sjiscolumns.h"

#include "platform/cp932.h"

namespace sjiscolumns {

int utf8SequenceLength(unsigned char lead) {
    if (lead < 0xC0) return 1;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    return 4;
}

char32_t decodeUtf8(const unsigned char* p, int length) {
    switch (length) {
    case 2:
        return char32_t(p[0] & 0x1F) << 6 | (p[1] & 0x3F);
    case 3:
        return char32_t(p[0] & 0x0F) << 12 | char32_t(p[1] & 0x3F) << 6 | (p[2] & 0x3F);
    case 4:
        return char32_t(p[0] & 0x07) << 18 | char32_t(p[1] & 0x3F) << 12 |
               char32_t(p[2] & 0x3F) << 6 | (p[3] & 0x3F);
    default:
        return p[0];
    }
}

namespace {

struct Char {
    int utf8;  // bytes in the UTF-8 text
    int sjis;  // bytes in Shift-JIS
};

// The character at `i`; a sequence cut off by the end of the text is taken
// byte by byte.
Char charAt(const unsigned char* p, qsizetype i, qsizetype n) {
    const unsigned char b = p[i];
    if (b < 0x80) {
        if (b == '\r' && i + 1 < n && p[i + 1] == '\n') return {2, 2};
        return {1, 1};
    }
    const int len = utf8SequenceLength(b);
    if (len == 1 || i + len > n) return {1, 1};
    return {len, cp932::encodedLength(decodeUtf8(p + i, len))};
}

const unsigned char* bytesOf(QByteArrayView text) {
    return reinterpret_cast<const unsigned char*>(text.data());
}

}  // namespace

qsizetype sjisLength(QByteArrayView utf8) {
    const unsigned char* p = bytesOf(utf8);
    const qsizetype n = utf8.size();
    qsizetype total = 0;
    qsizetype i = 0;
    while (i < n) {
        if (p[i] < 0x80) {
            ++total;
            ++i;
            continue;
        }
        const Char c = charAt(p, i, n);
        total += c.sjis;
        i += c.utf8;
    }
    return total;
}

qsizetype utf8Offset(QByteArrayView utf8, qsizetype column, Snap snap) {
    const unsigned char* p = bytesOf(utf8);
    const qsizetype n = utf8.size();
    qsizetype i = 0;
    qsizetype col = 0;
    while (i < n && col < column) {
        const Char c = charAt(p, i, n);
        if (col + c.sjis > column) {
            if (snap == Snap::Start) return i;
            i += c.utf8;
            col = column;
            break;
        }
        col += c.sjis;
        i += c.utf8;
    }
    // Zero-width characters (variation selectors) belong to the character
    // before them.
    while (i < n && col == column && i > 0 && p[i] >= 0x80) {
        const Char c = charAt(p, i, n);
        if (c.sjis != 0) break;
        i += c.utf8;
    }
    return i;
}

qsizetype sjisColumn(QByteArrayView utf8, qsizetype offset) {
    const unsigned char* p = bytesOf(utf8);
    const qsizetype n = utf8.size();
    qsizetype i = 0;
    qsizetype col = 0;
    while (i < n) {
        const Char c = charAt(p, i, n);
        if (i + c.utf8 > offset) break;
        col += c.sjis;
        i += c.utf8;
    }
    return col;
}

}  // namespace sjiscolumns

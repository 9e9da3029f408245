#pragma once
// Shift-JIS (code page 932) text as the rest of the program sees it.
//
// Every byte sequence survives decode() then encode() unchanged:
// - A byte that does not start or complete a valid CP932 character (a lone
//   trail byte, a lead byte cut off at the end, an undefined single byte or
//   an undefined double-byte code) decodes to its own private-use code point
//   U+F700 + byte value, and encodes back to that byte.
// - A valid code whose character has a second, canonical CP932 code (the NEC
//   row 13 duplicates of JIS symbols, the NEC-selected IBM extensions in the
//   0xED/0xEE rows) decodes to that character followed by a variation
//   selector (U+FE00 for the first such duplicate, U+FE01 for the second);
//   the encoder reads the pair back to the original code. The selector is
//   invisible and takes no bytes. Duplicates are numbered in code order, so
//   0xEEF9 is U+FFE2 U+FE00 and 0xFA54 is U+FFE2 U+FE01.
// - Characters the user types encode to their canonical code, the one
//   Microsoft's encoder writes (0x81E0 for U+2252, 0xFA5C for U+7E8A, 0x81CA
//   for U+FFE2); characters outside CP932 encode to "?", a surrogate pair to
//   one "?". There are no best-fit substitutes (U+301C, U+00A5 give "?").
// - Bytes 0x00-0x7F are ASCII both ways (0x5C is the backslash, 0x7E the
//   tilde); 0xA1-0xDF are the half-width katakana U+FF61-U+FF9F; the user
//   area 0xF040-0xF9FC is U+E000-U+E757.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace cp932 {

QString decode(QByteArrayView bytes);
QByteArray encode(QStringView text);

// ---- straight between Shift-JIS and UTF-8 ----
// The same conversions with UTF-8 on the other side, without the UTF-16 step
// in between: for the editor, whose widget holds UTF-8 and whose files may be
// hundreds of megabytes.

// decode(bytes).toUtf8(), for text that arrives in pieces cut anywhere: a
// lead byte that ends one piece pairs with the first byte of the next.
class Utf8Decoder {
public:
    // Room that decode() or finish() may write into for `size` more bytes.
    static constexpr qsizetype room(qsizetype size) { return 3 * size + 16; }

    // Writes the UTF-8 of `bytes` at `out`, which has room(bytes.size())
    // bytes; returns the end of what was written.
    char* decode(QByteArrayView bytes, char* out);
    // Ends the text: a lead byte still held back stands alone.
    char* finish(char* out);

private:
    int heldLead_ = -1;
};

// decode(bytes).toUtf8().size(), for text that arrives in pieces cut
// anywhere, without making the UTF-8.
class Utf8Counter {
public:
    void add(QByteArrayView bytes);
    // The size of the whole text; a lead byte still held back stands alone.
    qsizetype finish();

private:
    qsizetype size_ = 0;
    int heldLead_ = -1;
};

// encode(QString::fromUtf8(utf8)).
QByteArray encodeUtf8(QByteArrayView utf8);

// True for the first byte of a double-byte character (0x81-0x9F, 0xE0-0xFC).
bool isLeadByte(unsigned char byte);

// True for a byte that can be the second byte of a double-byte character
// (0x40-0x7E, 0x80-0xFC). CR, LF and NUL never are.
bool isTrailByte(unsigned char byte);

// Byte length (1 or 2) of the character that starts at `pos`; a lead byte
// without a trail byte after it counts as 1. A lead byte and a trail byte
// always make one unit, even when the code is undefined: decode() turns such
// a pair into two private-use code points, encodedLength() 1 each.
int charLength(QByteArrayView bytes, qsizetype pos);

// The start of the character containing byte `pos`, scanning from the start of
// `bytes`, which must itself be a character boundary (a line start, say).
qsizetype charStart(QByteArrayView bytes, qsizetype pos);

// Bytes that the code point `cp` takes when encoded: 0 for the variation
// selectors U+FE00/U+FE01 (the encoder uses one after a duplicate-code
// character and drops a stray one), 1 or 2 for everything else.
int encodedLength(char32_t cp);

// encode(text).size() without building the bytes.
qsizetype encodedSize(QStringView text);

// True when the last character of `bytes` is a single-byte backslash (0x5C);
// the second byte of a double-byte character such as 表 or ソ does not count.
bool endsWithBackslash(QByteArrayView bytes);

// ASCII letters changed, double-byte characters left alone.
QByteArray ansiUpper(QByteArrayView bytes);
QByteArray ansiLower(QByteArrayView bytes);

}  // namespace cp932

#pragma once
// Shift-JIS byte counts of UTF-8 text.
//
// The editor widget holds its text as UTF-8 while every position the program
// sees counts Shift-JIS bytes. These functions translate within one piece of
// text, typically one line with or without its line end. A CR LF pair counts
// as one two-byte character, so that no position falls between CR and LF.
#include <QByteArrayView>

namespace sjiscolumns {

// How a Shift-JIS column inside a character is resolved.
enum class Snap {
    Start,  // to the character's first byte
    End,    // to the position after the character
};

// Shift-JIS bytes that the UTF-8 text encodes to.
qsizetype sjisLength(QByteArrayView utf8);

// UTF-8 offset of the Shift-JIS column `column`. A column beyond the end
// gives utf8.size().
qsizetype utf8Offset(QByteArrayView utf8, qsizetype column, Snap snap);

// Shift-JIS column of the UTF-8 offset `offset`; an offset inside a UTF-8
// sequence or between CR and LF counts from the start of that character.
qsizetype sjisColumn(QByteArrayView utf8, qsizetype offset);

// Length in bytes of the UTF-8 sequence that starts with `lead` (1 for a
// stray continuation byte, so that damaged text still advances).
int utf8SequenceLength(unsigned char lead);

// Code point of the UTF-8 sequence at `p` of `length` bytes.
char32_t decodeUtf8(const unsigned char* p, int length);

}  // namespace sjiscolumns

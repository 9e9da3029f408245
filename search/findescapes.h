#pragma once
// The escapes the find and replace commands turn into real characters before
// a regular-expression search, on Shift-JIS bytes. An escape is a backslash
// that begins a character: the second byte of a double-byte character such
// as 表 or ソ (0x5C) never starts one. A doubled backslash stands for itself
// and escapes nothing, so "\\n" stays as it is.
#include <QByteArray>
#include <QByteArrayView>

// True when the pattern holds the line-break escape \n.
bool HasLineBreakEscape(QByteArrayView pattern);

// Every \n of a pattern becomes \r\n, so that it matches the CR LF line
// ends of the document; everything else is copied unchanged.
QByteArray ExpandFindEscapes(QByteArrayView pattern);

// A replacement text with \n made a real CR LF and \t a real TAB; \b takes
// itself and the character before it away (a double-byte character and a
// CR LF pair each count as one character), except at the very start of the
// text, where it stays. Other backslashes stay for the editor's group
// references.
QByteArray ExpandReplaceEscapes(QByteArrayView replacement);

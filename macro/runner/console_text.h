#pragma once
// The text a macro and the runner write, as the console gets it.
#include <cstdio>
#include <string>

// UTF-8 converted from Shift-JIS, the characters themselves: a duplicate
// code prints as its character, without the selector the codec keeps it
// apart by, and a byte that is no character as U+FFFD. With `rawSjis` the
// Shift-JIS bytes as they are.
std::string consoleText(const std::string& sjis, bool rawSjis);

// Writes the text and a line end. Standard output is flushed first, so that
// what a macro printed and a message about it come out in their order.
void writeLine(std::FILE* stream, const std::string& text);

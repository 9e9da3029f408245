#pragma once
// The text work of a few editor commands, apart from any editor.
// Strings are Shift-JIS bytes, as the macro engine holds them.
#include "components/exsearchoptions.h"

#include <cstdint>
#include <string>
#include <string_view>

// REVERSESTR: the bytes of `s` in reverse order, or with `byCharacter` its
// characters: a double-byte character and a CR LF pair each move as one unit
// (CR before LF).
std::string ReverseStr(std::string_view s, bool byCharacter);

// GETPAGECAPTION: a caption that holds "[変更]" loses its last seven bytes,
// the modified mark with its leading space.
std::string CaptionWithoutMark(std::string caption);

// FIND and REPLACEALL: an option is on only when its argument is exactly 1;
// True (-1) leaves it off.
TExSearchOptions MacroSearchOptions(std::int64_t matchCase, std::int64_t wholeWord, std::int64_t regexp,
                                    std::int64_t fuzzy);

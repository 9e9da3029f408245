// The find and replace escapes on Shift-JIS texts. 表 (0x95 0x5C) and ソ
// (0x83 0x5C) end in the backslash byte, which never starts an escape.
#include "search/findescapes.h"
#include "tests/components/sjis.h"

#include <gtest/gtest.h>

namespace {

struct EscapeCase {
    const char* name;
    const char* input;     // UTF-8, written to Shift-JIS
    const char* expected;
};

class ReplaceEscapes : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(ReplaceEscapes, Expand) {
    EXPECT_EQ(ExpandReplaceEscapes(sj(GetParam().input)), sj(GetParam().expected)) << GetParam().input;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Examples, ReplaceEscapes, ::testing::Values(
    EscapeCase{"TabBetweenLetters", "x\\ty", "x\ty"},
    EscapeCase{"BackspaceTakesTheLetterBefore", "ab\\bc", "ac"},
    EscapeCase{"LineBreakLeavesItsNeighbours", "a\\nb", "a\r\nb"},
    EscapeCase{"LineBreakAlone", "\\n", "\r\n"},
    EscapeCase{"BackspaceTakesAWholeDoubleByteCharacter", "x表\\b", "x"},
    EscapeCase{"BackspaceThenTab", "a\\b\\tz", "\tz"},
    EscapeCase{"TrailByteOfHyouIsNoEscape", "表t", "表t"},
    EscapeCase{"TrailByteOfSoIsNoEscape", "ソn", "ソn"},
    EscapeCase{"BackspaceAtTheStartStays", "\\bx", "\\bx"},
    EscapeCase{"BackspaceTakesALineBreakWhole", "a\\n\\b", "a"},
    EscapeCase{"BackspaceTakesARealLineBreakWhole", "a\r\n\\b", "a"},
    EscapeCase{"BackspaceOnNothingLeftTakesItself", "a\\b\\b", ""},
    EscapeCase{"GroupReferencesStay", "\\1-$2", "\\1-$2"},
    EscapeCase{"DoubledBackslashStaysAndEscapesNothing", "\\\\n\\\\t", "\\\\n\\\\t"},
    EscapeCase{"BackspaceAfterDoubledBackslashTakesOneOfThem", "\\\\\\b", "\\"},
    EscapeCase{"LoneBackslashAtTheEnd", "a\\", "a\\"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(FindEscapes, LineBreakBecomesCrLfAndOnlyAtCharacterStarts) {
    EXPECT_EQ(ExpandFindEscapes(sj("a\\nb")), sj("a\\r\\nb"));
    EXPECT_EQ(ExpandFindEscapes(sj("表n\\n")), sj("表n\\r\\n"));
    EXPECT_EQ(ExpandFindEscapes(sj("\\\\n\\d+")), sj("\\\\n\\d+"));
    EXPECT_EQ(ExpandFindEscapes(sj("\\t\\s")), sj("\\t\\s"));
}

TEST(FindEscapes, LineBreakEscapeIsSeenOnlyAtCharacterStarts) {
    EXPECT_TRUE(HasLineBreakEscape(sj("a\\nb")));
    EXPECT_TRUE(HasLineBreakEscape(sj("表\\n")));
    EXPECT_FALSE(HasLineBreakEscape(sj("表n")));
    EXPECT_FALSE(HasLineBreakEscape(sj("ソn")));
    EXPECT_FALSE(HasLineBreakEscape(sj("\\\\n")));
    EXPECT_FALSE(HasLineBreakEscape(sj("a\\")));
    EXPECT_FALSE(HasLineBreakEscape(""));
}

}  // namespace

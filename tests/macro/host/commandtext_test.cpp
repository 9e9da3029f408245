// The text work of the editor commands and the macro folder's names, apart
// from any window.
#include "macro/host/commandtext.h"
#include "macro/host/macrofiles.h"
#include "tests/macro/sjistext.h"
#include "tests/support/appfolderfixture.h"
#include "tests/support/qtprinters.h"

#include <gtest/gtest.h>

namespace {

using macrotest::sjis;
using macrotest::utf8;

std::string reversed(std::string_view text, bool byCharacter) { return utf8(ReverseStr(sjis(text), byCharacter)); }

}  // namespace

TEST(ReverseStr, ByCharacterKeepsDoubleByteCharactersAndCrLfWhole) {
    EXPECT_EQ(reversed("abc", true), "cba");
    EXPECT_EQ(reversed("あいx", true), "xいあ");
    EXPECT_EQ(reversed("a\r\nb", true), "b\r\na");
    EXPECT_EQ(reversed("\n\r", true), "\r\n");  // LF then CR is no pair
    EXPECT_EQ(reversed("", true), "");
    // A lead byte cut off at the end moves alone.
    EXPECT_EQ(ReverseStr("a\x82", true), "\x82" "a");
}

TEST(ReverseStr, ByByteSplitsDoubleByteCharacters) {
    EXPECT_EQ(ReverseStr(sjis("aあ"), false), "\xa0\x82" "a");
    EXPECT_EQ(ReverseStr("a\r\n", false), "\n\ra");
}

TEST(CaptionWithoutMark, DropsTheMarkOnlyFromAModifiedCaption) {
    EXPECT_EQ(utf8(CaptionWithoutMark(sjis("a.lum [変更]"))), "a.lum");
    EXPECT_EQ(utf8(CaptionWithoutMark(sjis("新規 (1) [変更]"))), "新規 (1)");
    EXPECT_EQ(utf8(CaptionWithoutMark(sjis("a.lum"))), "a.lum");
}

TEST(MacroSearchOptions, AnOptionIsOnOnlyForExactlyOne) {
    EXPECT_EQ(MacroSearchOptions(1, 0, 0, 0), TExSearchOptions{TExSearchOption::MatchCase});
    EXPECT_EQ(MacroSearchOptions(0, 1, 0, 0), TExSearchOptions{TExSearchOption::WholeWord});
    EXPECT_EQ(MacroSearchOptions(0, 0, 1, 0), TExSearchOptions{TExSearchOption::Regexp});
    EXPECT_EQ(MacroSearchOptions(0, 0, 0, 1), TExSearchOptions{TExSearchOption::Fuzzy});
    EXPECT_EQ(MacroSearchOptions(-1, 2, std::int64_t{1} << 32 | 1, -1), TExSearchOptions{});
}

TEST(MacroFiles, AccessKeysRunFromOneToNineThenZeroThenLetters) {
    QString keys;
    for (int i = 0; i < 36; ++i) keys += *MacroAccessKey(i);
    EXPECT_EQ(keys, "1234567890abcdefghijklmnopqrstuvwxyz");
    EXPECT_FALSE(MacroAccessKey(36));
    EXPECT_EQ(MacroEntryCaption("a.qmc", 9), "a.qmc(&0)");
    EXPECT_EQ(MacroEntryCaption("R&D.qmc", 10), "R&&D.qmc(&a)");
    EXPECT_EQ(MacroEntryCaption("last.qmc", 40), "last.qmc");
}

TEST(MacroFiles, SavedNamesEndInQmc) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ".qmc"},          {"sample.txt", "sample.qmc"}, {"sample", "sample.qmc"},
        {"a.b.c", "a.b.qmc"},  {"x.qmc", "x.qmc"},           {"dir.v2/name", "dir.v2/name.qmc"},
    };
    for (const auto& [name, saved] : cases) EXPECT_EQ(MacroSaveName(name), saved) << name;
}

TEST(MacroFiles, TheListHoldsQmcFilesOfAnyCaseSortedByName) {
    const ScopedAppFolder folder;
    for (const char* name : {"Macro/b.qmc", "Macro/A.QMC", "Macro/.qmc", "Macro/c.txt", "Macro/sub.qmc/x.qmc"})
        ASSERT_TRUE(folder.writeFile(name, ""));
    EXPECT_EQ(MacroFolder(), folder.path() + "Macro/");
    EXPECT_EQ(ListMacroFiles(MacroFolder()), QStringList({".qmc", "A.QMC", "b.qmc"}));
    EXPECT_EQ(ListMacroFiles(folder.path() + "missing/"), QStringList());
}

#include "app/tabcaption.h"
#include "platform/cp932.h"

#include <gtest/gtest.h>

namespace {

TEST(TabCaption, TheMarkIsSevenShiftJisBytes) {
    EXPECT_EQ(cp932::encode(kModifiedMark).size(), 7);
}

TEST(TabCaption, MarkIsAddedAndRemovedAtTheEnd) {
    EXPECT_EQ(withModifiedMark("a.lum"), "a.lum [変更]");
    EXPECT_EQ(withoutModifiedMark("a.lum [変更]"), "a.lum");
    EXPECT_EQ(withoutModifiedMark(withModifiedMark(untitledCaption(3))), "新規 (3)");
    EXPECT_EQ(withoutModifiedMark("a.lum"), "a.lum");
}

TEST(TabCaption, ANameThatOnlyContainsTheMarkTextKeepsItsName) {
    EXPECT_EQ(withoutModifiedMark("メモ [変更]版.txt"), "メモ [変更]版.txt");
    EXPECT_EQ(withoutModifiedMark("[変更].txt [変更]"), "[変更].txt");
}

}  // namespace

#include "components/sjiscolumns.h"

#include <QString>
#include <gtest/gtest.h>

using namespace sjiscolumns;

namespace {
// a(1) あ(2) ｶ(1) 表(2) CRLF(2): Shift-JIS columns 0,1,3,4,6,8.
const QByteArray kLine = QString::fromUtf8("aあｶ表\r\n").toUtf8();
}  // namespace

TEST(SjisColumns, LengthCountsShiftJisBytes) {
    EXPECT_EQ(sjisLength(kLine), 8);
    // An undecodable byte kept as a private-use character is one byte.
    EXPECT_EQ(sjisLength(QString(QChar(0xF7A0)).toUtf8()), 1);
    // A duplicate-code marker takes no byte.
    EXPECT_EQ(sjisLength(QString::fromUtf8("≒").append(QChar(0xFE00)).toUtf8()), 2);
}

TEST(SjisColumns, ColumnsInsideACharacterSnapEitherWay) {
    EXPECT_EQ(utf8Offset(kLine, 1, Snap::Start), 1);
    EXPECT_EQ(utf8Offset(kLine, 2, Snap::Start), 1);   // inside あ
    EXPECT_EQ(utf8Offset(kLine, 2, Snap::End), 4);
    EXPECT_EQ(utf8Offset(kLine, 3, Snap::Start), 4);   // ｶ: three UTF-8 bytes
    EXPECT_EQ(utf8Offset(kLine, 7, Snap::Start), 10);  // between CR and LF
    EXPECT_EQ(utf8Offset(kLine, 7, Snap::End), 12);
    EXPECT_EQ(utf8Offset(kLine, 99, Snap::Start), kLine.size());
}

TEST(SjisColumns, OffsetsMapBackToColumns) {
    EXPECT_EQ(sjisColumn(kLine, 4), 3);
    EXPECT_EQ(sjisColumn(kLine, 5), 3);  // inside ｶ
    EXPECT_EQ(sjisColumn(kLine, 11), 6); // between CR and LF
    EXPECT_EQ(sjisColumn(kLine, 12), 8);
}

TEST(SjisColumns, ADuplicateCodeKeepsItsMarker) {
    // x ≒ (marked as the duplicate code) y: columns 0, 1, 3.
    const QByteArray line = QString::fromUtf8("x≒").append(QChar(0xFE00)).append(u'y').toUtf8();
    EXPECT_EQ(utf8Offset(line, 2, Snap::Start), 1);
    EXPECT_EQ(utf8Offset(line, 2, Snap::End), 7);
    EXPECT_EQ(utf8Offset(line, 3, Snap::Start), 7);
    EXPECT_EQ(sjisColumn(line, 7), 3);
}

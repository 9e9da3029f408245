#include "platform/cp932.h"

#include <gtest/gtest.h>

#include <QList>

#include <initializer_list>
#include <random>

namespace {

QByteArray hex(const char* digits) { return QByteArray::fromHex(digits); }

// Decoding then encoding gives back the bytes.
void expectRoundTrip(const QByteArray& bytes) {
    EXPECT_EQ(cp932::encode(cp932::decode(bytes)).toHex(' '), bytes.toHex(' '));
}

QString units(std::initializer_list<char16_t> list) {
    return QString(reinterpret_cast<const QChar*>(list.begin()), qsizetype(list.size()));
}

qsizetype sumOfEncodedLengths(const QString& text) {
    qsizetype sum = 0;
    for (const char32_t cp : text.toUcs4()) sum += cp932::encodedLength(cp);
    return sum;
}

TEST(Cp932Decode, JapaneseText) {
    const QByteArray bytes = hex("93fa967b8cea82cc8365834c83588367") + "abc";
    EXPECT_EQ(cp932::decode(bytes), u"日本語のテキストabc");
    EXPECT_EQ(cp932::encode(u"日本語のテキストabc"), bytes);
}

TEST(Cp932Decode, CharactersWithBackslashAsSecondByte) {
    EXPECT_EQ(cp932::decode(hex("955c8ea6")), u"表示");
    EXPECT_EQ(cp932::decode(hex("835c815b8358")), u"ソース");
    EXPECT_EQ(cp932::encode(u"表\\ソ"), hex("955c5c835c"));
}

TEST(Cp932Decode, AsciiIsIdentity) {
    QByteArray bytes;
    for (int b = 0; b < 0x80; ++b) bytes.append(char(b));
    const QString text = cp932::decode(bytes);
    ASSERT_EQ(text.size(), 0x80);
    for (int b = 0; b < 0x80; ++b) EXPECT_EQ(text[b].unicode(), b) << b;
    EXPECT_EQ(cp932::encode(text), bytes);
}

TEST(Cp932Decode, HalfWidthKatakana) {
    for (int b = 0xA1; b <= 0xDF; ++b) {
        const QByteArray byte(1, char(b));
        EXPECT_EQ(cp932::decode(byte), QString(QChar(0xFF61 + b - 0xA1))) << b;
        EXPECT_EQ(cp932::encode(cp932::decode(byte)), byte);
    }
    EXPECT_EQ(cp932::encode(u"ｶﾀｶﾅ"), hex("b6c0b6c5"));
}

TEST(Cp932Decode, UserDefinedArea) {
    EXPECT_EQ(cp932::decode(hex("f040")), QString(QChar(0xE000)));
    EXPECT_EQ(cp932::decode(hex("f9fc")), QString(QChar(0xE757)));
    EXPECT_EQ(cp932::encode(QString(QChar(0xE000))), hex("f040"));
}

TEST(Cp932Invalid, UndefinedSingleBytesKeepTheirValue) {
    for (const char* bytes : {"80", "a0", "fd", "fe", "ff"}) {
        const QString text = cp932::decode(hex(bytes));
        ASSERT_EQ(text.size(), 1) << bytes;
        EXPECT_EQ(text[0].unicode(), 0xF700 + uchar(hex(bytes)[0])) << bytes;
        expectRoundTrip(hex(bytes));
    }
}

TEST(Cp932Invalid, UndefinedDoubleByteCodeGivesOneMarkPerByte) {
    EXPECT_EQ(cp932::decode(hex("8540")), units({0xF785, 0xF740}));
    EXPECT_EQ(cp932::decode(hex("eeed")), units({0xF7EE, 0xF7ED}));
    expectRoundTrip(hex("85408541eeedfc4c"));
}

TEST(Cp932Invalid, LeadByteWithoutTrailByte) {
    // Cut off at the end, and followed by bytes that cannot be a second byte:
    // the line end and the next character survive.
    EXPECT_EQ(cp932::decode(hex("4182")), units({'A', 0xF782}));
    EXPECT_EQ(cp932::decode(hex("820d0a82a0")), units({0xF782, '\r', '\n', u'あ'}));
    EXPECT_EQ(cp932::decode(hex("82fd")), units({0xF782, 0xF7FD}));
    expectRoundTrip(hex("820d0a82a082"));
}

TEST(Cp932Invalid, TypedPrivateUseMarkEncodesToItsByte) {
    EXPECT_EQ(cp932::encode(QString(QChar(0xF780))), hex("80"));
}

struct DuplicateCase {
    const char* bytes;
    char16_t ch;
    char16_t selector;  // 0 for the canonical code
};

TEST(Cp932Duplicates, EachCodeComesBackAsItWas) {
    const DuplicateCase cases[] = {
        {"81e0", 0x2252, 0},      {"8790", 0x2252, 0xFE00},  // NEC row 13 vs JIS
        {"81e6", 0x2235, 0},      {"879a", 0x2235, 0xFE00}, {"fa5b", 0x2235, 0xFE01},
        {"8754", 0x2160, 0},      {"fa4a", 0x2160, 0xFE00},  // NEC row 13 vs IBM
        {"fa5c", 0x7E8A, 0},      {"ed40", 0x7E8A, 0xFE00},  // NEC-selected IBM vs IBM
        {"fa40", 0x2170, 0},      {"eeef", 0x2170, 0xFE00},
        {"81ca", 0xFFE2, 0},      {"eef9", 0xFFE2, 0xFE00}, {"fa54", 0xFFE2, 0xFE01},
    };
    for (const auto& c : cases) {
        QString expected(QChar(c.ch));
        if (c.selector != 0) expected += QChar(c.selector);
        EXPECT_EQ(cp932::decode(hex(c.bytes)), expected) << c.bytes;
        expectRoundTrip(hex(c.bytes));
    }
}

TEST(Cp932Duplicates, TypedCharactersTakeTheCanonicalCode) {
    EXPECT_EQ(cp932::encode(u"≒∵Ⅰ纊ⅰ￢"), hex("81e081e68754fa5cfa4081ca"));
}

TEST(Cp932Duplicates, StraySelectorsAreDropped) {
    EXPECT_EQ(cp932::encode(u"A\uFE00B\uFE01"), "AB");
    EXPECT_EQ(cp932::encode(u"\uFE00"), "");
    // U+2252 has only one duplicate: the second selector means nothing.
    EXPECT_EQ(cp932::encode(u"≒\uFE01"), hex("81e0"));
    EXPECT_EQ(cp932::encode(u"表\uFE00"), hex("955c"));
}

TEST(Cp932Encode, CharactersOutsideCp932BecomeQuestionMarks) {
    EXPECT_EQ(cp932::encode(u"é〜x"), "??x");
    EXPECT_EQ(cp932::encode(u"a😀b"), "a?b");  // one mark for the surrogate pair
    EXPECT_EQ(cp932::encode(units({'a', 0xD800, 'b'})), "a?b");
}

// Every code of the code page, defined or not, decodes and encodes back, and
// no defined code decodes into the range that marks invalid bytes.
TEST(Cp932RoundTrip, EveryCode) {
    for (int b = 0; b < 0x100; ++b) expectRoundTrip(QByteArray(1, char(b)));
    int defined = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!cp932::isLeadByte(uchar(lead))) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (!cp932::isTrailByte(uchar(trail))) continue;
            const QByteArray bytes = QByteArray(1, char(lead)) + char(trail);
            const QString text = cp932::decode(bytes);
            ASSERT_EQ(cp932::encode(text), bytes) << bytes.toHex().constData();
            const char16_t first = text[0].unicode();
            if (first >= 0xF700 && first <= 0xF7FF) {
                EXPECT_EQ(text.size(), 2) << bytes.toHex().constData();
            } else {
                ++defined;
            }
        }
    }
    EXPECT_EQ(defined, 9604);  // JIS X 0208, NEC and IBM extensions, user area
}

TEST(Cp932RoundTrip, OneMegabyteOfRandomBytes) {
    std::mt19937 random(932);
    QByteArray bytes(1 << 20, Qt::Uninitialized);
    for (char& b : bytes) b = char(random() & 0xFF);
    const QString text = cp932::decode(bytes);
    ASSERT_EQ(cp932::encode(text), bytes);
    EXPECT_EQ(cp932::encodedSize(text), bytes.size());
    EXPECT_EQ(sumOfEncodedLengths(text), bytes.size());
}

TEST(Cp932Length, EncodedLengthOfEachKind) {
    EXPECT_EQ(cp932::encodedLength(U'A'), 1);
    EXPECT_EQ(cp932::encodedLength(U'ｱ'), 1);
    EXPECT_EQ(cp932::encodedLength(U'表'), 2);
    EXPECT_EQ(cp932::encodedLength(0xF785), 1);
    EXPECT_EQ(cp932::encodedLength(0xFE00), 0);
    EXPECT_EQ(cp932::encodedLength(U'é'), 1);
    EXPECT_EQ(cp932::encodedLength(U'😀'), 1);
}

TEST(Cp932Bytes, CharacterBoundaries) {
    const QByteArray bytes = "a" + hex("955c") + "b" + hex("82");  // a表b + cut-off lead
    EXPECT_EQ(cp932::charLength(bytes, 0), 1);
    EXPECT_EQ(cp932::charLength(bytes, 1), 2);
    EXPECT_EQ(cp932::charLength(bytes, 4), 1);
    EXPECT_EQ(cp932::charStart(bytes, 2), 1);
    EXPECT_EQ(cp932::charStart(bytes, 3), 3);
    EXPECT_EQ(cp932::charStart(bytes, 4), 4);
    EXPECT_EQ(cp932::charLength(hex("820a"), 0), 1);
}

TEST(Cp932Bytes, EndsWithBackslash) {
    EXPECT_TRUE(cp932::endsWithBackslash("C:\\dir\\"));
    EXPECT_TRUE(cp932::endsWithBackslash(hex("955c5c")));  // 表 then a backslash
    EXPECT_FALSE(cp932::endsWithBackslash(hex("955c")));   // 表
    EXPECT_FALSE(cp932::endsWithBackslash("a" + hex("835c")));  // aソ
    EXPECT_FALSE(cp932::endsWithBackslash(hex("855c")));   // undefined pair
    EXPECT_FALSE(cp932::endsWithBackslash(""));
    EXPECT_FALSE(cp932::endsWithBackslash("abc"));
}

TEST(Cp932Bytes, AnsiCaseLeavesDoubleByteCharactersAlone) {
    // ア is 0x83 0x41 and ヂ 0x83 0x61: their second bytes look like "A" and "a".
    const QByteArray mixed = "abXY" + hex("8341") + hex("8361") + "z" + hex("b1");
    EXPECT_EQ(cp932::ansiUpper(mixed), "ABXY" + hex("8341") + hex("8361") + "Z" + hex("b1"));
    EXPECT_EQ(cp932::ansiLower(mixed), "abxy" + hex("8341") + hex("8361") + "z" + hex("b1"));
}

}  // namespace

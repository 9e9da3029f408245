// The straight route between Shift-JIS and UTF-8 gives byte for byte what
// the route through QString gives, whatever the bytes and wherever a text
// is cut into pieces.
#include "platform/cp932.h"

#include <gtest/gtest.h>

#include <random>

namespace {

QByteArray throughUtf16(QByteArrayView sjis) { return cp932::decode(sjis).toUtf8(); }

QByteArray straight(QByteArrayView sjis, qsizetype piece) {
    cp932::Utf8Decoder decoder;
    QByteArray utf8;
    const auto append = [&](QByteArrayView part, bool last) {
        const qsizetype before = utf8.size();
        utf8.resize(before + cp932::Utf8Decoder::room(part.size()));
        char* end = decoder.decode(part, utf8.data() + before);
        if (last) end = decoder.finish(end);
        utf8.truncate(end - utf8.constData());
    };
    if (sjis.isEmpty()) append({}, true);
    for (qsizetype at = 0; at < sjis.size(); at += piece) {
        append(sjis.sliced(at, std::min(piece, sjis.size() - at)), at + piece >= sjis.size());
    }
    return utf8;
}

qsizetype counted(QByteArrayView sjis, qsizetype piece) {
    cp932::Utf8Counter counter;
    for (qsizetype at = 0; at < sjis.size(); at += piece) counter.add(sjis.sliced(at, std::min(piece, sjis.size() - at)));
    return counter.finish();
}

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray b;
    for (int v : values) b.append(char(v));
    return b;
}

// Text of every kind: ASCII runs, kanji, kana, duplicate codes, undefined
// codes, lone lead bytes, invalid single bytes, line ends and NUL.
QByteArray mixedText(std::mt19937& rng, int units) {
    const QByteArray kinds[] = {
        "plain ascii text ", bytes({0x95, 0x5C}),  bytes({0x87, 0x90}), bytes({0xED, 0x40}), bytes({0xFA, 0x54}),
        bytes({0xEE, 0xF9}), bytes({0x85, 0x40}),  bytes({0xB6}),       bytes({0xA0}),       bytes({0xFD}),
        bytes({0x81}),       bytes({0x80}),        "\r\n",              "\r",                "\n",
        QByteArray(1, '\0'), bytes({0x83, 0x5C}),  bytes({0xF0, 0x40}), "x",                 bytes({0x82, 0xA0}),
    };
    QByteArray text;
    for (int i = 0; i < units; ++i) text += kinds[rng() % std::size(kinds)];
    return text;
}

}  // namespace

TEST(Cp932Utf8, EveryOneAndTwoByteSequenceDecodesAsThroughUtf16) {
    for (int first = 0; first < 256; ++first) {
        const QByteArray one(1, char(first));
        ASSERT_EQ(straight(one, 1), throughUtf16(one)) << first;
        ASSERT_EQ(counted(one, 1), throughUtf16(one).size()) << first;
        for (int second = 0; second < 256; ++second) {
            const QByteArray two = one + char(second);
            const QByteArray expected = throughUtf16(two);
            ASSERT_EQ(straight(two, 2), expected) << first << " " << second;
            ASSERT_EQ(straight(two, 1), expected) << first << " " << second;
            ASSERT_EQ(counted(two, 1), expected.size()) << first << " " << second;
        }
    }
}

TEST(Cp932Utf8, PiecesCutAnywhereGiveTheWholeText) {
    std::mt19937 rng(5);
    const QByteArray text = mixedText(rng, 6000);
    const QByteArray expected = throughUtf16(text);
    for (const qsizetype piece : {1, 2, 3, 7, 8, 9, 64, 4095, 1 << 20}) {
        EXPECT_EQ(straight(text, piece), expected) << "pieces of " << piece;
        EXPECT_EQ(counted(text, piece), expected.size()) << "pieces of " << piece;
    }
}

TEST(Cp932Utf8, EncodingUtf8GivesWhatEncodingTheStringGives) {
    std::mt19937 rng(9);
    const QByteArray decoded = throughUtf16(mixedText(rng, 3000));
    struct Case {
        const char* name;
        QByteArray utf8;
    };
    const Case cases[] = {
        {"decoded text of every kind", decoded},
        {"typed Japanese", "日本語のテキスト abc ｶﾀｶﾅ"},
        {"canonical code of a duplicated character", "≒∵¬"},
        {"duplicate codes by their selectors", "≒\xEF\xB8\x80 纊\xEF\xB8\x80 ¬\xEF\xB8\x80 ¬\xEF\xB8\x81"},
        {"stray selectors", "\xEF\xB8\x80" "a\xEF\xB8\x81 \xEF\xB8\x80"},
        {"selector cut off at the end", "≒\xEF\xB8"},
        {"outside CP932", "¥ 〜 😀 \xEF\xBB\xBF"},
        {"invalid-byte marks", "\xEF\x9E\xA0\xEF\x9F\xBD\xEF\x9E\x80"},
        {"NUL and controls", QByteArray("a\0b\x7f\x1a", 5)},
        {"truncated sequence", "ab\xE8\xA1"},
        {"lone continuation byte", "a\x80" "b"},
        {"overlong form", "\xC0\xAF"},
        {"encoded surrogate", "\xED\xA0\x80"},
        {"past U+10FFFF", "\xF4\x90\x80\x80"},
        {"invalid lead", "\xFF\xFE"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cp932::encodeUtf8(c.utf8).toHex(' '), cp932::encode(QString::fromUtf8(c.utf8)).toHex(' ')) << c.name;
    }
}

TEST(Cp932Utf8, DecodedBytesComeBackThroughUtf8) {
    std::mt19937 rng(13);
    const QByteArray text = mixedText(rng, 4000);
    EXPECT_EQ(cp932::encodeUtf8(straight(text, 4096)), text);
}

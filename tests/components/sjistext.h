#pragma once
// Shift-JIS texts of every awkward kind, and the editor's text made of them
// the plain way (every line end made CR LF, then decoded through QString),
// against which the piecewise loading is checked.
#include "platform/cp932.h"
#include "tests/components/sjis.h"

#include <QByteArray>

#include <random>
#include <vector>

namespace sjistext {

inline QByteArray bytes(std::initializer_list<int> values) {
    QByteArray b;
    for (int v : values) b.append(char(v));
    return b;
}

// Every CR LF, lone CR and lone LF as CR LF.
inline QByteArray withCrLf(QByteArrayView text) {
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += "\r\n";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

inline QByteArray plainUtf8(QByteArrayView sjis) { return cp932::decode(withCrLf(sjis)).toUtf8(); }

// Shift-JIS length of each line of the CR LF text, line end included.
inline std::vector<qsizetype> plainLineLengths(QByteArrayView sjis) {
    const QByteArray text = withCrLf(sjis);
    std::vector<qsizetype> lengths;
    qsizetype start = 0;
    for (qsizetype lf = text.indexOf('\n'); lf >= 0; lf = text.indexOf('\n', lf + 1)) {
        lengths.push_back(lf + 1 - start);
        start = lf + 1;
    }
    lengths.push_back(text.size() - start);
    return lengths;
}

struct Case {
    const char* name;
    QByteArray sjis;
};

inline std::vector<Case> cases() {
    return {
        {"empty", ""},
        {"ASCII lines", "abc\r\ndef\r\n"},
        {"double-byte characters", sj("表示 ソース\r\n能力")},
        {"duplicate codes", bytes({0x87, 0x90, 0xED, 0x40, 0x0D, 0x0A, 0xFA, 0x54, 0xEE, 0xF9})},
        {"undefined and invalid bytes", bytes({0x85, 0x40, 0xA0, 0xFD, 0x80, 0x61, 0x81})},
        {"lone line ends", "a\rb\nc\r\nd\n\r"},
        {"CR CR LF and LF CR", "a\r\r\nb\n\rc"},
        {"lead byte before a line end", bytes({0x81, 0x0D, 0x0A, 0x82, 0x0A, 0x83, 0x0D, 0x84})},
        {"NUL bytes", QByteArray("a\0b\r\n\0", 6)},
        {"ends with CR", "x\r"},
        {"ends with a lead byte", bytes({0x78, 0x95})},
        {"starts with a line end", "\r\nabc"},
        {"half-width kana", bytes({0xB6, 0xC0, 0xB6, 0xC5, 0x0D, 0x0A, 0xDF})},
        {"a long line", sj("表a").repeated(3000)},
    };
}

// Text of every kind, at random: ASCII runs, kanji, kana, duplicate codes,
// undefined codes, lone lead bytes, invalid bytes, every kind of line end.
inline QByteArray mixedText(int units, unsigned seed) {
    const QByteArray kinds[] = {
        "plain ascii text ", bytes({0x95, 0x5C}), bytes({0x87, 0x90}), bytes({0xED, 0x40}), bytes({0xFA, 0x54}),
        bytes({0x85, 0x40}), bytes({0xB6}),       bytes({0xA0}),       bytes({0x81}),       "\r\n",
        "\r",                "\n",                QByteArray(1, '\0'), sj("日本語のコメント"),  "x",
    };
    std::mt19937 rng(seed);
    QByteArray text;
    for (int i = 0; i < units; ++i) text += kinds[rng() % std::size(kinds)];
    return text;
}

}  // namespace sjistext

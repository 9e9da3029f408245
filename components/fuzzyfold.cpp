#include "components/fuzzyfold.h"

namespace {

// Full-width forms of the half-width katakana block U+FF61..U+FF9F.
constexpr char16_t kHalfKana[] =
    u"。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン゛゜";

constexpr char16_t kVoicedMark = 0xFF9E;      // ﾞ
constexpr char16_t kSemiVoicedMark = 0xFF9F;  // ﾟ

bool takesSemiVoicedMark(char16_t k) { return k >= u'ハ' && k <= u'ホ' && (k - u'ハ') % 3 == 0; }

bool takesVoicedMark(char16_t k) {
    return (k >= u'カ' && k <= u'チ' && (k - u'カ') % 2 == 0) ||
           (k >= u'ツ' && k <= u'ト' && (k - u'ツ') % 2 == 0) || k == u'ウ' || takesSemiVoicedMark(k);
}

char16_t voiced(char16_t k) { return k == u'ウ' ? u'ヴ' : char16_t(k + 1); }

char16_t lowerAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 0x20) : c; }

// Folds the character at `i`, consuming a following half-width voiced mark
// when it combines; returns the number of source characters used.
int foldOne(QStringView s, qsizetype i, char16_t& out) {
    const char16_t c = s[i].unicode();
    if (c >= 0xFF01 && c <= 0xFF5E) {
        out = lowerAscii(char16_t(c - 0xFF01 + 0x21));
    } else if (c == 0x3000) {
        out = u' ';
    } else if (c >= 0x3041 && c <= 0x3096) {
        out = char16_t(c + 0x60);
    } else if (c == 0x309D || c == 0x309E) {
        out = char16_t(c + 0x60);  // ゝゞ to ヽヾ
    } else if (c >= 0xFF61 && c <= 0xFF9F) {
        out = kHalfKana[c - 0xFF61];
        const char16_t next = i + 1 < s.size() ? s[i + 1].unicode() : 0;
        if (next == kVoicedMark && takesVoicedMark(out)) {
            out = voiced(out);
            return 2;
        }
        if (next == kSemiVoicedMark && takesSemiVoicedMark(out)) {
            out = char16_t(out + 2);
            return 2;
        }
    } else {
        out = lowerAscii(c);
    }
    return 1;
}

bool isSelector(char16_t c) { return c == 0xFE00 || c == 0xFE01; }

}  // namespace

FoldedText fuzzyFold(QStringView source) {
    FoldedText folded;
    folded.text.reserve(source.size());
    folded.origin.reserve(std::size_t(source.size()) + 1);
    qsizetype i = 0;
    while (i < source.size()) {
        // Duplicate-code markers are invisible; they never affect a match.
        if (isSelector(source[i].unicode())) {
            ++i;
            continue;
        }
        char16_t out = 0;
        const int used = foldOne(source, i, out);
        folded.text.append(QChar(out));
        folded.origin.push_back(i);
        i += used;
    }
    folded.origin.push_back(source.size());
    return folded;
}

QString asciiFold(QStringView source) {
    QString out(source.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < source.size(); ++i) out[i] = QChar(lowerAscii(source[i].unicode()));
    return out;
}

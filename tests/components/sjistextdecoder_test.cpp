// The editor's text made from Shift-JIS in pieces: the same UTF-8 and line
// lengths as the whole text made the plain way (line ends made CR LF, then
// decoded through QString), wherever the pieces are cut.
#include "components/sjistextdecoder.h"
#include "tests/components/sjistext.h"

#include <gtest/gtest.h>

namespace {

struct Made {
    QByteArray utf8;
    std::vector<qsizetype> lines;
};

Made inPieces(QByteArrayView sjis, qsizetype piece) {
    SjisTextDecoder decoder;
    Made made;
    for (qsizetype at = 0; at < sjis.size(); at += piece) {
        decoder.add(sjis.sliced(at, std::min(piece, sjis.size() - at)), made.utf8, made.lines);
    }
    decoder.finish(made.utf8, made.lines);
    return made;
}

qsizetype measuredInPieces(QByteArrayView sjis, qsizetype piece) {
    SjisTextMeasure measure;
    for (qsizetype at = 0; at < sjis.size(); at += piece) measure.add(sjis.sliced(at, std::min(piece, sjis.size() - at)));
    return measure.utf8Size();
}

}  // namespace

TEST(SjisTextDecoder, PiecesGiveTheTextAndLinesOfTheWholeMadeThePlainWay) {
    for (const sjistext::Case& c : sjistext::cases()) {
        const QByteArray expectedUtf8 = sjistext::plainUtf8(c.sjis);
        const std::vector<qsizetype> expectedLines = sjistext::plainLineLengths(c.sjis);
        for (const qsizetype piece : {1, 2, 3, 4, 5, 7, 16, 17, 1 << 20}) {
            const Made made = inPieces(c.sjis, piece);
            EXPECT_EQ(made.utf8.toHex(' '), expectedUtf8.toHex(' ')) << c.name << ", pieces of " << piece;
            EXPECT_EQ(made.lines, expectedLines) << c.name << ", pieces of " << piece;
            EXPECT_EQ(measuredInPieces(c.sjis, piece), expectedUtf8.size()) << c.name << ", pieces of " << piece;
        }
        EXPECT_EQ(SjisTextDecoder::toUtf8(c.sjis), expectedUtf8) << c.name;
    }
}

TEST(SjisTextDecoder, EveryCutOfALongMixedText) {
    const QByteArray text = sjistext::mixedText(20000, 3);
    const QByteArray expectedUtf8 = sjistext::plainUtf8(text);
    const std::vector<qsizetype> expectedLines = sjistext::plainLineLengths(text);
    for (qsizetype cut = 0; cut <= 64; ++cut) {
        SjisTextDecoder decoder;
        Made made;
        decoder.add(QByteArrayView(text).first(cut), made.utf8, made.lines);
        decoder.add(QByteArrayView(text).sliced(cut), made.utf8, made.lines);
        decoder.finish(made.utf8, made.lines);
        ASSERT_EQ(made.utf8, expectedUtf8) << "cut at " << cut;
        ASSERT_EQ(made.lines, expectedLines) << "cut at " << cut;
    }
    for (const qsizetype piece : {13, 4096}) {
        EXPECT_EQ(inPieces(text, piece).utf8, expectedUtf8) << piece;
        EXPECT_EQ(measuredInPieces(text, piece), expectedUtf8.size()) << piece;
    }
}

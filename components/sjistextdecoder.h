#pragma once
// Shift-JIS text made into what the editor holds: UTF-8 (the widget's
// encoding) with every line end (CR LF, lone CR, lone LF) written as CR LF,
// and beside it the Shift-JIS length of each line of that text, its line end
// included. The text may arrive in pieces cut anywhere, inside a double-byte
// character or between CR and LF; the result is the same as for the whole
// text at once.
#include "platform/cp932.h"

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

class SjisTextDecoder {
public:
    // Appends the UTF-8 of `sjis` to `utf8` and the length of each line it
    // ends to `lines`. A CR or a lead byte at the end of the piece is held
    // back until the next piece shows what follows it.
    void add(QByteArrayView sjis, QByteArray& utf8, std::vector<qsizetype>& lines);
    // Ends the text: appends what is held back and the last line's length
    // (0 when the text ends with a line end).
    void finish(QByteArray& utf8, std::vector<qsizetype>& lines);

    // The UTF-8 of a whole text.
    static QByteArray toUtf8(QByteArrayView sjis);

private:
    char* decode(QByteArrayView sjis, char* out) { return codec_.decode(sjis, out); }
    void endLine(qsizetype length, std::vector<qsizetype>& lines);

    cp932::Utf8Decoder codec_;
    qsizetype lineSoFar_ = 0;  // bytes of the unfinished line in earlier pieces
    bool heldCr_ = false;
};

// The size of the UTF-8 that SjisTextDecoder makes of a text, measured from
// its pieces without making it.
class SjisTextMeasure {
public:
    void add(QByteArrayView sjis);
    qsizetype utf8Size();  // after the last piece

private:
    cp932::Utf8Counter codec_;
    qsizetype loneLineEnds_ = 0;
    bool heldCr_ = false;  // the last byte so far is a CR
};

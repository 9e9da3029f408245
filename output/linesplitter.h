#pragma once
// Output of a program as it arrives in pieces cut anywhere: whole lines of
// Shift-JIS bytes without their line ends (LF or CR LF). A line end is a
// single byte that is never part of a double-byte character, so lines can
// be cut before they are decoded, and are decoded only when shown.
#include <QByteArray>
#include <QByteArrayList>
#include <QByteArrayView>

class TLineSplitter {
public:
    // The lines that `bytes` completes.
    QByteArrayList Add(QByteArrayView bytes);
    // The last line when the output did not end with a line end.
    QByteArrayList Finish();

private:
    QByteArray partial_;
};

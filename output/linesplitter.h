#pragma once
// Output of a program as it arrives in pieces cut anywhere: whole lines,
// decoded from Shift-JIS, without their line ends (LF or CR LF). A line end
// is a single byte that is never part of a double-byte character, so lines
// can be cut before they are decoded.
#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

class TLineSplitter {
public:
    // The lines that `bytes` completes.
    QStringList Add(QByteArrayView bytes);
    // The last line when the output did not end with a line end.
    QStringList Finish();

private:
    QByteArray partial_;
};

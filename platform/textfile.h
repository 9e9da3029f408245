#pragma once
// Shift-JIS text files as lines. A line ends at CR LF, a lone CR or a lone
// LF; a line end at the very end of the file does not start another, empty
// line. Written lines each end with CR LF, the last one included.
// Reading and saving throw FileError (see filebytes.h for the raw bytes and
// the atomic save underneath).
#include "platform/filebytes.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

namespace textfile {

enum class Nul {
    Keep,        // a NUL byte is text like any other
    EndsText,    // the first NUL byte ends the text (the palette files only)
};

QList<QByteArray> splitLines(QByteArrayView bytes, Nul nul = Nul::Keep);
QByteArray joinLines(const QList<QByteArray>& lines);

// Lines as the raw Shift-JIS bytes.
QList<QByteArray> readByteLines(const QString& path, Nul nul = Nul::Keep);
void saveByteLines(const QString& path, const QList<QByteArray>& lines);

// Lines decoded with cp932::decode; saving encodes them back.
QStringList readLines(const QString& path, Nul nul = Nul::Keep);
void saveLines(const QString& path, const QStringList& lines);

}  // namespace textfile

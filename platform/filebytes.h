#pragma once
// Whole files as bytes. Both functions throw FileError naming the file and
// the reason; nothing is reported as success that did not happen.
#include "platform/fileerror.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

namespace filebytes {

// Every byte of the file.
QByteArray read(const QString& path);

// Bytes [from, to) of a file; `to` -1 for the end of the file.
struct ByteRange {
    qsizetype from = 0;
    qsizetype to = -1;
};

// The bytes of the file (of `range` in it), handed to `piece` in order, in
// pieces of at most `pieceBytes`, so that a large file never has to be in
// memory whole.
void readPieces(const QString& path, qsizetype pieceBytes, const std::function<void(QByteArrayView)>& piece,
                ByteRange range = {});

// Replaces the file's content atomically: the bytes go to a temporary file in
// the same folder, are flushed to the disk and then renamed over the target,
// so a failed save leaves the old file as it was. An existing file keeps its
// permission bits (and owner, where allowed); a new one gets the normal
// permissions under the umask. A symbolic link is followed, not replaced.
// A file the user may not write is refused, as a direct write would be.
void save(const QString& path, QByteArrayView bytes);

// The same save with the bytes made piece by piece, so that a large text
// never has to exist whole in memory: `produce` hands each piece, in order,
// to the sink it is given. An exception thrown by `produce` leaves the old
// file as it was and reaches the caller unchanged.
using ByteSink = std::function<void(QByteArrayView)>;
void save(const QString& path, const std::function<void(const ByteSink&)>& produce);

}  // namespace filebytes

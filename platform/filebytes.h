#pragma once
// Whole files as bytes. Both functions throw FileError naming the file and
// the reason; nothing is reported as success that did not happen.
#include "platform/fileerror.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace filebytes {

// Every byte of the file.
QByteArray read(const QString& path);

// Replaces the file's content atomically: the bytes go to a temporary file in
// the same folder, are flushed to the disk and then renamed over the target,
// so a failed save leaves the old file as it was. An existing file keeps its
// permission bits (and owner, where allowed); a new one gets the normal
// permissions under the umask. A symbolic link is followed, not replaced.
// A file the user may not write is refused, as a direct write would be.
void save(const QString& path, QByteArrayView bytes);

}  // namespace filebytes

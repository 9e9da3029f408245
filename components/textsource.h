#pragma once
// The bytes of a file to load, read a piece at a time as often as a load
// asks. A regular file is read again each time; anything that can be read
// only once (a pipe, a device) is read into memory first.
#include "platform/filebytes.h"

#include <QByteArray>
#include <QString>

#include <functional>

class TextSource {
public:
    // Throws FileError when the file cannot be read.
    TextSource(const QString& path, qsizetype pieceBytes);

    const QString& path() const { return path_; }
    // The size when the source was opened; a regular file may change later.
    qsizetype size() const { return size_; }
    // Hands the bytes of `range` to `piece`, in order, in pieces of at most
    // the size given. Throws FileError.
    void read(filebytes::ByteRange range, const std::function<void(QByteArrayView)>& piece) const;

private:
    QString path_;
    qsizetype pieceBytes_;
    qsizetype size_ = 0;
    bool inMemory_ = false;
    QByteArray bytes_;
};

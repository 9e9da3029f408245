#include "components/textsource.h"

#include <QFileInfo>

#include <algorithm>

TextSource::TextSource(const QString& path, qsizetype pieceBytes)
    : path_(path), pieceBytes_(std::max<qsizetype>(pieceBytes, 1)) {
    const QFileInfo info(path);
    inMemory_ = !info.isFile();
    if (inMemory_) {
        bytes_ = filebytes::read(path);
        size_ = bytes_.size();
    } else {
        size_ = info.size();
    }
}

void TextSource::read(filebytes::ByteRange range, const std::function<void(QByteArrayView)>& piece) const {
    if (!inMemory_) {
        filebytes::readPieces(path_, pieceBytes_, piece, range);
        return;
    }
    const qsizetype to = range.to < 0 ? bytes_.size() : std::min(range.to, bytes_.size());
    for (qsizetype at = range.from; at < to; at += pieceBytes_) {
        piece(QByteArrayView(bytes_).sliced(at, std::min(pieceBytes_, to - at)));
    }
}
